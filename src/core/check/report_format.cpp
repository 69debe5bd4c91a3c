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

QString summaryLine(const CheckReport &report)
{
    return QStringLiteral("%1, %2 in %3")
        .arg(counted(report.count(Severity::Error), "error"), counted(report.count(Severity::Warning), "warning"),
             counted(report.filesChecked, "file"));
}

QByteArray reportJson(const CheckReport &report, const FindingPaths &paths)
{
    QJsonArray array;
    for (const Finding &finding : report.findings) {
        QJsonObject object{{"path", paths.shellPath(finding.path)},
                           {"file", finding.file},
                           {"line", finding.line > 0 ? QJsonValue(finding.line) : QJsonValue()},
                           {"severity", severityName(finding.severity)},
                           {"code", finding.code},
                           {"message", finding.message}};
        if (!finding.note.isEmpty())
            object.insert("note", finding.note);
        array.append(object);
    }
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
