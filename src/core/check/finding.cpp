#include "core/check/finding.h"

#include <algorithm>

namespace tav::check {

int CheckReport::count(Severity severity) const
{
    return int(std::count_if(findings.begin(), findings.end(),
                             [severity](const Finding &f) { return f.severity == severity; }));
}

QString quoted(const QString &text)
{
    constexpr qsizetype kLongest = 40;
    const QString cut = text.size() > kLongest ? text.left(kLongest) + QStringLiteral("...") : text;
    return QLatin1Char('\'') + cut + QLatin1Char('\'');
}

Finding &Findings::add(const QString &file, int line, Severity severity, const char *code, const QString &message)
{
    m_report.findings.append({file, line, severity, QString::fromLatin1(code), message, QString(), QString()});
    return m_report.findings.last();
}

} // namespace tav::check
