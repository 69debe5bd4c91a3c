#include "core/check/macro_rules.h"

#include "core/common/windows1252.h"
#include "core/macro/command_vocabulary.h"
#include "core/macro/macro_file.h"
#include "core/macro/macro_format.h"
#include "core/macro/macro_type.h"

namespace tav::check {
namespace {

void checkMacroLine(Findings &findings, const QString &file, int lineNumber, const QString &line)
{
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

} // namespace

// Both a file and an editor's text go line by line through checkMacroLine.
void checkMacroText(Findings &findings, const QString &file, const QStringList &lines, const References &references)
{
    Q_UNUSED(references);
    for (qsizetype i = 0; i < lines.size(); ++i)
        checkMacroLine(findings, file, int(i) + 1, lines[i]);
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
        LineScanner scanner(*bytes, kMacroLoneCr);
        for (ScannedLine line; scanner.next(line);) {
            ends.count(line);
            checkMacroLine(context.findings, entry.gamePath, line.number, decode1252(line.text));
        }
        context.warnAboutStrayLineEnds(entry, ends);
        const MacroInfo info = classifyMacro(*bytes);
        context.findings.report().macros.append({entry.gamePath, QString(), info.type, info.info});
    }
}

} // namespace tav::check
