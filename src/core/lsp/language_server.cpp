#include "core/lsp/language_server.h"

#include "core/check/macro_rules.h"
#include "core/macro/macro_completion.h"
#include "core/macro/macro_lookup.h"

#include <QDir>
#include <QFileInfo>
#include <QJsonDocument>
#include <QUrl>

#include <algorithm>
#include <cmath>

namespace tav::lsp {
namespace {

// JSON-RPC and protocol error codes.
constexpr int kParseError = -32700;
constexpr int kInvalidRequest = -32600;
constexpr int kMethodNotFound = -32601;
constexpr int kInvalidParams = -32602;
constexpr int kServerNotInitialized = -32002;

// Protocol constants.
constexpr int kSyncIncremental = 2;
constexpr int kSeverityError = 1;
constexpr int kSeverityWarning = 2;
constexpr int kMessageInfo = 3;

const QString kSource = QStringLiteral("tavtool");

std::optional<qsizetype> count(const QJsonValue &value)
{
    if (!value.isDouble())
        return std::nullopt;
    const double number = value.toDouble();
    if (number < 0 || number > 2147483647.0 || std::floor(number) != number)
        return std::nullopt;
    return qsizetype(number);
}

std::optional<Position> positionOf(const QJsonValue &value)
{
    const QJsonObject object = value.toObject();
    const std::optional<qsizetype> line = count(object.value(QLatin1String("line")));
    const std::optional<qsizetype> character = count(object.value(QLatin1String("character")));
    if (!line || !character)
        return std::nullopt;
    return Position{*line, *character};
}

QJsonObject jsonPosition(qsizetype line, qsizetype character)
{
    return {{QStringLiteral("line"), double(line)}, {QStringLiteral("character"), double(character)}};
}

QJsonObject jsonRange(qsizetype line, qsizetype from, qsizetype to)
{
    return {{QStringLiteral("start"), jsonPosition(line, from)}, {QStringLiteral("end"), jsonPosition(line, to)}};
}

QString uriOf(const QJsonObject &params)
{
    return params.value(QLatin1String("textDocument")).toObject().value(QLatin1String("uri")).toString();
}

// The nearest folder above a file that holds GAMEDATA.
std::optional<QString> gameFolderAbove(const QString &filePath)
{
    QString folder = QFileInfo(filePath).absolutePath();
    while (true) {
        if (holdsGameData(folder))
            return folder;
        const QString parent = QFileInfo(folder).path();
        if (parent == folder)
            return std::nullopt;
        folder = parent;
    }
}

int completionItemKind(CompletionKind kind)
{
    switch (kind) {
    case CompletionKind::Command:
        return 14; // Keyword
    case CompletionKind::Literal:
        return 24; // Operator
    case CompletionKind::Item:
        return 12; // Value
    case CompletionKind::Sound:
        return 17; // File
    case CompletionKind::Goal:
        return 21; // Constant
    }
    return 1;
}

std::shared_ptr<const MacroGameData> noGameData()
{
    static const auto empty = std::make_shared<const MacroGameData>();
    return empty;
}

} // namespace

LanguageServer::LanguageServer(QString version)
    : m_version(std::move(version))
{
}

void LanguageServer::handleFault(const QString &reason)
{
    sendReply(QJsonValue::Null, Failure{kParseError, QStringLiteral("The message could not be read: %1.").arg(reason)});
}

void LanguageServer::handle(const QByteArray &body)
{
    QJsonParseError parseError;
    const QJsonDocument document = QJsonDocument::fromJson(body, &parseError);
    if (parseError.error != QJsonParseError::NoError) {
        handleFault(QStringLiteral("%1 at byte %2").arg(parseError.errorString()).arg(parseError.offset));
        return;
    }
    if (!document.isObject()) {
        sendReply(QJsonValue::Null, Failure{kInvalidRequest, QStringLiteral("A message is one JSON object.")});
        return;
    }
    const QJsonObject message = document.object();
    const bool hasId = message.contains(QLatin1String("id"));
    const QJsonValue id = message.value(QLatin1String("id"));
    const QJsonValue method = message.value(QLatin1String("method"));
    if (hasId && !id.isDouble() && !id.isString() && !id.isNull()) {
        sendReply(QJsonValue::Null, Failure{kInvalidRequest, QStringLiteral("An id is a number or a string.")});
        return;
    }
    if (!method.isString()) {
        // A response to the server: it asks nothing, so there is nothing to match.
        if (hasId && (message.contains(QLatin1String("result")) || message.contains(QLatin1String("error"))))
            return;
        sendReply(id, Failure{kInvalidRequest, QStringLiteral("A message without a method.")});
        return;
    }
    if (hasId)
        handleRequest(id, method.toString(), message.value(QLatin1String("params")));
    else
        handleNotification(method.toString(), message.value(QLatin1String("params")));
}

void LanguageServer::handleRequest(const QJsonValue &id, const QString &method, const QJsonValue &params)
{
    if (method == QLatin1String("initialize")) {
        sendReply(id, m_initialized ? Reply(Failure{kInvalidRequest, QStringLiteral("Initialized already.")})
                                    : initialize());
        return;
    }
    if (!m_initialized) {
        sendReply(id, Failure{kServerNotInitialized, QStringLiteral("The server is not initialized yet.")});
        return;
    }
    if (m_shutdown) {
        sendReply(id, Failure{kInvalidRequest, QStringLiteral("The server is shutting down.")});
        return;
    }
    if (method == QLatin1String("shutdown")) {
        m_shutdown = true;
        sendReply(id, QJsonValue::Null);
        return;
    }
    const QJsonObject object = params.toObject();
    if (method == QLatin1String("textDocument/completion"))
        sendReply(id, completion(object));
    else if (method == QLatin1String("textDocument/hover"))
        sendReply(id, hover(object));
    else if (method == QLatin1String("textDocument/definition"))
        sendReply(id, definition(object));
    else
        sendReply(id, Failure{kMethodNotFound, QStringLiteral("Unknown method %1.").arg(method)});
}

void LanguageServer::handleNotification(const QString &method, const QJsonValue &params)
{
    if (method == QLatin1String("exit")) {
        m_exit = true;
        return;
    }
    // Before initialize, and after shutdown, notifications are dropped.
    if (!m_initialized || m_shutdown)
        return;
    const QJsonObject object = params.toObject();
    if (method == QLatin1String("textDocument/didOpen"))
        open(object);
    else if (method == QLatin1String("textDocument/didChange"))
        change(object);
    else if (method == QLatin1String("textDocument/didClose"))
        close(object);
    else if (method == QLatin1String("textDocument/didSave"))
        save(object);
}

LanguageServer::Reply LanguageServer::initialize()
{
    m_initialized = true;
    const QJsonObject sync{{QStringLiteral("openClose"), true},
                           {QStringLiteral("change"), kSyncIncremental},
                           {QStringLiteral("save"), QJsonObject{{QStringLiteral("includeText"), false}}}};
    const QJsonObject completion{{QStringLiteral("triggerCharacters"), QJsonArray{QStringLiteral(" ")}},
                                 {QStringLiteral("resolveProvider"), false}};
    const QJsonObject capabilities{{QStringLiteral("positionEncoding"), QStringLiteral("utf-16")},
                                   {QStringLiteral("textDocumentSync"), sync},
                                   {QStringLiteral("completionProvider"), completion},
                                   {QStringLiteral("hoverProvider"), true},
                                   {QStringLiteral("definitionProvider"), true}};
    return QJsonObject{
        {QStringLiteral("capabilities"), capabilities},
        {QStringLiteral("serverInfo"),
         QJsonObject{{QStringLiteral("name"), QStringLiteral("tavtool lsp")}, {QStringLiteral("version"), m_version}}}};
}

std::variant<LanguageServer::Place, LanguageServer::Failure> LanguageServer::placeOf(const QJsonObject &params) const
{
    const QString uri = uriOf(params);
    const auto found = m_documents.constFind(uri);
    if (found == m_documents.constEnd())
        return Failure{kInvalidParams, QStringLiteral("The document %1 is not open.").arg(uri)};
    const std::optional<Position> position = positionOf(params.value(QLatin1String("position")));
    if (!position)
        return Failure{kInvalidParams, QStringLiteral("A position is a line and a character, both counts.")};
    const QStringList &lines = found->text.lines();
    if (position->line >= lines.size())
        return Failure{kInvalidParams, QStringLiteral("Line %1 is past the end of the document (%2 lines).")
                                           .arg(position->line)
                                           .arg(lines.size())};
    const QString text = gameText(lines[position->line]);
    return Place{&*found, uri, position->line, std::min(position->character, text.size()), text};
}

std::shared_ptr<const MacroGameData> LanguageServer::gameDataOf(const OpenDocument &document)
{
    return document.folder ? m_gameData.dataFor(*document.folder) : noGameData();
}

LanguageServer::Reply LanguageServer::completion(const QJsonObject &params)
{
    const auto place = placeOf(params);
    if (const Failure *failure = std::get_if<Failure>(&place))
        return *failure;
    const Place &at = std::get<Place>(place);
    const QList<CompletionEntry> entries = completeMacroLine(at.text, at.column, *gameDataOf(*at.document));
    QJsonArray items;
    for (qsizetype i = 0; i < entries.size(); ++i) {
        const CompletionEntry &entry = entries[i];
        const QJsonObject edit{{QStringLiteral("range"), jsonRange(at.line, entry.from, at.column)},
                               {QStringLiteral("newText"), entry.insertText}};
        items.append(QJsonObject{{QStringLiteral("label"), entry.label},
                                 {QStringLiteral("kind"), completionItemKind(entry.kind)},
                                 {QStringLiteral("detail"), entry.detail},
                                 {QStringLiteral("sortText"), QStringLiteral("%1").arg(i, 6, 10, QLatin1Char('0'))},
                                 {QStringLiteral("filterText"), entry.insertText},
                                 {QStringLiteral("insertTextFormat"), 1},
                                 {QStringLiteral("textEdit"), edit}});
    }
    return QJsonObject{{QStringLiteral("isIncomplete"), false}, {QStringLiteral("items"), items}};
}

LanguageServer::Reply LanguageServer::hover(const QJsonObject &params)
{
    const auto place = placeOf(params);
    if (const Failure *failure = std::get_if<Failure>(&place))
        return *failure;
    const Place &at = std::get<Place>(place);
    const std::optional<MacroHover> found = hoverMacroLine(at.text, at.column, *gameDataOf(*at.document));
    if (!found)
        return QJsonValue::Null;
    const QJsonObject contents{{QStringLiteral("kind"), QStringLiteral("plaintext")},
                               {QStringLiteral("value"), found->text}};
    return QJsonObject{{QStringLiteral("contents"), contents},
                       {QStringLiteral("range"), jsonRange(at.line, found->from, found->to)}};
}

LanguageServer::Reply LanguageServer::definition(const QJsonObject &params)
{
    const auto place = placeOf(params);
    if (const Failure *failure = std::get_if<Failure>(&place))
        return *failure;
    const Place &at = std::get<Place>(place);
    if (!at.document->folder)
        return QJsonValue::Null;
    const std::optional<DefinitionTarget> target = definitionAt(at.text, at.column, *gameDataOf(*at.document));
    if (!target)
        return QJsonValue::Null;
    const QString path = at.document->folder->resolve(target->gamePath);
    const qsizetype line = std::max(0, target->line);
    return QJsonObject{{QStringLiteral("uri"), QUrl::fromLocalFile(path).toString()},
                       {QStringLiteral("range"), jsonRange(line, 0, 0)}};
}

void LanguageServer::open(const QJsonObject &params)
{
    const QJsonObject item = params.value(QLatin1String("textDocument")).toObject();
    const QString uri = item.value(QLatin1String("uri")).toString();
    const QJsonValue text = item.value(QLatin1String("text"));
    if (uri.isEmpty() || !text.isString())
        return;
    OpenDocument document;
    document.text.replaceAll(text.toString());
    document.version = item.value(QLatin1String("version")).toInt();
    const QUrl url(uri);
    const QString path = url.isLocalFile() ? url.toLocalFile() : QString();
    document.gamePath = path.isEmpty() ? uri : QDir::toNativeSeparators(path);
    if (const std::optional<QString> root = path.isEmpty() ? std::nullopt : gameFolderAbove(path)) {
        document.folder = GameFolder(*root);
        document.gamePath =
            QDir(document.folder->root()).relativeFilePath(path).replace(QLatin1Char('/'), QLatin1Char('\\'));
    } else {
        const QString folder = path.isEmpty() ? uri : QFileInfo(path).absolutePath();
        if (!m_toldOutsideFolders.contains(folder)) {
            m_toldOutsideFolders.insert(folder);
            sendNotification(QStringLiteral("window/showMessage"),
                             {{QStringLiteral("type"), kMessageInfo},
                              {QStringLiteral("message"),
                               QStringLiteral("%1 is not in a game folder (no folder above it holds GAMEDATA): only "
                                              "the command rules apply, without items, sounds and goals.")
                                   .arg(QDir::toNativeSeparators(folder))}});
        }
    }
    m_documents.insert(uri, std::move(document));
    markChanged(uri);
}

void LanguageServer::change(const QJsonObject &params)
{
    const QString uri = uriOf(params);
    const auto found = m_documents.find(uri);
    const QJsonValue changes = params.value(QLatin1String("contentChanges"));
    if (found == m_documents.end() || !changes.isArray())
        return;
    // Checked whole first, so a bad change applies none of them.
    for (const QJsonValue &change : changes.toArray()) {
        const QJsonObject object = change.toObject();
        if (!object.value(QLatin1String("text")).isString())
            return;
        if (object.contains(QLatin1String("range"))) {
            const QJsonObject range = object.value(QLatin1String("range")).toObject();
            if (!positionOf(range.value(QLatin1String("start"))) || !positionOf(range.value(QLatin1String("end"))))
                return;
        }
    }
    for (const QJsonValue &change : changes.toArray()) {
        const QJsonObject object = change.toObject();
        const QString text = object.value(QLatin1String("text")).toString();
        if (object.contains(QLatin1String("range"))) {
            const QJsonObject range = object.value(QLatin1String("range")).toObject();
            found->text.replace(*positionOf(range.value(QLatin1String("start"))),
                                *positionOf(range.value(QLatin1String("end"))), text);
        } else {
            found->text.replaceAll(text);
        }
    }
    found->version = params.value(QLatin1String("textDocument")).toObject().value(QLatin1String("version")).toInt();
    markChanged(uri);
}

void LanguageServer::close(const QJsonObject &params)
{
    const QString uri = uriOf(params);
    if (!m_documents.remove(uri))
        return;
    m_changed.removeAll(uri);
    sendNotification(QStringLiteral("textDocument/publishDiagnostics"),
                     {{QStringLiteral("uri"), uri}, {QStringLiteral("diagnostics"), QJsonArray()}});
}

void LanguageServer::save(const QJsonObject &params)
{
    const QString uri = uriOf(params);
    const auto found = m_documents.find(uri);
    if (found == m_documents.end())
        return;
    const QJsonValue text = params.value(QLatin1String("text"));
    if (text.isString())
        found->text.replaceAll(text.toString());
    // The folder's files may have changed with it: checked again.
    markChanged(uri);
}

void LanguageServer::markChanged(const QString &uri)
{
    if (!m_changed.contains(uri))
        m_changed.append(uri);
}

QJsonArray LanguageServer::diagnosticsOf(const OpenDocument &document)
{
    const QStringList lines = document.text.gameLines();
    check::References references;
    if (document.folder) {
        const std::shared_ptr<const MacroGameData> data = gameDataOf(document);
        if (data->itemsRead)
            references.itemCount = int(data->itemNames.size());
        if (data->goalsRead)
            references.goalCount = int(data->goals.size());
    }
    check::CheckReport report;
    check::Findings findings(report);
    check::checkMacroText(findings, document.gamePath, lines, references);

    QJsonArray diagnostics;
    for (const check::Finding &finding : std::as_const(report.findings)) {
        const qsizetype line = std::clamp<qsizetype>(finding.line - 1, 0, lines.size() - 1);
        const QString message =
            finding.note.isEmpty() ? finding.message : finding.message + QLatin1Char('\n') + finding.note;
        diagnostics.append(
            QJsonObject{{QStringLiteral("range"), jsonRange(line, 0, finding.line > 0 ? lines[line].size() : 0)},
                        {QStringLiteral("severity"),
                         finding.severity == check::Severity::Error ? kSeverityError : kSeverityWarning},
                        {QStringLiteral("code"), finding.code},
                        {QStringLiteral("source"), kSource},
                        {QStringLiteral("message"), message}});
    }
    for (const UnwritableCharacter &character : document.text.unwritableCharacters())
        diagnostics.append(QJsonObject{
            {QStringLiteral("range"), jsonRange(character.line, character.start, character.start + character.length)},
            {QStringLiteral("severity"), kSeverityError},
            {QStringLiteral("code"), QStringLiteral("macro-code-page")},
            {QStringLiteral("source"), kSource},
            {QStringLiteral("message"),
             QStringLiteral("'%1' cannot be written in the game's code page (Windows-1252); the game would read "
                            "another character")
                 .arg(character.character)}});
    return diagnostics;
}

QList<QByteArray> LanguageServer::takeOutgoing()
{
    for (const QString &uri : std::as_const(m_changed)) {
        const auto found = m_documents.constFind(uri);
        if (found == m_documents.constEnd())
            continue;
        sendNotification(QStringLiteral("textDocument/publishDiagnostics"),
                         {{QStringLiteral("uri"), uri},
                          {QStringLiteral("version"), found->version},
                          {QStringLiteral("diagnostics"), diagnosticsOf(*found)}});
    }
    m_changed.clear();
    return std::exchange(m_outgoing, {});
}

void LanguageServer::send(const QJsonObject &message)
{
    QJsonObject full = message;
    full.insert(QStringLiteral("jsonrpc"), QStringLiteral("2.0"));
    m_outgoing.append(QJsonDocument(full).toJson(QJsonDocument::Compact));
}

void LanguageServer::sendNotification(const QString &method, const QJsonObject &params)
{
    send({{QStringLiteral("method"), method}, {QStringLiteral("params"), params}});
}

void LanguageServer::sendReply(const QJsonValue &id, const Reply &reply)
{
    if (const Failure *failure = std::get_if<Failure>(&reply)) {
        send({{QStringLiteral("id"), id},
              {QStringLiteral("error"),
               QJsonObject{{QStringLiteral("code"), failure->code}, {QStringLiteral("message"), failure->message}}}});
        return;
    }
    send({{QStringLiteral("id"), id}, {QStringLiteral("result"), std::get<QJsonValue>(reply)}});
}

} // namespace tav::lsp
