#include "core/app/start_options.h"

#include "core/app/designer_version.h"

#include <QDir>
#include <QFileInfo>

namespace tav {
namespace {

const QString kProgram = QStringLiteral("tavdesigner");

QString helpText()
{
    return QStringLiteral(
        "Usage: tavdesigner [GAME_FOLDER]\n"
        "\n"
        "The Tav designer, the development kit of the game Tavaria. It works on a\n"
        "game folder (the folder holding GAMEDATA, GRAFIK, HELP and SOUNDS) and keeps\n"
        "no settings of its own.\n"
        "\n"
        "With GAME_FOLDER the kit opens that folder. Without it, the kit opens the\n"
        "current folder when it holds GAMEDATA and otherwise asks for the game folder.\n"
        "\n"
        "Options:\n"
        "  -h, --help    this help\n"
        "  --version     print the kit's version\n"
        "  --            the next argument is the folder, even if it starts with '-'\n");
}

StartOptions refused(const QString &line, bool withUsage)
{
    QString text = kProgram + QStringLiteral(": ") + line + QLatin1Char('\n');
    if (withUsage)
        text += QStringLiteral("Usage: tavdesigner [GAME_FOLDER]; 'tavdesigner --help' explains more.\n");
    return {StartOptions::Action::Refuse, QString(), text};
}

} // namespace

StartOptions parseStartOptions(const QStringList &arguments)
{
    bool help = false;
    bool version = false;
    bool optionsEnded = false;
    QStringList folders;
    for (const QString &argument : arguments) {
        if (optionsEnded || !argument.startsWith(QLatin1Char('-')) || argument == QLatin1String("-")) {
            folders.append(argument);
        } else if (argument == QLatin1String("--")) {
            optionsEnded = true;
        } else if (argument == QLatin1String("-h") || argument == QLatin1String("--help")) {
            help = true;
        } else if (argument == QLatin1String("--version")) {
            version = true;
        } else {
            return refused(QStringLiteral("unknown option '%1'").arg(argument), true);
        }
    }
    if (help)
        return {StartOptions::Action::Print, QString(), helpText()};
    if (version)
        return {StartOptions::Action::Print, QString(),
                kProgram + QLatin1Char(' ') + DesignerVersion().text() + QLatin1Char('\n')};
    if (folders.size() > 1)
        return refused(QStringLiteral("only one game folder can be opened at a time"), true);
    if (folders.isEmpty())
        return {};
    const QFileInfo given(folders.first());
    if (folders.first().isEmpty() || !given.isDir())
        return refused(QStringLiteral("'%1' is not a folder").arg(folders.first()), false);
    if (!given.isReadable() || !given.isExecutable())
        return refused(QStringLiteral("the folder '%1' cannot be opened (no permission)").arg(folders.first()), false);
    return {StartOptions::Action::Run, QDir::cleanPath(given.absoluteFilePath()), QString()};
}

bool folderIsWritable(const QString &diskFolder)
{
    const QFileInfo info(diskFolder);
    return info.isDir() && info.isWritable();
}

} // namespace tav
