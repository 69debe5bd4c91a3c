#include "core/check/finding.h"

#include <algorithm>

namespace tav::check {

int CheckReport::count(Severity severity) const
{
    return int(std::count_if(findings.begin(), findings.end(),
                             [severity](const Finding &f) { return f.severity == severity; }));
}

void Findings::add(const QString &file, int line, Severity severity, const char *code, const QString &message)
{
    m_report.findings.append({file, line, severity, QString::fromLatin1(code), message});
}

} // namespace tav::check
