#include "core/app/recovery_copy.h"

#include "core/app/designer_version.h"
#include "core/common/document.h"
#include "core/textform/surroundings.h"
#include "core/textform/text_form.h"

#include <QJsonDocument>

namespace tav {
namespace {

const QString kRecovery = QStringLiteral("recovery");
const QString kDocument = QStringLiteral("document");
const QString kWindow = QStringLiteral("window");

QJsonObject identityJson(const FileIdentity &identity)
{
    return QJsonObject{{QStringLiteral("exists"), identity.exists},
                       {QStringLiteral("size"), double(identity.size)},
                       {QStringLiteral("modifiedNs"), QString::number(identity.modifiedNs)},
                       {QStringLiteral("inode"), QString::number(identity.inode)},
                       {QStringLiteral("sha256"), QString::fromLatin1(identity.hash.toHex())}};
}

FileIdentity identityFrom(const QJsonObject &json)
{
    return FileIdentity{json.value(QStringLiteral("exists")).toBool(),
                        qint64(json.value(QStringLiteral("size")).toDouble()),
                        json.value(QStringLiteral("modifiedNs")).toString().toLongLong(),
                        json.value(QStringLiteral("inode")).toString().toULongLong(),
                        QByteArray::fromHex(json.value(QStringLiteral("sha256")).toString().toLatin1())};
}

QJsonObject headerJson(const RecoveryHeader &header)
{
    return QJsonObject{{QStringLiteral("layout"), header.layout},
                       {QStringLiteral("kitVersion"), header.kitVersion},
                       {QStringLiteral("gameFolder"), header.gameFolder},
                       {QStringLiteral("window"), header.window},
                       {QStringLiteral("windowName"), header.windowName},
                       {QStringLiteral("work"), header.workName},
                       {QStringLiteral("file"), header.gamePath},
                       {QStringLiteral("identityAtLoad"), identityJson(header.identity)},
                       {QStringLiteral("time"), header.time.toString(Qt::ISODateWithMs)}};
}

} // namespace

RecoverySnapshot recoverySnapshot(const Document &document, const QString &gameFolder)
{
    RecoverySnapshot snapshot;
    RecoveryHeader &header = snapshot.header;
    header.kitVersion = DesignerVersion().text();
    header.gameFolder = gameFolder;
    header.window = document.windowId();
    header.windowName = document.windowName();
    header.workName = document.workName();
    header.gamePath = document.gamePath();
    header.identity = document.fileIdentity();
    header.time = QDateTime::currentDateTime();
    snapshot.formatId = document.formatId();
    snapshot.fileBytes = document.fileBytes();
    snapshot.window = document.windowState();
    return snapshot;
}

Result<QByteArray> recoveryCopyJson(const RecoverySnapshot &snapshot)
{
    const textform::TextFormat *format = textform::formatById(snapshot.formatId);
    if (!format)
        return Result<QByteArray>::failure(QStringLiteral("no text form %1").arg(snapshot.formatId));
    const Result<QJsonObject> dump =
        textform::dumpBytes(*format, snapshot.fileBytes, textform::surroundingsFrom(snapshot.header.gameFolder));
    if (!dump)
        return dump.status();
    const QJsonObject copy{
        {kRecovery, headerJson(snapshot.header)}, {kDocument, dump.value()}, {kWindow, snapshot.window}};
    return QJsonDocument(copy).toJson(QJsonDocument::Indented);
}

Result<RecoveryCopy> parseRecoveryCopy(const QByteArray &json, const QString &gameFolder)
{
    const Result<QJsonObject> parsed = textform::parseDump(json);
    if (!parsed)
        return Result<RecoveryCopy>::failure(QStringLiteral("it is damaged (%1)").arg(parsed.error()));
    const QJsonObject header = parsed->value(kRecovery).toObject();
    if (header.isEmpty() || !parsed->value(kDocument).isObject() || !parsed->value(kWindow).isObject())
        return Result<RecoveryCopy>::failure(QStringLiteral("it is not a recovery copy of the Tav designer"));
    RecoveryCopy copy;
    RecoveryHeader &h = copy.header;
    h.layout = header.value(QStringLiteral("layout")).toInt(0);
    if (h.layout > RecoveryHeader::kLayout)
        return Result<RecoveryCopy>::failure(QStringLiteral("it was written by a newer Tav designer (%1)")
                                                 .arg(header.value(QStringLiteral("kitVersion")).toString()));
    if (h.layout < 1)
        return Result<RecoveryCopy>::failure(QStringLiteral("it is damaged (no layout)"));
    h.kitVersion = header.value(QStringLiteral("kitVersion")).toString();
    h.gameFolder = header.value(QStringLiteral("gameFolder")).toString();
    if (h.gameFolder != gameFolder)
        return Result<RecoveryCopy>::failure(
            QStringLiteral("it belongs to another game folder (%1)").arg(h.gameFolder));
    h.window = header.value(QStringLiteral("window")).toString();
    h.windowName = header.value(QStringLiteral("windowName")).toString();
    h.workName = header.value(QStringLiteral("work")).toString();
    h.gamePath = header.value(QStringLiteral("file")).toString();
    h.identity = identityFrom(header.value(QStringLiteral("identityAtLoad")).toObject());
    h.time = QDateTime::fromString(header.value(QStringLiteral("time")).toString(), Qt::ISODateWithMs);
    if (h.window.isEmpty() || !h.time.isValid())
        return Result<RecoveryCopy>::failure(QStringLiteral("it is damaged (no window or time)"));
    copy.document = parsed->value(kDocument).toObject();
    copy.window = parsed->value(kWindow).toObject();
    if (const Result<QByteArray> bytes = recoveredFileBytes(copy); !bytes)
        return Result<RecoveryCopy>::failure(QStringLiteral("its document is damaged (%1)").arg(bytes.error()));
    return copy;
}

Result<QByteArray> recoveredFileBytes(const RecoveryCopy &copy)
{
    return textform::bytesFromDump(copy.document);
}

QString recoveryLabel(const RecoveryHeader &header)
{
    return QStringLiteral("%1 (%2, %3)")
        .arg(header.windowName, header.workName, header.time.toString(QStringLiteral("HH:mm")));
}

QJsonObject dumpOfCopy(const QJsonObject &json)
{
    if (json.value(kRecovery).isObject() && json.value(kDocument).isObject())
        return json.value(kDocument).toObject();
    return json;
}

} // namespace tav
