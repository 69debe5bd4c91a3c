#include "core/savegame/slot_list.h"

#include "core/common/number_field.h"
#include "core/common/text_file.h"
#include "core/savegame/data_set.h"

#include <QFile>
#include <QFileInfo>

namespace tav {
namespace {

const QString kSlotsFile = QStringLiteral("GAMEDATA\\SLOTS.INI");
const QString kSkillFile = QStringLiteral("SKILL.STS");

} // namespace

QStringList readSlotNames(const GameFolder &folder)
{
    const Result<TextFile> file = readTextFile(folder.resolve(kSlotsFile));
    return slotNamesFromLines(file ? file->lines : QStringList());
}

QStringList slotNamesFromLines(const QStringList &lines)
{
    QStringList names;
    for (int i = 0; i < kSlotCount; ++i)
        names.append(lines.value(i));
    return names;
}

QStringList slotFileLines(const QStringList &names)
{
    QStringList lines;
    for (int i = 0; i < kSlotCount; ++i)
        lines.append(withoutLineBreaks(names.value(i)));
    lines.append(numberField(1));
    return lines;
}

Status writeSlotNames(const GameFolder &folder, const QStringList &names)
{
    return writeTextFile(folder.resolve(kSlotsFile), slotFileLines(names));
}

QStringList dataSetEntries(const QStringList &slotNames)
{
    QStringList entries{kDefaultDataSetEntry};
    for (int n = 1; n <= kSlotCount; ++n)
        entries.append(QString::number(n) + QStringLiteral(". ") + slotNames.value(n - 1));
    return entries;
}

std::optional<Skill> readSlotSkill(const GameFolder &folder, int slot)
{
    if (!isSlot(slot))
        return std::nullopt;
    const Result<TextFile> file = readTextFile(folder.resolve(dataSetFilePath(dataSetFolderName(slot), kSkillFile)));
    if (!file)
        return std::nullopt;
    const std::optional<long long> value = file->lines.isEmpty() ? std::nullopt : parseNumberField(file->lines[0]);
    return value == 2 ? Skill::Hard : Skill::Normal;
}

Status writeSlotSkill(const GameFolder &folder, int slot, Skill skill)
{
    if (!isSlot(slot))
        return Status::failure(QStringLiteral("There is no SaveGame slot %1.").arg(slot));
    return writeTextFile(folder.resolve(dataSetFilePath(dataSetFolderName(slot), kSkillFile)),
                         QStringList{numberField(static_cast<int>(skill))});
}

Status deleteSlotFiles(const GameFolder &folder, int slot)
{
    if (!isSlot(slot))
        return Status::failure(QStringLiteral("There is no SaveGame slot %1.").arg(slot));
    const QString slotFolder = dataSetFolderPath(dataSetFolderName(slot));
    QStringList kept;
    for (const QString &name : folder.list(slotFolder)) {
        const QString diskPath = folder.resolve(gamePath({slotFolder, name}));
        const QFileInfo info(diskPath);
        if (!info.isFile() && !info.isSymLink())
            continue;
        if (!QFile::remove(diskPath))
            kept.append(name);
    }
    if (!kept.isEmpty())
        return Status::failure(QStringLiteral("These files of the SaveGame could not be deleted: %1")
                                   .arg(kept.join(QStringLiteral(", "))));
    return Status::success();
}

QString replaceUmlauts(const QString &text)
{
    QString result;
    result.reserve(text.size() + 4);
    for (const QChar c : text) {
        switch (c.unicode()) {
        case 0x00E4: result += QStringLiteral("ae"); break;
        case 0x00F6: result += QStringLiteral("oe"); break;
        case 0x00FC: result += QStringLiteral("ue"); break;
        case 0x00C4: result += QStringLiteral("Ae"); break;
        case 0x00D6: result += QStringLiteral("Oe"); break;
        case 0x00DC: result += QStringLiteral("Ue"); break;
        case 0x00DF: result += QStringLiteral("ss"); break;
        default: result += c;
        }
    }
    return result;
}

} // namespace tav
