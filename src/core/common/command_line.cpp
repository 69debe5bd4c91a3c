#include "core/common/command_line.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace tav {
namespace {

QString findExecutableIn(const QString &folderOnDisk, const QString &name)
{
    QDir dir(folderOnDisk);
    if (folderOnDisk.isEmpty() || !dir.exists())
        return QString();
    const QStringList entries = dir.entryList(QDir::Files | QDir::Executable);
    QString caseInsensitiveMatch;
    for (const QString &entry : entries) {
        if (entry == name)
            return dir.filePath(entry);
        if (caseInsensitiveMatch.isEmpty() && entry.compare(name, Qt::CaseInsensitive) == 0)
            caseInsensitiveMatch = dir.filePath(entry);
    }
    return caseInsensitiveMatch;
}

bool looksLikeUrl(const QString &text)
{
    return text.contains(QLatin1String("://")) || text.startsWith(QLatin1String("www."), Qt::CaseInsensitive);
}

} // namespace

CommandLine CommandLine::parse(const QString &line)
{
    QStringList words;
    QString current;
    bool inQuotes = false;
    bool hasWord = false;
    for (QChar c : line) {
        if (c == QLatin1Char('"')) {
            inQuotes = !inQuotes;
            hasWord = true;
        } else if (!inQuotes && (c == QLatin1Char(' ') || c == QLatin1Char('\t'))) {
            if (hasWord)
                words.append(current);
            current.clear();
            hasWord = false;
        } else {
            current += c;
            hasWord = true;
        }
    }
    if (hasWord)
        words.append(current);
    CommandLine result;
    if (!words.isEmpty()) {
        result.program = words.takeFirst();
        result.arguments = words;
    }
    return result;
}

StartTarget resolveCommandLine(const QString &line, const GameFolder &folder, const QString &kitFolderOnDisk)
{
    const CommandLine command = CommandLine::parse(line);
    StartTarget target;
    if (command.program.isEmpty())
        return target;

    const QString programName = QFileInfo(command.program).fileName();
    const bool isExplorer = programName.compare(QLatin1String("explorer"), Qt::CaseInsensitive) == 0
                            || programName.compare(QLatin1String("explorer.exe"), Qt::CaseInsensitive) == 0;
    const bool isNotepad = programName.compare(QLatin1String("notepad"), Qt::CaseInsensitive) == 0
                           || programName.compare(QLatin1String("notepad.exe"), Qt::CaseInsensitive) == 0;
    if (isExplorer || isNotepad) {
        const QString argument = command.arguments.join(QLatin1Char(' '));
        if (isExplorer && looksLikeUrl(argument)) {
            target.kind = StartTarget::Kind::OpenUrl;
            target.path = argument;
            return target;
        }
        const QString onDisk = folder.resolve(argument);
        const QFileInfo info(onDisk);
        if (!info.exists())
            return target;
        target.kind = info.isDir() ? StartTarget::Kind::OpenFolder : StartTarget::Kind::OpenDocument;
        target.path = onDisk;
        return target;
    }

    QString program;
    if (command.program.contains(QLatin1Char('\\')) || command.program.contains(QLatin1Char('/'))) {
        const QFileInfo info(folder.resolve(command.program));
        if (info.isFile() && info.isExecutable())
            program = info.absoluteFilePath();
    } else {
        program = findExecutableIn(folder.root(), command.program);
        if (program.isEmpty())
            program = findExecutableIn(kitFolderOnDisk, command.program);
        if (program.isEmpty())
            program = QStandardPaths::findExecutable(command.program);
        if (program.isEmpty())
            program = QStandardPaths::findExecutable(command.program.toLower());
    }
    if (program.isEmpty())
        return target;
    target.kind = StartTarget::Kind::Program;
    target.path = program;
    target.arguments = command.arguments;
    return target;
}

StartTarget resolveKitProgram(const QString &line, const QString &kitFolderOnDisk)
{
    const CommandLine command = CommandLine::parse(line);
    StartTarget target;
    target.path = command.program.isEmpty() ? QString() : findExecutableIn(kitFolderOnDisk, command.program);
    if (!target.path.isEmpty()) {
        target.kind = StartTarget::Kind::Program;
        target.arguments = command.arguments;
    }
    return target;
}

} // namespace tav
