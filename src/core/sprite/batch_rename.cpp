#include "core/sprite/batch_rename.h"

#include "core/sprite/scrapboard.h"
#include "core/sprite/sprite_name.h"

#include <algorithm>

namespace tav::BatchRename {

QString seriesName(const QString &folderEntry, const QString &prefix, int number)
{
    return folderEntry + QLatin1Char('\\') + prefix + QString::number(number);
}

int lastFrameAllowed(const QString &prefix, int lastFrame)
{
    if (lastFrame > 9 && prefix.size() > 6)
        return 9;
    return lastFrame;
}

Status checkPrefix(const QString &folderEntry, const QString &prefix)
{
    if (prefix.contains(QLatin1Char('\\')) || prefix.contains(QLatin1Char('/')))
        return Status::failure(
            QStringLiteral("The name prefix \"%1\" must not contain a folder separator.").arg(prefix));
    return checkSpriteFileName(seriesName(folderEntry, prefix, 1));
}

int renameFrames(Scrapboard &board, const QString &folderEntry, const QString &prefix, int lastFrame)
{
    int named = 0;
    for (int number = 1; number <= std::min(lastFrame, Scrapboard::kFrames); ++number) {
        if (board.isEmpty(number - 1))
            continue;
        board.rename(number - 1, seriesName(folderEntry, prefix, number));
        ++named;
    }
    return named;
}

} // namespace tav::BatchRename
