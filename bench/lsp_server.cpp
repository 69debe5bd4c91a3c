// Speed of the language server: a one-line change of a 20,000-line macro,
// after the first scan of its folder, answered with fresh diagnostics. Once
// through the real tavtool lsp over pipes, once with the server in process.
#include "core/lsp/language_server.h"
#include "core/lsp/message_stream.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <QUrl>

#include <benchmark/benchmark.h>

namespace {

// A macro as designers write them, clean but for one unknown command.
QString macroText(int lines)
{
    const QStringList shapes = {"MSG 1 The lanterns of the old road must be lit again.",
                                "ITM + 2",
                                "XXX 12 08 1",
                                "WAV chime",
                                "' a comment",
                                "CAS 4",
                                "EVT 104",
                                "END"};
    QString text = QStringLiteral("'!A long macro for measuring\r\nQQQ 1\r\n");
    for (int i = 2; i < lines; ++i)
        text += shapes[i % shapes.size()] + QStringLiteral("\r\n");
    return text;
}

struct GameFolderWithMacro {
    QTemporaryDir dir;
    QString uri;

    GameFolderWithMacro()
    {
        QDir().mkpath(dir.path() + "/GAMEDATA/MAKRO");
        QDir().mkpath(dir.path() + "/SOUNDS");
        write("GAMEDATA/GOALS.DAT", "Talk to the elder\r\nFind the key\r\n");
        write("GAMEDATA/ITMNAMES.DAT", " 1 \r\nRusty key\r\n 2 \r\nHealing herb\r\n");
        write("SOUNDS/chime.wav", "RIFF");
        uri = QUrl::fromLocalFile(dir.path() + "/GAMEDATA/MAKRO/LONG.cmd").toString();
    }
    void write(const QString &path, const QByteArray &bytes)
    {
        QFile file(dir.path() + "/" + path);
        file.open(QIODevice::WriteOnly);
        file.write(bytes);
    }
};

QByteArray message(const QJsonObject &object)
{
    QJsonObject full = object;
    full.insert("jsonrpc", "2.0");
    return QJsonDocument(full).toJson(QJsonDocument::Compact);
}

QByteArray openMessage(const QString &uri, int lines)
{
    return message({{"method", "textDocument/didOpen"},
                    {"params", QJsonObject{{"textDocument", QJsonObject{{"uri", uri},
                                                                        {"languageId", "tavmacro"},
                                                                        {"version", 1},
                                                                        {"text", macroText(lines)}}}}}});
}

// Line 10,000 typed over, in turn an unknown command and a known one.
QByteArray changeMessage(const QString &uri, int version)
{
    const QJsonObject start{{"line", 10000}, {"character", 0}};
    const QJsonObject end{{"line", 10000}, {"character", 3}};
    const QJsonObject change{{"range", QJsonObject{{"start", start}, {"end", end}}},
                             {"text", version % 2 ? "ZZZ" : "END"}};
    return message({{"method", "textDocument/didChange"},
                    {"params", QJsonObject{{"textDocument", QJsonObject{{"uri", uri}, {"version", version}}},
                                           {"contentChanges", QJsonArray{change}}}}});
}

const QByteArray kInitialize = R"({"jsonrpc":"2.0","id":1,"method":"initialize","params":{}})";

void BM_OneLineChangeInProcess(benchmark::State &state)
{
    GameFolderWithMacro folder;
    tav::lsp::LanguageServer server(QStringLiteral("bench"));
    server.handle(kInitialize);
    server.handle(openMessage(folder.uri, int(state.range(0))));
    server.takeOutgoing();
    int version = 1;
    for (auto _ : state) {
        server.handle(changeMessage(folder.uri, ++version));
        benchmark::DoNotOptimize(server.takeOutgoing());
    }
}
BENCHMARK(BM_OneLineChangeInProcess)->Arg(20000)->Unit(benchmark::kMillisecond);

// Through tavtool lsp: the time from writing the change to reading the
// diagnostics of its version.
void BM_OneLineChangeThroughTavtool(benchmark::State &state)
{
    GameFolderWithMacro folder;
    QProcess process;
    process.start(QStringLiteral(TAVTOOL_PATH), {QStringLiteral("lsp")});
    process.waitForStarted();
    tav::lsp::MessageReader reader;
    auto waitForDiagnostics = [&](int version) {
        while (true) {
            while (std::optional<tav::lsp::StreamMessage> m = reader.next()) {
                const QJsonObject object = QJsonDocument::fromJson(m->body).object();
                if (object.value("method") == "textDocument/publishDiagnostics" &&
                    object.value("params")["version"].toInt() == version)
                    return;
            }
            if (!process.waitForReadyRead(10000)) {
                state.SkipWithError("tavtool lsp did not answer");
                return;
            }
            reader.append(process.readAllStandardOutput());
        }
    };
    process.write(tav::lsp::framed(kInitialize));
    process.write(tav::lsp::framed(openMessage(folder.uri, int(state.range(0)))));
    waitForDiagnostics(1);
    int version = 1;
    for (auto _ : state) {
        process.write(tav::lsp::framed(changeMessage(folder.uri, ++version)));
        waitForDiagnostics(version);
    }
    process.closeWriteChannel();
    process.waitForFinished();
}
BENCHMARK(BM_OneLineChangeThroughTavtool)->Arg(20000)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace
