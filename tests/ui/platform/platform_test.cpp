#include "ui/common/window_frame.h"
#include "ui/platform/dialogs.h"
#include "ui/platform/help_list_window.h"
#include "ui/platform/launcher.h"
#include "ui/platform/please_wait.h"
#include "ui/platform/text_window.h"

#include "support/scripted_platform.h"
#include "support/temp_game_folder.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QGuiApplication>
#include <QLabel>
#include <QPlainTextEdit>
#include <QScreen>
#include <QThread>
#include <QTreeWidget>

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

namespace {

QList<platform::TextWindow *> textWindows()
{
    QList<platform::TextWindow *> found;
    for (QWidget *w : QApplication::topLevelWidgets()) {
        if (auto *window = qobject_cast<platform::TextWindow *>(w); window && window->isVisible())
            found.append(window);
    }
    return found;
}

} // namespace

TEST(StartCommand, ShowsTheTextOrTheFolderPathWhenTheDesktopCannotOpenThem)
{
    TempGameFolder tmp;
    tmp.write("HELP/UNITS.txt", "Units\r\nCaf\xe9\r\n");
    tmp.write("GAMEDATA/VERSION.DAT", "1");
    ScriptedPlatform scripted;
    scripted.launcher.setSucceeds(false);

    EXPECT_TRUE(platform::startCommand(tmp.folder(), "NOTEPAD HELP\\UNITS.txt"));
    EXPECT_TRUE(platform::startCommand(tmp.folder(), "notepad help\\units.TXT"));
    const QList<platform::TextWindow *> shown = textWindows();
    ASSERT_EQ(shown.size(), 1);
    EXPECT_EQ(shown[0]->windowTitle(), "UNITS.txt");
    const auto *text = shown[0]->findChild<QPlainTextEdit *>("Text");
    EXPECT_EQ(text->toPlainText(), QString::fromUtf8("Units\nCaf\u00e9"));
    EXPECT_TRUE(text->isReadOnly());
    EXPECT_TRUE(text->font().fixedPitch());

    EXPECT_TRUE(platform::startCommand(tmp.folder(), "Explorer GAMEDATA"));
    ASSERT_EQ(scripted.dialogs.count(), 1);
    EXPECT_TRUE(scripted.dialogs.lastMessage().text.endsWith(QDir::toNativeSeparators(tmp.disk("GAMEDATA"))));

    // Missing programs and texts stay silent, as before.
    EXPECT_FALSE(platform::startCommand(tmp.folder(), "MAPEDIT"));
    EXPECT_FALSE(platform::startCommand(tmp.folder(), "NOTEPAD HELP\\MAPEDIT.txt"));
    EXPECT_FALSE(platform::startCommand(tmp.folder(), "Explorer SOUNDS"));
    EXPECT_EQ(scripted.dialogs.count(), 1);
    delete shown[0];

    scripted.launcher.setSucceeds(true);
    EXPECT_TRUE(platform::startCommand(tmp.folder(), "NOTEPAD HELP\\UNITS.txt"));
    EXPECT_TRUE(textWindows().isEmpty());
}

TEST(StartCommand, ShowsTheTextWhenTheDesktopsOpenerFindsNoProgram)
{
    TempGameFolder tmp;
    tmp.write("HELP/Sprites.txt", "Sprites\r\n");
    tmp.write("bin/xdg-open", "#!/bin/sh\necho \"$1\" >> \"$(dirname \"$0\")/opened.txt\"\nexit 3\n");
    QFile::setPermissions(tmp.disk("bin/xdg-open"), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    const QByteArray path = qgetenv("PATH");
    qputenv("PATH", tmp.disk("bin").toLocal8Bit() + ":" + path);

    EXPECT_TRUE(platform::startCommand(tmp.folder(), "notepad HELP\\Sprites.txt"));
    QElapsedTimer timer;
    timer.start();
    while (textWindows().isEmpty() && timer.elapsed() < 10000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    qputenv("PATH", path);
    EXPECT_EQ(tmp.read("bin/opened.txt"), tmp.disk("HELP/Sprites.txt").toLocal8Bit() + "\n");
    const QList<platform::TextWindow *> shown = textWindows();
    ASSERT_EQ(shown.size(), 1);
    EXPECT_EQ(shown[0]->windowTitle(), "Sprites.txt");
    delete shown[0];
}

TEST(StartCommand, AHelpFolderTheDesktopCannotOpenIsListedAndItsTextsOpenClearOfTheLaunchWindow)
{
    TempGameFolder tmp;
    QByteArray longText = "\r\n   Enemy units  \r\n";
    for (int i = 0; i < 300; ++i)
        longText += QByteArray(150, 'x') + "\r\n";
    tmp.write("HELP/UNITS.txt", longText);
    tmp.write("HELP/cmdhelp.TXT", "Macro commands\r\n");
    tmp.write("HELP/notes.doc", "not a text");
    ScriptedPlatform scripted;
    scripted.launcher.setSucceeds(false);
    QWidget launch;
    launch.setObjectName("Form1");
    const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
    launch.setGeometry(area.right() - 560, area.bottom() - 110, 545, 68);
    launch.show();

    EXPECT_TRUE(platform::startCommand(tmp.folder(), "explorer HELP"));
    EXPECT_EQ(scripted.dialogs.count(), 0);
    platform::HelpListWindow *list = nullptr;
    for (QWidget *w : QApplication::topLevelWidgets())
        if (auto *found = qobject_cast<platform::HelpListWindow *>(w); found && found->isVisible())
            list = found;
    ASSERT_NE(list, nullptr);
    const auto *texts = list->findChild<QTreeWidget *>("Texts");
    ASSERT_EQ(texts->topLevelItemCount(), 2);
    EXPECT_EQ(texts->topLevelItem(0)->text(0), "cmdhelp.TXT");
    EXPECT_EQ(texts->topLevelItem(0)->text(1), "Macro commands");
    EXPECT_EQ(texts->topLevelItem(1)->text(1), "Enemy units");

    list->openText(1);
    const QList<platform::TextWindow *> shown = textWindows();
    ASSERT_EQ(shown.size(), 1);
    EXPECT_EQ(shown[0]->windowTitle(), "UNITS.txt");
    for (const QWidget *w : {static_cast<const QWidget *>(list), static_cast<const QWidget *>(shown[0])}) {
        EXPECT_TRUE(area.contains(w->frameGeometry()));
        EXPECT_FALSE(w->frameGeometry().intersects(launch.frameGeometry()));
    }
    EXPECT_NE(shown[0]->frameGeometry().topLeft(), list->frameGeometry().topLeft());
    delete shown[0];
    delete list;
}

TEST(WindowFrame, AWindowPlacedOverAnEdgeComesBackOnTheScreenOnceShown)
{
    const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
    QWidget window;
    window.resize(300, 200);
    window.move(area.right() - 100, area.bottom() - 50);
    keepOnAreaOnceFramed(&window);
    window.show();
    QApplication::processEvents();
    EXPECT_TRUE(area.contains(window.frameGeometry()));
}
