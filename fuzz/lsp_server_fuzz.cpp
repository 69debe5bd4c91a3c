// The language server's message handling under any bytes: the input is read
// as a byte stream of framed messages and as one message body, after a
// session was started with a macro open. The server never ends on it, and
// everything it sends is one JSON object.
#include "core/lsp/language_server.h"
#include "core/lsp/message_stream.h"
#include "fuzz_support.h"

#include <QJsonDocument>

namespace {

void checkOutgoing(tav::lsp::LanguageServer &server)
{
    for (const QByteArray &body : server.takeOutgoing())
        FUZZ_CHECK(QJsonDocument::fromJson(body).isObject());
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    using namespace tav;
    const QByteArray input = fuzz::bytes(data, size);
    lsp::LanguageServer server(QStringLiteral("fuzz"));
    server.handle(R"({"jsonrpc":"2.0","id":1,"method":"initialize","params":{}})");
    server.handle(R"({"jsonrpc":"2.0","method":"textDocument/didOpen","params":{"textDocument":)"
                  R"({"uri":"untitled:fuzz","version":1,"text":"ITM + 5\r\nQQQ\r\nWAV !x\r\nXXX 1 2 3"}}})");
    checkOutgoing(server);

    // As a stream, in two pieces cut where the first byte says.
    lsp::MessageReader reader;
    const qsizetype cut = size == 0 ? 0 : qsizetype(data[0]) % (input.size() + 1);
    for (const QByteArray &piece : {input.left(cut), input.mid(cut)}) {
        reader.append(piece);
        while (std::optional<lsp::StreamMessage> message = reader.next()) {
            if (message->fault.isEmpty())
                server.handle(message->body);
            else
                server.handleFault(message->fault);
        }
        checkOutgoing(server);
    }
    // As one body.
    server.handle(input);
    checkOutgoing(server);
    return 0;
}
