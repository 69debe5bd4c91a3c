// The macro document's history: a keystroke and the formatting it triggers
// are one step; New, a load and the name are steps too.
#include "core/macro/macro_document.h"

#include "support/temp_game_folder.h"

#include <gtest/gtest.h>

using namespace tav;
using tav::test::TempGameFolder;

namespace {

// Types text at the end of the body, one character a step.
void type(MacroDocument &doc, const QString &text)
{
    for (const QChar c : text) {
        const qsizetype last = doc.body().lineCount() - 1;
        const TextPos end{last, doc.body().line(last).size()};
        doc.applyEdit(BodyEdit{end, end, QString(c), end.column + 1});
    }
}

} // namespace

TEST(MacroDocument, UndoBringsBackTheBodyAsItWasBeforeEachKeystroke)
{
    TempGameFolder tmp;
    MacroDocument doc(tmp.folder());
    type(doc, QStringLiteral("arm"));
    type(doc, QStringLiteral(" "));
    EXPECT_EQ(doc.body().text(), "ARM ");
    EXPECT_EQ(doc.undoText(), "type \" \"");
    doc.undo();
    EXPECT_EQ(doc.body().text(), "arm") << "before the blank that made it ARM";
    doc.redo();
    EXPECT_EQ(doc.body().text(), "ARM ");

    type(doc, QStringLiteral("?\r"));
    EXPECT_EQ(doc.undoText(), "new line");
    type(doc, QStringLiteral("end"));
    doc.editName(QStringLiteral("GATE"));
    EXPECT_TRUE(doc.canUndo());
    doc.undo(); // the name edit becomes a step first, then goes
    EXPECT_EQ(doc.name(), "NoName");
    EXPECT_EQ(doc.redoText(), "name NoName -> GATE");
    for (int i = 0; i < 9; ++i) // a r m, the blank, ?, the line break, e n d
        doc.undo();
    EXPECT_EQ(doc.body().text(), "");
    EXPECT_FALSE(doc.isUnsaved());
}

TEST(MacroDocument, NewAndALoadAreOneStepEachAndTheLoadMatchesItsFile)
{
    TempGameFolder tmp;
    tmp.write("GAMEDATA/MAKRO/ELDER.cmd", "  arm 1\r\n%bad\r\ntext x");
    MacroDocument doc(tmp.folder());
    int warnings = 0;
    QObject::connect(&doc, &MacroDocument::percentsDropped, [&warnings](int n) { warnings += n; });
    type(doc, QStringLiteral("draft"));
    EXPECT_FALSE(doc.reload()) << "no file yet";
    doc.load(QStringLiteral("ELDER"), tmp.read("GAMEDATA/MAKRO/ELDER.cmd"));
    EXPECT_EQ(doc.body().text(), "ARM 1\r\nbad\r\ntext x\r\n");
    EXPECT_EQ(warnings, 1);
    EXPECT_EQ(doc.undoText(), "load ELDER");
    EXPECT_FALSE(doc.isUnsaved());
    EXPECT_EQ(doc.gamePath(), "GAMEDATA\\MAKRO\\ELDER.cmd");
    doc.undo();
    EXPECT_EQ(doc.body().text(), "draft");
    EXPECT_EQ(doc.name(), "NoName");
    EXPECT_TRUE(doc.isUnsaved());
    doc.redo();
    doc.newMacro();
    EXPECT_EQ(doc.undoText(), "new macro");
    EXPECT_FALSE(doc.isUnsaved()) << "an empty macro loses nothing";
    EXPECT_EQ(doc.ownName(), std::nullopt);

    // A copy restores name and body, unsaved until the next save.
    MacroDocument copy(tmp.folder());
    ASSERT_TRUE(copy.restore(QByteArray("ARM 2\r\nend"), QJsonObject{{"name", "GATE"}}));
    EXPECT_EQ(copy.body().text(), "ARM 2\r\nend");
    EXPECT_EQ(copy.name(), "GATE");
    EXPECT_TRUE(copy.isUnsaved());
    EXPECT_FALSE(copy.restore(QByteArray("x"), QJsonObject{})) << "a copy that names no macro";
}
