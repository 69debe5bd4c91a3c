// tavtool lsp driven as an editor drives it: framed messages to its stdin,
// answers read from its stdout.
#include "core/lsp/message_stream.h"

#include "support/temp_game_folder.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QUrl>

#include <gtest/gtest.h>

#include <functional>

namespace tav::test {
namespace {

class LspClient {
public:
    LspClient()
    {
        m_process.start(QStringLiteral(TAVTOOL_PATH), {QStringLiteral("lsp")});
        m_process.waitForStarted();
    }
    ~LspClient()
    {
        if (m_process.state() != QProcess::NotRunning) {
            m_process.kill();
            m_process.waitForFinished();
        }
    }

    void sendRaw(const QByteArray &bytes) { m_process.write(bytes); }
    void send(const QJsonObject &message)
    {
        QJsonObject full = message;
        full.insert("jsonrpc", "2.0");
        sendRaw(lsp::framed(QJsonDocument(full).toJson(QJsonDocument::Compact)));
    }
    void notify(const QString &method, const QJsonObject &params) { send({{"method", method}, {"params", params}}); }
    // Sends a request and waits for its answer.
    QJsonObject request(const QString &method, const QJsonValue &params = QJsonValue())
    {
        const int id = ++m_lastId;
        send({{"id", id}, {"method", method}, {"params", params}});
        return waitFor([id](const QJsonObject &m) { return m.value("id").toInt(-1) == id; });
    }
    // The next message the server sends that matches; an empty object after 10 s.
    QJsonObject waitFor(const std::function<bool(const QJsonObject &)> &wanted)
    {
        while (true) {
            while (std::optional<lsp::StreamMessage> message = m_reader.next()) {
                const QJsonObject object = QJsonDocument::fromJson(message->body).object();
                if (wanted(object))
                    return object;
            }
            if (!m_process.waitForReadyRead(10000))
                return {};
            m_reader.append(m_process.readAllStandardOutput());
        }
    }
    QJsonArray diagnosticsFor(const QString &uri)
    {
        return waitFor([&](const QJsonObject &m) {
                   return m.value("method") == "textDocument/publishDiagnostics" && m.value("params")["uri"] == uri;
               })
            .value("params")["diagnostics"]
            .toArray();
    }
    // Initialized, as an editor starts every session.
    void start()
    {
        request("initialize", QJsonObject{{"capabilities", QJsonObject()}});
        notify("initialized", {});
    }
    void open(const QString &uri, const QString &text)
    {
        notify(
            "textDocument/didOpen",
            {{"textDocument", QJsonObject{{"uri", uri}, {"languageId", "tavmacro"}, {"version", 1}, {"text", text}}}});
    }
    void change(const QString &uri, int version, const QJsonArray &changes)
    {
        notify("textDocument/didChange",
               {{"textDocument", QJsonObject{{"uri", uri}, {"version", version}}}, {"contentChanges", changes}});
    }
    static QJsonObject at(const QString &uri, int line, int character)
    {
        return {{"textDocument", QJsonObject{{"uri", uri}}},
                {"position", QJsonObject{{"line", line}, {"character", character}}}};
    }
    int finish()
    {
        m_process.closeWriteChannel();
        m_process.waitForFinished(10000);
        return m_process.exitStatus() == QProcess::NormalExit ? m_process.exitCode() : -1;
    }

private:
    QProcess m_process;
    lsp::MessageReader m_reader;
    int m_lastId = 0;
};

QJsonObject range(int line, int from, int toLine, int to)
{
    return {{"start", QJsonObject{{"line", line}, {"character", from}}},
            {"end", QJsonObject{{"line", toLine}, {"character", to}}}};
}

QJsonObject range(int line, int from, int to)
{
    return range(line, from, line, to);
}

QStringList codesOf(const QJsonArray &diagnostics)
{
    QStringList codes;
    for (const QJsonValue &d : diagnostics)
        codes.append(QStringLiteral("%1:%2").arg(d["range"]["start"]["line"].toInt()).arg(d["code"].toString()));
    return codes;
}

struct LspFixture : ::testing::Test {
    TempGameFolder tmp;
    LspClient client;
    QString uri;

    LspFixture()
    {
        tmp.write("GAMEDATA/ITMNAMES.DAT", " 1 \r\nRusty key\r\n 2 \r\nHealing herb\r\n");
        tmp.write("GAMEDATA/GOALS.DAT", "Talk to the elder\r\nFind the key\r\n");
        tmp.write("HELP/CMDHelp.txt", "WAV WavFileLowPriority\r\n              Plays a sound.\r\n");
        tmp.write("SOUNDS/chime.wav", "RIFF");
        tmp.mkdir("GAMEDATA/MAKRO");
        uri = QUrl::fromLocalFile(tmp.disk("GAMEDATA/MAKRO/ELDER.cmd")).toString();
        client.start();
    }
};

TEST_F(LspFixture, ChecksTheMacroAsItIsEditedInPlaceAndInWhole)
{
    client.open(uri, "EVT 3\r\nQQQ 1\r\nEND\r\n");
    EXPECT_EQ(codesOf(client.diagnosticsFor(uri)), QStringList{"1:macro-unknown-command"});

    client.change(uri, 2, {QJsonObject{{"range", range(1, 0, 3)}, {"text", "WAV"}}});
    EXPECT_EQ(codesOf(client.diagnosticsFor(uri)), QStringList{});

    // Past the end of a line or of the text counts as its end.
    client.change(uri, 3, {QJsonObject{{"range", range(9, 40, 9, 50)}, {"text", "\nqqq 2"}}});
    EXPECT_EQ(codesOf(client.diagnosticsFor(uri)), (QStringList{"4:macro-format", "4:macro-unknown-command"}));

    // A character the code page cannot hold; U+0080 stands for the byte 0x80, the euro sign.
    client.change(uri, 4,
                  {QJsonObject{{"text", QString::fromUtf8("MSG 1 \xF0\x9F\x99\x82 \xE4\xB8\xAD\n\xC2\x80QQ 1")}}});
    const QJsonArray diagnostics = client.diagnosticsFor(uri);
    EXPECT_EQ(codesOf(diagnostics), (QStringList{"1:macro-unknown-command", "0:macro-code-page", "0:macro-code-page"}));
    EXPECT_TRUE(diagnostics[0]["message"].toString().contains(QString::fromUtf8("'\xE2\x82\xACQQ'")));
    EXPECT_EQ(diagnostics[1]["range"].toObject(), range(0, 6, 8)) << "a surrogate pair is two units";
    EXPECT_EQ(diagnostics[2]["range"].toObject(), range(0, 9, 10));

    client.notify("textDocument/didClose", {{"textDocument", QJsonObject{{"uri", uri}}}});
    EXPECT_TRUE(client.diagnosticsFor(uri).isEmpty());
    EXPECT_EQ(client.request("shutdown").value("result"), QJsonValue::Null);
    client.notify("exit", {});
    EXPECT_EQ(client.finish(), 0);
}

TEST_F(LspFixture, CompletesHoversAndFindsDefinitionsFromTheGameFolder)
{
    client.open(uri, "W\r\nITM + \r\nXXX 12 08 1\r\nWAV chime\r\nITM + 2\r\n");
    QStringList commands;
    for (const QJsonValue &item :
         client.request("textDocument/completion", LspClient::at(uri, 0, 1)).value("result")["items"].toArray())
        commands.append(item["textEdit"]["newText"].toString());
    EXPECT_EQ(commands, (QStringList{"WAV !", "WAV ", "WET ", "WET ?"}));

    const QJsonArray items =
        client.request("textDocument/completion", LspClient::at(uri, 1, 6)).value("result")["items"].toArray();
    ASSERT_EQ(items.size(), 2);
    EXPECT_EQ(items[1]["label"], "2");
    EXPECT_EQ(items[1]["detail"], "Healing herb");

    EXPECT_EQ(client.request("textDocument/hover", LspClient::at(uri, 2, 10)).value("result")["contents"]["value"],
              "Goal 1: Find the key");
    EXPECT_EQ(client.request("textDocument/hover", LspClient::at(uri, 3, 1)).value("result")["contents"]["value"],
              "WAV WavFileLowPriority\nPlays a sound.");
    const struct {
        int line;
        int character;
        QString file;
        int targetLine;
    } definitions[] = {
        {2, 10, "GAMEDATA/GOALS.DAT", 1}, {3, 6, "SOUNDS/chime.wav", 0}, {4, 6, "GAMEDATA/ITMNAMES.DAT", 3}};
    for (const auto &d : definitions) {
        const QJsonValue result =
            client.request("textDocument/definition", LspClient::at(uri, d.line, d.character)).value("result");
        EXPECT_EQ(result["uri"], QUrl::fromLocalFile(tmp.disk(d.file)).toString());
        EXPECT_EQ(result["range"]["start"]["line"], d.targetLine);
    }
    EXPECT_EQ(client.request("textDocument/definition", LspClient::at(uri, 0, 0)).value("result"), QJsonValue::Null);
}

TEST_F(LspFixture, AnswersBadInputWithErrorsAndGoesOn)
{
    struct Case {
        QByteArray bytes;
        int code;
    };
    const QList<Case> cases = {
        {lsp::framed("{not json"), -32700},
        {lsp::framed("[1, 2]"), -32600},
        {lsp::framed(R"({"jsonrpc":"2.0","id":7,"method":"workspace/symbol","params":{}})"), -32601},
        {lsp::framed(
             R"({"jsonrpc":"2.0","id":8,"method":"textDocument/hover","params":{"textDocument":{"uri":"file:///nowhere.cmd"},"position":{"line":0,"character":0}}})"),
         -32602},
        {lsp::framed(R"({"jsonrpc":"2.0","id":9,"method":"initialize","params":{}})"), -32600},
        {"Content-Type: text/plain\r\n\r\n", -32700},
    };
    for (const Case &c : cases) {
        client.sendRaw(c.bytes);
        const QJsonObject answer = client.waitFor([](const QJsonObject &m) { return m.contains("error"); });
        EXPECT_EQ(answer["error"]["code"].toInt(), c.code) << c.bytes.toStdString();
    }
    client.open(uri, "END\r\n");
    client.diagnosticsFor(uri);
    EXPECT_EQ(client.request("textDocument/hover", LspClient::at(uri, 5, 0)).value("error")["code"].toInt(), -32602)
        << "a line past the end";
    EXPECT_EQ(client.request("textDocument/hover", LspClient::at(uri, 0, 99)).value("result")["contents"]["value"],
              "END");
    client.notify("exit", {});
    EXPECT_EQ(client.finish(), 1) << "exit without shutdown";
}

TEST(Lsp, OutsideAGameFolderAppliesTheCommandRulesAndSaysSoOnce)
{
    TempGameFolder tmp;
    LspClient client;
    const QJsonObject early = client.request("textDocument/hover", LspClient::at("file:///x.cmd", 0, 0));
    EXPECT_EQ(early["error"]["code"].toInt(), -32002);
    client.start();
    const QString a = QUrl::fromLocalFile(tmp.disk("a.cmd")).toString();
    const QString b = QUrl::fromLocalFile(tmp.disk("b.cmd")).toString();
    client.open(a, "QQQ\r\nXXX 1 2 5\r\n");
    const QJsonObject told =
        client.waitFor([](const QJsonObject &m) { return m.value("method") == "window/showMessage"; });
    EXPECT_EQ(told["params"]["type"], 3);
    EXPECT_EQ(codesOf(client.diagnosticsFor(a)), QStringList{"0:macro-unknown-command"});
    client.open(b, "END\r\n");
    const QJsonObject next = client.waitFor([](const QJsonObject &m) { return m.contains("method"); });
    EXPECT_EQ(next["method"], "textDocument/publishDiagnostics") << "told once for the folder";
    EXPECT_EQ(client.finish(), 1) << "the input ended without exit";
}

} // namespace
} // namespace tav::test
