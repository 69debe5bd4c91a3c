#include "core/check/rules.h"

#include "core/common/number_field.h"
#include "core/savegame/data_set.h"

namespace tav::check {
namespace {

constexpr int kSlotsFileLines = kSlotCount + 1;

void checkSlotsFile(CheckContext &context)
{
    const std::optional<ListedText> slotNames = context.readGameDataText(QStringLiteral("SLOTS.INI"));
    if (!slotNames)
        return;
    const ListedEntry *entry = slotNames->entry;
    const TextFile *file = &slotNames->file;
    const qsizetype lines = file->lines.size();
    if (lines != kSlotsFileLines)
        context.findings.error(
            entry->gamePath, 0, "slots-lines",
            QStringLiteral("holds %1 lines; it has six: the five slot names and the number 1").arg(lines));
    if (lines >= kSlotsFileLines && parseNumberField(file->lines[kSlotsFileLines - 1]) != 1)
        context.findings.error(
            entry->gamePath, kSlotsFileLines, "slots-last-line",
            QStringLiteral("line 6 is %1, not the number 1").arg(quoted(file->lines[kSlotsFileLines - 1])))
            .note = QStringLiteral("line 6 reads ' 1 ' (a blank, 1, a blank)");
}

void checkSkillFile(CheckContext &context, const ListedFolder &slotFolder)
{
    const ListedEntry *entry = slotFolder.find(QStringLiteral("SKILL.STS"));
    if (!entry)
        return;
    const std::optional<TextFile> file = context.readText(*entry);
    if (!file)
        return;
    const std::optional<long long> skill = file->lines.isEmpty() ? std::nullopt : parseNumberField(file->lines[0]);
    if (file->lines.size() != 1 || (skill != 1 && skill != 2))
        context.findings.error(entry->gamePath, 1, "skill-value",
                               QStringLiteral("holds %1; it holds one number, 1 (normal) or 2 (hard)")
                                   .arg(quoted(file->lines.join(QStringLiteral(" | ")))))
            .note = QStringLiteral("the file is one line, ' 1 ' or ' 2 '");
}

bool isSlotFolderName(const QString &name)
{
    for (int slot = 1; slot <= kSlotCount; ++slot)
        if (name.compare(dataSetFolderName(slot), Qt::CaseInsensitive) == 0)
            return true;
    return false;
}

} // namespace

void checkSlots(CheckContext &context)
{
    checkSlotsFile(context);
    for (const ListedFolder &set : context.listing.dataSets.mid(1))
        checkSkillFile(context, set);
    for (const ListedEntry &entry : context.listing.gamedata.entries()) {
        if (!entry.name.startsWith(QStringLiteral("SAVE"), Qt::CaseInsensitive))
            continue;
        if (!isSlotFolderName(entry.name) && entry.isFolder)
            context.findings.error(
                entry.gamePath, 0, "slot-folder",
                QStringLiteral("is not one of the slot folders SAVE1 to SAVE5; the game never reads it"));
        else if (isSlotFolderName(entry.name) && !entry.isFolder)
            context.findings.error(entry.gamePath, 0, "slot-folder",
                                   QStringLiteral("is a file where a slot folder belongs"));
    }
}

} // namespace tav::check
