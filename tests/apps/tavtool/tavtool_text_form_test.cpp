// tavtool dump, load and show as real processes: the output forms, the exit
// statuses, and show as git's textconv.
#include "run_tavtool.h"

#include "core/sprite/sprite_file.h"
#include "support/temp_game_folder.h"

#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

namespace tav::test {
namespace {

QByteArray sampleFile(const char *path)
{
    QFile file(QStringLiteral(TAV_SOURCE_DIR "/sample/") + QLatin1String(path));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path;
    return file.readAll();
}

struct Game {
    TempGameFolder temp;
    Game()
    {
        for (const char *path : {"GAMEDATA/ITMNAMES.DAT", "GAMEDATA/MAPS/PLAYER.STS", "GAMEDATA/UNITS/WARDEN.UNI",
                                 "GAMEDATA/VERSION.DAT", "GRAFIK/POTION.SPR"})
            temp.write(QLatin1String(path), sampleFile(path));
    }
    ToolRun run(const QStringList &arguments) const { return runTavtool(arguments, temp.root()); }
};

TEST(TavtoolTextForm, DumpPrintsJsonAndLoadWritesTheSameBytesOnlyWithForceOverAFile)
{
    Game game;
    const ToolRun dump = game.run({"dump", "GAMEDATA/UNITS/WARDEN.UNI"});
    ASSERT_EQ(dump.exitCode, 0) << dump.err.toStdString();
    QJsonObject unit = QJsonDocument::fromJson(dump.out.toUtf8()).object();
    EXPECT_EQ(unit.value("format").toString(), "unit");
    EXPECT_EQ(unit.value("description").toString(), "Bog warden");

    unit["description"] = QStringLiteral("Bog wärden");
    game.temp.write("warden.json", QJsonDocument(unit).toJson());
    const ToolRun refused = game.run({"load", "warden.json", "GAMEDATA/UNITS/WARDEN.UNI"});
    EXPECT_EQ(refused.exitCode, 1);
    EXPECT_TRUE(refused.err.contains("--force"));
    EXPECT_EQ(game.temp.read("GAMEDATA/UNITS/WARDEN.UNI"), sampleFile("GAMEDATA/UNITS/WARDEN.UNI"));

    const ToolRun loaded = game.run({"load", "--force", "warden.json", "GAMEDATA/UNITS/WARDEN.UNI"});
    ASSERT_EQ(loaded.exitCode, 0) << loaded.err.toStdString();
    EXPECT_TRUE(game.temp.read("GAMEDATA/UNITS/WARDEN.UNI").startsWith("Bog w\xe4rden\r\nWARDEN\r\n"));

    // The kit's recovery copy of unsaved work holds such a dump as "document".
    unit["description"] = QStringLiteral("Marsh warden");
    const QJsonObject copy{{"recovery", QJsonObject{{"window", "enemy"}}}, {"document", unit}, {"window", QJsonObject{}}};
    game.temp.write("copy.json", QJsonDocument(copy).toJson());
    const ToolRun restored = game.run({"load", "--force", "copy.json", "GAMEDATA/UNITS/WARDEN.UNI"});
    ASSERT_EQ(restored.exitCode, 0) << restored.err.toStdString();
    EXPECT_TRUE(game.temp.read("GAMEDATA/UNITS/WARDEN.UNI").startsWith("Marsh warden\r\n"));
}

TEST(TavtoolTextForm, LoadWritesTheFileTheKitReadsKeepingItsModeAndOwner)
{
    Game game;
    game.temp.write("warden.json",
                    game.run({"dump", "GAMEDATA/UNITS/WARDEN.UNI"}).out.toUtf8().replace("Bog warden", "Bog wraith"));
    const QByteArray warden = QFile::encodeName(game.temp.disk("GAMEDATA/UNITS/WARDEN.UNI"));
    ASSERT_EQ(::chmod(warden.constData(), 0640), 0);
    if (runningAsRoot()) {
        ASSERT_EQ(::chown(warden.constData(), 65534, 65534), 0);
    }
    const ToolRun loaded = game.run({"load", "--force", "warden.json", "gamedata/units/warden.uni"});
    ASSERT_EQ(loaded.exitCode, 0) << loaded.err.toStdString();
    EXPECT_EQ(QDir(game.temp.disk("GAMEDATA/UNITS")).entryList(QDir::Files), QStringList{"WARDEN.UNI"});
    EXPECT_TRUE(game.temp.read("GAMEDATA/UNITS/WARDEN.UNI").startsWith("Bog wraith\r\n"));
    struct stat status {};
    ASSERT_EQ(::stat(warden.constData(), &status), 0);
    EXPECT_EQ(status.st_mode & 07777, 0640u);
    if (runningAsRoot()) {
        EXPECT_EQ(status.st_uid, 65534u);
    }
}

TEST(TavtoolTextForm, LoadRefusesLinksOutOfTheGameFolderAndReplacesOthersOnlyWithForce)
{
    Game game;
    const QTemporaryDir outside;
    game.temp.write("warden.json", game.run({"dump", "GAMEDATA/UNITS/WARDEN.UNI"}).out.toUtf8());
    ASSERT_TRUE(QFile::link(outside.filePath("gone.uni"), game.temp.disk("GAMEDATA/UNITS/GONE.UNI")));
    ASSERT_TRUE(QFile::link(outside.path(), game.temp.disk("GAMEDATA/UNITS/EXT")));
    ASSERT_TRUE(QFile::link("NEW.UNI", game.temp.disk("GAMEDATA/UNITS/OLD.UNI")));
    const struct {
        QStringList arguments;
        QString error;
    } cases[] = {
        {{"--force", "GAMEDATA/UNITS/GONE.UNI"},
         "GAMEDATA/UNITS/GONE.UNI is a link to " + outside.filePath("gone.uni") + ", which lies outside GAMEDATA"},
        {{"--force", "GAMEDATA/UNITS/EXT/X.UNI"},
         "GAMEDATA/UNITS/EXT is a link to " + outside.path() + ", which lies outside GAMEDATA"},
        {{"GAMEDATA/UNITS/OLD.UNI"},
         "GAMEDATA/UNITS/OLD.UNI exists already (a link to " + game.temp.disk("GAMEDATA/UNITS/NEW.UNI") + ")"},
    };
    for (const auto &c : cases) {
        const ToolRun refused = game.run(QStringList{"load", "warden.json"} + c.arguments);
        EXPECT_EQ(refused.exitCode, 1);
        EXPECT_TRUE(refused.err.contains(c.error)) << refused.err.toStdString();
    }
    EXPECT_TRUE(QDir(outside.path()).isEmpty());

    ASSERT_EQ(game.run({"load", "--force", "warden.json", "GAMEDATA/UNITS/OLD.UNI"}).exitCode, 0);
    EXPECT_FALSE(QFileInfo(game.temp.disk("GAMEDATA/UNITS/OLD.UNI")).isSymLink()) << "the link is replaced";
    EXPECT_FALSE(game.temp.exists("GAMEDATA/UNITS/NEW.UNI")) << "not followed";
}

TEST(TavtoolTextForm, RefusalsWriteNothingAndUnknownFilesAreAUsageError)
{
    Game game;
    game.temp.write("bad.json", R"({"format": "unit", "description": 7})");
    game.temp.write("GRAFIK/SHORT.SPR", "TAV");
    const struct {
        QStringList arguments;
        int exit;
        const char *message;
    } cases[] = {
        {{"load", "bad.json", "GAMEDATA/UNITS/NEW.UNI"}, 1, "field 'description' is a number"},
        {{"load", "bad.json"}, 2, "give FILE.json and TARGET"},
        {{"dump", "GAMEDATA/VERSION.DAT"}, 2, "is not a file dump knows"},
        {{"dump", "GRAFIK/SHORT.SPR"}, 1, "shorter than the 11-byte header"},
        {{"dump", "GAMEDATA/MISSING.UNI"}, 1, "MISSING.UNI"},
    };
    for (const auto &c : cases) {
        const ToolRun run = game.run(c.arguments);
        EXPECT_EQ(run.exitCode, c.exit) << c.message;
        EXPECT_TRUE(run.err.contains(QLatin1String(c.message))) << run.err.toStdString();
    }
    EXPECT_FALSE(game.temp.exists("GAMEDATA/UNITS/NEW.UNI"));
    for (const char *command : {"dump", "load", "show"})
        EXPECT_TRUE(game.run({command, "--help"}).out.startsWith(QStringLiteral("Usage: tavtool ") + command));
}

TEST(TavtoolTextForm, ShowPrintsASavegameAsNumberedNamedLinesWithItemNames)
{
    Game game;
    game.temp.write("ab12cd_PLAYER.STS", sampleFile("GAMEDATA/MAPS/PLAYER.STS"));
    const ToolRun show = game.run({"show", game.temp.disk("ab12cd_PLAYER.STS")});
    ASSERT_EQ(show.exitCode, 0) << show.err.toStdString();
    const QStringList lines = show.out.split('\n');
    EXPECT_EQ(lines.value(1), "001 fixed/001: 0");
    EXPECT_EQ(lines.value(3), "003 inventory/0/item: 5 (Torch)");
    EXPECT_TRUE(show.out.contains("\n112 hero/gold: 50\n"));
    EXPECT_TRUE(show.out.contains("\n115 map/x: \"12\"\n"));
}

TEST(TavtoolTextForm, ShowPrintsDamagedAndUnknownFilesAsTheyAreAndEndsWithZero)
{
    Game game;
    game.temp.write("GRAFIK/SHORT.SPR", QByteArray("TAVSPR\x01\x00\x00\x01\x00\x07", 12));
    game.temp.write("GAMEDATA/UNITS/CUT.UNI", "Orc\r\nORC\x01\r\n");
    game.temp.write("GAMEDATA/VERSION.DAT", "1.0\r\n");
    const struct {
        const char *file;
        const char *out;
    } cases[] = {
        {"GRAFIK/SHORT.SPR", "# damaged: states a 0 x 1 sprite%\n00000000: 54 41 56 53 50 52 01 00 00 01 00 07\n"},
        {"GAMEDATA/UNITS/CUT.UNI", "# damaged: Line 3 of the unit file is not a number.\nOrc\nORC\\x01\n"},
        {"GAMEDATA/VERSION.DAT", "# not a known game file\n1.0\n"},
    };
    for (const auto &c : cases) {
        const ToolRun show = game.run({"show", c.file});
        EXPECT_EQ(show.exitCode, 0) << c.file;
        const QStringList expected = QString::fromLatin1(c.out).split(QLatin1Char('%'));
        EXPECT_TRUE(show.out.startsWith(expected.first()) && show.out.endsWith(expected.last()))
            << show.out.toStdString();
    }
}

TEST(TavtoolTextForm, GitDiffThroughShowFindsTheChangedRowOfASprite)
{
    const QString git = QStandardPaths::findExecutable("git");
    if (git.isEmpty())
        GTEST_SKIP() << "git is not installed";
    TempGameFolder repo;
    const auto gitRun = [&](const QStringList &arguments) {
        QProcess process;
        process.setWorkingDirectory(repo.root());
        process.start(git, QStringList{"-c", "user.name=Tav", "-c", "user.email=tav@example.org"} + arguments);
        EXPECT_TRUE(process.waitForFinished(30000));
        EXPECT_EQ(process.exitCode(), 0) << process.readAllStandardError().toStdString();
        return QString::fromUtf8(process.readAllStandardOutput());
    };
    QByteArray pixels(3 * 4, '\x10');
    repo.write("GRAFIK/EYE.SPR", spriteFileBytes(3, 4, pixels));
    repo.write("GAMEDATA/UNITS/ORC.UNI",
               "Orc\r\nORC\r\n 1 \r\n 1 \r\n 1 \r\n 1 \r\n 5 \r\n 1 \r\n 0 \r\n 0 \r\n 0 \r\n 0 \r\n");
    repo.write(".gitattributes", "*.SPR diff=tav\n*.spr diff=tav\n*.UNI diff=tav\n");
    gitRun({"init", "-q"});
    gitRun({"config", "diff.tav.textconv", QStringLiteral(TAVTOOL_PATH " show")});
    gitRun({"add", "-A"});
    gitRun({"commit", "-q", "-m", "eye"});
    pixels[2 * 3 + 1] = '\xab';
    repo.write("GRAFIK/EYE.SPR", spriteFileBytes(3, 4, pixels));
    repo.write("GAMEDATA/UNITS/ORC.UNI", "Orc\r\nORC\r\n"); // cut short: damaged
    const QString diff = gitRun({"diff"});                  // exits 0 with the damaged file and the one after it
    EXPECT_TRUE(diff.contains("\n+# damaged: Line 3 of the unit file is not a number.\n")) << diff.toStdString();
    EXPECT_TRUE(diff.contains("\n-007 health: 5\n")) << diff.toStdString();
    EXPECT_TRUE(diff.contains("\n-row 02: 10 10 10\n+row 02: 10 ab 10\n")) << diff.toStdString();
}

} // namespace
} // namespace tav::test
