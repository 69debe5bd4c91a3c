#include "ui/platform/launcher.h"

#include "core/common/command_line.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QProcess>
#include <QUrl>

namespace tav::platform {
namespace {

class DesktopLauncher final : public Launcher {
public:
    bool start(const GameFolder &folder, const QString &commandLine, WindowStyle) override
    {
        const StartTarget target =
            resolveCommandLine(commandLine, folder, QCoreApplication::applicationDirPath());
        switch (target.kind) {
        case StartTarget::Kind::Nothing:
            return false;
        case StartTarget::Kind::OpenFolder:
        case StartTarget::Kind::OpenDocument:
            return QDesktopServices::openUrl(QUrl::fromLocalFile(target.path));
        case StartTarget::Kind::OpenUrl: {
            QUrl url = QUrl::fromUserInput(target.path);
            return QDesktopServices::openUrl(url);
        }
        case StartTarget::Kind::Program:
            return QProcess::startDetached(target.path, target.arguments, folder.root());
        }
        return false;
    }
};

DesktopLauncher &desktopLauncher()
{
    static DesktopLauncher instance;
    return instance;
}

Launcher *g_installed = nullptr;

} // namespace

Launcher &launcher()
{
    return g_installed ? *g_installed : desktopLauncher();
}

void installLauncher(Launcher *replacement)
{
    g_installed = replacement;
}

} // namespace tav::platform
