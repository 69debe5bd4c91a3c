// Macro files (.cmd) as JSON: the lines, whether the last one ends in CR LF,
// and, shown only, the type and info comment the load dialog gives it.
#include "core/common/text_file.h"
#include "core/macro/macro_type.h"
#include "core/textform/formats.h"
#include "core/textform/json_fields.h"

#include <QJsonArray>

namespace tav::textform {
namespace {

const QString kLines = QStringLiteral("lines");
const QString kFinalLineBreak = QStringLiteral("finalLineBreak");
const QString kType = QStringLiteral("type");
const QString kInfo = QStringLiteral("info");

class MacroFormat : public NamedTextFormat {
public:
    MacroFormat()
        : NamedTextFormat(QStringLiteral("macro"), {QStringLiteral(".CMD")},
                          QStringLiteral("GAMEDATA\\MAKRO\\MACRO.cmd"))
    {
    }

    int longestBaseName() const override { return 8; }
    QStringList shownOnly() const override { return {kType, kInfo}; }

    Result<QJsonObject> read(const QByteArray &bytes) const override
    {
        const TextFile file = TextFile::fromBytes(bytes);
        const MacroInfo info = classifyMacro(bytes);
        return QJsonObject{{kType, info.type},
                           {kInfo, info.info ? QJsonValue(*info.info) : QJsonValue()},
                           {kLines, QJsonArray::fromStringList(file.lines)},
                           {kFinalLineBreak, !file.lines.isEmpty() && file.lastLineEnded}};
    }

    QByteArray write(const QJsonObject &fields) const override
    {
        const QJsonArray lines = arrayAt(fields, kLines);
        TextFile file;
        for (qsizetype i = 0; i < lines.size(); ++i)
            file.lines.append(lineValue(lines[i], kLines + QLatin1Char('/') + QString::number(i)));
        file.lastLineEnded = booleanAt(fields, kFinalLineBreak) || file.lines.isEmpty();
        return file.toBytes();
    }
};

} // namespace

const TextFormat &macroFormat()
{
    static const MacroFormat format;
    return format;
}

} // namespace tav::textform
