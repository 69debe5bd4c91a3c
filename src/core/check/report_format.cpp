#include "core/check/report_format.h"

#include "core/macro/macro_type.h"

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

QString findingLine(const Finding &finding)
{
    const QString place = finding.line > 0 ? QStringLiteral("%1:%2").arg(finding.file).arg(finding.line) : finding.file;
    return QStringLiteral("%1: %2: %3").arg(place, severityName(finding.severity), finding.message);
}

QString summaryLine(const CheckReport &report)
{
    return QStringLiteral("%1, %2 in %3")
        .arg(counted(report.count(Severity::Error), "error"), counted(report.count(Severity::Warning), "warning"),
             counted(report.filesChecked, "file"));
}

QByteArray reportJson(const CheckReport &report)
{
    QJsonArray array;
    for (const Finding &finding : report.findings)
        array.append(QJsonObject{{"file", finding.file},
                                 {"line", finding.line},
                                 {"severity", severityName(finding.severity)},
                                 {"code", finding.code},
                                 {"message", finding.message}});
    for (const MacroSummary &macro : report.macros)
        array.append(QJsonObject{{"file", macro.file},
                                 {"line", 0},
                                 {"severity", "info"},
                                 {"code", "macro-type"},
                                 {"message", macro.type + QStringLiteral(": ") + macro.info.value_or(kNoMacroInfo)},
                                 {"type", macro.type},
                                 {"info", macro.info.value_or(kNoMacroInfo)}});
    return QJsonDocument(array).toJson(QJsonDocument::Indented);
}

} // namespace tav::check
