// tavtool, the kit's headless companion: works on a game folder from the
// command line, with the same core readers and writers as the kit.

#include "apps/tavtool/check_command.h"
#include "apps/tavtool/lsp_command.h"
#include "apps/tavtool/sprite_command.h"
#include "apps/tavtool/text_form_commands.h"
#include "apps/tavtool/tool_command.h"
#include "core/app/designer_version.h"

#include <QCoreApplication>

#include <iterator>

namespace {

using tav::tool::ToolCommand;

// The subcommands, in the order --help lists them.
const ToolCommand kCommands[] = {
    {"version", "print the kit's version", [](const QStringList &) {
         tav::tool::printOut(QStringLiteral("tavtool ") + tav::DesignerVersion().text());
         return int(tav::tool::kExitClean);
     }},
    {"check", "check a game folder for what the game or the kit would read wrongly", tav::tool::runCheck},
    {"sprite", "sprites in and out of PNG images: export, sheet, import", tav::tool::runSpriteCommand},
    {"dump", "print a game file as JSON", tav::tool::runDump},
    {"load", "write a game file from the JSON of dump", tav::tool::runLoad},
    {"show", "print a game file as one field a line, for diffs (git textconv)", tav::tool::runShow},
    {"lsp", "language server for macro files, for text editors (stdin/stdout)", tav::tool::runLanguageServer},
};

void printHelp()
{
    QString text = QStringLiteral(
        "Usage: tavtool COMMAND [OPTIONS] [ARGUMENTS]\n"
        "\n"
        "The Tav designer's headless companion: works on a game folder (the folder\n"
        "holding GAMEDATA, GRAFIK, HELP and SOUNDS) without a display.\n"
        "\n"
        "Commands:\n");
    for (const ToolCommand &command : kCommands)
        text += QStringLiteral("  %1%2\n").arg(QLatin1String(command.name), -10).arg(QLatin1String(command.summary));
    text += QStringLiteral(
        "\n"
        "Options:\n"
        "  -h, --help    this help; 'tavtool COMMAND --help' explains one command\n"
        "  --version     print the kit's version\n"
        "\n"
        "Exit status: 0 when all is well, 1 with findings or a failed command,\n"
        "2 on a usage error or when the folder is not a game folder.");
    tav::tool::printOut(text);
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("tavtool"));
    const QStringList arguments = QCoreApplication::arguments().mid(1);
    if (arguments.isEmpty())
        return tav::tool::usageError(QString(), QStringLiteral("no command given"));
    const QString first = arguments.first();
    if (first == QLatin1String("--help") || first == QLatin1String("-h") || first == QLatin1String("help")) {
        printHelp();
        return tav::tool::kExitClean;
    }
    if (first == QLatin1String("--version"))
        return kCommands[0].run({});
    for (const ToolCommand &command : kCommands)
        if (first == QLatin1String(command.name))
            return command.run(arguments.mid(1));
    return tav::tool::usageError(QString(), QStringLiteral("unknown command '%1'").arg(first));
}
