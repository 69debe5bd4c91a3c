#include "core/common/step_names.h"

namespace tav {
namespace {

constexpr int kFieldsNamed = 3;

// "hero/gold" is shown as "gold", "map/x" as "map x".
QString label(const QString &name)
{
    QString shown = name;
    if (shown.startsWith(QLatin1String("hero/")))
        shown = shown.mid(5);
    return shown.replace(QLatin1Char('/'), QLatin1Char(' '));
}

} // namespace

QString describeLineChanges(const LineFieldTable &table, const QStringList &before, const QStringList &after,
                            const QString &fallback)
{
    QStringList parts;
    int changed = 0;
    for (const LineField &field : table) {
        if (field.name.startsWith(QLatin1String("derived/")) || field.name.startsWith(QLatin1String("fixed/")))
            continue;
        const qsizetype i = field.line - 1;
        const QString old = i < before.size() ? before[i].trimmed() : QString();
        const QString now = i < after.size() ? after[i].trimmed() : QString();
        if (old == now)
            continue;
        if (++changed <= kFieldsNamed)
            parts.append(QStringLiteral("%1 %2 -> %3").arg(label(field.name), old, now));
    }
    if (parts.isEmpty())
        return fallback;
    if (changed > kFieldsNamed)
        parts.append(QStringLiteral("..."));
    return parts.join(QStringLiteral(", "));
}

} // namespace tav
