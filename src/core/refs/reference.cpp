#include "core/refs/reference.h"

#include "core/common/windows1252.h"

#include <array>

namespace tav::refs {
namespace {

struct KindName {
    ReferenceKind kind;
    const char *name;
};

constexpr std::array kKindNames = {
    KindName{ReferenceKind::Sprite, "sprite"}, KindName{ReferenceKind::Unit, "unit"},
    KindName{ReferenceKind::Item, "item"},     KindName{ReferenceKind::Goal, "goal"},
    KindName{ReferenceKind::Person, "person"}, KindName{ReferenceKind::Sound, "sound"},
    KindName{ReferenceKind::Square, "square"},
};

// A whole number of at most 9 digits, nothing else.
std::optional<int> parseCount(QStringView text)
{
    if (text.isEmpty() || text.size() > 9)
        return std::nullopt;
    for (QChar c : text)
        if (!c.isDigit() || c.unicode() > 127)
            return std::nullopt;
    return text.toInt();
}

std::optional<QString> squareKey(QStringView text)
{
    const qsizetype comma = text.indexOf(QLatin1Char(','));
    const qsizetype split = comma >= 0 ? comma : text.indexOf(QLatin1Char(' '));
    if (split < 0)
        return std::nullopt;
    const auto x = parseCount(text.left(split).trimmed());
    const auto y = parseCount(text.mid(split + 1).trimmed());
    if (!x || !y)
        return std::nullopt;
    return QStringLiteral("%1,%2").arg(*x).arg(*y);
}

} // namespace

QStringList kindNames()
{
    QStringList names;
    for (const KindName &k : kKindNames)
        names.append(QLatin1String(k.name));
    return names;
}

QString kindName(ReferenceKind kind)
{
    if (kind == ReferenceKind::ItemName)
        return QStringLiteral("item");
    for (const KindName &k : kKindNames)
        if (k.kind == kind)
            return QLatin1String(k.name);
    return QString();
}

std::optional<ReferenceKind> parseKind(QStringView name)
{
    for (const KindName &k : kKindNames)
        if (name.compare(QLatin1String(k.name), Qt::CaseInsensitive) == 0)
            return k.kind;
    return std::nullopt;
}

std::optional<QString> referenceKey(ReferenceKind kind, QStringView text)
{
    const QStringView trimmed = text.trimmed();
    switch (kind) {
    case ReferenceKind::Item:
    case ReferenceKind::Goal:
        if (const auto number = parseCount(trimmed))
            return QString::number(*number);
        return std::nullopt;
    case ReferenceKind::Square:
        return squareKey(trimmed);
    case ReferenceKind::ItemName: // matched without regard to letter case, shown as written
        if (trimmed.isEmpty())
            return std::nullopt;
        return trimmed.toString();
    default:
        if (trimmed.isEmpty())
            return std::nullopt;
        return upperCaseIn1252(trimmed.toString());
    }
}

QString Reference::text() const
{
    const QString what = kind == ReferenceKind::ItemName ? QStringLiteral("item named %1").arg(key)
                                                         : QStringLiteral("%1 %2").arg(kindName(kind), key);
    return role.isEmpty() ? what : QStringLiteral("%1 (%2)").arg(what, role);
}

} // namespace tav::refs
