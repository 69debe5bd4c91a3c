#include "core/macro/macro_file.h"

#include "core/common/file_io.h"
#include "core/common/user_name.h"
#include "core/common/windows1252.h"

#include <QFileInfo>

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

bool replacesOtherMacro(const GameFolder &folder, const QString &name, const std::optional<QString> &ownName)
{
    if (!checkMacroName(name))
        return false;
    const QString target = folder.resolve(macroFilePath(name));
    if (!QFileInfo::exists(target))
        return false;
    return !ownName || !checkMacroName(*ownName) || folder.resolve(macroFilePath(*ownName)) != target;
}

QString replaceMacroQuestion(const QString &name)
{
    return QStringLiteral("The macro %1 already exists (%2). Replace it with the macro in the editor?")
        .arg(name, macroFilePath(name));
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
    QStringList lines;
    LineScanner scanner(contents, kMacroLoneCr);
    for (ScannedLine line; scanner.next(line);)
        lines.append(decode1252(line.text));
    return lines;
}

} // namespace tav
