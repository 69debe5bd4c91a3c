#include "ui/sprite/colour_swatch.h"
#include "ui/sprite/palette_window.h"
#include "ui/sprite/sprite_editor.h"

#include "core/common/program_tables.h"
#include "sprite_ui_support.h"
#include "support/scripted_platform.h"

#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

using namespace tav;
using namespace tav::test;

namespace {

struct PaletteFixture : ::testing::Test {
    ScriptedPlatform platform;
    TempGameFolder tmp;

    void SetUp() override { programTables().reset(); }
    ColourSwatch *cell(Form8 *palette, int i)
    {
        return palette->findChild<ColourSwatch *>(QStringLiteral("Farbe_%1").arg(i));
    }
};

} // namespace

TEST_F(PaletteFixture, BuildsTheGridWithColoursRolesAndTheNumericTable)
{
    tmp.write("GAMEDATA/MASTER.PAL", testPalette("63,63,63"));
    Form12 editor(tmp.folder());
    Form8 *palette = editor.paletteWindow();
    EXPECT_EQ(palette->windowTitle(), "Tav sprite color palette - color 0");
    // At least the designed width, and room for the longest caption.
    EXPECT_EQ(palette->height(), 273);
    EXPECT_GE(palette->width(), 296);
    EXPECT_GT(palette->width(),
              palette->fontMetrics().horizontalAdvance("Tav sprite color palette - color 255") + 60);
    EXPECT_EQ(cell(palette, 0)->geometry(), QRect(0, 0, 17, 17));
    EXPECT_EQ(cell(palette, 17)->geometry(), QRect(17, 17, 17, 17));
    EXPECT_EQ(cell(palette, 255)->geometry(), QRect(255, 255, 17, 17));
    EXPECT_EQ(cell(palette, 0)->colour(), QColor(252, 252, 252));
    EXPECT_EQ(cell(palette, 77)->colour().rgb(), testColour(77));
    EXPECT_EQ(cell(palette, 0)->toolTip(), "transparent background");
    EXPECT_EQ(cell(palette, 15)->toolTip(), "interface border");
    EXPECT_EQ(cell(palette, 16)->toolTip(), "no dimming");
    EXPECT_EQ(cell(palette, 79)->toolTip(), "no dimming");
    EXPECT_EQ(cell(palette, 80)->toolTip(), "universal use");
    EXPECT_EQ(programTables().PalRGB[0], PalEntry{}); // index 0 is never loaded
    const QRgb c = testColour(77);
    EXPECT_EQ(programTables().PalRGB[77],
              (PalEntry{std::int16_t(qRed(c)), std::int16_t(qGreen(c)), std::int16_t(qBlue(c))}));
    EXPECT_EQ(platform.dialogs.count(), 0);
}

TEST_F(PaletteFixture, HoveringShowsTheColourAndItsNumber)
{
    tmp.write("GAMEDATA/MASTER.PAL", testPalette());
    Form12 editor(tmp.folder());
    Form8 *palette = editor.paletteWindow();
    sendMouse(cell(palette, 200), QEvent::MouseMove, QPoint(5, 5), Qt::NoButton, Qt::NoButton);
    EXPECT_EQ(palette->windowTitle(), "Tav sprite color palette - color 200");
    EXPECT_EQ(palette->findChild<ColourSwatch *>("Cpreview")->colour().rgb(), testColour(200));
}

TEST_F(PaletteFixture, LeftAndRightClicksSetTheirOwnDrawingColour)
{
    tmp.write("GAMEDATA/MASTER.PAL", testPalette());
    Form12 editor(tmp.folder());
    Form8 *palette = editor.paletteWindow();
    auto *lColor = editor.findChild<ColourSwatch *>("LColor");
    auto *rColor = editor.findChild<ColourSwatch *>("RColor");
    QTest::mouseClick(cell(palette, 12), Qt::RightButton);
    EXPECT_EQ(rColor->property("Tag").toString(), "12");
    EXPECT_EQ(rColor->toolTip(), "color #12");
    EXPECT_EQ(rColor->colour().rgb(), testColour(12));
    EXPECT_EQ(lColor->property("Tag").toString(), "0");
    EXPECT_EQ(lColor->toolTip(), "color #0");
    QTest::mouseClick(cell(palette, 99), Qt::LeftButton);
    EXPECT_EQ(editor.tools().leftColour(), 99);
    EXPECT_EQ(lColor->toolTip(), "color #99");
    QTest::mouseClick(cell(palette, 50), Qt::MiddleButton);
    EXPECT_EQ(editor.tools().leftColour(), 99);
    EXPECT_EQ(editor.tools().rightColour(), 12);
}

TEST_F(PaletteFixture, TheEditorShowsThePaletteWhenActivatedAndReloadsItAfterAClose)
{
    tmp.write("GAMEDATA/MASTER.PAL", testPalette());
    Form12 editor(tmp.folder());
    editor.Form_Activate();
    QPointer<Form8> palette = editor.paletteWindow();
    EXPECT_TRUE(palette->isVisible());
    EXPECT_EQ(palette->parentWidget(), &editor);

    tmp.write("GAMEDATA/MASTER.PAL", testPalette("1,2,3"));
    palette->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(palette.isNull());
    editor.Form_Activate();
    EXPECT_TRUE(editor.paletteWindow()->isVisible());
    EXPECT_EQ(editor.screenPalette().colour(0), QColor(4, 8, 12));
    editor.show();
    editor.hide();
    EXPECT_FALSE(editor.paletteWindow()->isVisible());
}

TEST_F(PaletteFixture, AMissingPaletteIsReportedOnceAndGreyStandsIn)
{
    Form12 editor(tmp.folder());
    editor.Form_Activate();
    editor.Form_Activate();
    ASSERT_EQ(platform.dialogs.count(), 1);
    EXPECT_TRUE(platform.dialogs.lastMessage().text.contains("GAMEDATA\\MASTER.PAL could not be read"));
    EXPECT_EQ(platform.dialogs.lastMessage().icon, platform::Icon::Critical);
    EXPECT_EQ(editor.screenPalette().colour(128), QColor(128, 128, 128));
    EXPECT_TRUE(editor.paletteWindow()->isVisible());
}
