#include "ui/sprite/sprite_file_dialog.h"
#include "ui/sprite/sprite_preview.h"

#include "core/sprite/screen_palette.h"
#include "core/sprite/sprite_document.h"
#include "sprite_ui_support.h"
#include "support/scripted_platform.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

#include <gtest/gtest.h>

using namespace tav;
using namespace tav::test;

namespace {

struct DialogFixture : ::testing::Test {
    ScriptedPlatform platform;
    TempGameFolder tmp;
    ScreenPalette palette;
    SpriteDocument editor;

    void SetUp() override
    {
        std::array<QRgb, 256> colours{};
        for (int i = 0; i < 256; ++i)
            colours[i] = testColour(i);
        palette.setColours(colours);
        writeSprite(tmp, "GRAFIK/ORC.SPR", 2, 2, QByteArray("\x01\x02\x03\x04", 4));
        QByteArray full(1600, '\0');
        full[0] = 9;
        full[1599] = 10;
        writeSprite(tmp, "GRAFIK/UNITS/ORC.SPR", 40, 40, full);
        writeSprite(tmp, "GRAFIK/UNITS/SMALL.SPR", 10, 5, QByteArray(50, '\x05'));
        tmp.mkdir("GRAFIK/BOSS");
    }

    std::unique_ptr<Form13> dialog()
    {
        auto d = std::make_unique<Form13>(tmp.folder(), palette, editor);
        list1 = d->findChild<QListWidget *>("List1");
        list2 = d->findChild<QListWidget *>("List2");
        name = d->findChild<QLineEdit *>("filename");
        dimen = d->findChild<QLabel *>("dimen");
        ok = d->findChild<QPushButton *>("Command1");
        preview = d->findChild<SpritePreview *>("Picture2");
        return d;
    }
    QStringList entries(QListWidget *list)
    {
        QStringList texts;
        for (int i = 0; i < list->count(); ++i)
            texts << list->item(i)->text();
        return texts;
    }

    QListWidget *list1 = nullptr;
    QListWidget *list2 = nullptr;
    QLineEdit *name = nullptr;
    QLabel *dimen = nullptr;
    QPushButton *ok = nullptr;
    SpritePreview *preview = nullptr;
};

} // namespace

TEST_F(DialogFixture, ChoosingAFolderAndASpriteNamesAndPreviewsIt)
{
    auto d = dialog();
    EXPECT_EQ(d->windowTitle(), "Load sprite");
    ASSERT_NE(d->findChild<QLabel *>("Image1"), nullptr);
    EXPECT_TRUE(d->isLoadMode());
    EXPECT_FALSE(ok->isEnabled());
    EXPECT_EQ(entries(list1), QStringList({"", "\\BOSS", "\\UNITS"}));

    list1->setCurrentRow(0);
    EXPECT_EQ(entries(list2), QStringList({"ORC"}));
    list2->setCurrentRow(0);
    EXPECT_EQ(name->text(), "\\ORC");
    EXPECT_EQ(dimen->text(), "2 x 2");
    EXPECT_TRUE(ok->isEnabled());

    list1->setCurrentRow(2);
    EXPECT_EQ(entries(list2), QStringList({"ORC", "SMALL"}));
    list2->setCurrentRow(0);
    EXPECT_EQ(name->text(), "\\UNITS\\ORC");
    EXPECT_EQ(name->cursorPosition(), name->text().size());
    EXPECT_EQ(dimen->text(), "40 x 40");
    const QImage picture = preview->picture();
    EXPECT_EQ(picture.pixel(0, 0), testColour(9));
    EXPECT_EQ(picture.pixel(79, 79), testColour(10));
    EXPECT_EQ(picture.pixel(2, 0), testColour(0));
}

TEST_F(DialogFixture, TypedNamesGetTheirBackslashAndTheListsSpelling)
{
    auto d = dialog();
    d->setSaveMode();
    EXPECT_EQ(d->windowTitle(), "Save sprite as");
    name->setText("ORC");
    EXPECT_EQ(name->text(), "\\ORC");
    EXPECT_EQ(name->cursorPosition(), 4);
    EXPECT_EQ(list1->currentRow(), 0);

    name->setText("\\units\\orc");
    EXPECT_EQ(name->text(), "\\UNITS\\ORC");
    EXPECT_EQ(list1->currentItem()->text(), "\\UNITS");
    EXPECT_EQ(list2->currentItem()->text(), "ORC");
    EXPECT_EQ(dimen->text(), "40 x 40");

    // A folder that is not listed never borrows a sprite of another folder.
    name->setText("\\NOSUCH\\ORC");
    EXPECT_EQ(name->text(), "\\NOSUCH\\ORC");
    EXPECT_EQ(list1->currentRow(), -1);
    EXPECT_EQ(list2->count(), 0);
    EXPECT_EQ(dimen->text(), "0 x 0");
}

TEST_F(DialogFixture, ANameWithoutAFileLeavesNoFileAndAnEmptyOneIsRemoved)
{
    auto d = dialog();
    d->setSaveMode();
    name->setText("\\UNITS\\NEW");
    EXPECT_EQ(dimen->text(), "0 x 0");
    EXPECT_EQ(preview->picture().pixel(40, 40), testColour(0));
    EXPECT_FALSE(tmp.exists("GRAFIK/UNITS/NEW.SPR"));

    tmp.write("GRAFIK/UNITS/EMPTY.SPR", "");
    name->setText("\\UNITS\\EMPTY");
    EXPECT_FALSE(tmp.exists("GRAFIK/UNITS/EMPTY.SPR"));

    // Only sprites are ever removed, never a file a name reaches outside GRAFIK.
    tmp.write("OUTSIDE.SPR", "");
    name->setText("\\..\\OUTSIDE");
    EXPECT_TRUE(tmp.exists("OUTSIDE.SPR"));
}

TEST_F(DialogFixture, AnEditorNameEnablesOkAtOnce)
{
    auto d = dialog();
    d->setName(QString());
    EXPECT_FALSE(ok->isEnabled());
    auto again = dialog();
    again->setName("\\UNITS\\SMALL");
    EXPECT_TRUE(ok->isEnabled());
    EXPECT_EQ(list2->currentItem()->text(), "SMALL");
    EXPECT_EQ(dimen->text(), "10 x 5");
}

TEST_F(DialogFixture, OkInLoadModeReplacesTheEditorsSprite)
{
    editor.setCell(30, 30, 99);
    auto d = dialog();
    d->setName("\\UNITS\\SMALL");
    ok->click();
    EXPECT_EQ(d->result(), QDialog::Accepted);
    EXPECT_EQ(editor.name(), "\\UNITS\\SMALL");
    EXPECT_EQ(editor.XSize(), 10);
    EXPECT_EQ(editor.YSize(), 5);
    EXPECT_EQ(editor.cell(9, 4), 5);
    EXPECT_EQ(editor.cell(10, 0), 0);
    EXPECT_EQ(editor.cell(0, 5), 0);
    EXPECT_EQ(editor.cell(30, 30), 0);
}

TEST_F(DialogFixture, BrokenFilesPreviewAndLoadWithoutHarm)
{
    QByteArray wide = spriteFileBytes(1, 1, "\x07").left(7);
    wide += QByteArray("\x20\x03\x32\x00", 4); // 100 x 50, but only 30 pixels
    wide += QByteArray(30, '\x06');
    tmp.write("GRAFIK/WIDE.SPR", wide);
    auto d = dialog();
    d->setName("\\WIDE");
    EXPECT_EQ(dimen->text(), "100 x 50 (cut to 40 x 40) (file too short)");
    ok->click();
    EXPECT_EQ(editor.XSize(), 40);
    EXPECT_EQ(editor.cell(29, 0), 6);
    EXPECT_EQ(editor.cell(30, 0), 0);
}

TEST_F(DialogFixture, LoadingAMissingFileIsReportedAndChangesNothing)
{
    editor.setCell(1, 1, 4);
    auto d = dialog();
    d->setName("\\GONE");
    ok->click();
    ASSERT_EQ(platform.dialogs.count(), 1);
    EXPECT_TRUE(platform.dialogs.lastMessage().text.startsWith("The sprite \\GONE could not be loaded"));
    EXPECT_NE(d->result(), QDialog::Accepted);
    EXPECT_EQ(editor.cell(1, 1), 4);
    EXPECT_TRUE(editor.name().isEmpty());
}

TEST_F(DialogFixture, SaveModeRefusesNamesThatLeaveGrafikAndTheCloseBoxCancels)
{
    auto d = dialog();
    d->setSaveMode();
    d->setName("\\..\\..\\EVIL");
    ok->click();
    ASSERT_EQ(platform.dialogs.count(), 1);
    EXPECT_EQ(platform.dialogs.lastMessage().title, "Error!");
    EXPECT_NE(d->result(), QDialog::Accepted);
    d->setName("\\X");
    d->show();
    d->close();
    EXPECT_EQ(d->result(), QDialog::Rejected);
    EXPECT_TRUE(editor.name().isEmpty());
}
