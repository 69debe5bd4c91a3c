#include "apps/tavtool/lsp_command.h"

#include "apps/tavtool/tool_command.h"
#include "core/app/designer_version.h"
#include "core/common/file_io.h"
#include "core/lsp/language_server.h"
#include "core/lsp/message_stream.h"

#include <cerrno>
#include <cstdio>
#include <unistd.h>

namespace tav::tool {
namespace {

const QString kName = QStringLiteral("lsp");

void printLspHelp()
{
    printOut(QStringLiteral("Usage: tavtool lsp\n"
                            "\n"
                            "Runs a language server for macro files (GAMEDATA/MAKRO/*.cmd) over standard\n"
                            "input and output, for text editors that speak the Language Server Protocol.\n"
                            "The editor starts it; it serves every macro the editor opens:\n"
                            "\n"
                            "  diagnostics   the macro rules of 'tavtool check', as you type\n"
                            "  completion    command codes with their forms and the command help, then\n"
                            "                item numbers, sound names, goal numbers and the commands'\n"
                            "                literal operators and words\n"
                            "  hover         a command's description, an item's name, a goal's text, a\n"
                            "                sound's file\n"
                            "  definition    a goal's line in GOALS.DAT, an item's line in ITMNAMES.DAT,\n"
                            "                a sound's file\n"
                            "\n"
                            "The game folder of a macro is the nearest folder above it that holds\n"
                            "GAMEDATA; its HELP\\CMDHelp.txt, ITMNAMES.DAT, GOALS.DAT and SOUNDS are read\n"
                            "again when they change. Outside a game folder only the command rules apply.\n"
                            "Nothing is ever written. docs/editor-setup.md shows the setup for Neovim and\n"
                            "Emacs.\n"
                            "\n"
                            "Options:\n"
                            "  -h, --help    this help\n"
                            "\n"
                            "Exit status: 0 after the editor's shutdown and exit, 1 when the input ends\n"
                            "or exit comes without shutdown, 2 on a usage error."));
}

} // namespace

int runLanguageServer(const QStringList &arguments)
{
    if (wantsHelp(arguments)) {
        printLspHelp();
        return kExitClean;
    }
    if (!arguments.isEmpty())
        return usageError(kName, QStringLiteral("no arguments taken, not '%1'").arg(arguments.first()));

    lsp::LanguageServer server(DesignerVersion().text());
    lsp::MessageReader reader;
    QByteArray chunk(64 * 1024, Qt::Uninitialized);
    while (!server.exitRequested()) {
        const ssize_t n = ::read(STDIN_FILENO, chunk.data(), size_t(chunk.size()));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            break;
        reader.append(chunk.left(n));
        // Every message that has arrived is handled before the diagnostics
        // go out, so a burst of changes is checked once.
        while (!server.exitRequested()) {
            const std::optional<lsp::StreamMessage> message = reader.next();
            if (!message)
                break;
            if (message->fault.isEmpty())
                server.handle(message->body);
            else
                server.handleFault(message->fault);
        }
        for (const QByteArray &body : server.takeOutgoing())
            if (!writeFully(STDOUT_FILENO, lsp::framed(body)))
                return kExitFindings;
    }
    return server.exitRequested() ? server.exitCode() : kExitFindings;
}

} // namespace tav::tool
