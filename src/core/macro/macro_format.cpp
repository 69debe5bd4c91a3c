#include "core/macro/macro_format.h"

#include "core/common/windows1252.h"
#include "core/macro/command_vocabulary.h"

#include <algorithm>

namespace tav {

QString AutoFormat(QStringView line)
{
    qsizetype start = 0;
    while (start < line.size() && line[start] == QLatin1Char(' '))
        ++start;
    QString result = line.mid(start).toString();
    if (result.startsWith(QLatin1Char('%'))) {
        result = upperCaseIn1252(result);
    } else if (result.startsWith(QLatin1Char('\''))) {
        // Comments stay as typed.
    } else if (result.size() >= 4 && result[3] == QLatin1Char(' ')) {
        for (qsizetype i = 0; i < 3; ++i)
            result[i] = upperCaseIn1252(result[i]);
    }
    return result;
}

QStringList formatLines(QStringView text, bool atBodyStart, QList<qsizetype> *droppedPercents)
{
    QStringList lines;
    QString current;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c == QLatin1Char('\r')) {
            lines.append(AutoFormat(current));
            current.clear();
        } else if (c == QLatin1Char('\n')) {
            continue;
        } else if (c == QLatin1Char('%') && !(atBodyStart && i == 0)) {
            if (droppedPercents)
                droppedPercents->append(i);
        } else {
            current.append(c);
        }
    }
    lines.append(AutoFormat(current));
    return lines;
}

FormattedBody formatBody(const QString &text, qsizetype caret)
{
    FormattedBody result;
    result.text = formatLines(text, true, &result.droppedPercents).join(QStringLiteral("\r\n"));
    result.caret = std::clamp<qsizetype>(caret, 0, result.text.size());
    return result;
}

int presetForLine(QStringView line, qsizetype column)
{
    if (column != 4 || line.size() < 3)
        return -1;
    return firstPresetWithCode(upperCaseIn1252(line.left(3).toString()));
}

int presetForCaret(const QString &body, qsizetype caret)
{
    if (caret < 0 || caret > body.size())
        return -1;
    const qsizetype lineStart = caret == 0 ? 0 : body.lastIndexOf(QLatin1Char('\n'), caret - 1) + 1;
    qsizetype lineEnd = body.indexOf(QLatin1Char('\r'), lineStart);
    if (lineEnd < 0)
        lineEnd = body.size();
    return presetForLine(QStringView(body).mid(lineStart, lineEnd - lineStart), caret - lineStart);
}

FormattedBody insertPreset(const QString &body, qsizetype caret, const QString &preset)
{
    const qsizetype split = std::clamp<qsizetype>(caret - 1, 0, body.size());
    const QString raw = body.left(split) + preset + QStringLiteral("\r\n") + body.mid(split);
    FormattedBody result = formatBody(raw, 0);
    result.caret = std::clamp<qsizetype>(caret + preset.size() + 2, 0, result.text.size());
    return result;
}

} // namespace tav
