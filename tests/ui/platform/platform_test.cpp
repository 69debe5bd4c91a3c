#include "ui/platform/dialogs.h"
#include "ui/platform/launcher.h"
#include "ui/platform/please_wait.h"

#include "support/scripted_platform.h"
#include "support/temp_game_folder.h"

#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QThread>

#include <gtest/gtest.h>

using namespace tav;
using tav::test::ScriptedPlatform;
using tav::test::TempGameFolder;

TEST(PleaseWait, DisablesTheCallerWhileTheBoxIsShown)
{
    QWidget caller;
    caller.show();
    const int before = platform::PleaseWait::timesShown();
    {
        platform::PleaseWait wait(&caller);
        EXPECT_FALSE(caller.isEnabled());
        platform::Form5 *box = platform::PleaseWait::current();
        ASSERT_NE(box, nullptr);
        EXPECT_EQ(box->findChild<QLabel *>("Label1")->text(), "Please wait...");
        EXPECT_EQ(box->findChild<QLabel *>("Image1")->toolTip(), "There must always be a Garrik!");
        EXPECT_EQ(box->size(), QSize(126, 46));
    }
    EXPECT_TRUE(caller.isEnabled());
    EXPECT_EQ(platform::PleaseWait::current(), nullptr);
    EXPECT_EQ(platform::PleaseWait::timesShown(), before + 1);
}

TEST(ScriptedDialogs, RecordAndAnswerAsTold)
{
    ScriptedPlatform scripted;
    scripted.dialogs.answerNext(platform::Answer::No);
    EXPECT_FALSE(platform::askYesNo("Delete?", "Question"));
    EXPECT_TRUE(platform::askYesNo("Delete?", "Question"));
    scripted.dialogs.inputNext(std::nullopt);
    EXPECT_FALSE(platform::askInput("Enter description", "Add goal"));
    EXPECT_EQ(platform::askInput("New description:", "Rename goal", "old"), "old");
    EXPECT_EQ(scripted.dialogs.count(), 4);
    EXPECT_EQ(scripted.dialogs.shown()[2].input.title, "Add goal");
}

TEST(DesktopLauncher, StartsARealProgramDetachedInTheWorkingFolder)
{
    TempGameFolder tmp;
    tmp.write("Tavaria", "#!/bin/sh\necho \"$@\" > started.txt\n");
    QFile::setPermissions(tmp.disk("Tavaria"), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    ASSERT_TRUE(platform::launcher().start(tmp.folder(), "TAVARIA level1", platform::WindowStyle::NormalFocus));
    QElapsedTimer timer;
    timer.start();
    while (!tmp.exists("started.txt") && timer.elapsed() < 10000)
        QThread::msleep(20);
    QThread::msleep(50);
    EXPECT_EQ(tmp.read("started.txt"), "level1\n");
}

TEST(DesktopLauncher, AMissingProgramStartsNothing)
{
    TempGameFolder tmp;
    EXPECT_FALSE(platform::launcher().start(tmp.folder(), "NoSuchGameHere42", platform::WindowStyle::NormalFocus));
    EXPECT_FALSE(platform::launcher().start(tmp.folder(), "", platform::WindowStyle::NormalFocus));
}
