// The sprite editor follows the sprite saver to its end, and says when a
// sprite came from a damaged file before a save replaces it.
#include "ui/sprite/sprite_editor.h"
#include "ui/sprite/sprite_file_dialog.h"

#include "sprite_ui_support.h"
#include "support/scripted_platform.h"

#include <QPushButton>

#include <gtest/gtest.h>

using namespace tav;
using namespace tav::test;

namespace {

struct SavingFixture : ::testing::Test {
    ScriptedPlatform platform;
    TempGameFolder tmp;
    std::unique_ptr<Form12> editor;

    void SetUp() override
    {
        tmp.write("GAMEDATA/MASTER.PAL", testPalette());
        editor = std::make_unique<Form12>(tmp.folder());
    }
    void click(const char *name) { editor->findChild<QPushButton *>(name)->click(); }
    ScriptedProgram *lastSaver() { return platform.launcher.programs().last(); }
};

} // namespace

TEST_F(SavingFixture, ASaveCountsOnlyOnceTheSaverSucceededForTheCellsItWasGiven)
{
    editor->document().setName("\\ORC");
    editor->document().setCell(0, 0, 7);
    click("Command2");
    EXPECT_EQ(editor->unsavedWork(), "Sprite editor (\\ORC, still being saved)");
    editor->document().setCell(1, 0, 8); // drawn while the saver runs
    lastSaver()->end(0);
    EXPECT_EQ(editor->unsavedWork(), "Sprite editor (\\ORC)");

    click("Command2");
    EXPECT_EQ(editor->unsavedWork(), "Sprite editor (\\ORC, still being saved)");
    lastSaver()->end(1, "sprsvr: ORC.SPR is read-only.");
    EXPECT_EQ(editor->unsavedWork(), "Sprite editor (\\ORC)");
    ASSERT_EQ(platform.dialogs.count(), 1);
    EXPECT_TRUE(platform.dialogs.lastMessage().text.contains("GRAFIK\\ORC.SPR"));
    EXPECT_EQ(platform.dialogs.lastMessage().detail, "sprsvr: ORC.SPR is read-only.");
    EXPECT_EQ(platform.dialogs.lastMessage().icon, platform::Icon::Critical);

    click("Command2");
    editor->finishWork(); // waiting ends the scripted saver with success
    EXPECT_EQ(editor->unsavedWork(), QString());
}

TEST_F(SavingFixture, ADamagedSpriteIsSaidAndASaveOverItsFileAsksFirst)
{
    tmp.write("GRAFIK/BAD.SPR", spriteFileBytes(4, 2, "\x05\x06\x07\x08\x09\x0a\x0b\x0c").left(14));
    onNextDialog<Form13>([](Form13 *dialog) {
        dialog->setName("\\BAD");
        dialog->findChild<QPushButton *>("Command1")->click();
    });
    click("Command1");
    ASSERT_EQ(platform.dialogs.count(), 1);
    EXPECT_EQ(platform.dialogs.lastMessage().title, "Warning!");
    EXPECT_TRUE(platform.dialogs.lastMessage().text.contains("GRAFIK\\BAD.SPR is damaged"));
    EXPECT_TRUE(platform.dialogs.lastMessage().text.contains("4 x 2 sprite"));
    EXPECT_TRUE(platform.dialogs.lastMessage().detail.contains("ends before its last pixel (3 of 8"));
    EXPECT_EQ(editor->unsavedWork(), QString());

    platform.dialogs.answerNext(platform::Answer::No);
    click("Command2");
    EXPECT_EQ(platform.dialogs.lastMessage().buttons, platform::Buttons::YesNo);
    EXPECT_FALSE(tmp.exists("SPREDIT.TMP")) << "nothing is written on No";
    EXPECT_TRUE(platform.launcher.started().isEmpty());

    click("Command2"); // Yes
    EXPECT_EQ(platform.dialogs.count(), 3);
    ASSERT_EQ(platform.launcher.commandLines(), QStringList{"SPRSVR GRAFIK\\BAD.SPR"});
    lastSaver()->end(0);
    click("Command2"); // the file is sound now: no question
    EXPECT_EQ(platform.dialogs.count(), 3);
    EXPECT_EQ(platform.launcher.started().size(), 2);
}
