#include "ui/savegame/savegame_editor.h"
#include "ui/savegame/slots_dialog.h"

#include "modal.h"
#include "support/scripted_platform.h"
#include "support/temp_game_folder.h"

#include <QCheckBox>
#include <QKeyEvent>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>

#include <gtest/gtest.h>

using namespace tav;
using tav::test::ScriptedPlatform;
using tav::test::TempGameFolder;

namespace {

struct InventoryWindow {
    TempGameFolder tmp;
    std::unique_ptr<Form6> editor;

    InventoryWindow()
    {
        tmp.write("GAMEDATA/ITMNAMES.DAT", "1\r\nKey\r\n2\r\nPotion\r\n3\r\nRope\r\n");
        editor = std::make_unique<Form6>(tmp.folder());
    }

    QString cell(const char *grid, int p) const
    {
        return editor->findChild<QTableWidget *>(grid)->item(p / 8, p % 8)->text();
    }
    QString box(const char *name) const { return editor->findChild<QLineEdit *>(name)->text(); }

    // "add..." with the item chosen in the dialog (-1: none).
    void add(int itemIndex, bool expectClosed = true)
    {
        tav::test::whenModalOpens([itemIndex, expectClosed](QDialog *dialog) {
            EXPECT_EQ(dialog->windowTitle(), "Add item");
            auto *combo = dialog->findChild<QComboBox *>("Combo1");
            EXPECT_EQ(combo->count(), 3);
            combo->setCurrentIndex(itemIndex);
            dialog->findChild<QPushButton *>("Command1")->click();
            EXPECT_EQ(dialog->isVisible(), !expectClosed);
        });
        editor->findChild<QPushButton *>("Command9")->click();
    }
    void remove() { editor->findChild<QPushButton *>("Command10")->click(); }
};

} // namespace

TEST(InventoryPage, StartsEmptyWithPositionOneSelected)
{
    InventoryWindow w;
    for (int p = 0; p < 40; ++p) {
        EXPECT_EQ(w.cell("INV2", p), "0");
        EXPECT_EQ(w.cell("INV3", p), "0");
        EXPECT_EQ(w.cell("INV1", p), "");
    }
    EXPECT_EQ(w.box("ITMNummer"), "0");
    EXPECT_EQ(w.box("VisITMNr"), "1");
}

TEST(InventoryPage, ClickingAnyGridSelectsThatPosition)
{
    InventoryWindow w;
    w.editor->show();
    auto *grid = w.editor->findChild<QTableWidget *>("INV3");
    const QRect cell = grid->visualItemRect(grid->item(2, 5));
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, cell.center());
    EXPECT_EQ(w.box("ITMNummer"), "21");
    EXPECT_EQ(w.box("VisITMNr"), "22");
}

TEST(InventoryPage, AddFillsAndRemoveClosesUp)
{
    ScriptedPlatform platform;
    InventoryWindow w;
    w.add(1);
    EXPECT_EQ(w.cell("INV1", 0), "Potion");
    EXPECT_EQ(w.cell("INV2", 0), "2");
    EXPECT_EQ(w.cell("INV3", 0), "1");
    EXPECT_EQ(w.box("ITMCapt"), "Potion");
    w.add(2);
    EXPECT_EQ(w.cell("INV1", 1), "Rope");

    w.remove();
    EXPECT_EQ(w.cell("INV1", 0), "Rope");
    EXPECT_EQ(w.cell("INV2", 0), "3");
    EXPECT_EQ(w.cell("INV2", 1), "0");
    EXPECT_EQ(w.box("ITMCapt"), "Rope");
    EXPECT_EQ(platform.dialogs.count(), 0);
}

TEST(InventoryPage, TheThreeMessages)
{
    ScriptedPlatform platform;
    InventoryWindow w;
    w.add(-1, false);
    EXPECT_EQ(platform.dialogs.lastMessage().text, "Please select an item!");
    EXPECT_EQ(w.cell("INV2", 0), "0");

    for (int i = 0; i < 9; ++i)
        w.add(0);
    w.add(0);
    EXPECT_EQ(platform.dialogs.lastMessage().text, "Max. 9 items are allowed in one position!");
    EXPECT_EQ(w.cell("INV3", 0), "9");
    EXPECT_EQ(w.cell("INV2", 1), "0");

    w.editor->findChild<QTableWidget *>("INV2")->setCurrentCell(0, 3);
    Q_EMIT w.editor->findChild<QTableWidget *>("INV2")->cellClicked(0, 3);
    w.remove();
    EXPECT_EQ(platform.dialogs.lastMessage().text, "Can't remove empty position!");
    EXPECT_EQ(platform.dialogs.lastMessage().title, "Error");
    EXPECT_EQ(platform.dialogs.count(), 3);
}

TEST(InventoryPage, NoRoomKeepsTheDialogOpen)
{
    ScriptedPlatform platform;
    TempGameFolder tmp;
    QByteArray names;
    for (int k = 1; k <= 41; ++k)
        names += QByteArray::number(k) + "\r\nItem " + QByteArray::number(k) + "\r\n";
    tmp.write("GAMEDATA/ITMNAMES.DAT", names);
    QByteArray file = " 0 \r\n 0 \r\n";
    for (int p = 0; p < 40; ++p)
        file += " " + QByteArray::number(p + 1) + " \r\n 0 \r\n";
    tmp.write("GAMEDATA/MAPS/PLAYER.STS", file);
    Form6 editor(tmp.folder());
    editor.Command1_Click();
    tav::test::whenModalOpens([](QDialog *dialog) {
        dialog->findChild<QComboBox *>("Combo1")->setCurrentIndex(40);
        dialog->findChild<QPushButton *>("Command1")->click();
        EXPECT_TRUE(dialog->isVisible());
    });
    editor.findChild<QPushButton *>("Command9")->click();
    EXPECT_EQ(platform.dialogs.lastMessage().text, "Item could not be added!");
}

TEST(SlotsDialog, OnlySlotsWithASkillFileCanBeEdited)
{
    TempGameFolder tmp;
    tmp.write("GAMEDATA/SLOTS.INI", "Alpha\r\nBeta\r\n<unused>\r\nLongNameOfTheGame\r\n<unused>\r\n 1 \r\n");
    tmp.write("GAMEDATA/SAVE1/SKILL.STS", " 1 \r\n");
    tmp.write("GAMEDATA/SAVE2/SKILL.STS", " 2 \r\n");
    Form11 dialog(tmp.folder());
    EXPECT_EQ(dialog.windowTitle(), "SaveGame slots");
    auto text = [&](int i) { return dialog.findChild<QLineEdit *>(QStringLiteral("SlotText_%1").arg(i)); };
    auto skill = [&](int i) { return dialog.findChild<QCheckBox *>(QStringLiteral("SlotSkill_%1").arg(i)); };
    EXPECT_EQ(text(0)->text(), "Alpha");
    EXPECT_TRUE(text(0)->isEnabled());
    EXPECT_FALSE(skill(0)->isChecked());
    EXPECT_TRUE(skill(1)->isChecked());
    EXPECT_EQ(skill(1)->text(), "hard skill");
    EXPECT_FALSE(text(2)->isEnabled());
    EXPECT_FALSE(skill(2)->isEnabled());
    EXPECT_EQ(text(3)->text(), "LongNameOfTheGame") << "a stored name is never cut";

    skill(0)->setChecked(true);
    skill(1)->setChecked(false);
    dialog.Command1_Click();
    EXPECT_EQ(tmp.read("GAMEDATA/SAVE1/SKILL.STS"), " 2 \r\n");
    EXPECT_EQ(tmp.read("GAMEDATA/SAVE2/SKILL.STS"), " 1 \r\n");
    EXPECT_FALSE(tmp.exists("GAMEDATA/SAVE3"));
    EXPECT_EQ(tmp.read("GAMEDATA/SLOTS.INI"), "Alpha\r\nBeta\r\n<unused>\r\nLongNameOfTheGame\r\n<unused>\r\n 1 \r\n");
}

namespace {

void type(QWidget *widget, const QString &text)
{
    for (const QChar c : text) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
        QCoreApplication::sendEvent(widget, &press);
    }
}

} // namespace

TEST(SlotsDialog, UmlautsAreReplacedWhileTyping)
{
    TempGameFolder tmp;
    tmp.write("GAMEDATA/SAVE1/SKILL.STS", " 1 \r\n");
    Form11 dialog(tmp.folder());
    auto *name = dialog.findChild<QLineEdit *>("SlotText_0");
    type(name, "Größe");
    EXPECT_EQ(name->text(), "Groesse");
    EXPECT_EQ(name->cursorPosition(), 7);

    name->setText("Hof");
    name->setCursorPosition(1);
    type(name, "ü");
    EXPECT_EQ(name->text(), "Hueof");
    EXPECT_EQ(name->cursorPosition(), 3);

    name->setText("Fußweg");
    EXPECT_EQ(name->text(), "Fussweg");
    type(name, "x");
    EXPECT_EQ(name->text(), "Fusswegx");
}
