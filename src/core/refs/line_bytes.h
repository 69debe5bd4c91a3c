#pragma once

#include "core/common/line_scanner.h"

#include <QByteArray>
#include <QList>
#include <QString>

namespace tav::refs {

// A text file's bytes as lines, each keeping its own line end, so an edit
// changes the bytes it names and no other: a name in a line, a line moved,
// removed or added.
class LineBytes {
public:
    LineBytes(const QByteArray &bytes, LoneCr loneCr);
    // How the index counts the lines of a game file: a lone CR ends a line
    // of a macro only.
    static LoneCr loneCrOf(const QString &gamePath);

    int size() const { return int(m_lines.size()); }
    // Line n (from 1) without its line end.
    QByteArray text(int line) const;

    // Replaces the bytes [from, to) of a line.
    void replace(int line, qsizetype from, qsizetype to, const QByteArray &text);
    // Moves the block of `count` lines that is entry `from` (from 0) of a
    // list of such blocks, so that it becomes entry `to`.
    void moveEntry(int from, int to, int count);
    void removeLine(int line);
    // Puts a line before line `before` (size() + 1: at the end), ended by CR LF.
    void insertLine(int before, const QByteArray &text);

    QByteArray bytes() const;

private:
    QList<QByteArray> m_lines; // each with its line end
    QList<int> m_endSizes;
    // A last line without a line end is given CR LF while lines move, and
    // the file's last line loses it again.
    bool m_lastEnded = true;
};

} // namespace tav::refs
