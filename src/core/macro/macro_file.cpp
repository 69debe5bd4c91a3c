#include "core/macro/macro_file.h"

#include "core/common/file_io.h"
#include "core/common/text_file.h"
#include "core/common/user_name.h"
#include "core/common/windows1252.h"

namespace tav {

QString macroFilePath(const QString &name)
{
    return kMacroFolder + QLatin1Char('\\') + name + QStringLiteral(".cmd");
}

Status checkMacroName(const QString &name)
{
    if (name.trimmed().isEmpty())
        return Status::success();
    return checkFileName(name);
}

Status saveMacro(const GameFolder &folder, const QString &name, const QString &body)
{
    const Status nameOk = checkMacroName(name);
    if (!nameOk)
        return nameOk;
    return writeFileAtomically(folder.resolve(macroFilePath(name)), encode1252(body));
}

QStringList listMacroNames(const GameFolder &folder)
{
    QStringList names = folder.list(kMacroFolder, QStringLiteral("*.CMD"));
    for (QString &name : names)
        name.chop(4);
    return names;
}

Result<QByteArray> readMacroFile(const GameFolder &folder, const QString &name)
{
    const Status nameOk = checkMacroName(name);
    if (!nameOk)
        return nameOk;
    return readWholeFile(folder.resolve(macroFilePath(name)));
}

QStringList macroLines(const QByteArray &contents)
{
    return TextFile::fromBytes(contents).lines;
}

} // namespace tav
