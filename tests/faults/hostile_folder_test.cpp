// Game folders from anyone: every writer of the kit, the sprite saver and
// tavtool's load and sprite import run on a folder whose links lead outside
// it, or which holds a program named like the kit's sprite saver. Nothing
// outside the game folder may change.
#include "core/automap/automap_table.h"
#include "core/automap/slot_map_tools.h"
#include "core/definitions/goal_list.h"
#include "core/enemy/unit_file.h"
#include "core/macro/macro_file.h"
#include "core/savegame/player_file.h"
#include "core/sprite/handoff_file.h"
#include "core/sprite/sprite_name.h"
#include "ui/platform/launcher.h"

#include "support/temp_game_folder.h"

#include <QCryptographicHash>
#include <QDirIterator>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <functional>

using namespace tav;
using namespace tav::test;

namespace {

// Everything below a folder: names, kinds, link targets and bytes.
QByteArray fingerprint(const QString &root)
{
    QStringList entries;
    QDirIterator it(root, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QFileInfo info = it.nextFileInfo();
        QFile file(info.filePath());
        const QByteArray bytes = info.isFile() && file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
        entries.append(info.filePath() + QLatin1Char(' ') + info.symLinkTarget() + QLatin1Char(' ') +
                       QString::fromLatin1(QCryptographicHash::hash(bytes, QCryptographicHash::Sha1).toHex()));
    }
    entries.sort();
    return entries.join(QLatin1Char('\n')).toUtf8();
}

void run(const TempGameFolder &tmp, const QString &program, const QStringList &arguments)
{
    QProcess process;
    process.setWorkingDirectory(tmp.root());
    process.start(QStringLiteral(TAV_BINARY_DIR "/bin/") + program, arguments);
    EXPECT_TRUE(process.waitForFinished(20000)) << program.toStdString();
}

CellGrid oneRedPixel()
{
    CellGrid cells;
    cells.set(0, 0, 7);
    return cells;
}

struct Writer {
    const char *name;
    QString target; // the file written, below the game folder
    std::function<void(const TempGameFolder &)> write;
};

const QString kUnit =
    QStringLiteral("Orc\r\nORC\r\n 1 \r\n 1 \r\n 1 \r\n 1 \r\n 5 \r\n 1 \r\n 0 \r\n 0 \r\n 0 \r\n 0 \r\n");

// tavtool dump of a unit, then load of that JSON as the target.
std::function<void(const TempGameFolder &)> loadUnit(bool force)
{
    return [force](const TempGameFolder &tmp) {
        tmp.write("ORC.UNI", kUnit.toLatin1());
        QProcess dump;
        dump.setWorkingDirectory(tmp.root());
        dump.start(QStringLiteral(TAV_BINARY_DIR "/bin/tavtool"), {"dump", "ORC.UNI"});
        ASSERT_TRUE(dump.waitForFinished(20000));
        tmp.write("orc.json", dump.readAllStandardOutput());
        run(tmp, "tavtool",
            QStringList{"load", "orc.json", "GAMEDATA/UNITS/WARDEN.UNI"} +
                (force ? QStringList{"--force"} : QStringList()));
    };
}

const Writer kWriters[] = {
    {"PlayerFile", "GAMEDATA/SAVE1/PLAYER.STS",
     [](const TempGameFolder &tmp) { savePlayerFile(tmp.folder(), "GAMEDATA\\SAVE1\\PLAYER.STS", PlayerState{}); }},
    {"UnitFile", "GAMEDATA/UNITS/ORC.UNI",
     [](const TempGameFolder &tmp) { enemy::writeUnitFile(tmp.folder(), "ORC", enemy::Unit{}); }},
    {"Macro", "GAMEDATA/MAKRO/intro.cmd", [](const TempGameFolder &tmp) { saveMacro(tmp.folder(), "intro", "END"); }},
    {"Goals", "GAMEDATA/GOALS.DAT",
     [](const TempGameFolder &tmp) { writeGoalList(tmp.folder(), GoalList({"Find the sword"})); }},
    {"AutomapScratch", "GAMEDATA/AUTOMAP.NEW",
     [](const TempGameFolder &tmp) {
         tmp.write("GAMEDATA/AUTOMAP.DAT", " 1, 2\r\nOld lake\r\n");
         saveAutomapString(tmp.folder(), 1, 2, "Lake");
     }},
    {"SlotMaps", "GAMEDATA/SAVE1/01-01-00.MAP",
     [](const TempGameFolder &tmp) {
         tmp.write("GAMEDATA/MAPS/01-01-00.MAP", "default map");
         resetAllSlotMaps(tmp.folder(), "GAMEDATA\\SAVE1");
     }},
    // The kit's own sprite save: the hand-off file, then the saver the kit
    // finds for "SPRSVR" (beside itself, never the game folder's).
    {"SpriteSave", "SPREDIT.TMP",
     [](const TempGameFolder &tmp) {
         writeHandoffFile(tmp.folder(), 1, 1, oneRedPixel());
         platform::WatchedProgram *saver = platform::launcher().startWatched(tmp.folder(), saverCommandLine("\\ORC"),
                                                                             platform::WindowStyle::Hidden, nullptr);
         ASSERT_NE(saver, nullptr);
         saver->waitForEnd(20000);
         delete saver;
         EXPECT_TRUE(tmp.exists("GRAFIK/ORC.SPR")) << "the kit's own saver wrote the sprite";
     }},
    {"SpriteSaver", "GRAFIK/EXT/ORC.SPR",
     [](const TempGameFolder &tmp) {
         tmp.write("SPREDIT.TMP", "1\r\n1\r\n7\r\n");
         run(tmp, "sprsvr", {"GRAFIK\\EXT\\ORC.SPR"});
     }},
    {"TavtoolLoad", "GAMEDATA/UNITS/WARDEN.UNI", loadUnit(false)},
    {"TavtoolLoadForced", "GAMEDATA/UNITS/WARDEN.UNI", loadUnit(true)},
    {"TavtoolSpriteImport", "GRAFIK/EXT/ORC.SPR",
     [](const TempGameFolder &tmp) {
         tmp.write("red.png", redPngBytes(1, 1));
         run(tmp, "tavtool", {"sprite", "import", "red.png", "\\EXT\\ORC", "--force"});
     }},
};

enum class Hostility { LinkToOutsideFile, DanglingLink, LinkedSubfolder, SaverInTheFolder };

struct Case {
    Writer writer;
    Hostility hostility;
};

std::string caseName(const Case &c)
{
    const char *kinds[] = {"LinkToOutsideFile", "DanglingLink", "LinkedSubfolder", "SaverInTheFolder"};
    return std::string(c.writer.name) + "_" + kinds[int(c.hostility)];
}

void PrintTo(const Case &c, std::ostream *out)
{
    *out << caseName(c);
}

// Every writer with every way a folder can lead it outside that fits it: a
// folder linked away only below the game folder's top-level folders.
std::vector<Case> cases()
{
    std::vector<Case> all;
    for (const Writer &writer : kWriters)
        for (Hostility hostility : {Hostility::LinkToOutsideFile, Hostility::DanglingLink, Hostility::LinkedSubfolder,
                                    Hostility::SaverInTheFolder})
            if (hostility != Hostility::LinkedSubfolder || writer.target.count(QLatin1Char('/')) >= 2)
                all.push_back({writer, hostility});
    return all;
}

class HostileFolder : public ::testing::TestWithParam<Case> {};

TEST_P(HostileFolder, NothingOutsideTheGameFolderChanges)
{
    const QTemporaryDir outside;
    {
        QFile victim(outside.filePath("victim.txt"));
        ASSERT_TRUE(victim.open(QIODevice::WriteOnly));
        victim.write("outside\n");
    }
    TempGameFolder tmp;
    for (const char *folder : {"GAMEDATA/MAPS", "GAMEDATA/SAVE1", "GAMEDATA/UNITS", "GAMEDATA/MAKRO", "GRAFIK/EXT"})
        tmp.mkdir(folder);
    tmp.write("GAMEDATA/MASTER.PAL", QByteArray("63,0,0\r\n").repeated(256));
    const QString target = tmp.disk(GetParam().writer.target);
    switch (GetParam().hostility) {
    case Hostility::LinkToOutsideFile:
        ASSERT_TRUE(QFile::link(outside.filePath("victim.txt"), target));
        break;
    case Hostility::DanglingLink:
        ASSERT_TRUE(QFile::link(outside.filePath("new.txt"), target));
        break;
    case Hostility::LinkedSubfolder: {
        const QString folder = QFileInfo(target).path();
        ASSERT_TRUE(QDir(folder).removeRecursively());
        ASSERT_TRUE(QFile::link(outside.path(), folder));
        break;
    }
    case Hostility::SaverInTheFolder:
        tmp.write("sprsvr", QStringLiteral("#!/bin/sh\necho ran > '%1/ran.txt'\n").arg(outside.path()).toUtf8());
        QFile::setPermissions(tmp.disk("sprsvr"), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        break;
    }
    const QByteArray before = fingerprint(outside.path());
    GetParam().writer.write(tmp);
    EXPECT_EQ(fingerprint(outside.path()), before);
}

INSTANTIATE_TEST_SUITE_P(Kit, HostileFolder, ::testing::ValuesIn(cases()),
                         [](const auto &info) { return caseName(info.param); });

} // namespace
