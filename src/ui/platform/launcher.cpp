#include "ui/platform/launcher.h"

#include "core/common/command_line.h"
#include "ui/platform/dialogs.h"
#include "ui/platform/text_window.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QUrl>

namespace tav::platform {
namespace {

StartTarget resolve(const GameFolder &folder, const QString &commandLine)
{
    return resolveCommandLine(commandLine, folder, QCoreApplication::applicationDirPath());
}

class DesktopLauncher final : public Launcher {
public:
    bool start(const GameFolder &folder, const QString &commandLine, WindowStyle) override
    {
        const StartTarget target = resolve(folder, commandLine);
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

// What the kit shows itself when the desktop could not open a text or a
// folder; programs that fail to start stay silent.
bool showInstead(const StartTarget &target)
{
    switch (target.kind) {
    case StartTarget::Kind::OpenDocument:
        return showTextWindow(target.path) != nullptr;
    case StartTarget::Kind::OpenFolder:
        if (!QFileInfo(target.path).isDir())
            return false;
        showMessage(QStringLiteral("No file manager could open the folder. Its path is:\n\n")
                        + QDir::toNativeSeparators(QFileInfo(target.path).absoluteFilePath()),
                    QStringLiteral("Information"), Icon::Information);
        return true;
    default:
        return false;
    }
}

} // namespace

Launcher &launcher()
{
    return g_installed ? *g_installed : desktopLauncher();
}

void installLauncher(Launcher *replacement)
{
    g_installed = replacement;
}

bool startCommand(const GameFolder &folder, const QString &commandLine, WindowStyle style)
{
    return launcher().start(folder, commandLine, style) || showInstead(resolve(folder, commandLine));
}

} // namespace tav::platform
