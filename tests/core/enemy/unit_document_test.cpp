// Deleting a unit file is a step: undo writes it back, asking first when
// another program made a file of that name in the meantime.
#include "core/enemy/unit_document.h"

#include "support/temp_game_folder.h"

#include <gtest/gtest.h>

using namespace tav;
using namespace tav::enemy;
using tav::test::TempGameFolder;

namespace {

struct Answers : DocumentPrompts {
    bool replace = false;
    int asked = 0;
    bool mayReplaceChangedFile(const QString &) override
    {
        ++asked;
        return replace;
    }
    void tell(const QString &, const QString &) override {}
};

} // namespace

TEST(UnitDocument, UndoOfADeleteWritesTheUnitBack)
{
    TempGameFolder tmp;
    const QByteArray orc = unitFileBytes(Unit{QStringLiteral("Orc")});
    tmp.write("GAMEDATA/UNITS/ORC.UNI", orc);
    UnitDocument doc(tmp.folder());
    Answers answers;
    doc.setPrompts(&answers);
    int listed = 0;
    QObject::connect(&doc, &UnitDocument::unitFilesChanged, [&listed] { ++listed; });

    ASSERT_TRUE(doc.deleteUnit(QStringLiteral("ORC")));
    EXPECT_FALSE(tmp.exists("GAMEDATA/UNITS/ORC.UNI"));
    EXPECT_EQ(doc.undoText(), "delete ORC");
    doc.undo();
    EXPECT_EQ(tmp.read("GAMEDATA/UNITS/ORC.UNI"), orc);
    doc.redo();
    EXPECT_FALSE(tmp.exists("GAMEDATA/UNITS/ORC.UNI"));
    EXPECT_EQ(listed, 3);

    tmp.write("GAMEDATA/UNITS/ORC.UNI", "another program's orc");
    doc.undo(); // No: nothing written, the step goes
    EXPECT_EQ(answers.asked, 1);
    EXPECT_EQ(tmp.read("GAMEDATA/UNITS/ORC.UNI"), "another program's orc");
    EXPECT_FALSE(doc.canUndo());
    EXPECT_TRUE(doc.deleteUnit(QStringLiteral("GONE"))) << "a missing file is no failure";
    EXPECT_FALSE(doc.canUndo()) << "and no step";
}
