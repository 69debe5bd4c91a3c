#include "core/sprite/sprite_name.h"

#include "core/common/user_name.h"

namespace tav {

const QString kDosNameMessage = QStringLiteral(
    "The specified filename is not a valid DOS filename. DOS filenames can only have a length of up to 8 characters.");

QString spriteFileGamePath(const QString &name)
{
    return QStringLiteral("GRAFIK") + name + QStringLiteral(".SPR");
}

QString saverCommandLine(const QString &name)
{
    return QStringLiteral("SPRSVR ") + spriteFileGamePath(name);
}

bool isDosSpriteName(const QString &name)
{
    return name.right(9).contains(QLatin1Char('\\'));
}

Status checkSpriteFileName(const QString &name)
{
    if (!name.startsWith(QLatin1Char('\\')))
        return Status::failure(QStringLiteral("The sprite name \"%1\" must begin with a backslash.").arg(name));
    return checkSpriteName(name);
}

SpriteNameParts splitSpriteName(const QString &name)
{
    const QString rest = name.mid(1);
    const qsizetype k = rest.indexOf(QLatin1Char('\\'));
    if (k < 0)
        return {QString(), rest};
    return {QLatin1Char('\\') + rest.left(k), rest.mid(k + 1)};
}

} // namespace tav
