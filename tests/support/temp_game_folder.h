#pragma once

#include "core/common/game_folder.h"

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

namespace tav::test {

// A fresh working folder in a temporary directory, removed after the test.
class TempGameFolder {
public:
    TempGameFolder();

    const GameFolder &folder() const { return m_folder; }
    QString root() const { return m_dir.path(); }
    // Disk path of a path below the root, written with '/' as on disk.
    QString disk(const QString &relative) const;

    // Creates folders and files (relative paths with '/', exact spelling).
    void mkdir(const QString &relative) const;
    void write(const QString &relative, const QByteArray &bytes) const;
    QByteArray read(const QString &relative) const;
    bool exists(const QString &relative) const;
    void makeReadOnly(const QString &relative) const;

private:
    QTemporaryDir m_dir;
    GameFolder m_folder;
};

// A PNG image of that size in one bright red, the palette's first red.
QByteArray redPngBytes(int width, int height);

// Reads a fixture from tests/data.
QByteArray fixture(const QString &relative);

// Whether the process can write into read-only files (root can), so tests of
// read-only targets know whether the file system protects them.
bool runningAsRoot();

} // namespace tav::test
