// Draws, saves through the real sprite saver and loads the sprite back.
#include "ui/sprite/sprite_editor.h"
#include "ui/sprite/sprite_file_dialog.h"

#include "core/common/command_line.h"
#include "sprite_ui_support.h"
#include "support/file_size_limit.h"
#include "support/scripted_platform.h"
#include "ui/platform/launcher.h"

#include <QLineEdit>
#include <QListWidget>
#include <QProcess>
#include <QPushButton>

#include <gtest/gtest.h>

using namespace tav;
using namespace tav::test;

namespace {

const QString kSaver = QStringLiteral(TAV_BINARY_DIR "/bin/sprsvr");

struct SaverRun {
    int exitCode = -1;
    QString errorOutput;
};

SaverRun runSaver(const TempGameFolder &tmp, const QStringList &arguments)
{
    QProcess process;
    process.setWorkingDirectory(tmp.root());
    process.start(kSaver, arguments);
    SaverRun run;
    if (!process.waitForFinished(20000))
        return run;
    run.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    run.errorOutput = QString::fromLocal8Bit(process.readAllStandardError());
    return run;
}

// Starts the built SPRSVR for real as the editor's watched process and
// records how each run ended; the editor's finishWork() waits for it.
class SaverLauncher : public platform::Launcher {
public:
    explicit SaverLauncher(QString saver = kSaver)
        : m_saver(std::move(saver))
    {
        platform::installLauncher(this);
    }
    ~SaverLauncher() override { platform::installLauncher(nullptr); }

    bool start(const GameFolder &, const QString &, platform::WindowStyle) override { return false; }

    platform::WatchedProgram *startWatched(const GameFolder &folder, const QString &commandLine,
                                           platform::WindowStyle, QObject *owner) override
    {
        const CommandLine line = CommandLine::parse(commandLine);
        if (line.program.compare(QLatin1String("SPRSVR"), Qt::CaseInsensitive) != 0)
            return nullptr;
        platform::WatchedProgram *program = platform::startWatchedProcess(folder, m_saver, line.arguments, owner);
        QObject::connect(program, &platform::WatchedProgram::ended, program,
                         [this](int exitCode, const QString &errors) { runs.push_back({exitCode, errors}); });
        return program;
    }

    std::vector<SaverRun> runs;

private:
    QString m_saver;
};

struct SaverFixture : ::testing::Test {
    TempGameFolder tmp;
    void SetUp() override
    {
        if (!QFileInfo::exists(kSaver))
            GTEST_FAIL() << "build the sprsvr program first: " << kSaver.toStdString();
    }
};

} // namespace

TEST_F(SaverFixture, ADrawnSpriteSavedAndLoadedBackComesBackPixelForPixel)
{
    ScriptedPlatform platform;
    SaverLauncher saver;
    tmp.write("GAMEDATA/MASTER.PAL", testPalette());
    tmp.mkdir("GRAFIK/UNITS");
    Form12 editor(tmp.folder());
    editor.paletteWindow();
    QWidget *canvas = editor.findChild<QWidget *>("Picture1");

    editor.findChild<QLineEdit *>("XSize")->setText("12");
    editor.findChild<QLineEdit *>("YSize")->setText("9");
    editor.tools().setLeftColour(201);
    editor.tools().setRightColour(17);
    sendMouse(canvas, QEvent::MouseButtonPress, cellCentre(0, 0), Qt::LeftButton, Qt::LeftButton);
    for (int x = 1; x < 12; ++x)
        sendMouse(canvas, QEvent::MouseMove, cellCentre(x, x % 9), Qt::NoButton, Qt::LeftButton);
    sendMouse(canvas, QEvent::MouseButtonRelease, cellCentre(11, 2), Qt::LeftButton, Qt::NoButton);
    sendMouse(canvas, QEvent::MouseButtonPress, cellCentre(3, 8), Qt::RightButton, Qt::RightButton);
    sendMouse(canvas, QEvent::MouseMove, cellCentre(4, 8), Qt::NoButton, Qt::RightButton);
    sendMouse(canvas, QEvent::MouseButtonRelease, cellCentre(4, 8), Qt::RightButton, Qt::NoButton);
    editor.document().setCell(20, 20, 99); // outside the size: not saved
    const CellGrid drawn = editor.document().Matrix();
    ASSERT_EQ(drawn.at(5, 5), 201);
    ASSERT_EQ(drawn.at(4, 8), 17);

    onNextDialog<Form13>([](Form13 *dialog) {
        dialog->findChild<QLineEdit *>("filename")->setText("\\UNITS\\TEST1");
        dialog->findChild<QPushButton *>("Command1")->click();
    });
    editor.findChild<QPushButton *>("Command3")->click();
    editor.finishWork();
    ASSERT_EQ(saver.runs.size(), 1u);
    EXPECT_EQ(saver.runs[0].exitCode, 0) << saver.runs[0].errorOutput.toStdString();
    const QByteArray file = tmp.read("GRAFIK/UNITS/TEST1.SPR");
    ASSERT_EQ(file.size(), 11 + 12 * 9);
    EXPECT_EQ(file.left(11), QByteArray("TAVSPR\x01\x60\x00\x09\x00", 11));

    editor.findChild<QPushButton *>("Command4")->click();
    onNextDialog<Form13>([](Form13 *dialog) {
        auto *folders = dialog->findChild<QListWidget *>("List1");
        folders->setCurrentItem(folders->findItems("\\UNITS", Qt::MatchExactly).value(0));
        auto *sprites = dialog->findChild<QListWidget *>("List2");
        sprites->setCurrentItem(sprites->findItems("TEST1", Qt::MatchExactly).value(0));
        dialog->findChild<QPushButton *>("Command1")->click();
    });
    editor.findChild<QPushButton *>("Command1")->click();
    EXPECT_EQ(editor.document().name(), "\\UNITS\\TEST1");
    EXPECT_EQ(editor.document().XSize(), 12);
    EXPECT_EQ(editor.document().YSize(), 9);
    for (int y = 0; y < 40; ++y)
        for (int x = 0; x < 40; ++x)
            ASSERT_EQ(editor.document().cell(x, y), x < 12 && y < 9 ? drawn.at(x, y) : 0) << x << "," << y;
    EXPECT_EQ(platform.dialogs.count(), 0);
}

TEST_F(SaverFixture, TheSaverWritesNothingForAMalformedHandOff)
{
    const QByteArray existing = spriteFileBytes(1, 1, "\x05");
    tmp.write("GRAFIK/ORC.SPR", existing);
    const char *malformed[] = {"",
                               "3\r\n",
                               "2\r\n1\r\n5\r\n",
                               "x\r\n1\r\n0\r\n",
                               "41\r\n1\r\n",
                               "1\r\n0\r\n",
                               "1\r\n1\r\n256\r\n",
                               "1\r\n1\r\n-1\r\n"};
    for (const char *handoff : malformed) {
        tmp.write("SPREDIT.TMP", handoff);
        const SaverRun run = runSaver(tmp, {"GRAFIK\\ORC.SPR"});
        EXPECT_NE(run.exitCode, 0) << handoff;
        EXPECT_EQ(run.errorOutput.count(QLatin1Char('\n')), 1) << run.errorOutput.toStdString();
        EXPECT_TRUE(run.errorOutput.startsWith("sprsvr: SPREDIT.TMP: ")) << run.errorOutput.toStdString();
        EXPECT_EQ(tmp.read("GRAFIK/ORC.SPR"), existing) << handoff;
    }
    tmp.write("SPREDIT.TMP", "1\r\n1\r\n5\r\n");
    EXPECT_NE(runSaver(tmp, {"GRAFIK\\..\\..\\ORC.SPR"}).exitCode, 0);
    EXPECT_NE(runSaver(tmp, {}).exitCode, 0);
    QFile::remove(tmp.disk("SPREDIT.TMP"));
    EXPECT_NE(runSaver(tmp, {"GRAFIK\\NEW.SPR"}).exitCode, 0);
    EXPECT_FALSE(tmp.exists("GRAFIK/NEW.SPR"));
}

TEST_F(SaverFixture, TheSaverResolvesLetterCaseAndMakesAMissingSubfolder)
{
    tmp.write("grafik/units/.keep", "");
    tmp.write("SPREDIT.TMP", "2\r\n1\r\n3\r\n4\r\n");
    SaverRun run = runSaver(tmp, {"GRAFIK\\UNITS\\ORC.SPR"});
    EXPECT_EQ(run.exitCode, 0) << run.errorOutput.toStdString();
    EXPECT_EQ(tmp.read("grafik/units/ORC.SPR"), spriteFileBytes(2, 1, "\x03\x04"));
    run = runSaver(tmp, {"GRAFIK\\NEWDIR\\ORC.SPR"});
    EXPECT_EQ(run.exitCode, 0) << run.errorOutput.toStdString();
    EXPECT_TRUE(tmp.exists("grafik/NEWDIR/ORC.SPR"));
}

TEST_F(SaverFixture, TheSaversFailureIsShownWithItsOwnMessage)
{
    ScriptedPlatform platform;
    tmp.write("GRAFIK/ORC.SPR", spriteFileBytes(1, 1, "\x05"));
    tmp.makeReadOnly("GRAFIK/ORC.SPR");
    Form12 editor(tmp.folder());
    editor.document().setName("\\ORC");
    editor.document().setCell(0, 0, 7);
    {
        SaverLauncher saver;
        editor.findChild<QPushButton *>("Command2")->click();
        editor.finishWork();
        ASSERT_EQ(saver.runs.size(), 1u);
    }
    ASSERT_EQ(platform.dialogs.count(), 1);
    EXPECT_EQ(platform.dialogs.lastMessage().detail, "sprsvr: ORC.SPR is read-only.");
    EXPECT_EQ(tmp.read("GRAFIK/ORC.SPR"), spriteFileBytes(1, 1, "\x05"));
    EXPECT_EQ(editor.unsavedWork(), "Sprite editor (\\ORC)");

    {
        SaverLauncher missing(kSaver + QStringLiteral("-missing"));
        editor.findChild<QPushButton *>("Command2")->click();
        editor.finishWork();
    }
    ASSERT_EQ(platform.dialogs.count(), 2);
    EXPECT_TRUE(platform.dialogs.lastMessage().text.contains("GRAFIK\\ORC.SPR"));
    EXPECT_TRUE(platform.dialogs.lastMessage().detail.contains("could not be started"));
}

TEST_F(SaverFixture, TheSaverWritesSpritesOnlyAndLeavesNoFolderFromAFailedSave)
{
    tmp.write("GAMEDATA/MASTER.PAL", "palette");
    tmp.write("SPREDIT.TMP", "1\r\n1\r\n5\r\n");
    for (const char *target : {"GAMEDATA\\MASTER.PAL", "GRAFIK\\ORC.PAL", "ORC.SPR", "GRAFIK\\A\\B\\ORC.SPR",
                               "GRAFIK\\..\\ORC.SPR", "GRAFIK\\.SPR", "GRAFIK\\\\ORC.SPR"}) {
        const SaverRun run = runSaver(tmp, {QString::fromLatin1(target)});
        EXPECT_EQ(run.exitCode, 2) << target;
        EXPECT_EQ(run.errorOutput.count(QLatin1Char('\n')), 1) << run.errorOutput.toStdString();
    }
    EXPECT_EQ(tmp.read("GAMEDATA/MASTER.PAL"), "palette");
    EXPECT_FALSE(tmp.exists("GRAFIK"));
    EXPECT_FALSE(tmp.exists("ORC.SPR"));

    QProcess process;
    process.setWorkingDirectory(tmp.root());
    limitFileSizeOf(process, 0); // a full disk
    process.start(kSaver, {"GRAFIK\\NEW\\ORC.SPR"});
    ASSERT_TRUE(process.waitForFinished(20000));
    EXPECT_EQ(process.exitCode(), 1);
    const QString errors = QString::fromLocal8Bit(process.readAllStandardError());
    EXPECT_TRUE(errors.contains("not enough space")) << errors.toStdString();
    EXPECT_FALSE(errors.contains("unchanged")) << "there was no file before";
    EXPECT_FALSE(tmp.exists("GRAFIK")) << "the folders it made are gone again";
}
