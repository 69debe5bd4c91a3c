#include "ui/app/working_folder.h"

#include "core/common/file_io.h"
#include "support/scripted_platform.h"
#include "support/temp_game_folder.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

using namespace tav;
using tav::test::ScriptedPlatform;
using tav::test::TempGameFolder;

namespace {

// Each test starts in a folder of its own and leaves the process where it was.
class WorkingFolder : public ::testing::Test {
protected:
    WorkingFolder() { QDir::setCurrent(start.root()); }
    ~WorkingFolder() override { QDir::setCurrent(m_previous); }

    static QString canonical(const QString &path) { return QDir(path).canonicalPath(); }

    ScriptedPlatform platform;
    TempGameFolder start;

private:
    QString m_previous = QDir::currentPath();
};

} // namespace

TEST_F(WorkingFolder, AGivenFolderOrAGameFolderStartedInOpensWithoutAnyBox)
{
    TempGameFolder given;
    const std::optional<GameFolder> opened = openWorkingFolder(given.root());
    ASSERT_TRUE(opened);
    EXPECT_EQ(opened->root(), canonical(given.root()));
    EXPECT_EQ(QDir::currentPath(), canonical(given.root()));

    start.mkdir("GAMEDATA");
    QDir::setCurrent(start.root());
    ASSERT_TRUE(openWorkingFolder(QString()));
    EXPECT_EQ(QDir::currentPath(), canonical(start.root()));
    EXPECT_EQ(platform.dialogs.count(), 0);
}

TEST_F(WorkingFolder, OutsideAGameFolderTheChosenFolderBecomesTheWorkingFolder)
{
    TempGameFolder game;
    game.mkdir("GameData");
    platform.dialogs.chooseNext(game.root() + "/");
    const std::optional<GameFolder> opened = openWorkingFolder(QString());

    ASSERT_EQ(platform.dialogs.count(), 1);
    const auto &chooser = platform.dialogs.shown().first();
    EXPECT_TRUE(chooser.isFileChoice);
    EXPECT_EQ(chooser.file.kind, platform::FileChoice::Folder);
    EXPECT_EQ(chooser.file.title, "Choose the game folder");
    EXPECT_EQ(canonical(chooser.file.startPath), canonical(start.root()));
    ASSERT_TRUE(opened);
    EXPECT_EQ(opened->root(), canonical(game.root()));
    EXPECT_EQ(QDir::currentPath(), canonical(game.root()));
}

TEST_F(WorkingFolder, CancellingTheChooserEndsWithoutEnteringAnyFolder)
{
    EXPECT_FALSE(openWorkingFolder(QString()));
    EXPECT_EQ(platform.dialogs.count(), 1);
    EXPECT_EQ(QDir::currentPath(), canonical(start.root()));
}

TEST_F(WorkingFolder, AFolderWithoutGameDataIsTakenOnlyAfterAYes)
{
    TempGameFolder refused;
    TempGameFolder accepted;
    platform.dialogs.chooseNext(refused.root());
    platform.dialogs.answerNext(platform::Answer::No);
    platform.dialogs.chooseNext(accepted.root());
    platform.dialogs.answerNext(platform::Answer::Yes);
    const std::optional<GameFolder> opened = openWorkingFolder(QString());

    ASSERT_EQ(platform.dialogs.count(), 4);
    EXPECT_EQ(platform.dialogs.shown()[1].message.buttons, platform::Buttons::YesNo);
    EXPECT_TRUE(platform.dialogs.shown()[1].message.text.contains("holds no GAMEDATA folder"));
    EXPECT_EQ(platform.dialogs.shown()[2].file.startPath, refused.root());
    ASSERT_TRUE(opened);
    EXPECT_EQ(opened->root(), canonical(accepted.root()));
    EXPECT_TRUE(QDir(refused.root()).isEmpty());
}

TEST_F(WorkingFolder, AReadOnlyFolderIsSaidOnceAndItsSavesFail)
{
    if (test::runningAsRoot())
        GTEST_SKIP() << "root writes into read-only folders";
    TempGameFolder game;
    game.mkdir("GAMEDATA");
    QFile::setPermissions(game.root(), QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    const std::optional<GameFolder> opened = openWorkingFolder(game.root());
    QDir::setCurrent(start.root());
    const Status saved = writeFileAtomically(game.disk("design.sts"), "x");
    QFile::setPermissions(game.root(), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);

    ASSERT_TRUE(opened);
    ASSERT_EQ(platform.dialogs.count(), 1);
    EXPECT_TRUE(platform.dialogs.lastMessage().text.contains("nothing can be saved there"));
    EXPECT_FALSE(saved);
    EXPECT_FALSE(game.exists("design.sts"));
}
