#pragma once

#include "core/common/file_identity.h"
#include "core/common/result.h"

#include <QByteArray>
#include <QDateTime>
#include <QJsonObject>
#include <QString>

namespace tav {

class Document;

// The header of a recovery copy: what wrote it, for which window and file.
struct RecoveryHeader {
    // The copy's own layout; a copy of a later layout is not read.
    static constexpr int kLayout = 1;
    int layout = kLayout;
    QString kitVersion;
    QString gameFolder;    // the game folder's canonical path
    QString window;        // the document's window id ("macro")
    QString windowName;    // "Macro editor"
    QString workName;      // "ELDER"
    QString gamePath;      // the file, empty when it has none yet
    FileIdentity identity; // that file at the last load or save
    QDateTime time;
};

// A recovery copy: one JSON object {"recovery": header, "document": the
// file's content exactly as `tavtool dump` prints it, "window": what the
// window holds beyond the file}.
struct RecoveryCopy {
    RecoveryHeader header;
    QJsonObject document;
    QJsonObject window;
};

// What a document holds now, taken on the user-interface thread; the copy
// can be made of it on any thread.
struct RecoverySnapshot {
    RecoveryHeader header;
    QString formatId;
    QByteArray fileBytes;
    QJsonObject window;
};
RecoverySnapshot recoverySnapshot(const Document &document, const QString &gameFolder);

// The copy's JSON text; fails when the file's bytes cannot be dumped.
Result<QByteArray> recoveryCopyJson(const RecoverySnapshot &snapshot);

// Reads a copy: a damaged copy, one of another game folder ("foreign") or
// of a later layout ("newer") is refused with the reason.
Result<RecoveryCopy> parseRecoveryCopy(const QByteArray &json, const QString &gameFolder);

// The file's bytes a copy's document stands for, through the format's writer.
Result<QByteArray> recoveredFileBytes(const RecoveryCopy &copy);

// "Macro editor (ELDER, 14:02)".
QString recoveryLabel(const RecoveryHeader &header);

// A JSON object that is a recovery copy (has "recovery" and "document"):
// its "document"; any other object as it is. For `tavtool load`.
QJsonObject dumpOfCopy(const QJsonObject &json);

} // namespace tav
