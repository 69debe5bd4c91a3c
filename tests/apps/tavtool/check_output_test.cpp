// The forms of `tavtool check`'s findings (paths as the shell sees them,
// game paths, JSON) and the files a check must name however odd they are.
#include "run_tavtool.h"

#include "support/sample_faults.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace tav::test {
namespace {

// A copy of the sample in <temp>/game with a bad palette line and a text file
// where a sprite belongs, in a folder spelt in lower case on disk.
class CheckOutput : public ::testing::Test {
protected:
    void SetUp() override
    {
        copySample(tmp);
        ASSERT_TRUE(QDir(tmp.root()).rename("GRAFIK/UNITS", "GRAFIK/units"));
        QByteArray palette = tmp.read("GAMEDATA/MASTER.PAL");
        palette.replace("\r\n17,17,17\r\n", "\r\n17,abc,17\r\n"); // line 5
        tmp.write("GAMEDATA/MASTER.PAL", palette);
        tmp.write("GRAFIK/units/TEXTU1.SPR", "a note, not a sprite\r\n");
    }

    QStringList findingLines(const QStringList &arguments, const QString &workingFolder) const
    {
        const ToolRun run = runTavtool(arguments, workingFolder);
        EXPECT_EQ(run.exitCode, 1) << run.err.toStdString();
        QStringList lines = run.out.split('\n', Qt::SkipEmptyParts);
        lines.removeLast(); // the summary
        return lines.filter(QRegularExpression("MASTER|TEXTU1"));
    }

    TempGameFolder tmp;
};

TEST_F(CheckOutput, PathsRelativeToTheCurrentFolderWithNotesForVimsErrorList)
{
    const QStringList expected{
        "GAMEDATA/MASTER.PAL:5: error: '17,abc,17' holds something that is not a number (after 4 complete colours)",
        "GAMEDATA/MASTER.PAL:5: note: each line is three numbers 0-63 separated by commas",
        "GRAFIK/units/TEXTU1.SPR: error: not a sprite file: it begins with 'a note', not the sprite header 'TAVSPR'",
        "GRAFIK/units/TEXTU1.SPR: note: save sprites with the sprite editor or import an image with 'tavtool sprite "
        "import'"};
    EXPECT_EQ(findingLines({"check"}, tmp.root()), expected);
    const QString name = QFileInfo(tmp.root()).fileName();
    QStringList below;
    for (const QString &line : expected)
        below.append(name + "/" + line);
    EXPECT_EQ(findingLines({"check", name}, tmp.disk("..")), below);

    // vim's default errorformat takes the finding and its line.
    const QString vim = QStandardPaths::findExecutable("vim");
    if (vim.isEmpty())
        GTEST_SKIP() << "vim is not installed";
    const ToolRun run = runTavtool({"check"}, tmp.root());
    QFile out(tmp.disk("findings.txt"));
    ASSERT_TRUE(out.open(QIODevice::WriteOnly));
    out.write(run.out.toUtf8());
    out.close();
    QProcess editor;
    editor.setWorkingDirectory(tmp.root());
    editor.start(vim, {"-es", "-N", "-u", "NONE", "-i", "NONE", "-c", "cgetfile findings.txt", "-c",
                       "call writefile(map(filter(getqflist(), 'v:val.valid'), "
                       "'bufname(v:val.bufnr) . \":\" . v:val.lnum'), 'jumps.txt')",
                       "-c", "qa!"});
    editor.closeWriteChannel();
    ASSERT_TRUE(editor.waitForFinished(20000));
    EXPECT_TRUE(tmp.read("jumps.txt").split('\n').contains("GAMEDATA/MASTER.PAL:5")) << tmp.read("jumps.txt").toStdString();
}

TEST_F(CheckOutput, PathsAreAbsoluteForAnAbsoluteFolder)
{
    const QString root = QDir(tmp.root()).absolutePath();
    const QStringList lines = findingLines({"check", root}, QDir::tempPath());
    ASSERT_EQ(lines.size(), 4);
    EXPECT_TRUE(lines[0].startsWith(root + "/GAMEDATA/MASTER.PAL:")) << lines[0].toStdString();
    EXPECT_TRUE(lines[2].startsWith(root + "/GRAFIK/units/TEXTU1.SPR: error: not a sprite file"));
}

TEST_F(CheckOutput, GamePathsOnRequest)
{
    const QStringList lines = findingLines({"check", "--game-paths"}, tmp.root());
    ASSERT_EQ(lines.size(), 4);
    EXPECT_TRUE(lines[0].startsWith("GAMEDATA\\MASTER.PAL:")) << lines[0].toStdString();
    EXPECT_TRUE(lines[3].startsWith("GRAFIK\\units\\TEXTU1.SPR: note: "));
}

TEST_F(CheckOutput, JsonCarriesBothPathsANullLineForAWholeFileAndTheNote)
{
    const ToolRun run = runTavtool({"check", "--format=json", "."}, tmp.root());
    EXPECT_EQ(run.exitCode, 1);
    QHash<QString, QJsonObject> byFile;
    for (const QJsonValue &value : QJsonDocument::fromJson(run.out.toUtf8()).array())
        byFile.insert(value["file"].toString(), value.toObject());
    const QJsonObject sprite = byFile.value("GRAFIK\\units\\TEXTU1.SPR");
    EXPECT_EQ(sprite["path"], "GRAFIK/units/TEXTU1.SPR");
    EXPECT_TRUE(sprite["line"].isNull());
    EXPECT_EQ(sprite["code"], "sprite-not-sprite");
    const QJsonObject palette = byFile.value("GAMEDATA\\MASTER.PAL");
    EXPECT_EQ(palette["path"], "GAMEDATA/MASTER.PAL");
    EXPECT_GT(palette["line"].toInt(), 1);
    EXPECT_EQ(palette["note"], "each line is three numbers 0-63 separated by commas");
}

// Whatever stands where a sprite belongs, the check names it once and ends.
TEST(CheckSpecialFiles, AFifoAFolderAndANeverEndingFileAreOneFindingEach)
{
    struct Case {
        const char *what;
        std::function<void(const TempGameFolder &, const QString &)> make;
        const char *message;
    };
    const Case cases[] = {
        {"fifo", [](const TempGameFolder &, const QString &path) { ASSERT_EQ(::mkfifo(QFile::encodeName(path), 0644), 0); },
         "SPECIAL.SPR is not a regular file."},
        {"folder", [](const TempGameFolder &, const QString &path) { ASSERT_TRUE(QDir().mkdir(path)); },
         "is a folder where a file belongs"},
        {"pagemap", [](const TempGameFolder &, const QString &path) { ASSERT_TRUE(QFile::link("/proc/self/pagemap", path)); },
         "SPECIAL.SPR is too large"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        TempGameFolder tmp;
        copySample(tmp);
        c.make(tmp, tmp.disk("GRAFIK/SPECIAL.SPR"));
        const ToolRun run = runTavtool({"check"}, tmp.root());
        EXPECT_EQ(run.exitCode, 1) << run.err.toStdString();
        const QStringList found = run.out.split('\n').filter("SPECIAL.SPR");
        ASSERT_EQ(found.size(), 1) << run.out.toStdString();
        EXPECT_TRUE(found[0].startsWith("GRAFIK/SPECIAL.SPR: error: ") && found[0].contains(c.message))
            << found[0].toStdString();
    }
}

TEST(CheckSpecialFiles, NamesThatAreNoTextOrHoldALineBreakAreSeenOnOneLine)
{
    TempGameFolder tmp;
    copySample(tmp);
    // A name Qt cannot spell, made with the system's own calls.
    const int junk = ::open(QFile::encodeName(tmp.disk("GAMEDATA/UNITS/")) + "\xff.UNI", O_WRONLY | O_CREAT, 0644);
    ASSERT_GE(junk, 0);
    ASSERT_EQ(::write(junk, "junk", 4), 4);
    ::close(junk);
    tmp.write("GRAFIK/TWO\nLINE.SPR", "junk");
    const ToolRun run = runTavtool({"check"}, tmp.root());
    EXPECT_EQ(run.exitCode, 1);
    const QStringList lines = run.out.split('\n');
    EXPECT_TRUE(lines.contains("GAMEDATA/UNITS/\\xff.UNI: error: name is not valid text; the kit cannot open it"))
        << run.out.toStdString();
    EXPECT_EQ(lines.filter("GAMEDATA/UNITS/\\xff.UNI: error").size(), 1);
    EXPECT_TRUE(lines.contains("GRAFIK/TWO\\x0aLINE.SPR: error: is 4 bytes long, shorter than the 11-byte header "
                               "(reads as an empty sprite)"))
        << run.out.toStdString();
}

} // namespace
} // namespace tav::test
