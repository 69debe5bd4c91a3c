// Goal and idle sound steps are applied to their file as it is just before
// the write, so another program's lines stay; undo and redo do the same.
#include "core/definitions/definition_documents.h"

#include "support/temp_game_folder.h"

#include <gtest/gtest.h>

using namespace tav;
using tav::test::TempGameFolder;

namespace {

struct Told : DocumentPrompts {
    QStringList texts;
    bool mayReplaceChangedFile(const QString &) override { return true; }
    void tell(const QString &text, const QString &) override { texts << text; }
};

using Kind = ListChange<QString>::Kind;

} // namespace

TEST(GoalsDocument, EachStepChangesTheFileAsItIsAndUndoDoesTheInverse)
{
    TempGameFolder tmp;
    tmp.write("GAMEDATA/GOALS.DAT", "Meet the elder\r\nCross the marsh\r\n");
    GoalsDocument goals(tmp.folder());
    Told told;
    goals.setPrompts(&told);
    ASSERT_TRUE(goals.open());

    goals.apply(QStringLiteral("add"), {Kind::Insert, 1, {}, QStringLiteral("Find the key")});
    goals.apply(QStringLiteral("rename"),
                {Kind::Replace, 0, QStringLiteral("Meet the elder"), QStringLiteral("Meet Maravin")});
    EXPECT_EQ(tmp.read("GAMEDATA/GOALS.DAT"), "Meet Maravin\r\nFind the key\r\nCross the marsh\r\n");

    // Another program adds a goal in front; the steps find their entries by text.
    tmp.write("GAMEDATA/GOALS.DAT", "Wake up\r\nMeet Maravin\r\nFind the key\r\nCross the marsh\r\n");
    goals.undo(); // rename back
    goals.undo(); // the added goal goes
    EXPECT_EQ(tmp.read("GAMEDATA/GOALS.DAT"), "Wake up\r\nMeet the elder\r\nCross the marsh\r\n");
    EXPECT_EQ(goals.entries(), QStringList({"Wake up", "Meet the elder", "Cross the marsh"}));
    goals.redo();
    EXPECT_EQ(tmp.read("GAMEDATA/GOALS.DAT"), "Wake up\r\nMeet the elder\r\nFind the key\r\nCross the marsh\r\n");

    // The goal to take back is gone: said, nothing written, the step dropped.
    tmp.write("GAMEDATA/GOALS.DAT", "Wake up\r\n");
    goals.undo();
    EXPECT_EQ(tmp.read("GAMEDATA/GOALS.DAT"), "Wake up\r\n");
    ASSERT_EQ(told.texts.size(), 1);
    EXPECT_EQ(told.texts[0], "The goal \"Find the key\" is no longer in GAMEDATA\\GOALS.DAT, so nothing was written.");
    EXPECT_EQ(goals.redoText(), "rename") << "the dropped step is gone from the history";
    EXPECT_FALSE(goals.isUnsaved());
}

TEST(IdleSoundsDocument, AFailedWriteKeepsTheListAsUnsavedWorkAndTheNextStepWritesIt)
{
    TempGameFolder tmp;
    tmp.write("GAMEDATA/DEF_PIDL.DAT", "ELDER\r\n 4 \r\nCOUGH\r\n");
    IdleSoundsDocument sounds(tmp.folder());
    Told told;
    sounds.setPrompts(&told);
    ASSERT_TRUE(sounds.open());
    const IdleSound giggle{QStringLiteral("CHILD"), 2, QStringLiteral("GIGGLE")};
    QFile::remove(tmp.disk("GAMEDATA/DEF_PIDL.DAT"));
    tmp.mkdir("GAMEDATA/DEF_PIDL.DAT"); // a folder in the file's place: the write fails
    sounds.apply(QStringLiteral("add"), {ListChange<IdleSound>::Kind::Insert, -1, {}, giggle});
    EXPECT_EQ(sounds.entries().size(), 2);
    EXPECT_TRUE(sounds.isUnsaved());
    EXPECT_EQ(told.texts.size(), 1);

    QDir(tmp.disk("GAMEDATA/DEF_PIDL.DAT")).removeRecursively();
    sounds.apply(QStringLiteral("remove"), {ListChange<IdleSound>::Kind::Remove, 0, sounds.entries()[0], {}});
    EXPECT_EQ(tmp.read("GAMEDATA/DEF_PIDL.DAT"), "CHILD\r\n 2 \r\nGIGGLE\r\n");
    EXPECT_FALSE(sounds.isUnsaved());
}
