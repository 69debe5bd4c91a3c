// Renames and renumberings over a copy of the sample: the bytes each file
// holds afterwards, the checker's verdict, and the way back.
#include "core/check/game_check.h"
#include "core/refs/rename_plan.h"
#include "core/refs/renumber_plan.h"
#include "support/sample_faults.h"

#include <QDirIterator>
#include <QMap>

#include <gtest/gtest.h>

#include <functional>

namespace tav::refs {
namespace {

using test::TempGameFolder;
using Snapshot = QMap<QString, QByteArray>; // relative path -> bytes

Snapshot snapshot(const TempGameFolder &tmp)
{
    Snapshot files;
    QDirIterator it(tmp.root(), QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        files.insert(path.mid(tmp.root().size() + 1), tmp.read(path.mid(tmp.root().size() + 1)));
    }
    return files;
}

ReferenceIndex indexOf(const TempGameFolder &tmp, int *errors = nullptr)
{
    ReferenceIndex index;
    const check::CheckReport report = check::checkGameFolder(tmp.root(), &index);
    if (errors)
        *errors = report.count(check::Severity::Error);
    return index;
}

// The file's bytes with line `line` (from 1) replaced.
QByteArray withLine(QByteArray bytes, int line, const QByteArray &text)
{
    QList<QByteArray> lines = bytes.split('\n');
    lines[line - 1] = text + '\r';
    return lines.join('\n');
}

Status apply(const TempGameFolder &tmp, const Result<ChangePlan> &plan)
{
    return plan ? applyPlan(tmp.folder(), plan.value()) : plan.status();
}

struct RenameRow {
    ReferenceKind kind;
    const char *from;
    const char *to;
    QList<std::array<const char *, 3>> edits; // file, every text replaced, by
    QList<std::array<const char *, 2>> moves; // file, new name
};

const RenameRow kRenames[] = {
    {ReferenceKind::Sprite,
     "BOGL",
     "mudl",
     {{"GAMEDATA/UNITS/BOGLING.UNI", "\nBOGL\r", "\nMUDL\r"}, {"GAMEDATA/UNITS/ROTBOGL.UNI", "\nBOGL\r", "\nMUDL\r"}},
     {{"GRAFIK/UNITS/BOGLU1.SPR", "GRAFIK/UNITS/MUDLU1.SPR"}, {"GRAFIK/UNITS/BOGLZ1.SPR", "GRAFIK/UNITS/MUDLZ1.SPR"}}},
    {ReferenceKind::Sound,
     "chime",
     "bell",
     {{"GAMEDATA/DEF_PIDL.DAT", "CHIME", "BELL"},
      {"GAMEDATA/MAKRO/ELDER.cmd", "WAV chime", "WAV bell"},
      {"GAMEDATA/MAKRO/ITEMS.CMD", "WAV !chime", "WAV !bell"},
      {"GAMEDATA/MAKRO/LONGTALE.cmd", "WAV chime", "WAV bell"},
      {"GAMEDATA/MAKRO/MIRROW.cmd", "POS schime", "POS sbell"}},
     {{"SOUNDS/chime.wav", "SOUNDS/bell.wav"}}},
    {ReferenceKind::Unit, "Eye", "seer", {{"GAMEDATA/MAKRO/VAULT.CMD", "KIL EYE", "KIL SEER"}}, {}},
    {ReferenceKind::Unit, "GNASHER", "GNAWER", {}, {{"GAMEDATA/UNITS/GNASHER.UNI", "GAMEDATA/UNITS/GNAWER.UNI"}}},
};

TEST(Rename, ChangesOnlyTheNameEverywhereAndRenamingBackRestoresEveryByte)
{
    for (const RenameRow &row : kRenames) {
        SCOPED_TRACE(row.from);
        TempGameFolder tmp;
        test::copySample(tmp);
        // Other sprites' files, which a sprite BOGL's rename leaves.
        for (const char *other : {"GRAFIK/UNITS/BOGLAU1.SPR", "GRAFIK/UNITS/BOGLU1X.SPR"})
            tmp.write(other, tmp.read("GRAFIK/UNITS/BOGLU1.SPR"));
        const Snapshot before = snapshot(tmp);
        Snapshot expected = before;
        for (const auto &[file, text, by] : row.edits)
            expected[file].replace(text, by);
        for (const auto &[file, renamed] : row.moves)
            expected.insert(renamed, expected.take(file));

        ASSERT_TRUE(apply(tmp, planRename(tmp.folder(), indexOf(tmp), row.kind, row.from, row.to)));
        EXPECT_EQ(snapshot(tmp), expected);
        int errors = -1;
        const ReferenceIndex after = indexOf(tmp, &errors);
        EXPECT_EQ(errors, 0);

        ASSERT_TRUE(apply(tmp, planRename(tmp.folder(), after, row.kind, row.to, row.from)));
        EXPECT_EQ(snapshot(tmp), before);
    }
}

TEST(Rename, ACutShortRenameIsCompletedByAskingForItAgain)
{
    TempGameFolder done;
    test::copySample(done);
    ASSERT_TRUE(apply(done, planRename(done.folder(), indexOf(done), ReferenceKind::Sprite, "BOGL", "MUDL")));

    // Killed after the first unit was replaced and the first file renamed.
    TempGameFolder cut;
    test::copySample(cut);
    cut.write("GAMEDATA/UNITS/BOGLING.UNI", done.read("GAMEDATA/UNITS/BOGLING.UNI"));
    ASSERT_TRUE(QFile::rename(cut.disk("GRAFIK/UNITS/BOGLU1.SPR"), cut.disk("GRAFIK/UNITS/MUDLU1.SPR")));
    ASSERT_TRUE(apply(cut, planRename(cut.folder(), indexOf(cut), ReferenceKind::Sprite, "BOGL", "MUDL")));
    EXPECT_EQ(snapshot(cut), snapshot(done));
}

TEST(Rename, RefusesANameTheKitWouldRefuse)
{
    TempGameFolder tmp;
    test::copySample(tmp);
    const ReferenceIndex index = indexOf(tmp);
    const struct {
        ReferenceKind kind;
        const char *from;
        const char *to;
        const char *reason;
    } rows[] = {
        {ReferenceKind::Sprite, "BOGL", "MUDLARK", "at most 6 characters"},
        {ReferenceKind::Unit, "WARDEN", "GATEKEEPER", "at most 8 characters"},
        {ReferenceKind::Sound, "chime", "two words", "holds ' '"},
        {ReferenceKind::Sound, "chime", "CHIME", "letter case"},
        {ReferenceKind::Sprite, "BOGL", "bat", "GRAFIK\\UNITS\\BATU1.SPR exists already"},
        {ReferenceKind::Unit, "WARDEN", "..", "\"..\""},
        {ReferenceKind::Unit, "WARDEN", "A/B", "folder separator"},
        {ReferenceKind::Sprite, "NOSUCH", "X", "Nothing names sprite NOSUCH"},
    };
    for (const auto &row : rows) {
        const Result<ChangePlan> plan = planRename(tmp.folder(), index, row.kind, row.from, row.to);
        ASSERT_FALSE(plan) << row.to;
        EXPECT_TRUE(plan.error().contains(QLatin1String(row.reason))) << plan.error().toStdString();
    }
}

struct RenumberRow {
    ReferenceKind kind;
    int from;
    int to;
    QList<std::tuple<const char *, int, const char *>> lines; // file, line, text after
};

const RenumberRow kRenumbers[] = {
    {ReferenceKind::Goal,
     1,
     3,
     {{"GAMEDATA/SAVE1/PLAYER.STS", 130, "1"},
      {"GAMEDATA/MAKRO/BEACON.cmd", 14, "XXX 17 12 1"},
      {"GAMEDATA/MAKRO/ELDER.cmd", 7, "XXX 12 08 3"},
      {"GAMEDATA/GOALS.DAT", 2, "Cross the Ashen Marsh"},
      {"GAMEDATA/GOALS.DAT", 4, "Find the ferryman's lost key"}}},
    {ReferenceKind::Item,
     2,
     5,
     {{"GAMEDATA/SAVE1/PLAYER.STS", 5, " 5 "},
      {"GAMEDATA/SAVE1/PLAYER.STS", 9, " 4 "},
      {"GAMEDATA/MAKRO/ELDER.cmd", 8, "ITM + 5"},
      {"GAMEDATA/MAKRO/SHOP.cmd", 10, "ITM + 4"},
      {"GAMEDATA/ITMNAMES.DAT", 4, "Red potion"},
      {"GAMEDATA/ITMNAMES.DAT", 9, " 5 "},
      {"GAMEDATA/ITMNAMES.DAT", 10, "Healing herb"}}},
};

TEST(Renumber, RewritesTheNumbersInSavegamesAndMacrosAndUndoesExactly)
{
    for (const RenumberRow &row : kRenumbers) {
        TempGameFolder tmp;
        test::copySample(tmp);
        const Snapshot before = snapshot(tmp);
        const Result<ChangePlan> plan = planRenumber(tmp.folder(), indexOf(tmp), row.kind, row.from, row.to);
        ASSERT_TRUE(apply(tmp, plan));
        for (const auto &[file, line, text] : row.lines)
            EXPECT_EQ(tmp.read(file), withLine(tmp.read(file), line, text)) << file << ":" << line;
        // Only the digits changed in the savegame.
        const QByteArray player = before["GAMEDATA/SAVE1/PLAYER.STS"];
        QByteArray expected = player;
        for (const auto &[file, line, text] : row.lines)
            if (QLatin1String(file) == QLatin1String("GAMEDATA/SAVE1/PLAYER.STS"))
                expected = withLine(expected, line, text);
        EXPECT_EQ(tmp.read("GAMEDATA/SAVE1/PLAYER.STS"), expected);
        int errors = -1;
        indexOf(tmp, &errors);
        EXPECT_EQ(errors, 0);

        ASSERT_TRUE(apply(tmp, plan->inverse()));
        EXPECT_EQ(snapshot(tmp), before);
    }
}

TEST(GoalEdit, DeleteAndInsertRenumberTheLaterGoalsAndUndoAsOneStep)
{
    TempGameFolder tmp;
    test::copySample(tmp);
    const Snapshot before = snapshot(tmp);

    const Result<ChangePlan> deleted = planGoalDelete(tmp.folder(), indexOf(tmp), 1);
    ASSERT_TRUE(deleted);
    EXPECT_EQ(deleted->left.size(), 14); // ELDER.cmd and 13 chapters of LONGTALE.cmd name goal 1
    EXPECT_EQ(deleted->left.first().file, QStringLiteral("GAMEDATA\\MAKRO\\ELDER.cmd"));
    ASSERT_TRUE(applyPlan(tmp.folder(), deleted.value()));
    EXPECT_EQ(tmp.read("GAMEDATA/SAVE1/PLAYER.STS"), withLine(before["GAMEDATA/SAVE1/PLAYER.STS"], 130, "1"));
    EXPECT_EQ(tmp.read("GAMEDATA/MAKRO/ELDER.cmd"), before["GAMEDATA/MAKRO/ELDER.cmd"]);
    EXPECT_TRUE(tmp.read("GAMEDATA/MAKRO/BEACON.cmd").contains("XXX 17 12 1\r\n"));
    EXPECT_FALSE(tmp.read("GAMEDATA/GOALS.DAT").contains("lost key"));
    ASSERT_TRUE(applyPlan(tmp.folder(), deleted->inverse()));
    EXPECT_EQ(snapshot(tmp), before);

    const Result<ChangePlan> inserted = planGoalInsert(tmp.folder(), indexOf(tmp), 0, "Wake up");
    ASSERT_TRUE(apply(tmp, inserted));
    EXPECT_TRUE(tmp.read("GAMEDATA/GOALS.DAT").startsWith("Wake up\r\nTalk to the elder"));
    EXPECT_EQ(tmp.read("GAMEDATA/MAPS/PLAYER.STS"), withLine(before["GAMEDATA/MAPS/PLAYER.STS"], 130, "1"));
    ASSERT_TRUE(applyPlan(tmp.folder(), inserted->inverse()));
    EXPECT_EQ(snapshot(tmp), before);
}

// A change that cannot write every file leaves every file as it was.
TEST(ApplyPlan, AFailureLeavesEveryFileAsItWasAndNamesTheFile)
{
    const struct {
        const char *what;
        std::function<void(const TempGameFolder &)> beforeIndex, beforeApply;
        const char *reason;
    } rows[] = {
        {"read-only",
         {},
         [](const TempGameFolder &t) { t.makeReadOnly("GAMEDATA/UNITS/ROTBOGL.UNI"); },
         "ROTBOGL.UNI is read-only"},
        {"changed since read",
         {},
         [](const TempGameFolder &t) { t.write("GAMEDATA/UNITS/ROTBOGL.UNI", "Rot\r\nBOGL\r\n"); },
         "ROTBOGL.UNI changed since it was read"},
        {"name taken meanwhile",
         {},
         [](const TempGameFolder &t) { t.write("GRAFIK/UNITS/MUDLZ1.SPR", "x"); },
         "MUDLZ1.SPR exists already"},
        {"a unit that is a link",
         [](const TempGameFolder &t) {
             t.write("GAMEDATA/ROT.TXT", t.read("GAMEDATA/UNITS/ROTBOGL.UNI"));
             QFile::remove(t.disk("GAMEDATA/UNITS/ROTBOGL.UNI"));
             QFile::link("../ROT.TXT", t.disk("GAMEDATA/UNITS/ROTBOGL.UNI"));
         },
         {},
         "ROTBOGL.UNI is reached through a link"},
        {"a macro that cannot be read",
         [](const TempGameFolder &t) { t.mkdir("GAMEDATA/MAKRO/ODD.cmd"); },
         {},
         "ODD.cmd could not be read"},
    };
    for (const auto &row : rows) {
        TempGameFolder tmp;
        test::copySample(tmp);
        if (row.beforeIndex)
            row.beforeIndex(tmp);
        const Result<ChangePlan> plan = planRename(tmp.folder(), indexOf(tmp), ReferenceKind::Sprite, "BOGL", "MUDL");
        if (row.beforeApply)
            row.beforeApply(tmp);
        const Snapshot before = snapshot(tmp);
        const Status applied = apply(tmp, plan);
        ASSERT_FALSE(applied) << row.what;
        EXPECT_TRUE(applied.error().contains(QLatin1String(row.reason))) << applied.error().toStdString();
        EXPECT_EQ(snapshot(tmp), before) << row.what;
    }
}

} // namespace
} // namespace tav::refs
