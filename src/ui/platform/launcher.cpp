#include "ui/platform/launcher.h"

#include "core/common/command_line.h"
#include "ui/platform/dialogs.h"
#include "ui/platform/help_list_window.h"
#include "ui/platform/text_window.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QUrl>

namespace tav::platform {
namespace {

StartTarget resolve(const GameFolder &folder, const QString &commandLine)
{
    return resolveCommandLine(commandLine, folder, QCoreApplication::applicationDirPath());
}

// What the kit shows itself when the desktop could not open a text or a
// folder: the text in its viewer; a folder of texts (the help folder) as its
// own list of them, any other folder as its path. Programs that fail to
// start stay silent.
bool showInstead(const StartTarget &target)
{
    switch (target.kind) {
    case StartTarget::Kind::OpenDocument:
        return showTextWindow(target.path) != nullptr;
    case StartTarget::Kind::OpenFolder:
        if (!QFileInfo(target.path).isDir())
            return false;
        if (showHelpList(target.path))
            return true;
        showMessage(QStringLiteral("No file manager could open the folder. Its path is:\n\n")
                        + QDir::toNativeSeparators(QFileInfo(target.path).absoluteFilePath()),
                    QStringLiteral("Information"), Icon::Information);
        return true;
    default:
        return false;
    }
}

// Opens a file or folder with the desktop's default program. Where the
// desktop opens files through xdg-open, its exit code tells whether any
// program took the file (it fails on a desktop without a text editor or file
// manager); then the kit shows it itself. The kit never waits for it.
bool openWithDesktop(const StartTarget &target)
{
    const QString opener = QStandardPaths::findExecutable(QStringLiteral("xdg-open"));
    if (opener.isEmpty())
        return QDesktopServices::openUrl(QUrl::fromLocalFile(target.path));
    // Not owned by the application: a program still open when the kit ends
    // stays open.
    auto *process = new QProcess;
    process->setProgram(opener);
    process->setArguments({target.path});
    process->setStandardOutputFile(QProcess::nullDevice());
    process->setStandardErrorFile(QProcess::nullDevice());
    QObject::connect(process, &QProcess::finished, process, [process, target](int code, QProcess::ExitStatus status) {
        if (status != QProcess::NormalExit || code != 0)
            showInstead(target);
        process->deleteLater();
    });
    QObject::connect(process, &QProcess::errorOccurred, process, [process, target](QProcess::ProcessError error) {
        if (error == QProcess::FailedToStart) {
            showInstead(target);
            process->deleteLater();
        }
    });
    process->start();
    return true;
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
            return openWithDesktop(target);
        case StartTarget::Kind::OpenUrl: {
            QUrl url = QUrl::fromUserInput(target.path);
            return QDesktopServices::openUrl(url);
        }
        case StartTarget::Kind::Program:
            return QProcess::startDetached(target.path, target.arguments, folder.root());
        }
        return false;
    }

    WatchedProgram *startWatched(const GameFolder &folder, const QString &commandLine, WindowStyle,
                                 QObject *owner) override
    {
        const StartTarget target = resolveKitProgram(commandLine, QCoreApplication::applicationDirPath());
        if (target.kind != StartTarget::Kind::Program)
            return nullptr;
        return startWatchedProcess(folder, target.path, target.arguments, owner);
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

bool startCommand(const GameFolder &folder, const QString &commandLine, WindowStyle style)
{
    return launcher().start(folder, commandLine, style) || showInstead(resolve(folder, commandLine));
}

} // namespace tav::platform
