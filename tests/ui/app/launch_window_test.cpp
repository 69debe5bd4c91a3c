#include "ui/app/launch_window.h"
#include "ui/app/tool_windows.h"

#include "core/app/quit_question.h"
#include "core/common/document.h"
#include "support/scripted_platform.h"
#include "ui/common/unsaved_work.h"
#include "support/temp_game_folder.h"

#include <QFile>
#include <QGuiApplication>
#include <QScreen>
#include <QSignalSpy>
#include <QToolButton>

#include <gtest/gtest.h>

using namespace tav;
using tav::test::ScriptedPlatform;
using tav::test::TempGameFolder;

namespace {

// A document whose unsaved work the test sets.
struct TestDocument : Document {
    TestDocument() : Document(GameFolder()) {}
    QString work;
    QString windowName() const override { return QString(); }
    QString windowId() const override { return QStringLiteral("test"); }
    QString workName() const override { return work; }
    QString unsavedWork() const override { return work; }
    bool isUnsaved() const override { return !work.isEmpty(); }
    QString formatId() const override { return QString(); }
    QByteArray fileBytes() const override { return {}; }
    Status restore(const QByteArray &, const QJsonObject &) override { return Status::success(); }
    Status reload() override { return Status::success(); }
};

// A tool window holding a document, its answer set by the test.
struct DocumentWindow : QWidget, UnsavedWork {
    TestDocument document;
    QString &work = document.work;
    int finished = 0;
    QList<Document *> documents() override { return {&document}; }
    QString unsavedWork() const override { return work; }
    void finishWork() override { ++finished; }
};

struct LaunchFixture : ::testing::Test {
    ScriptedPlatform platform;
    TempGameFolder tmp;
    std::map<ToolWindow, int> shown;
    std::unique_ptr<ToolWindows> windows;

    Form1 *makeLaunch()
    {
        windows = std::make_unique<ToolWindows>(tmp.folder(), [](ToolWindow id, ToolWindows &w) -> QWidget * {
            if (id == ToolWindow::Launch)
                return ToolWindows::createStandardWindow(id, w);
            auto *widget = id == ToolWindow::Macro || id == ToolWindow::Sprite ? new DocumentWindow : new QWidget;
            widget->setObjectName(QStringLiteral("tool%1").arg(int(id)));
            return widget;
        });
        return qobject_cast<Form1 *>(windows->load(ToolWindow::Launch));
    }
};

} // namespace

TEST_F(LaunchFixture, InAReadOnlyFolderTheUnwrittenMarkerIsNotReportedAgain)
{
    if (test::runningAsRoot())
        GTEST_SKIP() << "root writes into read-only folders";
    QFile::setPermissions(tmp.root(), QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    makeLaunch();
    QFile::setPermissions(tmp.root(), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    ASSERT_EQ(platform.dialogs.count(), 1);
    EXPECT_EQ(platform.dialogs.lastMessage().title, "Warning!");
    EXPECT_FALSE(tmp.exists("design.sts"));
}

TEST_F(LaunchFixture, FirstStartWarnsOnceAndWritesTheMarker)
{
    makeLaunch();
    EXPECT_EQ(platform.dialogs.count(), 1);
    EXPECT_EQ(tmp.read("design.sts"), QByteArray("\x02\x00\x01\x00", 4));
    windows.reset();
    makeLaunch();
    EXPECT_EQ(platform.dialogs.count(), 1);
}

TEST_F(LaunchFixture, AnEmptyMarkerBringsTheWarningBack)
{
    tmp.write("design.sts", "");
    makeLaunch();
    EXPECT_EQ(platform.dialogs.count(), 1);
    EXPECT_EQ(tmp.read("design.sts"), QByteArray("\x02\x00\x01\x00", 4));
}

TEST_F(LaunchFixture, AnyOtherContentIsLeftUntouched)
{
    tmp.write("design.sts", "\x07");
    makeLaunch();
    EXPECT_EQ(platform.dialogs.count(), 0);
    EXPECT_EQ(tmp.read("design.sts"), "\x07");
}

TEST_F(LaunchFixture, AMarkerThatCannotBeWrittenIsReportedAndTheProgramGoesOn)
{
    tmp.mkdir("design.sts");
    Form1 *launch = makeLaunch();
    ASSERT_NE(launch, nullptr);
    ASSERT_EQ(platform.dialogs.count(), 2);
    EXPECT_EQ(platform.dialogs.shown()[1].message.icon, platform::Icon::Critical);
    EXPECT_TRUE(platform.dialogs.shown()[1].message.text.contains("design.sts"));
}

TEST_F(LaunchFixture, HasTheNineButtonsAtTheirPlaces)
{
    tmp.write("design.sts", "x");
    Form1 *launch = makeLaunch();
    EXPECT_EQ(launch->windowTitle(), "Tavaria developement kit launch window");
    EXPECT_EQ(launch->size(), QSize(543, 68));
    const char *captions[] = {"Macro", "MAPs", "SavGm", "Param", "Sprites", "Help", "Game", "Enemy", "About"};
    const char *tips[] = {"Macro developement", "MAP editing", "Savegame editor", "Definitions parameter editor",
                          "Sprite editor", "Help files", "Run game", "Enemy editor", "About the developement kit"};
    const int lefts[] = {60, 840, 1620, 2400, 3180, 4740, 5640, 3960, 6420};
    for (int i = 0; i < 9; ++i) {
        auto *button = launch->findChild<QToolButton *>(QStringLiteral("Command1_%1").arg(i));
        ASSERT_NE(button, nullptr) << i;
        EXPECT_EQ(button->text(), captions[i]);
        EXPECT_EQ(button->toolTip(), tips[i]);
        EXPECT_EQ(button->geometry(), QRect(lefts[i] / 15, 4, 49, 61)) << i;
    }
}

TEST_F(LaunchFixture, ButtonsShowToolsAndStartCommands)
{
    tmp.write("design.sts", "x");
    Form1 *launch = makeLaunch();
    launch->findChild<QToolButton *>("Command1_4")->click();
    EXPECT_TRUE(windows->window(ToolWindow::Sprite)->isVisible());
    QWidget *sprite = windows->window(ToolWindow::Sprite);
    launch->Command1_Click(4);
    EXPECT_EQ(windows->window(ToolWindow::Sprite), sprite);
    launch->Command1_Click(7);
    EXPECT_TRUE(windows->window(ToolWindow::Enemy)->isVisible());

    launch->findChild<QToolButton *>("Command1_5")->click();
    platform.launcher.setSucceeds(false);
    launch->findChild<QToolButton *>("Command1_6")->click();
    EXPECT_EQ(platform.launcher.commandLines(), (QStringList{"explorer HELP", "Tavaria"}));
    EXPECT_EQ(platform.dialogs.count(), 0);
}

TEST_F(LaunchFixture, SitsInTheBottomRightCorner)
{
    tmp.write("design.sts", "x");
    Form1 *launch = makeLaunch();
    launch->show();
    launch->placeBottomRight();
    const QRect screen = launch->screen()->geometry();
    const QRect frame = launch->frameGeometry();
    EXPECT_EQ(screen.right() - frame.right(), 7); // 100 twips
    EXPECT_EQ(screen.bottom() - frame.bottom(), 40); // 600 twips
}

TEST_F(LaunchFixture, ClosingAsksTheProgramToEnd)
{
    tmp.write("design.sts", "x");
    Form1 *launch = makeLaunch();
    QSignalSpy ended(launch, &Form1::programEndRequested);
    launch->show();
    launch->close();
    EXPECT_EQ(ended.count(), 1);
}

TEST_F(LaunchFixture, ClosingWithUnsavedWorkAsksOnceAndNoKeepsTheKitRunning)
{
    tmp.write("design.sts", "x");
    Form1 *launch = makeLaunch();
    QSignalSpy ended(launch, &Form1::programEndRequested);
    auto *macro = static_cast<DocumentWindow *>(windows->load(ToolWindow::Macro));
    auto *sprite = static_cast<DocumentWindow *>(windows->load(ToolWindow::Sprite));
    macro->work = "Macro editor (ELDER)";
    sprite->work = "Sprite editor (\\UNITS\\BATU1)";
    windows->show(ToolWindow::Macro);
    launch->show();

    platform.dialogs.answerNext(platform::Answer::No);
    launch->close();
    ASSERT_EQ(platform.dialogs.count(), 1);
    EXPECT_EQ(platform.dialogs.lastMessage().text, "Unsaved changes in: Macro editor (ELDER), Sprite editor "
                                                   "(\\UNITS\\BATU1). Quit and lose them?");
    EXPECT_EQ(platform.dialogs.lastMessage().title, kQuitQuestionTitle);
    EXPECT_EQ(platform.dialogs.lastMessage().buttons, platform::Buttons::YesNo);
    EXPECT_EQ(ended.count(), 0);
    EXPECT_TRUE(launch->isVisible());
    EXPECT_TRUE(macro->isVisible());
    EXPECT_EQ(macro->finished, 0);

    platform.dialogs.answerNext(platform::Answer::Yes);
    launch->close();
    EXPECT_EQ(platform.dialogs.count(), 2);
    EXPECT_EQ(ended.count(), 1);
    EXPECT_EQ(sprite->finished, 1) << "a save under way finishes before the kit ends";

    // Nothing to lose: no question at all.
    macro->work.clear();
    sprite->work.clear();
    launch->show();
    launch->close();
    EXPECT_EQ(platform.dialogs.count(), 2);
    EXPECT_EQ(ended.count(), 2);
}
