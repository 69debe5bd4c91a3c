#include "core/app/start_options.h"
#include "core/common/game_folder.h"

#include "support/temp_game_folder.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

using namespace tav;
using Action = StartOptions::Action;
using tav::test::TempGameFolder;

TEST(StartOptions, HelpAndVersionPrintWithoutRunning)
{
    const StartOptions help = parseStartOptions({"--help"});
    EXPECT_EQ(help.action, Action::Print);
    EXPECT_TRUE(help.text.startsWith("Usage: tavdesigner [GAME_FOLDER]\n"));
    EXPECT_EQ(parseStartOptions({"-h"}).text, help.text);
    EXPECT_EQ(help.exitCode(), 0);

    const StartOptions version = parseStartOptions({"--version"});
    EXPECT_EQ(version.action, Action::Print);
    EXPECT_EQ(version.text, "tavdesigner 1.0.3\n");
    EXPECT_EQ(parseStartOptions({"--version", "--help"}).text, help.text);
}

TEST(StartOptions, TakesOneFolderAbsoluteAndWithoutTrailingSlash)
{
    TempGameFolder tmp;
    tmp.mkdir(QString::fromUtf8("Mein Spiel äöü"));
    const QString folder = tmp.disk(QString::fromUtf8("Mein Spiel äöü"));

    EXPECT_EQ(parseStartOptions({}).action, Action::Run);
    EXPECT_TRUE(parseStartOptions({}).folder.isEmpty());
    const StartOptions given = parseStartOptions({folder + "/"});
    EXPECT_EQ(given.action, Action::Run);
    EXPECT_EQ(given.folder, folder);
    EXPECT_EQ(parseStartOptions({"--", folder}).folder, folder);

    const QString previous = QDir::currentPath();
    QDir::setCurrent(tmp.root());
    const StartOptions relative = parseStartOptions({QString::fromUtf8("Mein Spiel äöü")});
    QDir::setCurrent(previous);
    EXPECT_EQ(relative.folder, QDir(folder).canonicalPath());
}

TEST(StartOptions, RefusesUnknownOptionsExtraFoldersAndWhatIsNoFolder)
{
    TempGameFolder tmp;
    tmp.write("PLAYER.STS", "x");

    const StartOptions unknown = parseStartOptions({tmp.root(), "--verbose"});
    EXPECT_EQ(unknown.action, Action::Refuse);
    EXPECT_EQ(unknown.exitCode(), 2);
    EXPECT_TRUE(unknown.text.startsWith("tavdesigner: unknown option '--verbose'\nUsage: "));
    EXPECT_EQ(parseStartOptions({"--help", "-x"}).action, Action::Refuse);

    EXPECT_EQ(parseStartOptions({tmp.root(), tmp.root()}).action, Action::Refuse);

    for (const QString &notAFolder : {tmp.disk("PLAYER.STS"), tmp.disk("missing"), QString()}) {
        const StartOptions refused = parseStartOptions({notAFolder});
        EXPECT_EQ(refused.action, Action::Refuse) << notAFolder.toStdString();
        EXPECT_EQ(refused.text, "tavdesigner: '" + notAFolder + "' is not a folder\n");
    }

    if (!test::runningAsRoot()) {
        tmp.mkdir("locked");
        QFile::setPermissions(tmp.disk("locked"), QFileDevice::WriteOwner);
        EXPECT_TRUE(parseStartOptions({tmp.disk("locked")}).text.contains("cannot be opened"));
        QFile::setPermissions(tmp.disk("locked"), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }
}

TEST(StartOptions, AGameFolderHoldsGameDataInAnyCase)
{
    TempGameFolder tmp;
    EXPECT_FALSE(holdsGameData(tmp.root()));
    tmp.write("GameData", "a file, not a folder");
    EXPECT_FALSE(holdsGameData(tmp.root()));
    TempGameFolder game;
    game.mkdir("gamedata");
    EXPECT_TRUE(holdsGameData(game.root()));
}
