#include "core/enemy/unit_catalog.h"

#include "core/common/windows1252.h"

#include <QFile>
#include <QFileInfo>

#include <algorithm>

namespace tav::enemy {
namespace {

QStringList namesWithoutEnding(const QStringList &files, int endingLength)
{
    QStringList names;
    names.reserve(files.size());
    for (const QString &file : files)
        names.append(upperCaseIn1252(file.chopped(std::min<qsizetype>(endingLength, file.size()))));
    return names;
}

QString spriteFileIn(const QString &folder, const QString &spriteName, const QString &ending)
{
    if (spriteName.isEmpty() || spriteName.contains(QLatin1Char('\\')) || spriteName.contains(QLatin1Char('/')))
        return QString();
    return gamePath({folder, spriteName + ending});
}

} // namespace

QStringList unitNames(const GameFolder &folder)
{
    return namesWithoutEnding(folder.list(QStringLiteral("GAMEDATA\\UNITS"), QStringLiteral("*.UNI")), 4);
}

QString unitSpriteFolder(bool boss)
{
    return boss ? QStringLiteral("GRAFIK\\BOSS") : QStringLiteral("GRAFIK\\UNITS");
}

QStringList unitSpriteNames(const GameFolder &folder, bool boss)
{
    return namesWithoutEnding(folder.list(unitSpriteFolder(boss), QStringLiteral("*u1.SPR")), 6);
}

QString unitSpriteFile(const QString &spriteName, bool boss)
{
    return spriteFileIn(unitSpriteFolder(boss), spriteName, QStringLiteral("U1.SPR"));
}

QString zombieSpriteFile(const QString &spriteName)
{
    return spriteFileIn(unitSpriteFolder(false), spriteName, QStringLiteral("Z1.SPR"));
}

bool hasZombieSprite(const GameFolder &folder, const QString &spriteName)
{
    const QString zombie = zombieSpriteFile(spriteName);
    if (zombie.isEmpty())
        return false;
    const QString path = folder.resolve(zombie);
    QFile file(path);
    return QFileInfo(path).isFile() && file.open(QIODevice::ReadOnly);
}

TypedUnitName fitTypedUnitName(const QString &typed, int caret)
{
    const QString text = upperCaseIn1252(typed.left(kUnitNameLength));
    return {text, std::clamp(caret, 0, int(text.size()))};
}

} // namespace tav::enemy
