#include "core/common/user_name.h"

#include <QStringList>

namespace tav {
namespace {

Status checkComponent(const QString &component, const QString &whole)
{
    if (component == QLatin1String("..") || component == QLatin1String("."))
        return Status::failure(QStringLiteral("The name \"%1\" must not contain \"..\".").arg(whole));
    if (component.contains(QLatin1Char(':')))
        return Status::failure(QStringLiteral("The name \"%1\" must not name a drive.").arg(whole));
    if (component.contains(QLatin1Char('/')))
        return Status::failure(QStringLiteral("The name \"%1\" must not contain \"/\".").arg(whole));
    for (QChar c : component)
        if (c.unicode() < 32)
            return Status::failure(QStringLiteral("The name \"%1\" contains a control character.").arg(whole));
    return Status::success();
}

} // namespace

Status checkFileName(const QString &name)
{
    if (name.trimmed().isEmpty())
        return Status::failure(QStringLiteral("Please enter a name."));
    if (name.contains(QLatin1Char('\\')) || name.contains(QLatin1Char('/')))
        return Status::failure(QStringLiteral("The name \"%1\" must not contain a folder separator.").arg(name));
    return checkComponent(name, name);
}

Status checkSpriteName(const QString &name)
{
    if (name.contains(QLatin1Char('/')))
        return Status::failure(QStringLiteral("The name \"%1\" must not contain \"/\".").arg(name));
    QString rest = name;
    if (rest.startsWith(QLatin1Char('\\')))
        rest.remove(0, 1);
    const QStringList parts = rest.split(QLatin1Char('\\'));
    if (parts.size() > 2)
        return Status::failure(QStringLiteral("The name \"%1\" may hold only one subfolder of GRAFIK.").arg(name));
    for (const QString &part : parts) {
        if (part.isEmpty())
            return Status::failure(QStringLiteral("The name \"%1\" is not a valid sprite name.").arg(name));
        const Status ok = checkComponent(part, name);
        if (!ok)
            return ok;
    }
    return Status::success();
}

} // namespace tav
