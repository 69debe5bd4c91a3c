#include "core/automap/automap_table.h"

#include "core/automap/file_replace.h"
#include "core/common/text_file.h"

#include <QFile>
#include <QFileInfo>

namespace tav {
namespace {

QString keyNumber(int value)
{
    return value < 0 ? QString::number(value) : QLatin1Char(' ') + QString::number(value);
}

} // namespace

QString automapKey(int x, int y)
{
    return keyNumber(x) + QLatin1Char(',') + keyNumber(y);
}

std::optional<QString> findAutomapString(const QStringList &lines, const QString &key)
{
    std::optional<QString> found;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        if (lines[i] == key && i + 1 < lines.size())
            found = lines[++i];
    }
    return found;
}

QStringList withAutomapString(QStringList lines, const QString &key, const QString &text)
{
    for (qsizetype i = 0; i < lines.size(); ++i) {
        if (lines[i] == key && i + 1 < lines.size())
            lines[++i] = text;
    }
    return lines;
}

int automapEntryCount(const QStringList &lines, const QString &key)
{
    int count = 0;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        if (lines[i] == key && i + 1 < lines.size()) {
            ++count;
            ++i;
        }
    }
    return count;
}

Result<std::optional<QString>> readAutomapString(const GameFolder &folder, int x, int y)
{
    const Result<TextFile> table = readTextFile(folder.resolve(kAutomapTablePath));
    if (!table)
        return table.status();
    return findAutomapString(table->lines, automapKey(x, y));
}

Status saveAutomapString(const GameFolder &folder, int x, int y, const QString &text, int *entriesUpdated)
{
    if (entriesUpdated)
        *entriesUpdated = 0;
    if (text.contains(QLatin1Char('\n')) || text.contains(QLatin1Char('\r')))
        return Status::failure(QStringLiteral("An automap string must be a single line."));

    const QString tablePath = folder.resolve(kAutomapTablePath);
    if (!QFileInfo(tablePath).isFile())
        return Status::failure(QStringLiteral("The automap table GAMEDATA\\AUTOMAP.DAT does not exist. "
                                              "The entry was not saved."));
    const Status replaceable = checkReplaceable(tablePath);
    if (!replaceable)
        return replaceable;
    const Result<TextFile> table = readTextFile(tablePath);
    if (!table)
        return table.status();

    const QString newPath = folder.resolve(kAutomapTableNewPath);
    // A scratch file: a link at its name is replaced, never written through.
    Status saved =
        writeTextFile(newPath, withAutomapString(table->lines, automapKey(x, y), text), LinkAtTarget::Replace);
    if (saved)
        saved = replaceFile(newPath, tablePath);
    if (!saved)
        QFile::remove(newPath);
    else if (entriesUpdated)
        *entriesUpdated = automapEntryCount(table->lines, automapKey(x, y));
    return saved;
}

} // namespace tav
