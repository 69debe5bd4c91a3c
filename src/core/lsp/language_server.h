#pragma once

#include "core/common/game_folder.h"
#include "core/lsp/lsp_document.h"
#include "core/macro/macro_game_data.h"

#include <QByteArray>
#include <QHash>
#include <QJsonArray>
#include <QJsonObject>
#include <QJsonValue>
#include <QList>
#include <QSet>
#include <QString>

#include <memory>
#include <optional>
#include <variant>

namespace tav::lsp {

// A language server for macro files, over JSON-RPC messages: the documents a
// client has open, checked with the rules of tavtool check, and completion,
// hover and definitions from the game folder that holds each file (the
// nearest folder above it with GAMEDATA). Outside a game folder only the
// command rules apply, and the client is told so once per folder.
//
// Bad input never ends it: malformed JSON and invalid requests are answered
// with JSON-RPC errors, invalid notifications are dropped, and positions past
// a line's end count as its end.
class LanguageServer {
public:
    explicit LanguageServer(QString version);

    // One message body from the client.
    void handle(const QByteArray &body);
    // A message the stream could not frame: answered as a parse error.
    void handleFault(const QString &reason);
    // The message bodies to send, in order: the answers so far, then the
    // diagnostics of every document changed since the last call.
    QList<QByteArray> takeOutgoing();

    bool exitRequested() const { return m_exit; }
    // 0 when exit came after shutdown, 1 otherwise.
    int exitCode() const { return m_shutdown ? 0 : 1; }

private:
    struct OpenDocument {
        Document text;
        int version = 0;
        std::optional<GameFolder> folder;
        QString gamePath; // the file as the game names it, or as the client does outside a game folder
    };
    struct Failure {
        int code;
        QString message;
    };
    using Reply = std::variant<QJsonValue, Failure>;

    void handleRequest(const QJsonValue &id, const QString &method, const QJsonValue &params);
    void handleNotification(const QString &method, const QJsonValue &params);
    Reply initialize();
    Reply completion(const QJsonObject &params);
    Reply hover(const QJsonObject &params);
    Reply definition(const QJsonObject &params);

    void open(const QJsonObject &params);
    void change(const QJsonObject &params);
    void close(const QJsonObject &params);
    void save(const QJsonObject &params);

    // The document and place a position request names.
    struct Place {
        const OpenDocument *document;
        QString uri;
        qsizetype line;
        qsizetype column;
        QString text; // the line as the game's file holds it
    };
    std::variant<Place, Failure> placeOf(const QJsonObject &params) const;
    std::shared_ptr<const MacroGameData> gameDataOf(const OpenDocument &document);
    QJsonArray diagnosticsOf(const OpenDocument &document);

    void send(const QJsonObject &message);
    void sendNotification(const QString &method, const QJsonObject &params);
    void sendReply(const QJsonValue &id, const Reply &reply);
    void markChanged(const QString &uri);

    QString m_version;
    bool m_initialized = false;
    bool m_shutdown = false;
    bool m_exit = false;
    QHash<QString, OpenDocument> m_documents;
    QList<QString> m_changed;
    QSet<QString> m_toldOutsideFolders;
    MacroGameDataCache m_gameData;
    QList<QByteArray> m_outgoing;
};

} // namespace tav::lsp
