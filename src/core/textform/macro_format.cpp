// Macro files (.cmd) as JSON: the lines, whether the last one ends in CR LF,
// and, shown only, the type and info comment the load dialog gives it.
#include "core/common/text_file.h"
#include "core/common/windows1252.h"
#include "core/macro/macro_file.h"
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

    LoneCr loneCr() const override { return kMacroLoneCr; }

    Result<QJsonObject> read(const QByteArray &bytes) const override
    {
        QJsonArray lines;
        bool lastLineEnded = false;
        LineScanner scanner(bytes, kMacroLoneCr);
        for (ScannedLine line; scanner.next(line);) {
            lines.append(decode1252(line.text));
            lastLineEnded = line.end != LineEnd::None;
        }
        const MacroInfo info = classifyMacro(bytes);
        return QJsonObject{{kType, info.type},
                           {kInfo, info.info ? QJsonValue(*info.info) : QJsonValue()},
                           {kLines, lines},
                           {kFinalLineBreak, lastLineEnded}};
    }

    QByteArray write(const QJsonObject &fields) const override
    {
        const QJsonArray lines = arrayAt(fields, kLines);
        TextFile file;
        file.lines.reserve(lines.size());
        for (qsizetype i = 0; i < lines.size(); ++i) {
            atElement(kLines, i, [&] {
                file.lines.append(lineValue(lines[i], QString()));
                if (file.lines.last().contains(QLatin1Char('\r')))
                    throw FieldError(QString(), QStringLiteral("holds a CR; the macro editor ends a line there, so "
                                                               "the kit would read two lines"));
            });
        }
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
