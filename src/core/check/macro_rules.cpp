#include "core/check/macro_rules.h"

#include "core/common/windows1252.h"
#include "core/macro/command_vocabulary.h"
#include "core/macro/macro_file.h"
#include "core/macro/macro_format.h"
#include "core/macro/macro_type.h"
#include "core/refs/file_uses.h"

namespace tav::check {

void checkMacroLine(Findings &findings, const QString &file, int lineNumber, const QString &line,
                    const References &references)
{
    Q_UNUSED(references);
    const qsizetype percent = line.indexOf(QLatin1Char('%'), lineNumber == 1 ? 1 : 0);
    if (percent >= 0)
        findings.error(file, lineNumber, "macro-percent",
                       QStringLiteral("a '%' belongs only at the very start of the file; the editor removes this one"));
    const QString formatted = AutoFormat(line);
    if (formatted != line)
        findings.warning(file, lineNumber, "macro-format",
                         QStringLiteral("the editor's formatting changes this line to %1").arg(quoted(formatted)));
    if (formatted.isEmpty() || formatted.startsWith(QLatin1Char('\'')) || formatted.startsWith(QLatin1Char('%')))
        return;
    const QString code = upperCaseIn1252(commandCode(formatted).toString());
    if (!isKnownCommandCode(code))
        findings.warning(file, lineNumber, "macro-unknown-command",
                         QStringLiteral("command code %1 is not in the kit's vocabulary").arg(quoted(code)));
}

void checkMacroText(Findings &findings, const QString &file, const QStringList &lines, const References &references)
{
    for (qsizetype i = 0; i < lines.size(); ++i)
        checkMacroLine(findings, file, int(i) + 1, lines[i], references);
}

void checkMacros(CheckContext &context, const References &references)
{
    Q_UNUSED(references);
    for (const ListedEntry &entry : context.listing.macros.entries()) {
        if (!entry.name.endsWith(QStringLiteral(".CMD"), Qt::CaseInsensitive))
            continue;
        const std::optional<QByteArray> bytes = context.read(entry);
        if (!bytes)
            continue;
        // Line by line over the bytes: a macro of any length costs its
        // bytes and one line at a time.
        StrayLineEnds ends;
        refs::MacroUses uses;
        LineScanner scanner(*bytes, kMacroLoneCr);
        for (ScannedLine line; scanner.next(line);) {
            ends.count(line);
            const QString text = decode1252(line.text);
            checkMacroLine(context.findings, entry.gamePath, line.number, text, references);
            if (context.index)
                uses.addLine(line.number, text);
        }
        if (context.index)
            uses.store(*context.index, entry.gamePath);
        context.warnAboutStrayLineEnds(entry, ends);
        const MacroInfo info = classifyMacro(*bytes);
        context.findings.report().macros.append({entry.gamePath, QString(), info.type, info.info});
    }
}

} // namespace tav::check
