// Every writer of the kit, the sprite saver and tavtool on a disk that fills
// up mid-save, on a read-only file and in a missing folder: the old bytes
// stay, the failure is reported and no temporary file is left behind.
#include "core/automap/automap_table.h"
#include "core/definitions/goal_list.h"
#include "core/definitions/idle_sounds.h"
#include "core/enemy/unit_file.h"
#include "core/macro/macro_file.h"
#include "core/savegame/player_file.h"
#include "core/savegame/slot_list.h"
#include "core/sprite/palette_file.h"
#include "core/sprite/sprite_file.h"
#include "core/sprite/sprite_image_files.h"

#include "support/file_size_limit.h"
#include "support/full_tmpfs.h"
#include "support/temp_game_folder.h"

#include <QDirIterator>
#include <QFileInfo>
#include <QProcess>

#include <gtest/gtest.h>

#include <functional>

using namespace tav;
using namespace tav::test;

namespace {

constexpr qint64 kNoLimit = -1;

// Saves into the folder, its files limited to a size (kNoLimit: unlimited).
using Save = std::function<Status(const TempGameFolder &, qint64 fileSizeLimit)>;

Save inProcess(std::function<Status(const GameFolder &)> save)
{
    return [save](const TempGameFolder &tmp, qint64 limit) {
        if (limit == kNoLimit)
            return save(tmp.folder());
        return runWithFileSizeLimit(limit, [&] { return save(tmp.folder()); });
    };
}

// Runs one of the kit's programs in the folder; a failure must be said in
// one line.
Status runProgram(const TempGameFolder &tmp, qint64 limit, const QString &program, const QStringList &arguments)
{
    QProcess process;
    process.setWorkingDirectory(tmp.root());
    if (limit != kNoLimit)
        limitFileSizeOf(process, limit);
    process.start(QStringLiteral(TAV_BINARY_DIR "/bin/") + program, arguments);
    if (!process.waitForFinished(20000))
        return Status::failure(program + QStringLiteral(" did not finish"));
    const QByteArray errors = process.readAllStandardError();
    if (process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0) {
        EXPECT_EQ(errors.count('\n'), 1) << errors.toStdString();
        return Status::failure(QString::fromLocal8Bit(errors));
    }
    EXPECT_TRUE(errors.isEmpty()) << errors.toStdString();
    return Status::success();
}

Save program(const char *name, QStringList arguments)
{
    return [name, arguments](const TempGameFolder &tmp, qint64 limit) {
        return runProgram(tmp, limit, QLatin1String(name), arguments);
    };
}

// Every colour of the palette a bright red.
QByteArray redPalette()
{
    std::array<std::array<int, 3>, PaletteFile::kColours> components{};
    components.fill({63, 0, 0});
    return paletteFileBytes(components);
}

struct Writer {
    const char *name;
    QString target;    // relative disk path of the file written
    QByteArray before; // what the target holds before the save
    Save save;
    bool createsFolder = false; // a missing folder on the way is made
    QList<std::pair<QString, QByteArray>> inputs = {}; // files the writer reads, with their bytes
};

void PrintTo(const Writer &writer, std::ostream *out)
{
    *out << writer.name;
}

PlayerState someHero()
{
    PlayerState state;
    state.hero.setGold(4711);
    state.goalAndMap.mapX = QStringLiteral("07");
    return state;
}

const Writer kWriters[] = {
    {"PlayerFile", "GAMEDATA/SAVE1/PLAYER.STS", "old player\r\n",
     inProcess([](const GameFolder &f) { return savePlayerFile(f, "GAMEDATA\\SAVE1\\PLAYER.STS", someHero()); })},
    {"UnitFile", "GAMEDATA/UNITS/ORC.UNI", "old unit\r\n", inProcess([](const GameFolder &f) {
         enemy::Unit orc;
         orc.description = QStringLiteral("Big orc");
         return enemy::writeUnitFile(f, QStringLiteral("ORC"), orc);
     })},
    {"Macro", "GAMEDATA/MAKRO/intro.cmd", "old macro\r\n",
     inProcess([](const GameFolder &f) { return saveMacro(f, "intro", "TEXT Hello\r\nWAIT 10\r\nTEXT again"); })},
    {"Goals", "GAMEDATA/GOALS.DAT", "old goal\r\n", inProcess([](const GameFolder &f) {
         return writeGoalList(f, GoalList({"Find the sword", "Free the village", "Meet the king"}));
     })},
    {"IdleSounds", "GAMEDATA/DEF_PIDL.DAT", "old sounds\r\n", inProcess([](const GameFolder &f) {
         return writeIdleSounds(f, {IdleSound{"SMITH", 3, "HAMMER"}, IdleSound{"COOK", 1, "POT"}});
     })},
    {"AutomapTable", "GAMEDATA/AUTOMAP.DAT", " 1, 2\r\nOld lake\r\n",
     inProcess([](const GameFolder &f) { return saveAutomapString(f, 1, 2, "The great northern lake"); })},
    {"SlotNames", "GAMEDATA/SLOTS.INI", "old slots\r\n", inProcess([](const GameFolder &f) {
         return writeSlotNames(f, {"Castle", "Forest", "Cave", "", "Tower"});
     })},
    {"SlotSkill", "GAMEDATA/SAVE1/SKILL.STS", "old\r\n",
     inProcess([](const GameFolder &f) { return writeSlotSkill(f, 1, Skill::Hard); })},
    {"SpriteSaver",
     "GRAFIK/NEW/ORC.SPR",
     "old sprite",
     program("sprsvr", {"GRAFIK\\NEW\\ORC.SPR"}),
     true,
     {{"SPREDIT.TMP", "2\r\n1\r\n7\r\n9\r\n"}}},
    {"ImageImport",
     "GRAFIK/NEW/ORC.SPR",
     "old sprite",
     program("tavtool", {"sprite", "import", "GAMEDATA/red.png", "\\NEW\\ORC", "--force"}),
     false,
     {{"GAMEDATA/MASTER.PAL", redPalette()}, {"GAMEDATA/red.png", redPngBytes(3, 2)}, {"GRAFIK/BAT.SPR", "old"}}},
    {"Rename",
     "GAMEDATA/UNITS/ORC.UNI",
     "Orc\r\nBOGL\r\n 1 \r\n 1 \r\n 0 \r\n 0 \r\n 5 \r\n 1 \r\n 0 \r\n 0 \r\n 0 \r\n 0 \r\n",
     program("tavtool", {"rename", "sprite", "BOGL", "MUDL"}),
     false,
     {{"GAMEDATA/GOALS.DAT", "Find the key\r\n"}}},
    {"ImageExport",
     "OUT/orc.png",
     "old image",
     program("tavtool", {"sprite", "export", "\\ORC", "OUT/orc.png", "--force"}),
     false,
     {{"GAMEDATA/MASTER.PAL", redPalette()}, {"GRAFIK/ORC.SPR", spriteFileBytes(2, 1, "\x07\x09")}}},
};

QStringList filesBelow(const QString &root)
{
    QStringList files;
    QDirIterator it(root, QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
    while (it.hasNext())
        files.append(it.next().mid(root.size()));
    files.sort();
    return files;
}

class EveryWriter : public ::testing::TestWithParam<Writer> {
protected:
    void writeInputs(const TempGameFolder &tmp) const
    {
        for (const auto &[path, bytes] : GetParam().inputs)
            tmp.write(path, bytes);
    }

    void prepare(const TempGameFolder &tmp) const
    {
        tmp.write(GetParam().target, GetParam().before);
        writeInputs(tmp);
    }

    // Saves under the limit (or read-only / missing folder prepared by the
    // caller) and checks that nothing changed but a reported failure.
    // Returns the reason given.
    QString expectRefused(const TempGameFolder &tmp, qint64 limit, const QString &why) const
    {
        const QStringList filesBefore = filesBelow(tmp.root());
        const QByteArray bytesBefore = tmp.read(GetParam().target);
        const Status saved = GetParam().save(tmp, limit);
        EXPECT_FALSE(saved) << why.toStdString();
        EXPECT_FALSE(saved.error().isEmpty()) << why.toStdString();
        EXPECT_EQ(tmp.read(GetParam().target), bytesBefore) << why.toStdString();
        EXPECT_EQ(filesBelow(tmp.root()), filesBefore) << why.toStdString();
        return saved.error();
    }
};

TEST_P(EveryWriter, KeepsTheOldFileWhenTheDiskFillsUpMidSave)
{
    qint64 size = 0;
    {
        TempGameFolder probe;
        prepare(probe);
        ASSERT_TRUE(GetParam().save(probe, kNoLimit));
        size = probe.read(GetParam().target).size();
        ASSERT_GT(size, 1);
    }
    for (const qint64 limit : {qint64(0), qint64(1), size / 2, size - 1}) {
        TempGameFolder tmp;
        prepare(tmp);
        const QString why = QStringLiteral("limit %1 of %2 bytes").arg(limit).arg(size);
        EXPECT_TRUE(expectRefused(tmp, limit, why).contains("not enough space")) << why.toStdString();
    }
    TempGameFolder tmp;
    prepare(tmp);
    const Status saved = GetParam().save(tmp, size);
    EXPECT_TRUE(saved) << "room for exactly the file: " << saved.error().toStdString();
}

TEST_P(EveryWriter, KeepsAReadOnlyFile)
{
    TempGameFolder tmp;
    prepare(tmp);
    tmp.makeReadOnly(GetParam().target);
    expectRefused(tmp, kNoLimit, QStringLiteral("read-only"));
}

TEST_P(EveryWriter, FailsInAMissingFolderWithoutMakingIt)
{
    if (GetParam().createsFolder)
        GTEST_SKIP() << "this writer makes the folders on the way";
    TempGameFolder tmp;
    writeInputs(tmp);
    expectRefused(tmp, kNoLimit, QStringLiteral("missing folder"));
}

TEST_P(EveryWriter, KeepsTheOldFileOnAFullTmpfs)
{
    TempGameFolder tmp;
    const FullTmpfs disk(tmp.root());
    if (!disk.mounted())
        GTEST_SKIP() << "needs root with the right to mount a tmpfs";
    prepare(tmp);
    disk.fill();
    EXPECT_TRUE(expectRefused(tmp, kNoLimit, QStringLiteral("full tmpfs")).contains("not enough space"));
}

INSTANTIATE_TEST_SUITE_P(Kit, EveryWriter, ::testing::ValuesIn(kWriters),
                         [](const auto &info) { return std::string(info.param.name); });

} // namespace

namespace {

// A full disk while the sheet is written: the image and its rectangles are
// replaced together or not at all.
TEST(SpriteSheetFaults, AFailedSheetLeavesTheOldImageAndJsonTogether)
{
    TempGameFolder tmp;
    const QByteArray sprite = spriteFileBytes(3, 2, "\x07\x07\x07\x09\x09\x09");
    for (const char *name : {"BATU1", "BATU2", "BATU3", "BATU4", "ORCU1", "ORCU2", "ORCU3", "ORCU4"})
        tmp.write(QStringLiteral("GRAFIK/UNITS/%1.SPR").arg(QLatin1String(name)), sprite);
    const SpriteColourMap colours(readGamePalette(tmp.folder()).colours);
    const auto sheet = [&](const QString &image) {
        return exportSpriteSheet(tmp.folder(), "\\UNITS", tmp.disk(image), SheetExport{4, 1}, colours).status();
    };
    ASSERT_TRUE(sheet("sizes.png"));
    const qint64 png = QFileInfo(tmp.disk("sizes.png")).size();
    const qint64 json = QFileInfo(tmp.disk("sizes.json")).size();
    // The image is written first and fits; its rectangles do not.
    ASSERT_LT(png, json);

    tmp.write("sheet.png", "old image");
    tmp.write("sheet.json", "old rectangles");
    const QStringList before = filesBelow(tmp.root());
    const Status failed = runWithFileSizeLimit((png + json) / 2, [&] { return sheet("sheet.png"); });
    EXPECT_FALSE(failed);
    EXPECT_TRUE(failed.error().contains("Nothing was replaced: sheet.png and sheet.json stay as they were."))
        << failed.error().toStdString();
    EXPECT_EQ(tmp.read("sheet.png"), "old image");
    EXPECT_EQ(tmp.read("sheet.json"), "old rectangles");
    EXPECT_EQ(filesBelow(tmp.root()), before);
}

} // namespace
