#include "run_tavtool.h"

#include "core/check/finding.h"
#include "core/macro/print_text.h"
#include "support/sample_faults.h"

#include <QDirIterator>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <gmock/gmock.h>

#include <gtest/gtest.h>
#include <sys/stat.h>

namespace tav::test {
namespace {

using check::kListedFindingsPerCode;
using ::testing::UnorderedElementsAreArray;

const QString kSampleDir = QStringLiteral(TAV_SOURCE_DIR "/sample");

// Every file below a folder with its size and modification time.
QStringList snapshot(const QString &root)
{
    QStringList entries;
    QDirIterator it(root, QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QFileInfo info = it.nextFileInfo();
        entries.append(QStringLiteral("%1 %2 %3")
                           .arg(info.filePath())
                           .arg(info.size())
                           .arg(info.lastModified().toMSecsSinceEpoch()));
    }
    entries.sort();
    return entries;
}

TEST(TavtoolCheck, TheSampleIsCleanAndStrictCountsItsWarnings)
{
    const ToolRun run = runTavtool({"check"}, kSampleDir);
    EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
    const QStringList lines = run.out.trimmed().split('\n');
    EXPECT_EQ(lines.size(), 3);
    EXPECT_TRUE(lines.last().startsWith("0 errors, 2 warnings in ")) << run.out.toStdString();

    EXPECT_EQ(runTavtool({"check", "--strict", kSampleDir}).exitCode, 1);
}

TEST(TavtoolCheck, AFaultOfEveryKindIsReportedOnceAndNothingIsWritten)
{
    TempGameFolder tmp;
    copySample(tmp);
    QStringList expected = sampleWarnings();
    for (const SampleFault &fault : sampleFaults()) {
        fault.apply(tmp);
        expected += fault.expected;
    }
    const QStringList before = snapshot(tmp.root());

    const ToolRun json = runTavtool({"check", "--format=json", tmp.root()});
    EXPECT_EQ(json.exitCode, 1);
    QStringList found;
    bool brokenMacroListed = false;
    for (const QJsonValue &value : QJsonDocument::fromJson(json.out.toUtf8()).array()) {
        const QJsonObject o = value.toObject();
        if (o["severity"] == "info")
            brokenMacroListed |= o["file"] == "GAMEDATA\\MAKRO\\BROKEN.cmd" && o["type"] == "standard CMD" &&
                                 o["info"] == "Broken on purpose";
        else
            found.append(
                findingKey(o["file"].toString(), o["line"].toInt(), o["severity"].toString(), o["code"].toString()));
    }
    EXPECT_THAT(found, UnorderedElementsAreArray(expected));
    EXPECT_TRUE(brokenMacroListed);

    const ToolRun text = runTavtool({"check", tmp.root()});
    EXPECT_EQ(text.exitCode, 1);
    const QStringList lines = text.out.trimmed().split('\n');
    const QString root = QDir(tmp.root()).absolutePath();
    EXPECT_EQ(lines.size() - lines.filter(": note: ").size(), expected.size() + 1);
    EXPECT_TRUE(lines.contains(root + "/GAMEDATA/UNITS/ORC.UNI:5: error: afraid-of code 3 is not one of 0, 2, 4, 5, 6, 8"));
    EXPECT_TRUE(lines.contains(root +
                               "/GAMEDATA/SAVE1/PLAYER.STS:130: error: goal 14 does not exist; GOALS.DAT holds goals 0 to 6"));
    EXPECT_TRUE(lines.contains(root + "/GRAFIK/ODD.SPR: warning: width field 75 is not a multiple of 8 (read as 9 pixels)"));

    EXPECT_EQ(snapshot(tmp.root()), before);
}

TEST(TavtoolCheck, AnUnreadableFolderIsOneFindingAndAFloodOfOneCodeIsCountedNotListed)
{
    TempGameFolder tmp;
    copySample(tmp);
    tmp.write("GAMEDATA/MAKRO/FLOOD.cmd", QByteArray("FOO 1\r\n").repeated(250));
    // Another user must reach the folder, but not read GRAFIK/UNITS.
    ASSERT_EQ(::chmod(QFile::encodeName(tmp.root()).constData(), 0755), 0);
    ASSERT_EQ(::chmod(QFile::encodeName(tmp.disk("GRAFIK/UNITS")).constData(), 0), 0);
    const ToolRun text = runTavtoolAsNobody({"check", "--game-paths", tmp.root()});
    const ToolRun json = runTavtoolAsNobody({"check", "--format=json", tmp.root()});
    ::chmod(QFile::encodeName(tmp.disk("GRAFIK/UNITS")).constData(), 0755);

    EXPECT_EQ(text.exitCode, 1) << text.err.toStdString();
    const QStringList lines = text.out.trimmed().split('\n');
    EXPECT_EQ(lines.filter("GRAFIK\\UNITS").size(), 2) << text.out.toStdString(); // the finding and its note
    EXPECT_TRUE(lines.contains("GRAFIK\\UNITS: error: cannot be read: permission denied"));
    EXPECT_EQ(lines.filter("GAMEDATA\\UNITS\\").size(), 0) << "nothing about the sprites the units need there";
    EXPECT_EQ(lines.filter("FLOOD.cmd:").filter(": warning: ").size(), kListedFindingsPerCode);
    EXPECT_EQ(lines.filter("FLOOD.cmd: ").last(),
              "GAMEDATA\\MAKRO\\FLOOD.cmd: note: 150 more macro-unknown-command findings not shown");
    EXPECT_TRUE(lines.last().startsWith("1 error, 252 warnings in ")) << lines.last().toStdString();

    const QJsonArray found = QJsonDocument::fromJson(json.out.toUtf8()).array();
    const auto note = std::find_if(found.begin(), found.end(),
                                   [](const QJsonValue &v) { return v.toObject()["severity"] == "note"; });
    ASSERT_NE(note, found.end());
    EXPECT_EQ(note->toObject(), (QJsonObject{{"path", QDir(tmp.root()).absolutePath() + "/GAMEDATA/MAKRO/FLOOD.cmd"},
                                             {"file", "GAMEDATA\\MAKRO\\FLOOD.cmd"},
                                             {"line", QJsonValue()},
                                             {"severity", "note"},
                                             {"code", "macro-unknown-command"},
                                             {"message", "150 more macro-unknown-command findings not shown"},
                                             {"count", 150}}));
}

TEST(TavtoolCheck, UsageErrorsAndFoldersThatAreNoGameFolder)
{
    TempGameFolder empty;
    const ToolRun notGame = runTavtool({"check", empty.root()});
    EXPECT_EQ(notGame.exitCode, 2);
    EXPECT_TRUE(notGame.err.contains("is not a game folder")) << notGame.err.toStdString();
    EXPECT_EQ(runTavtool({"check", "--frobnicate", kSampleDir}).exitCode, 2);
    EXPECT_EQ(runTavtool({"check", kSampleDir, kSampleDir}).exitCode, 2);

    const ToolRun help = runTavtool({"check", "--help"});
    EXPECT_EQ(help.exitCode, 0);
    EXPECT_TRUE(help.out.contains("--format=json")) << help.out.toStdString();
}

} // namespace
} // namespace tav::test
