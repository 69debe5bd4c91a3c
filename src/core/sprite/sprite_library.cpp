#include "core/sprite/sprite_library.h"

namespace tav {

QStringList spriteFolderEntries(const GameFolder &folder)
{
    QStringList entries{QString()};
    const QStringList subfolders =
        folder.list(QStringLiteral("GRAFIK"), QStringLiteral("*"), GameFolder::Entries::Folders);
    for (const QString &subfolder : subfolders)
        entries << QLatin1Char('\\') + subfolder;
    return entries;
}

QStringList spriteEntries(const GameFolder &folder, const QString &folderEntry)
{
    QStringList names = folder.list(QStringLiteral("GRAFIK") + folderEntry, QStringLiteral("*.SPR"));
    for (QString &name : names)
        name.chop(4);
    return names;
}

} // namespace tav
