#include "ui/app/launch_window.h"
#include "ui/app/splash_window.h"
#include "ui/app/tool_windows.h"

#include "support/scripted_platform.h"
#include "support/temp_game_folder.h"

#include <QCoreApplication>
#include <QEvent>
#include <QLabel>
#include <QProgressBar>

#include <gtest/gtest.h>

using namespace tav;
using tav::test::ScriptedPlatform;
using tav::test::TempGameFolder;

namespace {

struct Loaded {
    ToolWindow window;
    int progress;
    int boxesShownSoFar;
};

} // namespace

TEST(Splash, ShowsTheDesignerVersion)
{
    ScriptedPlatform platform;
    TempGameFolder tmp;
    ToolWindows windows(tmp.folder(), [](ToolWindow, ToolWindows &) { return new QWidget; });
    auto *splash = new Form18(windows);
    EXPECT_EQ(splash->findChild<QLabel *>("Label3")->text(), "v1.0.3");
    EXPECT_EQ(splash->findChild<QLabel *>("Label2")->text(), "developement kit");
    delete splash;
}

TEST(Splash, PreloadsTheWindowsInOrderWithTheirProgressAndWarnsAtTenPercent)
{
    ScriptedPlatform platform;
    TempGameFolder tmp;
    std::vector<Loaded> loaded;
    Form18 *splash = nullptr;
    ToolWindows windows(tmp.folder(), [&](ToolWindow id, ToolWindows &w) -> QWidget * {
        loaded.push_back({id, splash->findChild<QProgressBar *>("Lod")->value(), platform.dialogs.count()});
        if (id == ToolWindow::Launch)
            return ToolWindows::createStandardWindow(id, w);
        return new QWidget;
    });
    splash = new Form18(windows);
    QPointer<Form18> guard(splash);
    splash->show();
    splash->Timer1_Timer();

    const std::vector<ToolWindow> order = {ToolWindow::Launch, ToolWindow::Macro, ToolWindow::MapOverview,
                                           ToolWindow::SaveGame, ToolWindow::Definitions, ToolWindow::Sprite,
                                           ToolWindow::Enemy, ToolWindow::About};
    const std::vector<int> progress = {10, 20, 30, 40, 50, 60, 80, 90};
    ASSERT_EQ(loaded.size(), order.size());
    for (std::size_t i = 0; i < order.size(); ++i) {
        EXPECT_EQ(loaded[i].window, order[i]) << i;
        EXPECT_EQ(loaded[i].progress, progress[i]) << i;
    }
    // The first-run warning came while the launch window loaded, before the next window.
    EXPECT_EQ(loaded[1].boxesShownSoFar, 1);
    ASSERT_EQ(platform.dialogs.count(), 1);
    EXPECT_EQ(platform.dialogs.lastMessage().title, "Warning!");
    EXPECT_EQ(platform.dialogs.lastMessage().text,
              "Before starting a new project, you should make a backup of the designer directory!");
    EXPECT_EQ(platform.dialogs.lastMessage().icon, platform::Icon::Exclamation);
    EXPECT_EQ(tmp.read("design.sts"), QByteArray("\x02\x00\x01\x00", 4));
    EXPECT_TRUE(windows.window(ToolWindow::Launch)->isVisible());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(guard.isNull());
}

TEST(ToolWindows, LoadsEachWindowOnceAndAgainAfterItWasUnloaded)
{
    TempGameFolder tmp;
    int created = 0;
    ToolWindows windows(tmp.folder(), [&](ToolWindow, ToolWindows &) {
        ++created;
        return new QWidget;
    });
    QWidget *first = windows.load(ToolWindow::Macro);
    windows.show(ToolWindow::Macro);
    windows.show(ToolWindow::Macro);
    EXPECT_EQ(windows.window(ToolWindow::Macro), first);
    EXPECT_EQ(created, 1);
    delete first;
    EXPECT_FALSE(windows.isLoaded(ToolWindow::Macro));
    windows.show(ToolWindow::Macro);
    EXPECT_EQ(created, 2);
}
