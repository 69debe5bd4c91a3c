#pragma once

#include "core/common/result.h"
#include "core/common/write_place.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <optional>

namespace tav {

// A text data file of the game: Windows-1252 lines ended by CR LF. A bare LF
// ends a line too when reading. Whether the last line carried its line end is
// kept, so a file read and written back unchanged stays byte-identical.
struct TextFile {
    QStringList lines;
    bool lastLineEnded = true;
    // Lines (counted from 1) ended by a bare LF instead of CR LF: the first
    // one and how many.
    int firstBareLfLine = 0;
    int bareLfLines = 0;

    static TextFile fromBytes(const QByteArray &bytes);
    QByteArray toBytes() const;
};

// A text field must stay on its line: CR and LF are dropped.
QString withoutLineBreaks(const QString &text);

Result<TextFile> readTextFile(const QString &diskPath);

// Writes the lines, each ended by CR LF, atomically (writeFileAtomically).
Status writeTextFile(const QString &diskPath, const QStringList &lines, LinkAtTarget link = LinkAtTarget::Follow);
Status writeTextFile(const QString &diskPath, const TextFile &file, LinkAtTarget link = LinkAtTarget::Follow);

// Reads the fields of a line-per-field file one after another.
class FieldReader {
public:
    explicit FieldReader(QStringList lines) : m_lines(std::move(lines)) {}

    bool atEnd() const { return m_next >= m_lines.size(); }
    int linesRead() const { return int(m_next); }

    // The next whole line as text; nullopt past the end.
    std::optional<QString> text();
    // The next line as a number field; nullopt past the end or when the line
    // holds no number (the line is consumed either way).
    std::optional<long long> number();

private:
    QStringList m_lines;
    qsizetype m_next = 0;
};

// Builds the lines of a line-per-field file.
class FieldWriter {
public:
    FieldWriter &number(long long value);
    FieldWriter &text(const QString &value);

    const QStringList &lines() const { return m_lines; }

private:
    QStringList m_lines;
};

} // namespace tav
