#pragma once

#include <QByteArray>
#include <QString>

namespace tav::test {

// A real full disk: a 64 KiB tmpfs mounted over a (test's own, empty) folder
// for the life of the object. Mounting needs root with the right to mount;
// without it mounted() is false and the test skips.
class FullTmpfs {
public:
    explicit FullTmpfs(const QString &folder);
    ~FullTmpfs();
    FullTmpfs(const FullTmpfs &) = delete;
    FullTmpfs &operator=(const FullTmpfs &) = delete;

    bool mounted() const { return m_mounted; }
    // Takes up the last free byte with a file named "filler".
    void fill() const;

private:
    QByteArray m_folder;
    bool m_mounted = false;
};

} // namespace tav::test
