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
    int value = 0;
    for (QChar c : text) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return std::nullopt;
        value = 10 * value + (c.unicode() - '0');
    }
    return value;
}

// The decimal text of a number; the small ones, which nearly every use
// names, shared rather than made again for each use.
QString numberKey(int number)
{
    static const QStringList small = [] {
        QStringList texts;
        for (int n = 0; n < 1000; ++n)
            texts.append(QString::number(n));
        return texts;
    }();
    return number < small.size() ? small[number] : QString::number(number);
}

std::optional<QString> squareKeyOf(QStringView text)
{
    const qsizetype comma = text.indexOf(QLatin1Char(','));
    const qsizetype split = comma >= 0 ? comma : text.indexOf(QLatin1Char(' '));
    if (split < 0)
        return std::nullopt;
    return refs::squareKey(text.left(split), text.mid(split + 1));
}

} // namespace

std::optional<QString> squareKey(QStringView x, QStringView y)
{
    const auto column = parseCount(x.trimmed());
    const auto row = parseCount(y.trimmed());
    if (!column || !row)
        return std::nullopt;
    return numberKey(*column) + QLatin1Char(',') + numberKey(*row);
}

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
            return numberKey(*number);
        return std::nullopt;
    case ReferenceKind::Square:
        return squareKeyOf(trimmed);
    case ReferenceKind::ItemName: // matched without regard to letter case, shown as written
        if (trimmed.isEmpty())
            return std::nullopt;
        return trimmed.toString();
    default: {
        if (trimmed.isEmpty())
            return std::nullopt;
        QString key(trimmed.size(), Qt::Uninitialized);
        for (qsizetype i = 0; i < trimmed.size(); ++i)
            key[i] = upperCaseIn1252(trimmed[i]);
        return key;
    }
    }
}

QString Reference::text() const
{
    const QString what = kind == ReferenceKind::ItemName ? QStringLiteral("item named %1").arg(key)
                                                         : QStringLiteral("%1 %2").arg(kindName(kind), key);
    return role.isEmpty() ? what : QStringLiteral("%1 (%2)").arg(what, role);
}

} // namespace tav::refs
