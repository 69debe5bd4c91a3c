#include "ui/enemy/enemy_editor.h"
#include "ui/enemy/up_down.h"

#include "support/control_places.h"
#include "support/scripted_platform.h"
#include "support/temp_game_folder.h"
#include "../../core/enemy/crlf_lines.h"
#include "core/sprite/palette_file.h"
#include "core/sprite/sprite_file.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include <functional>

#include <gtest/gtest.h>

using namespace tav;
using tav::platform::Answer;
using tav::platform::Buttons;
using tav::platform::Icon;
using tav::test::ScriptedPlatform;
using tav::test::TempGameFolder;

namespace {

// A game folder with two unit sprites (BOGL has a zombie variant), two boss
// sprites (KING also has a zombie file among the unit sprites) and one unit.
struct EditorFixture {
    EditorFixture()
    {
        tmp.write("GRAFIK/UNITS/GNASHU1.SPR", "");
        tmp.write("GRAFIK/UNITS/boglu1.spr", "");
        tmp.write("GRAFIK/UNITS/BOGLZ1.SPR", "");
        tmp.write("GRAFIK/UNITS/KINGZ1.SPR", "");
        tmp.write("GRAFIK/BOSS/WARDENU1.SPR", "");
        tmp.write("GRAFIK/BOSS/KINGU1.SPR", "");
        tmp.write("GAMEDATA/UNITS/gnasher.uni",
                  crlf({"Gnasher", "GNASH", " 3 ", " 3 ", " 2 ", " 0 ", " 40 ", " 3 ", " 0 ", " 0 ", " 0 ", " 0 "}));
        editor = std::make_unique<Form16>(tmp.folder());
    }

    template <typename W>
    W *child(const char *name) const
    {
        W *found = editor->findChild<W *>(QString::fromLatin1(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }

    QComboBox *combo(const char *name) const { return child<QComboBox>(name); }
    QCheckBox *check(const char *name) const { return child<QCheckBox>(name); }
    QLineEdit *text(const char *name) const { return child<QLineEdit>(name); }
    QListWidget *sprites() const { return child<QListWidget>("List1"); }
    QString selectedSprite() const { return sprites()->currentItem() ? sprites()->currentItem()->text() : QString(); }
    QStringList spriteEntries() const
    {
        QStringList entries;
        for (const QListWidgetItem *item : sprites()->findItems("*", Qt::MatchWildcard))
            entries.append(item->text());
        return entries;
    }
    QStringList unitEntries() const
    {
        auto *model = combo("Combo1")->model();
        QStringList entries;
        for (int i = 0; i < model->rowCount(); ++i)
            entries.append(model->index(i, 0).data().toString());
        return entries;
    }
    void setName(const QString &name) const { combo("Combo1")->setEditText(name); }

    ScriptedPlatform platform;
    TempGameFolder tmp;
    std::unique_ptr<Form16> editor;
};

} // namespace

TEST(EnemyEditor, StartsWithTheUnitListSpritesAndDesignState)
{
    EditorFixture f;
    EXPECT_EQ(f.editor->windowTitle(), "Enemy editor - NONAME");
    EXPECT_EQ(f.combo("Combo1")->currentText(), "NONAME");
    EXPECT_EQ(f.unitEntries(), QStringList{"GNASHER"});
    EXPECT_EQ(f.spriteEntries(), (QStringList{"BOGL", "GNASH"}));
    EXPECT_EQ(f.selectedSprite(), "BOGL");
    // BOGL has a zombie variant, so selecting it offers and checks "zombie-like".
    EXPECT_TRUE(f.check("Check2")->isEnabled());
    EXPECT_TRUE(f.check("Check2")->isChecked());
    for (const char *list : {"Combo2", "Combo3", "Combo4", "Combo5"})
        EXPECT_EQ(f.combo(list)->currentIndex(), 0) << list;
    EXPECT_EQ(f.text("Text2")->text(), "1");
    EXPECT_EQ(f.text("Text3")->text(), "5");
    EXPECT_EQ(f.text("Text4")->text(), "1");
}

TEST(EnemyEditor, TypedUnitNamesAreCutToEightAndUpperCasedWithTheCaretKept)
{
    EditorFixture f;
    QLineEdit *edit = f.combo("Combo1")->lineEdit();
    edit->clear();
    QTest::keyClicks(edit, "abcdefghi");
    EXPECT_EQ(edit->text(), "ABCDEFGH");
    edit->setCursorPosition(3);
    QTest::keyClicks(edit, "x");
    EXPECT_EQ(edit->text(), "ABCXDEFG");
    EXPECT_EQ(edit->cursorPosition(), 4);
    // Typing does not change the caption; Load, Save and New do.
    EXPECT_EQ(f.editor->windowTitle(), "Enemy editor - NONAME");
}

TEST(EnemyEditor, BossSwitchesTheSpriteListAndTheZombieRule)
{
    EditorFixture f;
    f.check("Check3")->setChecked(true);
    EXPECT_EQ(f.spriteEntries(), (QStringList{"KING", "WARDEN"}));
    // KING is a boss sprite whose name has a zombie file among the unit sprites.
    EXPECT_EQ(f.selectedSprite(), "KING");
    EXPECT_TRUE(f.check("Check2")->isEnabled());
    EXPECT_TRUE(f.check("Check2")->isChecked());

    f.sprites()->setCurrentRow(1);
    EXPECT_FALSE(f.check("Check2")->isEnabled());
    EXPECT_FALSE(f.check("Check2")->isChecked());

    QFile::remove(f.tmp.disk("GRAFIK/UNITS/KINGZ1.SPR"));
    f.check("Check3")->setChecked(false);
    f.check("Check3")->setChecked(true);
    EXPECT_EQ(f.selectedSprite(), "KING");
    EXPECT_FALSE(f.check("Check2")->isEnabled());
    EXPECT_FALSE(f.check("Check2")->isChecked());

    f.check("Check3")->setChecked(false);
    EXPECT_EQ(f.spriteEntries(), (QStringList{"BOGL", "GNASH"}));
    f.sprites()->setCurrentRow(1);
    EXPECT_FALSE(f.check("Check2")->isEnabled());
}

TEST(EnemyEditor, ABossUnitRoundTripsThroughItsFile)
{
    EditorFixture f;
    f.setName("warden");
    f.text("Text1")->setText("Bog warden");
    f.check("Check3")->setChecked(true);
    f.sprites()->setCurrentRow(1);
    f.child<QRadioButton>("Option1_2")->setChecked(true);
    f.text("Text2")->setText("2");
    f.combo("Combo2")->setCurrentIndex(4);  // chainsaw
    f.combo("Combo3")->setCurrentIndex(4);  // bomb
    f.text("Text3")->setText("350");
    f.text("Text4")->setText("8");
    f.check("Check1")->setChecked(true);
    f.combo("Combo4")->setCurrentIndex(7);
    f.combo("Combo5")->setCurrentIndex(1);
    f.editor->Command2_Click();

    EXPECT_EQ(f.platform.dialogs.count(), 0);
    EXPECT_EQ(f.tmp.read("GAMEDATA/UNITS/WARDEN.UNI"),
              crlf({"Bog warden", "WARDEN", "-3 ", " 2 ", " 6 ", " 5 ", " 350 ", " 8 ", " 1 ", " 0 ", " 7 ", " 100 "}));
    EXPECT_EQ(f.editor->windowTitle(), "Enemy editor - WARDEN");
    EXPECT_EQ(f.combo("Combo1")->currentText(), "");
    EXPECT_EQ(f.unitEntries(), (QStringList{"GNASHER", "WARDEN"}));
    const enemy::Unit saved = f.editor->shownUnit();

    f.setName("GNASHER");
    f.editor->Command1_Click();
    EXPECT_EQ(f.text("Text1")->text(), "Gnasher");
    EXPECT_FALSE(f.check("Check3")->isChecked());
    EXPECT_EQ(f.selectedSprite(), "GNASH");
    EXPECT_EQ(f.text("Text3")->text(), "40");

    f.setName("WARDEN");
    f.editor->Command1_Click();
    EXPECT_EQ(f.platform.dialogs.count(), 0);
    EXPECT_EQ(f.editor->shownUnit(), saved);
    EXPECT_EQ(f.selectedSprite(), "WARDEN");
    EXPECT_TRUE(f.child<QRadioButton>("Option1_2")->isChecked());
    EXPECT_EQ(f.combo("Combo2")->currentText(), "chainsaw");
    EXPECT_EQ(f.editor->windowTitle(), "Enemy editor - WARDEN");
}

TEST(EnemyEditor, LoadingMatchesTheSpriteAfterSwitchingToTheBossFolder)
{
    EditorFixture f;
    f.tmp.write("GAMEDATA/UNITS/KING.UNI",
                crlf({"King", "king", "-1 ", " 1 ", " 0 ", " 0 ", " 9 ", " 1 ", " 0 ", " 0 ", " 0 ", " 0 "}));
    f.tmp.write("GAMEDATA/UNITS/ROT.UNI",
                crlf({"Rot", "bogl", " 2 ", " 1 ", " 0 ", " 0 ", " 9 ", " 1 ", " 0 ", " 0 ", " 0 ", " 0 "}));
    f.setName("KING");
    f.editor->Command1_Click();
    EXPECT_TRUE(f.check("Check3")->isChecked());
    EXPECT_EQ(f.selectedSprite(), "KING");
    // The file's zombie flag wins over what the sprite lookup set.
    EXPECT_TRUE(f.check("Check2")->isEnabled());
    EXPECT_FALSE(f.check("Check2")->isChecked());

    f.setName("ROT");
    f.editor->Command1_Click();
    EXPECT_FALSE(f.check("Check3")->isChecked());
    EXPECT_EQ(f.selectedSprite(), "BOGL");
    EXPECT_FALSE(f.check("Check2")->isChecked());
}

TEST(EnemyEditor, LoadedValuesAreClampedAndMappedAndWrittenBackThatWay)
{
    EditorFixture f;
    f.tmp.write("GAMEDATA/UNITS/WILD.UNI", test::fixture("enemy/out_of_range.UNI"));
    f.setName("WILD");
    f.editor->Command1_Click();
    EXPECT_EQ(f.platform.dialogs.count(), 0);
    EXPECT_EQ(f.selectedSprite(), "GNASH");
    EXPECT_EQ(f.text("Text3")->text(), "400");
    EXPECT_EQ(f.combo("Combo5")->currentText(), "often (1:20)");
    // The file says zombie-like although GNASH has no zombie sprite.
    EXPECT_TRUE(f.check("Check2")->isChecked());
    EXPECT_FALSE(f.check("Check2")->isEnabled());

    f.setName("WILD");
    f.editor->Command2_Click();
    EXPECT_EQ(f.tmp.read("GAMEDATA/UNITS/WILD.UNI"),
              crlf({"Wild one", "GNASH", " 2 ", " 8 ", " 0 ", " 0 ", " 400 ", " 0 ", " 0 ", " 1 ", " 0 ", " 20 "}));
}

TEST(EnemyEditor, AFailedLoadReportsFileNotFoundAndKeepsTheFieldsSetBefore)
{
    EditorFixture f;
    f.tmp.write("GAMEDATA/UNITS/NOBODY.UNI", test::fixture("enemy/behaviour_zero.UNI"));
    f.tmp.write("GAMEDATA/UNITS/BROKEN.UNI", test::fixture("enemy/garbage_health.UNI"));

    f.setName("NOBODY");
    f.editor->Command1_Click();
    ASSERT_EQ(f.platform.dialogs.count(), 1);
    EXPECT_EQ(f.platform.dialogs.lastMessage().text, "File not found!");
    EXPECT_EQ(f.platform.dialogs.lastMessage().title, "Error");
    EXPECT_EQ(f.platform.dialogs.lastMessage().icon, Icon::Critical);
    EXPECT_EQ(f.editor->windowTitle(), "Enemy editor - NOBODY");
    EXPECT_EQ(f.text("Text1")->text(), "Nobody");
    EXPECT_EQ(f.text("Text2")->text(), "1");

    // The file is closed again: saving under the same name replaces it.
    f.editor->Command2_Click();
    EXPECT_EQ(f.platform.dialogs.count(), 1);
    EXPECT_TRUE(f.tmp.read("GAMEDATA/UNITS/NOBODY.UNI").startsWith("Nobody\r\nBOGL\r\n 1 \r\n"));

    f.setName("BROKEN");
    f.editor->Command1_Click();
    EXPECT_EQ(f.platform.dialogs.count(), 2);
    EXPECT_EQ(f.text("Text1")->text(), "Garbage");
    EXPECT_TRUE(f.child<QRadioButton>("Option1_3")->isChecked());
    EXPECT_EQ(f.text("Text2")->text(), "7");
    EXPECT_EQ(f.combo("Combo3")->currentText(), "arrows of ice");
    EXPECT_EQ(f.text("Text3")->text(), "5");  // health and later lines untouched
}

TEST(EnemyEditor, NewRestoresTheDefaultsButKeepsTheSprite)
{
    EditorFixture f;
    f.setName("GNASHER");
    f.editor->Command1_Click();
    f.check("Check1")->setChecked(true);
    f.editor->Command3_Click();
    EXPECT_EQ(f.editor->windowTitle(), "Enemy editor - NONAME");
    EXPECT_EQ(f.combo("Combo1")->currentText(), "NONAME");
    EXPECT_EQ(f.selectedSprite(), "GNASH");

    f.setName("FRESH");
    f.editor->Command2_Click();
    EXPECT_EQ(f.tmp.read("GAMEDATA/UNITS/FRESH.UNI"),
              crlf({"", "GNASH", " 1 ", " 1 ", " 0 ", " 0 ", " 5 ", " 1 ", " 0 ", " 0 ", " 0 ", " 0 "}));
}

TEST(EnemyEditor, TypedHealthIsCorrectedWhenTheBoxLosesTheFocus)
{
    EditorFixture f;
    QLineEdit *health = f.text("Text3");
    f.editor->show();
    QApplication::setActiveWindow(f.editor.get());
    health->setFocus();
    health->setText("500");
    f.text("Text1")->setFocus();
    EXPECT_EQ(health->text(), "400");

    // A value not yet corrected is still saved within the range.
    health->setText("999");
    f.setName("STRONG");
    f.editor->Command2_Click();
    EXPECT_TRUE(f.tmp.read("GAMEDATA/UNITS/STRONG.UNI").contains("\r\n 400 \r\n"));
}

TEST(EnemyEditor, SpinnersKeepTheirBuddyBoxesInRange)
{
    EditorFixture f;
    auto *speed = f.child<UpDown>("Speed");
    for (int i = 0; i < 12; ++i)
        speed->stepBy(1);
    EXPECT_EQ(f.text("Text2")->text(), "8");
    auto *attack = f.child<UpDown>("Attack");
    for (int i = 0; i < 3; ++i)
        attack->stepBy(-1);
    EXPECT_EQ(f.text("Text4")->text(), "0");
    f.text("Text3")->setText("398");
    f.child<UpDown>("Health")->stepBy(5);
    EXPECT_EQ(f.text("Text3")->text(), "400");
}

TEST(EnemyEditor, AFailedSaveKeepsTheOldFileAndTheNameBox)
{
    EditorFixture f;
    f.tmp.makeReadOnly("GAMEDATA/UNITS/gnasher.uni");
    const QByteArray before = f.tmp.read("GAMEDATA/UNITS/gnasher.uni");
    f.setName("GNASHER");
    f.editor->Command2_Click();
    ASSERT_EQ(f.platform.dialogs.count(), 1);
    EXPECT_EQ(f.platform.dialogs.lastMessage().text, "File could not be saved!");
    EXPECT_EQ(f.platform.dialogs.lastMessage().title, "Error");
    EXPECT_EQ(f.platform.dialogs.lastMessage().icon, Icon::Critical);
    EXPECT_EQ(f.tmp.read("GAMEDATA/UNITS/gnasher.uni"), before);
    EXPECT_EQ(f.combo("Combo1")->currentText(), "GNASHER");
}

TEST(EnemyEditor, DeleteAsksFirstAndThenEmptiesTheNameBox)
{
    EditorFixture f;
    f.setName("GNASHER");
    f.text("Text1")->setText("edited");
    f.platform.dialogs.answerNext(Answer::No);
    f.editor->Command5_Click();
    ASSERT_EQ(f.platform.dialogs.count(), 1);
    const platform::MessageRequest &question = f.platform.dialogs.lastMessage();
    EXPECT_EQ(question.text, "Do you want to delete the UNI file 'GNASHER'");
    EXPECT_EQ(question.title, "Warning!");
    EXPECT_EQ(question.icon, Icon::Exclamation);
    EXPECT_EQ(question.buttons, Buttons::YesNo);
    EXPECT_TRUE(f.tmp.exists("GAMEDATA/UNITS/gnasher.uni"));
    EXPECT_EQ(f.combo("Combo1")->currentText(), "GNASHER");

    f.platform.dialogs.answerNext(Answer::Yes);
    f.editor->Command5_Click();
    EXPECT_FALSE(f.tmp.exists("GAMEDATA/UNITS/gnasher.uni"));
    EXPECT_EQ(f.combo("Combo1")->currentText(), "");
    EXPECT_TRUE(f.unitEntries().isEmpty());
    EXPECT_EQ(f.text("Text1")->text(), "edited");
}

TEST(EnemyEditor, NamesLeavingTheUnitFolderAreRefusedBeforeAnyFileIsTouched)
{
    EditorFixture f;
    f.tmp.write("GAMEDATA/SECRET.UNI", crlf({"x", "GNASH", " 1 ", " 1 ", " 0 ", " 0 ", " 5 ", " 1 ", " 0 ", " 0 ", " 0 ", " 0 "}));
    f.setName("..\\SECRET");
    f.editor->Command1_Click();
    f.editor->Command2_Click();
    f.editor->Command5_Click();
    ASSERT_EQ(f.platform.dialogs.count(), 3);
    for (const QString &text : f.platform.dialogs.messageTexts())
        EXPECT_TRUE(text.contains("folder separator")) << text.toStdString();
    EXPECT_EQ(f.text("Text1")->text(), "");
    EXPECT_TRUE(f.tmp.exists("GAMEDATA/SECRET.UNI"));
    EXPECT_EQ(f.editor->windowTitle(), "Enemy editor - NONAME");
}

TEST(EnemyEditor, TheHelpButtonOpensTheUnitHelpInNotepad)
{
    EditorFixture f;
    f.child<QPushButton>("Command4")->click();
    ASSERT_EQ(f.platform.launcher.started().size(), 1);
    EXPECT_EQ(f.platform.launcher.started()[0].commandLine, "NOTEPAD HELP\\UNITS.txt");
    EXPECT_EQ(f.platform.launcher.started()[0].style, platform::WindowStyle::NormalFocus);
}

TEST(EnemyEditor, ALongerDescriptionFromAFileIsKeptWhole)
{
    EditorFixture f;
    f.tmp.write("GAMEDATA/UNITS/LONG.UNI",
                crlf({"A very long description", "GNASH", " 1 ", " 1 ", " 0 ", " 0 ", " 5 ", " 1 ", " 0 ", " 0 ", " 0 ", " 0 "}));
    f.setName("LONG");
    f.editor->Command1_Click();
    EXPECT_EQ(f.text("Text1")->text(), "A very long description");
    f.setName("LONG");
    f.editor->Command2_Click();
    EXPECT_TRUE(f.tmp.read("GAMEDATA/UNITS/LONG.UNI").startsWith("A very long description\r\nGNASH\r\n"));

    // Typing is still limited to twelve characters.
    f.editor->Command3_Click();
    QTest::keyClicks(f.text("Text1"), "Thirteen char");
    EXPECT_EQ(f.text("Text1")->text(), "Thirteen cha");
}

TEST(EnemyEditor, ShowsTheChosenSpritesPicturesAtTwiceTheirSizeInThePalettesColours)
{
    EditorFixture f;
    std::array<std::array<int, 3>, 256> components{};
    components[7] = {10, 20, 30};
    f.tmp.write("GAMEDATA/MASTER.PAL", paletteFileBytes(components));
    f.tmp.write("GRAFIK/UNITS/GNASHU1.SPR", spriteFileBytes(3, 2, QByteArray("\x07\x00\x07\x00\x07\x07", 6)));
    f.tmp.write("GRAFIK/UNITS/BOGLU1.SPR", spriteFileBytes(1, 1, QByteArray("\x07", 1)));
    QFile::remove(f.tmp.disk("GRAFIK/UNITS/boglu1.spr"));
    const auto picture = [&f](const char *name) { return f.child<QLabel>(name); };

    f.sprites()->setCurrentRow(1); // GNASH: no zombie variant
    const QImage unit = picture("UnitPicture")->pixmap().toImage();
    EXPECT_EQ(unit.size(), QSize(6, 4));
    EXPECT_EQ(unit.pixel(5, 3), qRgb(40, 80, 120));
    EXPECT_EQ(unit.pixel(2, 0), qRgb(0, 0, 0));
    EXPECT_TRUE(picture("ZombiePicture")->isHidden());

    // BOGL is zombie-like; its Z1 file is empty. Without the zombie flag the
    // Z1 picture goes away.
    f.sprites()->setCurrentRow(0);
    EXPECT_EQ(picture("UnitPicture")->pixmap().size(), QSize(2, 2));
    EXPECT_FALSE(picture("ZombiePicture")->isHidden());
    EXPECT_EQ(picture("ZombiePicture")->text(), "empty sprite");
    f.check("Check2")->setChecked(false);
    EXPECT_TRUE(picture("ZombiePicture")->isHidden());

    // A boss's picture comes from the boss folder; a missing file is named so.
    f.check("Check3")->setChecked(true);
    EXPECT_EQ(picture("UnitPicture")->text(), "empty sprite");
    QFile::remove(f.tmp.disk("GRAFIK/BOSS/KINGU1.SPR"));
    f.sprites()->setCurrentRow(1);
    f.sprites()->setCurrentRow(0);
    EXPECT_EQ(picture("UnitPicture")->text(), "no sprite file");
}

TEST(EnemyEditor, KeepsItsSizeAndButtonsInPlaceWhileTheSpritesAreClickedThrough)
{
    EditorFixture f;
    f.editor->show();
    const QStringList buttons{"Command1", "Command2", "Command3", "Command5", "Command4"};
    const QList<QRect> first = test::controlPlaces(f.editor.get(), buttons);
    const std::function<void()> steps[] = {
        [&f] { f.sprites()->setCurrentRow(1); },        // GNASH: no zombie picture
        [&f] { f.sprites()->setCurrentRow(0); },        // BOGL: with it
        [&f] { f.check("Check2")->setChecked(false); }, // not zombie-like
        [&f] { f.check("Check3")->setChecked(true); },  // the boss sprites
        [&f] { f.sprites()->setCurrentRow(1); },        // KING, zombie-like again
        [&f] { f.check("Check3")->setChecked(false); },
    };
    for (const auto &step : steps) {
        step();
        EXPECT_EQ(test::controlPlaces(f.editor.get(), buttons), first);
    }
}
