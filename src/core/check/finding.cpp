#include "core/check/finding.h"

#include <algorithm>

namespace tav::check {

int CheckReport::count(Severity severity) const
{
    int total = int(std::count_if(findings.begin(), findings.end(),
                                  [severity](const Finding &f) { return f.severity == severity; }));
    for (const HiddenFindings &more : hidden)
        if (more.severity == severity)
            total += more.count;
    return total;
}

QString HiddenFindings::message() const
{
    return QStringLiteral("%1 more %2 findings not shown").arg(count).arg(code);
}

QString quoted(const QString &text)
{
    constexpr qsizetype kLongest = 40;
    const QString cut = text.size() > kLongest ? text.left(kLongest) + QStringLiteral("...") : text;
    return QLatin1Char('\'') + cut + QLatin1Char('\'');
}

Finding &Findings::add(const QString &file, int line, Severity severity, const char *code, const QString &message)
{
    const QString codeText = QString::fromLatin1(code);
    const QString key = file + QLatin1Char('\n') + codeText;
    if (++m_perFileAndCode[key] > kListedFindingsPerCode) {
        auto index = m_hiddenIndex.constFind(key);
        if (index == m_hiddenIndex.constEnd()) {
            index = m_hiddenIndex.insert(key, m_report.hidden.size());
            m_report.hidden.append({file, QString(), severity, codeText, 0});
        }
        ++m_report.hidden[*index].count;
        m_unlisted = Finding{};
        return m_unlisted;
    }
    m_report.findings.append({file, line, severity, codeText, message, QString(), QString()});
    return m_report.findings.last();
}

} // namespace tav::check
