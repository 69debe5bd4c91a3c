#pragma once

#include "ui/common/window_frame.h"

#include <QHash>
#include <QPointer>
#include <QString>

namespace tav::platform {

// Shows the one window of a key (a file or folder on disk), brought forward:
// made on first use and placed to fit the screen, clear of the launch
// window; reused while it is open. Its reload() fills it and says whether
// there is anything to show; nullptr when there is not.
template <typename Window> Window *showReusedWindow(const QString &key)
{
    static QHash<QString, QPointer<Window>> windows;
    QPointer<Window> &window = windows[key];
    const bool made = !window;
    if (made)
        window = new Window(key);
    if (!window->reload()) {
        if (!window->isVisible())
            delete window.data();
        return nullptr;
    }
    if (made)
        placeNewWindow(window);
    window->show();
    window->raise();
    window->activateWindow();
    return window;
}

} // namespace tav::platform
