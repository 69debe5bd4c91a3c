#pragma once

#include <initializer_list>

class QWidget;

namespace tav {

// A key that presses a window's button (found by its object name).
struct ButtonShortcut {
    const char *keys;
    const char *button;
};

// Each key clicks its button, so it does exactly what the button does, and
// only while the button is enabled. A window shortcut also answers while one
// of the window's own tool windows (the sprite editor's palette) is active.
void addButtonShortcuts(QWidget *window, std::initializer_list<ButtonShortcut> shortcuts);

} // namespace tav
