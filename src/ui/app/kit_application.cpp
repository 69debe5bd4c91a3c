#include "ui/app/kit_application.h"

#include "ui/app/launch_window.h"
#include "ui/app/splash_window.h"
#include "ui/app/tool_windows.h"

#include <QApplication>

namespace tav {

bool displayAvailable()
{
    const QByteArray platform = qgetenv("QT_QPA_PLATFORM");
    if (!platform.isEmpty())
        return true;
    return !qgetenv("DISPLAY").isEmpty() || !qgetenv("WAYLAND_DISPLAY").isEmpty();
}

int runKit(const GameFolder &folder)
{
    ToolWindows windows(folder);
    auto *splash = new Form18(windows);
    QObject::connect(splash, &Form18::startupFinished, [&windows] {
        if (auto *launch = qobject_cast<Form1 *>(windows.window(ToolWindow::Launch)))
            QObject::connect(launch, &Form1::programEndRequested, [] { QCoreApplication::exit(0); });
    });
    splash->show();
    const int code = QApplication::exec();
    windows.destroyAll();
    return code;
}

} // namespace tav
