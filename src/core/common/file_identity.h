#pragma once

#include <QByteArray>
#include <QString>

namespace tav {

// What a file was when a document loaded or saved it: whether it existed,
// its size and modification time, and a hash of its bytes. Another program
// that changed, created or deleted the file since then gives another identity.
struct FileIdentity {
    bool exists = false;
    qint64 size = 0;
    qint64 modifiedNs = 0;
    // The file's number on its disk: a file replaced in one step (as most
    // programs save) gets another one, whatever its size and time.
    quint64 inode = 0;
    QByteArray hash;

    friend bool operator==(const FileIdentity &, const FileIdentity &) = default;
};

// The identity of a file as it is now: one stat, and the bytes read and
// hashed. A file that cannot be read gets an identity no file has (it counts
// as changed whatever it was).
FileIdentity fileIdentity(const QString &diskPath);

// The identity of bytes just written to a file: one stat for the time, the
// hash of the bytes themselves.
FileIdentity writtenIdentity(const QString &diskPath, const QByteArray &bytes);

// Whether the file is still the one `known` describes. One stat; only when
// the size, time or file number differ are the bytes read and compared by
// hash, so a file touched without a change is the same. A file that cannot
// be read is changed.
bool isSameFile(const FileIdentity &known, const QString &diskPath);

} // namespace tav
