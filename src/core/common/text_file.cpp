#include "core/common/text_file.h"

#include "core/common/file_io.h"
#include "core/common/line_scanner.h"
#include "core/common/number_field.h"
#include "core/common/windows1252.h"

namespace tav {

TextFile TextFile::fromBytes(const QByteArray &bytes)
{
    TextFile file;
    LineScanner scanner(bytes);
    ScannedLine line;
    while (scanner.next(line)) {
        if (line.end == LineEnd::BareLf && file.bareLfLines++ == 0)
            file.firstBareLfLine = line.number;
        file.lines.append(decode1252(line.text));
        file.lastLineEnded = line.end != LineEnd::None;
    }
    return file;
}

QByteArray TextFile::toBytes() const
{
    QByteArray bytes;
    qsizetype total = 0;
    for (const QString &line : lines)
        total += line.size() + 2;
    bytes.reserve(total);
    for (qsizetype i = 0; i < lines.size(); ++i) {
        bytes += encode1252(lines[i]);
        if (i + 1 < lines.size() || lastLineEnded)
            bytes += "\r\n";
    }
    return bytes;
}

QString withoutLineBreaks(const QString &text)
{
    QString result = text;
    result.remove(QLatin1Char('\r'));
    result.remove(QLatin1Char('\n'));
    return result;
}

Result<TextFile> readTextFile(const QString &diskPath)
{
    const Result<QByteArray> bytes = readWholeFile(diskPath);
    if (!bytes)
        return bytes.status();
    return TextFile::fromBytes(bytes.value());
}

Status writeTextFile(const QString &diskPath, const QStringList &lines, LinkAtTarget link)
{
    return writeTextFile(diskPath, TextFile{lines, true}, link);
}

Status writeTextFile(const QString &diskPath, const TextFile &file, LinkAtTarget link)
{
    return writeFileAtomically(diskPath, file.toBytes(), link);
}

std::optional<QString> FieldReader::text()
{
    if (atEnd())
        return std::nullopt;
    return m_lines[m_next++];
}

std::optional<long long> FieldReader::number()
{
    if (atEnd())
        return std::nullopt;
    return parseNumberField(m_lines[m_next++]);
}

FieldWriter &FieldWriter::number(long long value)
{
    m_lines.append(numberField(value));
    return *this;
}

FieldWriter &FieldWriter::text(const QString &value)
{
    m_lines.append(value);
    return *this;
}

} // namespace tav
