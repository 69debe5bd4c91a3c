#include "core/check/report_format.h"

#include "core/common/file_name_text.h"
#include "core/macro/macro_type.h"

#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace tav::check {
namespace {

QString severityName(Severity severity)
{
    return severity == Severity::Error ? QStringLiteral("error") : QStringLiteral("warning");
}

QString counted(int count, const char *singular)
{
    return QStringLiteral("%1 %2%3").arg(count).arg(QLatin1String(singular)).arg(count == 1 ? "" : "s");
}

} // namespace

FindingPaths::FindingPaths(const QString &folder, bool gamePaths)
    : m_folder(folder)
    , m_absolute(QDir::isAbsolutePath(folder))
    , m_gamePaths(gamePaths)
{
    if (m_absolute)
        m_folder = QDir(folder).absolutePath();
}

QString FindingPaths::shellPath(const QString &path) const
{
    if (m_folder.isEmpty())
        return path;
    // "./GAMEDATA/..." and "game//GAMEDATA" read as the shell would write them.
    return QDir::cleanPath(m_folder + QLatin1Char('/') + path);
}

QStringList findingLines(const Finding &finding, const FindingPaths &paths)
{
    const QString shown = paths.shown(finding);
    const QString place = finding.line > 0 ? QStringLiteral("%1:%2").arg(shown).arg(finding.line) : shown;
    QStringList lines{
        escapeControlCharacters(QStringLiteral("%1: %2: %3").arg(place, severityName(finding.severity), finding.message))};
    if (!finding.note.isEmpty())
        lines.append(escapeControlCharacters(QStringLiteral("%1: note: %2").arg(place, finding.note)));
    return lines;
}

namespace {

// Calls finding() for each listed finding in order and hidden() for the
// findings of a file past the listed ones, after that file's last finding.
template <typename OnFinding, typename OnHidden>
void inReportOrder(const CheckReport &report, OnFinding finding, OnHidden hidden)
{
    const qsizetype count = report.findings.size();
    for (qsizetype i = 0; i < count; ++i) {
        const Finding &current = report.findings[i];
        finding(current);
        if (i + 1 < count && report.findings[i + 1].file == current.file)
            continue;
        for (const HiddenFindings &more : report.hidden)
            if (more.file == current.file)
                hidden(more);
    }
}

} // namespace

QStringList reportLines(const CheckReport &report, const FindingPaths &paths)
{
    QStringList lines;
    inReportOrder(
        report, [&](const Finding &finding) { lines += findingLines(finding, paths); },
        [&](const HiddenFindings &more) {
            lines.append(escapeControlCharacters(
                QStringLiteral("%1: note: %2").arg(paths.shown(more.file, more.path), more.message())));
        });
    return lines;
}

QString summaryLine(const CheckReport &report)
{
    return QStringLiteral("%1, %2 in %3")
        .arg(counted(report.count(Severity::Error), "error"), counted(report.count(Severity::Warning), "warning"),
             counted(report.filesChecked, "file"));
}

QByteArray reportJson(const CheckReport &report, const FindingPaths &paths)
{
    QJsonArray array;
    inReportOrder(
        report,
        [&](const Finding &finding) {
            QJsonObject object{{"path", paths.shellPath(finding.path)},
                               {"file", finding.file},
                               {"line", finding.line > 0 ? QJsonValue(finding.line) : QJsonValue()},
                               {"severity", severityName(finding.severity)},
                               {"code", finding.code},
                               {"message", finding.message}};
            if (!finding.note.isEmpty())
                object.insert("note", finding.note);
            array.append(object);
        },
        [&](const HiddenFindings &more) {
            array.append(QJsonObject{{"path", paths.shellPath(more.path)},
                                     {"file", more.file},
                                     {"line", QJsonValue()},
                                     {"severity", "note"},
                                     {"code", more.code},
                                     {"message", more.message()},
                                     {"count", more.count}});
        });
    for (const MacroSummary &macro : report.macros)
        array.append(QJsonObject{{"path", paths.shellPath(macro.path)},
                                 {"file", macro.file},
                                 {"line", QJsonValue()},
                                 {"severity", "info"},
                                 {"code", "macro-type"},
                                 {"message", macro.type + QStringLiteral(": ") + macro.info.value_or(kNoMacroInfo)},
                                 {"type", macro.type},
                                 {"info", macro.info.value_or(kNoMacroInfo)}});
    return QJsonDocument(array).toJson(QJsonDocument::Indented);
}

} // namespace tav::check
