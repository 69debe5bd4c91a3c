// tavtool refs, rename and renumber as real processes on copies of the sample.
#include "run_tavtool.h"

#include "support/sample_faults.h"

#include <QDirIterator>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QMap>

#include <gtest/gtest.h>
#include <sys/stat.h>

namespace tav::test {
namespace {

QMap<QString, QByteArray> contents(const TempGameFolder &tmp)
{
    QMap<QString, QByteArray> files;
    QDirIterator it(tmp.root(), QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString relative = it.next().mid(tmp.root().size() + 1);
        files.insert(relative, tmp.read(relative));
    }
    return files;
}

TEST(TavtoolRefs, AnswersInTheCompilerFormAndRefusesWithoutWriting)
{
    TempGameFolder tmp;
    copySample(tmp);
    const auto before = contents(tmp);
    const struct {
        QStringList arguments;
        int exit;
        const char *output; // the whole of stdout, or a part of stderr for a refusal
    } rows[] = {
        {{"refs", "sprite", "bogl"},
         0,
         "GAMEDATA/UNITS/BOGLING.UNI:2: note: sprite BOGL\n"
         "GAMEDATA/UNITS/ROTBOGL.UNI:2: note: sprite BOGL\n"
         "2 uses of sprite BOGL; MAP files not searched\n"},
        {{"refs", "--game-paths", "person", "Elder"},
         0,
         "GAMEDATA\\DEF_PIDL.DAT:1: note: person ELDER (idle sound)\n1 use of person ELDER; MAP files not searched\n"},
        {{"refs", "sound", "nosuch"}, 1, "0 uses of sound NOSUCH; MAP files not searched\n"},
        {{"refs", "colour", "red"}, 2, "KIND is one of sprite, unit, item, goal, person, sound, square"},
        {{"refs", "item", "key"}, 2, "'key' is no item name (a number)"},
        {{"refs", "sprite"}, 2, "2 arguments"},
        {{"refs", "unit", "ORC", "GAMEDATA"}, 2, "is not a game folder"},
        {{"rename", "--dry-run", "sprite", "BOGL", "MUDL"},
         0,
         "GAMEDATA/UNITS/BOGLING.UNI:2: note: sprite BOGL becomes MUDL\n"
         "GAMEDATA/UNITS/ROTBOGL.UNI:2: note: sprite BOGL becomes MUDL\n"
         "GRAFIK/UNITS/BOGLU1.SPR: note: renamed to MUDLU1.SPR\n"
         "GRAFIK/UNITS/BOGLZ1.SPR: note: renamed to MUDLZ1.SPR\n"
         "rename sprite BOGL to MUDL: 4 files would change (dry run: nothing written); MAP files not searched\n"},
        {{"rename", "sprite", "BOGL", "MUDLARK"}, 1, "at most 6 characters"},
        {{"rename", "goal", "1", "2"}, 2, "KIND is sprite, unit or sound"},
        {{"renumber", "--dry-run", "goal", "0", "1"}, 0, "renumber goal 0 to 1: 5 files would change"},
        {{"renumber", "goal", "1", "9"}, 1, "goal 9 does not exist: GOALS.DAT holds goals 0 to 5."},
        {{"renumber", "item", "one", "2"}, 2, "FROM and TO are numbers"},
    };
    for (const auto &row : rows) {
        const ToolRun run = runTavtool(row.arguments, tmp.root());
        const QString what = row.arguments.join(' ');
        EXPECT_EQ(run.exitCode, row.exit) << what.toStdString() << "\n" << run.err.toStdString();
        if (row.exit == 2 || (row.exit == 1 && row.arguments[0] != "refs"))
            EXPECT_TRUE(run.err.contains(QLatin1String(row.output))) << run.err.toStdString();
        else if (row.arguments[0] == "renumber")
            EXPECT_TRUE(run.out.contains(QLatin1String(row.output))) << run.out.toStdString();
        else
            EXPECT_EQ(run.out, QLatin1String(row.output)) << what.toStdString();
    }
    EXPECT_EQ(contents(tmp), before);

    const ToolRun json = runTavtool({"refs", "--format=json", "square", "12,8", tmp.root()});
    const QJsonObject answer = QJsonDocument::fromJson(json.out.toUtf8()).object();
    EXPECT_EQ(answer["count"], 4);
    EXPECT_EQ(answer["notSearched"], QJsonArray{"MAP files"});
    EXPECT_EQ(answer["uses"][1].toObject(),
              (QJsonObject{{"path", QDir(tmp.root()).absolutePath() + "/GAMEDATA/MAKRO/ELDER.cmd"},
                           {"file", "GAMEDATA\\MAKRO\\ELDER.cmd"},
                           {"line", 7},
                           {"column", QJsonValue()},
                           {"text", "square 12,8 (XXX)"}}));
    for (const char *command : {"refs", "rename", "renumber"})
        EXPECT_TRUE(runTavtool({command, "--help"}).out.contains("Exit status: 0 ")) << command;
}

TEST(TavtoolRefs, RenameAndRenumberLeaveTheFolderCleanAndRefsSeesTheNewNames)
{
    TempGameFolder tmp;
    copySample(tmp);
    EXPECT_EQ(runTavtool({"rename", "sprite", "BOGL", "MUDL"}, tmp.root()).exitCode, 0);
    EXPECT_EQ(runTavtool({"rename", "sound", "chime", "bell"}, tmp.root()).exitCode, 0);
    EXPECT_EQ(runTavtool({"renumber", "item", "2", "5"}, tmp.root()).exitCode, 0);
    const ToolRun check = runTavtool({"check"}, tmp.root());
    EXPECT_EQ(check.exitCode, 0) << check.out.toStdString();
    EXPECT_EQ(runTavtool({"refs", "sprite", "BOGL"}, tmp.root()).exitCode, 1);
    EXPECT_TRUE(runTavtool({"refs", "sound", "BELL"}, tmp.root()).out.contains("\n44 uses of sound BELL;"));
    EXPECT_TRUE(runTavtool({"refs", "item", "5"}, tmp.root())
                    .out.contains("GAMEDATA/MAKRO/ELDER.cmd:8: note: item 5 (ITM +)\n"));
}

// The units are replaced, then renaming the sprite files fails: the units
// are put back.
TEST(TavtoolRefs, ARenameThatFailsHalfwayPutsBackWhatItDid)
{
    TempGameFolder tmp;
    copySample(tmp);
    QDirIterator it(tmp.root(), QDir::AllEntries | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
    ::chmod(QFile::encodeName(tmp.root()).constData(), 0777);
    while (it.hasNext()) {
        const QString path = it.next();
        ::chmod(QFile::encodeName(path).constData(), it.fileInfo().isDir() ? 0777 : 0666);
    }
    ::chmod(QFile::encodeName(tmp.disk("GRAFIK/UNITS")).constData(), 0555);
    const auto before = contents(tmp);

    const ToolRun run = runTavtoolAsNobody({"rename", "sprite", "BOGL", "MUDL", tmp.root()});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.err.count('\n'), 1) << run.err.toStdString();
    EXPECT_TRUE(run.err.contains("BOGLU1.SPR could not be renamed to MUDLU1.SPR: Permission denied. Every file is as "
                                 "it was."))
        << run.err.toStdString();
    EXPECT_EQ(contents(tmp), before);
}

} // namespace
} // namespace tav::test
