#pragma once

#include <QString>

#include <array>
#include <optional>

namespace tav {

// The windows the splash preloads and the launch window shows.
enum class ToolWindow {
    Launch,       // Form1
    Macro,        // Form2
    MapOverview,  // Form4
    SaveGame,     // Form6
    Definitions,  // Form9
    Sprite,       // Form12
    Enemy,        // Form16
    About,        // Form17
};

struct StartupStep {
    int progress;
    std::optional<ToolWindow> window;
};

// The preloading order with the progress shown before each window loads.
// The step from 60 goes straight to 80.
constexpr std::array<StartupStep, 9> kStartupSteps = {{
    {10, ToolWindow::Launch},
    {20, ToolWindow::Macro},
    {30, ToolWindow::MapOverview},
    {40, ToolWindow::SaveGame},
    {50, ToolWindow::Definitions},
    {60, ToolWindow::Sprite},
    {80, ToolWindow::Enemy},
    {90, ToolWindow::About},
    {100, std::nullopt},
}};

struct LaunchButton {
    enum class Action { ShowTool, ShowModal, StartCommand };
    int index;
    const char *caption;
    const char *tooltip;
    int leftTwips;
    Action action;
    ToolWindow window;       // for ShowTool and ShowModal
    const char *commandLine; // for StartCommand
};

// The nine buttons of the launch window, by index.
constexpr std::array<LaunchButton, 9> kLaunchButtons = {{
    {0, "Macro", "Macro developement", 60, LaunchButton::Action::ShowTool, ToolWindow::Macro, nullptr},
    {1, "MAPs", "MAP editing", 840, LaunchButton::Action::ShowTool, ToolWindow::MapOverview, nullptr},
    {2, "SavGm", "Savegame editor", 1620, LaunchButton::Action::ShowTool, ToolWindow::SaveGame, nullptr},
    {3, "Param", "Definitions parameter editor", 2400, LaunchButton::Action::ShowTool, ToolWindow::Definitions, nullptr},
    {4, "Sprites", "Sprite editor", 3180, LaunchButton::Action::ShowTool, ToolWindow::Sprite, nullptr},
    {5, "Help", "Help files", 4740, LaunchButton::Action::StartCommand, ToolWindow::Launch, "explorer HELP"},
    {6, "Game", "Run game", 5640, LaunchButton::Action::StartCommand, ToolWindow::Launch, "Tavaria"},
    {7, "Enemy", "Enemy editor", 3960, LaunchButton::Action::ShowTool, ToolWindow::Enemy, nullptr},
    {8, "About", "About the developement kit", 6420, LaunchButton::Action::ShowModal, ToolWindow::About, nullptr},
}};

constexpr int kLaunchButtonTopTwips = 60;
constexpr int kLaunchButtonWidthTwips = 735;
constexpr int kLaunchButtonHeightTwips = 915;

// Bottom-right placement: 100 twips from the right edge and 600 above the
// bottom edge of the screen (outer window sizes).
constexpr int kLaunchRightMarginTwips = 100;
constexpr int kLaunchBottomMarginTwips = 600;

// The window that holds a document of a window id ("macro", "goals").
inline std::optional<ToolWindow> windowOfDocument(const QString &windowId)
{
    const std::pair<const char *, ToolWindow> windows[] = {
        {"macro", ToolWindow::Macro},        {"automap", ToolWindow::MapOverview},
        {"savegame", ToolWindow::SaveGame},  {"goals", ToolWindow::Definitions},
        {"idle-sounds", ToolWindow::Definitions}, {"sprite", ToolWindow::Sprite},
        {"enemy", ToolWindow::Enemy},
    };
    for (const auto &[id, window] : windows)
        if (windowId == QLatin1String(id))
            return window;
    return std::nullopt;
}

} // namespace tav
