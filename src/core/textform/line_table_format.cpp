#include "core/textform/line_table_format.h"

#include "core/common/number_field.h"
#include "core/common/text_file.h"
#include "core/textform/json_fields.h"
#include "core/textform/json_path.h"

#include <QJsonArray>

#include <limits>

namespace tav::textform {

Result<QJsonObject> LineTableFormat::read(const QByteArray &bytes) const
{
    int refused = 0;
    const Result<QStringList> lines = writtenLines(TextFile::fromBytes(bytes).lines, &refused);
    if (!lines)
        return lines.status();
    QList<QJsonValue> values;
    values.reserve(table().size());
    for (const LineField &field : table()) {
        const QString line = lines->value(field.line - 1);
        if (field.form == LineField::Form::Text) {
            values.append(line);
            continue;
        }
        const std::optional<long long> number = parseNumberField(line);
        if (!number)
            return Result<QJsonObject>::failure(
                QStringLiteral("line %1 (%2) holds no number").arg(field.line).arg(field.name));
        values.append(double(*number));
    }
    return layout().build(values);
}

QByteArray LineTableFormat::write(const QJsonObject &fields) const
{
    constexpr long long kLowest = std::numeric_limits<int>::min();
    constexpr long long kHighest = std::numeric_limits<int>::max();
    // Every field found in one walk of the tree.
    const QList<QJsonValue> values = layout().leaves(fields);
    FieldWriter out;
    for (qsizetype i = 0; i < table().size(); ++i) {
        const LineField &field = table()[i];
        if (field.form == LineField::Form::Text)
            out.text(lineValue(values[i], field.name));
        else
            out.number(integerValue(values[i], field.name, kLowest, kHighest));
    }
    int refused = 0;
    const Result<QStringList> lines = writtenLines(out.lines(), &refused);
    if (!lines)
        throw FieldError(lineName(refused), QStringLiteral("is refused by the reader: ") + lines.error());
    TextFile file;
    file.lines = lines.value();
    return file.toBytes();
}

const JsonLayout &LineTableFormat::layout() const
{
    std::call_once(m_layoutMade, [this] {
        QStringList names;
        for (const LineField &field : table())
            names.append(field.name);
        m_layout = std::make_unique<JsonLayout>(names);
    });
    return *m_layout;
}

QString LineTableFormat::lineName(int line) const
{
    return line >= 1 && line <= table().size() ? table()[line - 1].name : QString();
}

QStringList LineTableFormat::showLines(const QJsonObject &dump) const
{
    QStringList lines{QStringLiteral("format: ") + id()};
    for (const LineField &field : table()) {
        QString text = QStringLiteral("%1 %2: %3")
                           .arg(field.line, 3, 10, QLatin1Char('0'))
                           .arg(field.name, jsonText(valueAt(dump, field.name)));
        const QString note = valueNote(field, dump);
        if (!note.isEmpty())
            text += QLatin1Char(' ') + note;
        lines.append(text);
    }
    for (const QJsonValue &note : dump.value(QStringLiteral("normalised")).toArray())
        lines.append(QStringLiteral("normalised: ") + note.toString());
    return lines;
}

} // namespace tav::textform
