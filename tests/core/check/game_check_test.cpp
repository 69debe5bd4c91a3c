#include "core/check/game_check.h"
#include "core/check/report_format.h"
#include "core/common/game_folder.h"

#include "core/macro/print_text.h"
#include "support/sample_faults.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace tav::check {
namespace {

using test::TempGameFolder;
using ::testing::UnorderedElementsAreArray;

const QString kSampleDir = QStringLiteral(TAV_SOURCE_DIR "/sample");

QStringList keysOf(const CheckReport &report)
{
    QStringList keys;
    for (const Finding &f : report.findings)
        keys.append(test::findingKey(f.file, f.line, f.severity == Severity::Error ? "error" : "warning", f.code));
    return keys;
}

TEST(SampleCheck, HoldsNoErrorsAndOnlyItsDeliberateWarnings)
{
    const CheckReport report = checkGameFolder(kSampleDir);
    EXPECT_THAT(keysOf(report), UnorderedElementsAreArray(test::sampleWarnings()));
    EXPECT_EQ(summaryLine(report), QStringLiteral("0 errors, 2 warnings in %1 files").arg(report.filesChecked));

    QHash<QString, MacroSummary> macros;
    for (const MacroSummary &macro : report.macros)
        macros.insert(macro.file, macro);
    EXPECT_EQ(macros.size(), 12);
    EXPECT_EQ(macros.value("GAMEDATA\\MAKRO\\ITEMS.CMD").type, "ITEMS.CMD");
    EXPECT_EQ(macros.value("GAMEDATA\\MAKRO\\EMPTY.cmd").type, "empty file");
    EXPECT_FALSE(macros.value("GAMEDATA\\MAKRO\\EMPTY.cmd").info.has_value());
    EXPECT_TRUE(reportJson(report).contains(R"("info": "no '!info tag available")"));
}

TEST(SampleCheck, GivesTheSameFindingsFromFilesInMemory)
{
    FilesInMemory files;
    QDirIterator it(kSampleDir, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        QFile file(it.next());
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        files.insert(QDir(kSampleDir).relativeFilePath(file.fileName()).replace('/', '\\'), file.readAll());
    }
    const CheckReport onDisk = checkGameFolder(kSampleDir);
    const CheckReport inMemory = checkFiles(files);
    EXPECT_EQ(keysOf(inMemory), keysOf(onDisk));
    EXPECT_EQ(inMemory.filesChecked, onDisk.filesChecked);
}

// One copy of the sample per family of rules, with that family's faults in it.
class FaultFamily : public ::testing::TestWithParam<QString> {};

TEST_P(FaultFamily, EachFaultGivesItsFindingsOnceOnTheRightLine)
{
    TempGameFolder tmp;
    test::copySample(tmp);
    QStringList expected = test::sampleWarnings();
    for (const test::SampleFault &fault : test::sampleFaults()) {
        if (fault.family == GetParam()) {
            fault.apply(tmp);
            expected += fault.expected;
        }
    }
    EXPECT_THAT(keysOf(checkGameFolder(tmp.root())), UnorderedElementsAreArray(expected));
}

INSTANTIATE_TEST_SUITE_P(Rules, FaultFamily, ::testing::ValuesIn(test::faultFamilies()),
                         [](const auto &info) { return info.param.toStdString(); });

TEST(CheckBadInput, BrokenPalettesHugeFoldersAndUnreadableFilesGiveFindings)
{
    TempGameFolder tmp;
    tmp.write("GAMEDATA/MASTER.PAL", "1,2,3\r\n4,5,6\r\n");
    tmp.mkdir("GAMEDATA/GOALS.DAT");
    {
        QFile huge(tmp.disk("GRAFIK/HUGE.SPR"));
        tmp.write("GRAFIK/HUGE.SPR", "");
        ASSERT_TRUE(huge.resize(qint64(2) << 30)); // sparse: nothing is written
    }
    tmp.write("GRAFIK/LOCKED.SPR", "TAVSPR\x01\x08\x00\x01\x00\x07");
    QFile::setPermissions(tmp.disk("GRAFIK/LOCKED.SPR"), QFileDevice::Permissions());
    const QStringList keys = keysOf(checkGameFolder(tmp.root()));
    EXPECT_TRUE(keys.contains("GAMEDATA\\MASTER.PAL:0: error palette-count"));
    EXPECT_TRUE(keys.contains("GAMEDATA\\GOALS.DAT:0: error file-is-folder"));
    EXPECT_TRUE(keys.contains("GRAFIK\\HUGE.SPR:0: error file-unreadable"));
    EXPECT_EQ(keys.contains("GRAFIK\\LOCKED.SPR:0: error file-unreadable"), !test::runningAsRoot());

    tmp.write("GAMEDATA/MASTER.PAL", "1,2,3\r\n4,five,6\r\n");
    EXPECT_TRUE(keysOf(checkGameFolder(tmp.root())).contains("GAMEDATA\\MASTER.PAL:2: error palette-number"));
    EXPECT_FALSE(holdsGameData(tmp.disk("GRAFIK")));
    EXPECT_TRUE(holdsGameData(tmp.root()));
}

TEST(CheckReportFormat, LinesForEditorsNotesAndASummary)
{
    CheckReport report;
    report.findings = {{"GAMEDATA\\UNITS\\ORC.UNI", 5, Severity::Error, "unit-afraid-code", "afraid", "fix it",
                        "GAMEDATA/units/ORC.UNI"},
                       {"GRAFIK\\A\nB.SPR", 0, Severity::Warning, "sprite-width-field", "width", "", "GRAFIK/A\nB.SPR"}};
    report.filesChecked = 1;
    EXPECT_EQ(findingLines(report.findings[0], FindingPaths("./game/")),
              QStringList({"game/GAMEDATA/units/ORC.UNI:5: error: afraid", "game/GAMEDATA/units/ORC.UNI:5: note: fix it"}));
    EXPECT_EQ(findingLines(report.findings[1], FindingPaths("", true)), QStringList{"GRAFIK\\A\\x0aB.SPR: warning: width"});
    EXPECT_EQ(summaryLine(report), "1 error, 1 warning in 1 file");
    EXPECT_EQ(quoted(QString(50, 'x')), "'" + QString(40, 'x') + "...'");
}

} // namespace
} // namespace tav::check
