#include "ui/app/kit_application.h"

#include "ui/app/kit_session.h"
#include "ui/app/launch_window.h"
#include "ui/app/splash_window.h"
#include "ui/app/tool_windows.h"

#include <QApplication>
#include <QTimer>

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
    KitSession session(folder);
    if (!session.takeFolder())
        return 0;
    ToolWindows windows(folder);
    session.attach(windows);
    auto *splash = new Form18(windows);
    QObject::connect(splash, &Form18::startupFinished, [&windows, &session] {
        if (auto *launch = qobject_cast<Form1 *>(windows.window(ToolWindow::Launch)))
            QObject::connect(launch, &Form1::programEndRequested, [] { QCoreApplication::exit(0); });
        // Once the launch window shows.
        QTimer::singleShot(0, &session, &KitSession::offerLeftovers);
    });
    splash->show();
    const int code = QApplication::exec();
    session.keepWork();
    windows.destroyAll();
    return code;
}

} // namespace tav
