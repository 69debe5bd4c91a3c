#include "ui/app/about_window.h"

#include "support/scripted_platform.h"
#include "support/temp_game_folder.h"

#include <QCoreApplication>
#include <QEvent>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>

#include <gtest/gtest.h>

using namespace tav;
using tav::test::ScriptedPlatform;
using tav::test::TempGameFolder;

TEST(AboutWindow, ShowsTheVersionTextFromTheFirstLine)
{
    TempGameFolder tmp;
    tmp.write("GAMEDATA/VERSION.DAT", "1.2\r\njunk\r\n");
    Form17 about(tmp.folder());
    EXPECT_EQ(about.windowTitle(), "About Tav developement kit");
    EXPECT_EQ(about.findChild<QPlainTextEdit *>("Text1")->toPlainText(),
              "game version: 1.2\ndesigner version: 1.0.3\nThere must always be a Garrik!");
    EXPECT_TRUE(about.findChild<QPlainTextEdit *>("Text1")->isReadOnly());
}

TEST(AboutWindow, AMissingVersionFileLeavesTheGameVersionEmpty)
{
    TempGameFolder tmp;
    Form17 about(tmp.folder());
    EXPECT_TRUE(about.findChild<QPlainTextEdit *>("Text1")->toPlainText().startsWith("game version: \ndesigner version: 1.0.3"));
}

TEST(AboutWindow, TheLogoSentenceRevealsThePictureOnceUnlocked)
{
    TempGameFolder tmp;
    Form17 about(tmp.folder());
    about.show();
    auto *text = about.findChild<QPlainTextEdit *>("Text1");
    auto *pix = about.findChild<QLabel *>("PIX");
    about.Picture2_DblClick();
    EXPECT_FALSE(text->isReadOnly());
    EXPECT_FALSE(pix->isVisible());
    text->setPlainText("There must always be a Garrik!");
    EXPECT_TRUE(pix->isVisible());
    text->setPlainText("There must always be a Garrik! ");
    EXPECT_TRUE(pix->isVisible());
}

TEST(AboutWindow, AFreeSpotMakesThingsVanishAndTheButtonStillCloses)
{
    TempGameFolder tmp;
    auto *about = new Form17(tmp.folder());
    QPointer<Form17> guard(about);
    about->show();
    about->Image2_Click();
    EXPECT_FALSE(about->findChild<QPlainTextEdit *>("Text1")->isVisible());
    EXPECT_TRUE(about->findChild<QLabel *>("Label4")->isVisible());
    EXPECT_FALSE(about->findChild<QLabel *>("Image1")->isVisible());
    EXPECT_TRUE(about->findChild<QLabel *>("Image3")->isVisible());
    auto *ok = about->findChild<QPushButton *>("Command1");
    EXPECT_EQ(ok->text(), "Close");
    ok->click();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(guard.isNull());

    Form17 again(tmp.folder());
    EXPECT_EQ(again.findChild<QPushButton *>("Command1")->text(), "OK");
}

TEST(AboutWindow, TheAddressOpensThroughTheLauncher)
{
    ScriptedPlatform platform;
    TempGameFolder tmp;
    Form17 about(tmp.folder());
    about.Label2_Click();
    EXPECT_EQ(platform.launcher.commandLines(), QStringList{"explorer " + Form17::kWebAddress});
}
