#include "core/app/about_text.h"

#include "core/app/designer_version.h"
#include "core/common/text_file.h"

namespace tav {

QString readGameVersion(const GameFolder &folder)
{
    const Result<TextFile> file = readTextFile(folder.resolve(kVersionFilePath));
    if (!file || file->lines.isEmpty())
        return QString();
    return file->lines.first();
}

QString aboutVersionText(const QString &gameVersion)
{
    return QStringLiteral("game version: ") + gameVersion + QStringLiteral("\r\n")
           + QStringLiteral("designer version: ") + DesignerVersion().text() + QStringLiteral("\r\n")
           + kLogoSentence;
}

bool revealsHiddenPicture(const QString &text)
{
    return text == kLogoSentence;
}

} // namespace tav
