#include "core/automap/automap_entry_document.h"

#include "core/automap/automap_table.h"
#include "core/automap/map_file_name.h"
#include "core/common/number_field.h"
#include "core/common/text_file.h"

namespace tav {
namespace {

const QString kX = QStringLiteral("x");
const QString kY = QStringLiteral("y");

} // namespace

AutomapEntryDocument::AutomapEntryDocument(const GameFolder &folder, QObject *parent)
    : FormDocument<AutomapEntry>(folder, AutomapEntry{}, parent)
{
}

QString AutomapEntryDocument::squareName(int x, int y)
{
    return twoDigits(x) + QLatin1Char('/') + twoDigits(y);
}

AutomapEntryDocument::TableRead AutomapEntryDocument::readTable(int x, int y) const
{
    const Result<TextFile> table = readTextFile(folder().resolve(kAutomapTablePath));
    if (!table)
        return {};
    return {table->lines, findAutomapString(table->lines, automapKey(x, y))};
}

AutomapEntryDocument::Reading AutomapEntryDocument::selectSquare(int x, int y)
{
    const TableRead read = readTable(x, y);
    AutomapEntry entry = form();
    entry.x = x;
    entry.y = y;
    if (read.entry)
        entry.text = *read.entry;
    if (read.lines) {
        m_tableLines = *read.lines;
        takeFile(kAutomapTablePath);
    }
    m_fileEntries[{x, y}] = read.entry;
    const bool leavesUnsaved = isUnsaved();
    m_savedTexts[{x, y}] = entry.text;
    if (leavesUnsaved) {
        change(QStringLiteral("square ") + squareName(x, y), entry);
    } else {
        takeQuietly(entry);
    }
    const Reading reading = !read.lines ? Reading::Unreadable : read.entry ? Reading::Found : Reading::NoEntry;
    m_readings[{x, y}] = reading;
    return reading;
}

bool AutomapEntryDocument::mayWriteEntry()
{
    const AutomapEntry &entry = form();
    const auto known = m_fileEntries.find({entry.x, entry.y});
    // A square never read (the one shown at the start) has nothing to compare.
    if (known == m_fileEntries.end())
        return true;
    // A table that cannot be read is not written either; the save says why.
    const TableRead now = readTable(entry.x, entry.y);
    if (!now.lines || now.entry == *known)
        return true;
    return prompts() && prompts()->mayReplaceChangedFile(kAutomapTablePath);
}

void AutomapEntryDocument::markEntrySaved()
{
    const AutomapEntry &entry = form();
    m_savedTexts[{entry.x, entry.y}] = entry.text;
    const TableRead now = readTable(entry.x, entry.y);
    if (now.lines)
        m_tableLines = *now.lines;
    m_fileEntries[{entry.x, entry.y}] = now.entry;
    markSaved();
    takeFile(kAutomapTablePath);
}

bool AutomapEntryDocument::isUnsaved() const
{
    const AutomapEntry &entry = form();
    // The square shown at the start, never read, showed an empty string.
    return isRestored() || m_savedTexts.value({entry.x, entry.y}) != entry.text;
}

QByteArray AutomapEntryDocument::fileBytes() const
{
    const AutomapEntry &entry = form();
    return TextFile{withAutomapString(m_tableLines, automapKey(entry.x, entry.y), entry.text)}.toBytes();
}

QJsonObject AutomapEntryDocument::windowState() const
{
    return QJsonObject{{kX, form().x}, {kY, form().y}};
}

Status AutomapEntryDocument::restore(const QByteArray &fileBytes, const QJsonObject &windowState)
{
    const int x = windowState.value(kX).toInt(0);
    const int y = windowState.value(kY).toInt(0);
    if (x < 1 || x > kWorldColumns || y < 1 || y > kWorldRows)
        return Status::failure(QStringLiteral("the copy names no square of the grid"));
    const QStringList lines = TextFile::fromBytes(fileBytes).lines;
    const std::optional<QString> text = findAutomapString(lines, automapKey(x, y));
    if (!text)
        return Status::failure(QStringLiteral("the copy's table has no entry for square %1").arg(squareName(x, y)));
    m_tableLines = lines;
    takeRestored(AutomapEntry{x, y, *text});
    return Status::success();
}

Status AutomapEntryDocument::reload()
{
    const AutomapEntry &entry = form();
    const TableRead read = readTable(entry.x, entry.y);
    if (!read.lines)
        return Status::failure(QStringLiteral("%1 could not be read.").arg(kAutomapTablePath));
    m_tableLines = *read.lines;
    m_fileEntries[{entry.x, entry.y}] = read.entry;
    AutomapEntry loaded = entry;
    if (read.entry)
        loaded.text = *read.entry;
    m_savedTexts[{entry.x, entry.y}] = loaded.text;
    takeLoaded(QStringLiteral("load square ") + squareName(entry.x, entry.y), loaded);
    takeFile(kAutomapTablePath);
    return Status::success();
}

QString AutomapEntryDocument::describeChange(const AutomapEntry &before, const AutomapEntry &after) const
{
    if (before.x != after.x || before.y != after.y)
        return QStringLiteral("square ") + squareName(after.x, after.y);
    return QStringLiteral("automap %1 \"%2\" -> \"%3\"").arg(squareName(after.x, after.y), before.text, after.text);
}

} // namespace tav
