#include "core/refs/reference_index.h"

#include <algorithm>

namespace tav::refs {
namespace {

void sortByPlace(QList<Use> &uses)
{
    std::sort(uses.begin(), uses.end(), [](const Use &a, const Use &b) {
        if (a.file != b.file)
            return a.file < b.file;
        if (a.reference.line != b.reference.line)
            return a.reference.line < b.reference.line;
        return a.reference.from < b.reference.from;
    });
}

} // namespace

void ReferenceIndex::setFile(const QString &file, QList<Reference> references)
{
    m_unread.remove(file);
    if (references.isEmpty())
        m_files.remove(file);
    else
        m_files.insert(file, std::move(references));
}

void ReferenceIndex::removeFile(const QString &file)
{
    m_files.remove(file);
    m_unread.remove(file);
}

void ReferenceIndex::addUnread(const QString &file, const QString &reason)
{
    if (mayHoldUses(file))
        m_unread.insert(file, reason);
}

QList<Unread> ReferenceIndex::unread() const
{
    QList<Unread> list;
    for (auto it = m_unread.cbegin(); it != m_unread.cend(); ++it)
        list.append({it.key(), it.value()});
    std::sort(list.begin(), list.end(), [](const Unread &a, const Unread &b) { return a.file < b.file; });
    return list;
}

QList<Use> ReferenceIndex::usesOf(ReferenceKind kind, const QString &key) const
{
    QString itemName;
    if (kind == ReferenceKind::Item) {
        const int item = key.toInt();
        if (item >= 1 && item <= m_itemNames.size())
            itemName = m_itemNames[item - 1].trimmed();
    }
    QList<Use> uses;
    for (auto it = m_files.cbegin(); it != m_files.cend(); ++it)
        for (const Reference &reference : it.value())
            if ((reference.kind == kind && reference.key == key) ||
                (!itemName.isEmpty() && reference.kind == ReferenceKind::ItemName &&
                 reference.key.compare(itemName, Qt::CaseInsensitive) == 0))
                uses.append({it.key(), reference});
    sortByPlace(uses);
    return uses;
}

QList<Use> ReferenceIndex::usesOf(ReferenceKind kind) const
{
    QList<Use> uses;
    for (auto it = m_files.cbegin(); it != m_files.cend(); ++it)
        for (const Reference &reference : it.value())
            if (reference.kind == kind)
                uses.append({it.key(), reference});
    sortByPlace(uses);
    return uses;
}

bool mayHoldUses(const QString &gamePath)
{
    const QStringList parts = gamePath.toUpper().split(QLatin1Char('\\'));
    const QString &top = parts.first();
    const QString second = parts.value(1);
    const QString last = parts.last();
    if (top == QLatin1String("GRAFIK"))
        return parts.size() == 1 ||
               (parts.size() == 2 && (second == QLatin1String("UNITS") || second == QLatin1String("BOSS")));
    if (top == QLatin1String("SOUNDS"))
        return parts.size() == 1;
    if (top != QLatin1String("GAMEDATA"))
        return false;
    switch (parts.size()) {
    case 1:
        return true;
    case 2:
        return second == QLatin1String("UNITS") || second == QLatin1String("MAKRO") ||
               second == QLatin1String("MAPS") || second.startsWith(QLatin1String("SAVE")) ||
               second == QLatin1String("ITMNAMES.DAT") || second == QLatin1String("GOALS.DAT") ||
               second == QLatin1String("DEF_PIDL.DAT") || second == QLatin1String("AUTOMAP.DAT");
    case 3:
        return (second == QLatin1String("UNITS") && last.endsWith(QLatin1String(".UNI"))) ||
               (second == QLatin1String("MAKRO") && last.endsWith(QLatin1String(".CMD"))) ||
               last == QLatin1String("PLAYER.STS") || last == QLatin1String("TRAIN.STS");
    default:
        return false;
    }
}

} // namespace tav::refs
