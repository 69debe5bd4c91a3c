// The kit keeps the designer's work: copies written at a logout and kept,
// offered back at the next start, one kit per game folder, and a state
// folder that cannot be written said once.
#include "ui/app/kit_session.h"
#include "ui/app/launch_window.h"
#include "ui/app/tool_windows.h"
#include "ui/macro/macro_body_edit.h"
#include "ui/macro/macro_editor.h"

#include "core/app/state_folder.h"
#include "support/scripted_platform.h"
#include "support/temp_game_folder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QPushButton>

#include <gtest/gtest.h>

using namespace tav;
using namespace tav::test;

namespace {

// A game folder, the user's state folder and the scripted boxes.
struct KitFixture : ::testing::Test {
    ScriptedPlatform platform;
    TempGameFolder game;
    TempGameFolder state;
    QByteArray previousState = qgetenv("XDG_STATE_HOME");

    void SetUp() override
    {
        game.write("design.sts", "x");
        game.mkdir("GAMEDATA/MAKRO");
        qputenv("XDG_STATE_HOME", state.root().toLocal8Bit());
    }
    void TearDown() override { qputenv("XDG_STATE_HOME", previousState); }

    QString folder() const { return stateFolderFor(game.root()); }
    QStringList copies(const QString &sub = QString()) const
    {
        return QDir(folder() + sub).entryList({"*.json"}, QDir::Files);
    }
};

// A kit as runKit builds it, without its event loop.
struct Kit {
    KitSession session;
    ToolWindows windows;
    explicit Kit(const GameFolder &folder)
        : session(folder)
        , windows(folder)
    {
    }
    bool start()
    {
        if (!session.takeFolder())
            return false;
        session.attach(windows);
        windows.load(ToolWindow::Launch);
        windows.load(ToolWindow::Macro);
        return true;
    }
    Form2 &macro() { return *static_cast<Form2 *>(windows.window(ToolWindow::Macro)); }
};

} // namespace

TEST_F(KitFixture, ALogoutKeepsTheWorkWithoutAQuestionAndASecondStartRestoresIt)
{
    {
        Kit kit(game.folder());
        ASSERT_TRUE(kit.start());
        kit.macro().body().assign(QStringLiteral("arm 1\r\nend"));
        kit.session.endKeepingWork(); // what the desktop's logout request calls
        EXPECT_EQ(platform.dialogs.count(), 0);
        EXPECT_TRUE(static_cast<Form1 *>(kit.windows.window(ToolWindow::Launch))->mayEndProgram());
        EXPECT_EQ(platform.dialogs.count(), 0) << "no quit question while the session ends";
        EXPECT_EQ(copies().size(), 1);
    }
    EXPECT_EQ(copies().size(), 1) << "kept after the kit ended";

    Kit second(game.folder());
    ASSERT_TRUE(second.start());
    platform.dialogs.answerNext(platform::Answer::Yes);
    second.session.offerLeftovers();
    ASSERT_EQ(platform.dialogs.count(), 1);
    EXPECT_TRUE(platform.dialogs.lastMessage().text.startsWith(
        "The Tav designer ended without saving: Macro editor (NoName, "));
    EXPECT_TRUE(platform.dialogs.lastMessage().text.endsWith("). Restore this work?"));
    EXPECT_EQ(second.macro().body().bodyText(), "ARM 1\r\nend");
    EXPECT_EQ(second.macro().windowTitle(), "NoName - Tav Macro editor (unsaved)");
    second.session.keepWork();
    ASSERT_EQ(copies().size(), 1);
    EXPECT_TRUE(copies().first().startsWith(second.session.store().session())) << "the old copy went";

    // Yes to the quit question: the work is let go, its copies too.
    platform.dialogs.answerNext(platform::Answer::Yes);
    EXPECT_TRUE(static_cast<Form1 *>(second.windows.window(ToolWindow::Launch))->mayEndProgram());
    EXPECT_TRUE(copies().isEmpty());
}

TEST_F(KitFixture, CopiesNotRestoredAndDamagedOnesAreSetAsideNeverDeleted)
{
    {
        Kit kit(game.folder());
        ASSERT_TRUE(kit.start());
        kit.macro().body().assign(QStringLiteral("TEXT kept"));
        kit.session.keepWork();
    }
    state.write(QDir(state.root()).relativeFilePath(folder()) + "/1-2-enemy.json", "{ damaged");
    Kit second(game.folder());
    ASSERT_TRUE(second.start());
    platform.dialogs.answerNext(platform::Answer::Ok);
    platform.dialogs.answerNext(platform::Answer::No);
    second.session.offerLeftovers();
    const QStringList texts = platform.dialogs.messageTexts();
    ASSERT_EQ(texts.size(), 3) << texts.join("|").toStdString();
    EXPECT_TRUE(texts[0].startsWith("Copies of unsaved work that cannot be restored (1-2-enemy.json (it is damaged"))
        << texts[0].toStdString();
    EXPECT_TRUE(texts[1].startsWith("The Tav designer ended without saving: Macro editor (NoName"));
    EXPECT_TRUE(texts[2].startsWith("The unsaved work was set aside in ")) << texts[2].toStdString();
    EXPECT_TRUE(texts[2].contains("kept there for 14 days; \"tavtool load COPY.json FILE\" restores one by hand."));
    EXPECT_FALSE(texts[0].contains("tavtool")) << "a damaged copy cannot be restored by hand either";
    EXPECT_EQ(copies(), QStringList());
    EXPECT_EQ(copies("/set-aside").size(), 2);
    EXPECT_EQ(second.macro().body().bodyText(), "");
}

TEST_F(KitFixture, ASecondKitOnTheFolderAsksFirstAndReturnEndsIt)
{
    Kit first(game.folder());
    ASSERT_TRUE(first.start());
    KitSession second(game.folder());
    platform.dialogs.pressReturnNext();
    EXPECT_FALSE(second.takeFolder());
    ASSERT_EQ(platform.dialogs.count(), 1);
    EXPECT_EQ(platform.dialogs.lastMessage().text,
              QStringLiteral("This game folder is open in another Tav designer (process %1). Open it anyway?")
                  .arg(QCoreApplication::applicationPid()));
    platform.dialogs.answerNext(platform::Answer::Yes);
    EXPECT_TRUE(second.takeFolder());
}

TEST_F(KitFixture, AnUnwritableStateFolderIsSaidOnceAndSavesStillWork)
{
    state.write("blocked", "a file where the state folder belongs");
    qputenv("XDG_STATE_HOME", state.disk("blocked").toLocal8Bit());
    Kit kit(game.folder());
    ASSERT_TRUE(kit.start());
    ASSERT_EQ(platform.dialogs.count(), 1);
    EXPECT_TRUE(platform.dialogs.lastMessage().text.startsWith("Unsaved work cannot be kept safe: "));
    kit.macro().body().assign(QStringLiteral("TEXT x"));
    kit.session.keepWork();
    kit.macro().findChild<QWidget *>("Text1")->setProperty("text", "SAFE");
    kit.macro().findChild<QPushButton *>("Command2")->click();
    EXPECT_EQ(game.read("GAMEDATA/MAKRO/SAFE.cmd"), "TEXT x");
    EXPECT_EQ(platform.dialogs.count(), 1);
}
