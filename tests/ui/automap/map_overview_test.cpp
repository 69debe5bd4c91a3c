#include "ui/automap/map_overview.h"
#include "ui/platform/please_wait.h"

#include "support/control_places.h"
#include "support/scripted_platform.h"
#include "support/temp_game_folder.h"

#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>

#include <gtest/gtest.h>

using namespace tav;
using tav::test::ScriptedPlatform;
using tav::test::TempGameFolder;

namespace {

struct MapOverview : ::testing::Test {
    ScriptedPlatform platform;
    TempGameFolder tmp;
    std::unique_ptr<Form4> form;

    void SetUp() override { tmp.write("GAMEDATA/AUTOMAP.DAT", test::fixture("automap/automap_table.dat")); }

    Form4 &open()
    {
        form = std::make_unique<Form4>(tmp.folder());
        return *form;
    }
    QTableWidget *grid() const { return form->findChild<QTableWidget *>("Grid"); }
    QString text(const char *name) const { return form->findChild<QLineEdit *>(name)->text(); }
    void select(int x, int y) const { grid()->setCurrentCell(y - 1, x - 1); }
    void click(const char *name) const { form->findChild<QPushButton *>(name)->click(); }
};

} // namespace

TEST_F(MapOverview, ShowsTheWorldGridWithTwoDigitHeadersAndSquareCells)
{
    open();
    ASSERT_NE(grid(), nullptr);
    EXPECT_EQ(form->windowTitle(), "MAPs");
    EXPECT_EQ(grid()->columnCount(), 20);
    EXPECT_EQ(grid()->rowCount(), 15);
    EXPECT_EQ(grid()->horizontalHeaderItem(0)->text(), "01");
    EXPECT_EQ(grid()->verticalHeaderItem(14)->text(), "15");
    const int side = grid()->horizontalHeader()->height();
    EXPECT_EQ(grid()->columnWidth(7), side);
    EXPECT_EQ(grid()->rowHeight(7), side);
    EXPECT_EQ(text("Text1"), "01");
    EXPECT_EQ(text("Text2"), "01");
    EXPECT_EQ(text("Text3"), "");
}

TEST_F(MapOverview, SelectingACellReadsItsAutomapString)
{
    open();
    select(5, 12);
    EXPECT_EQ(text("Text1"), "05");
    EXPECT_EQ(text("Text2"), "12");
    EXPECT_EQ(text("Text3"), "Newest text");

    // No entry, then no table at all: the string stays as it was.
    select(3, 3);
    EXPECT_EQ(text("Text3"), "Newest text");
    QFile::remove(tmp.disk("GAMEDATA/AUTOMAP.DAT"));
    select(20, 15);
    EXPECT_EQ(text("Text1"), "20");
    EXPECT_EQ(text("Text3"), "Newest text");
    EXPECT_EQ(platform.dialogs.count(), 0);
}

TEST_F(MapOverview, SaveThisEntryWritesTheSelectedSquaresStringOrReportsWhyNot)
{
    open();
    select(1, 1);
    form->findChild<QLineEdit *>("Text3")->setText("North gate");
    click("Command5");
    QByteArray expected = test::fixture("automap/automap_table.dat");
    expected.replace("The gate of Ormhold", "North gate");
    EXPECT_EQ(tmp.read("GAMEDATA/AUTOMAP.DAT"), expected);
    EXPECT_EQ(platform.dialogs.count(), 0);

    QFile::remove(tmp.disk("GAMEDATA/AUTOMAP.DAT"));
    click("Command5");
    ASSERT_EQ(platform.dialogs.count(), 1);
    EXPECT_EQ(platform.dialogs.lastMessage().title, "Error");
    EXPECT_EQ(platform.dialogs.lastMessage().icon, platform::Icon::Critical);
    EXPECT_TRUE(platform.dialogs.lastMessage().text.contains("AUTOMAP.DAT"));
    EXPECT_FALSE(tmp.exists("GAMEDATA/AUTOMAP.DAT"));
    EXPECT_FALSE(tmp.exists("GAMEDATA/AUTOMAP.NEW"));
}

TEST_F(MapOverview, CheckMarksSquaresWithMapsAndClearsOldMarks)
{
    tmp.write("GAMEDATA/MAPS/04-07-09.MAP", "level nine");
    tmp.write("GAMEDATA/MAPS/06-06-00.MAP", "");
    open();
    const int shownBefore = platform::PleaseWait::timesShown();
    click("Command3");
    EXPECT_EQ(platform::PleaseWait::timesShown(), shownBefore + 1);
    EXPECT_TRUE(form->isEnabled());
    EXPECT_EQ(platform::PleaseWait::current(), nullptr);

    QStringList marked;
    for (int row = 0; row < grid()->rowCount(); ++row)
        for (int column = 0; column < grid()->columnCount(); ++column)
            if (!grid()->item(row, column)->text().isEmpty())
                marked
                    << QStringLiteral("%1/%2=%3").arg(column + 1).arg(row + 1).arg(grid()->item(row, column)->text());
    EXPECT_EQ(marked, QStringList{"4/7=XX"});

    QFile::remove(tmp.disk("GAMEDATA/MAPS/04-07-09.MAP"));
    click("Command3");
    EXPECT_EQ(grid()->item(6, 3)->text(), "");
}

TEST_F(MapOverview, ButtonsStartTheMapEditorAndTheHelpTexts)
{
    open();
    click("Command1");
    click("Command2");
    click("Command4");
    EXPECT_EQ(platform.launcher.commandLines(),
              (QStringList{"MAPEDIT", "NOTEPAD HELP\\MAPEDIT.txt", "NOTEPAD HELP\\DATFiles.txt"}));
    EXPECT_EQ(platform.launcher.started().front().style, platform::WindowStyle::NormalFocus);
}

TEST_F(MapOverview, ASquareWithoutAnEntryKeepsTheOldTextSaysSoAndSavesNothing)
{
    open();
    const auto note = [this] { return form->findChild<QLabel *>("EntryNote")->text(); };
    select(5, 12);
    select(1, 1);
    EXPECT_EQ(note(), "");
    select(2, 2);
    EXPECT_EQ(text("Text3"), "The gate of Ormhold");
    EXPECT_EQ(note(), "no entry for this square in AUTOMAP.DAT");

    click("Command5");
    EXPECT_EQ(tmp.read("GAMEDATA/AUTOMAP.DAT"), test::fixture("automap/automap_table.dat"));
    ASSERT_EQ(platform.dialogs.count(), 1);
    EXPECT_EQ(platform.dialogs.lastMessage().title, "Information");
    EXPECT_TRUE(platform.dialogs.lastMessage().text.startsWith("Nothing was saved"));
    EXPECT_TRUE(platform.dialogs.lastMessage().text.contains("02/02"));

    select(5, 12);
    EXPECT_EQ(note(), "");
    QFile::remove(tmp.disk("GAMEDATA/AUTOMAP.DAT"));
    select(6, 6);
    EXPECT_EQ(text("Text3"), "Newest text");
    EXPECT_EQ(note(), "AUTOMAP.DAT could not be read");
}

TEST_F(MapOverview, KeepsItsSizeAndButtonsInPlaceWhileTheSquaresAreClickedThrough)
{
    open().show();
    const QStringList buttons{"Command1", "Command2", "Command3", "Command4", "Command5"};
    const QList<QRect> first = test::controlPlaces(form.get(), buttons);
    // With an entry, without one, and with the table unreadable.
    for (const QPoint square : {QPoint(5, 12), QPoint(2, 2), QPoint(5, 12), QPoint(6, 6)}) {
        if (square == QPoint(6, 6))
            QFile::remove(tmp.disk("GAMEDATA/AUTOMAP.DAT"));
        select(square.x(), square.y());
        EXPECT_EQ(test::controlPlaces(form.get(), buttons), first) << square.x() << "/" << square.y();
    }
}
