// The real tavdesigner on a virtual display, typed into with xdotool and
// ended by SIGKILL and SIGTERM: what was typed comes back at the next start.
#include "core/app/state_folder.h"

#include "support/sample_faults.h"
#include "support/temp_game_folder.h"

#include <QDir>
#include <QElapsedTimer>
#include <QProcess>
#include <QStandardPaths>
#include <QThread>

#include <gtest/gtest.h>

#include <functional>

using namespace tav;
using tav::test::TempGameFolder;

namespace {

bool waitUntil(const std::function<bool()> &done, int msecs = 15000)
{
    QElapsedTimer timer;
    timer.start();
    while (!done()) {
        if (timer.elapsed() > msecs)
            return false;
        QThread::msleep(50);
    }
    return true;
}

// An X server of its own, so the kit runs as on a desktop.
class VirtualDisplay {
public:
    bool start()
    {
        m_server.start(QStringLiteral("Xvfb"), {"-displayfd", "1", "-screen", "0", "1280x800x24", "-nolisten", "tcp"});
        if (!m_server.waitForStarted() || !waitUntil([this] { return m_server.waitForReadyRead(100); }, 10000))
            return false;
        m_display = QLatin1Char(':') + QString::fromLatin1(m_server.readAllStandardOutput()).trimmed();
        return true;
    }
    ~VirtualDisplay()
    {
        m_server.terminate();
        m_server.waitForFinished();
    }
    const QString &display() const { return m_display; }

    // Runs xdotool on the display; its output.
    QString xdotool(const QStringList &arguments) const
    {
        QProcess tool;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("DISPLAY"), m_display);
        tool.setProcessEnvironment(env);
        tool.start(QStringLiteral("xdotool"), arguments);
        if (!tool.waitForFinished(20000))
            tool.kill();
        return QString::fromLatin1(tool.readAllStandardOutput()).trimmed().section(QLatin1Char('\n'), 0, 0);
    }
    // Waits for a window whose title matches `title` (a regular expression).
    QString window(const QString &title) const
    {
        return xdotool({"search", "--sync", "--onlyvisible", "--name", title});
    }

private:
    QProcess m_server;
    QString m_display;
};

struct KitProcess : ::testing::Test {
    TempGameFolder game;
    TempGameFolder state;
    VirtualDisplay display;

    void SetUp() override
    {
        if (QStandardPaths::findExecutable(QStringLiteral("Xvfb")).isEmpty() ||
            QStandardPaths::findExecutable(QStringLiteral("xdotool")).isEmpty())
            GTEST_SKIP() << "needs Xvfb and xdotool";
        ASSERT_TRUE(display.start());
        test::copySample(game);
        game.write("design.sts", "x");
        qputenv("XDG_STATE_HOME", state.root().toLocal8Bit());
    }
    void TearDown() override { qunsetenv("XDG_STATE_HOME"); }

    void start(QProcess &kit)
    {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("DISPLAY"), display.display());
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
        env.insert(QStringLiteral("XDG_STATE_HOME"), state.root());
        // Under the sanitizers: the X keyboard library reads its keymap
        // strings in a way the strict string check takes for an overflow.
        if (env.contains(QStringLiteral("ASAN_OPTIONS")))
            env.insert(QStringLiteral("ASAN_OPTIONS"),
                       env.value(QStringLiteral("ASAN_OPTIONS"))
                           .replace(QStringLiteral("strict_string_checks=1"), QStringLiteral("strict_string_checks=0")));
        kit.setProcessEnvironment(env);
        kit.start(QStringLiteral(TAVDESIGNER_PATH), {game.root()});
        ASSERT_TRUE(kit.waitForStarted());
    }

    // Types into the macro editor's body after `keys` (xdotool key names).
    void typeInMacroEditor(const QString &window, const QStringList &keys, const QString &text)
    {
        display.xdotool({"windowfocus", "--sync", window});
        display.xdotool({"mousemove", "--window", window, "200", "200", "click", "1"});
        for (const QString &key : keys)
            display.xdotool({"key", key});
        display.xdotool({"type", "--delay", "20", text});
    }

    // The text of this game folder's macro copy holding `wanted`, waited for.
    QString copyWith(const QString &wanted)
    {
        QString found;
        waitUntil([&] {
            const QDir dir(stateFolderFor(game.root()));
            for (const QString &name : dir.entryList({"*-macro.json"}, QDir::Files)) {
                QFile file(dir.filePath(name));
                if (file.open(QIODevice::ReadOnly) && file.readAll().contains(wanted.toUtf8()))
                    found = name;
            }
            return !found.isEmpty();
        });
        return found;
    }
};

} // namespace

TEST_F(KitProcess, TypedWorkComesBackAfterSigkillAndIsKeptAtSigterm)
{
    QProcess first;
    start(first);
    const QString launch = display.window(QStringLiteral("launch window"));
    ASSERT_FALSE(launch.isEmpty());
    display.xdotool({"mousemove", "--window", launch, "25", "30", "click", "1"}); // "Macro"
    const QString editor = display.window(QStringLiteral("Tav Macro editor"));
    ASSERT_FALSE(editor.isEmpty());
    typeInMacroEditor(editor, {}, QStringLiteral("arm 1"));
    const QString killedCopy = copyWith(QStringLiteral("\"ARM 1\""));
    ASSERT_FALSE(killedCopy.isEmpty()) << "a copy within two seconds of the change";
    first.kill();
    ASSERT_TRUE(first.waitForFinished());

    QProcess second;
    start(second);
    const QString question = display.window(QStringLiteral("Unsaved work"));
    ASSERT_FALSE(question.isEmpty()) << "the next start offers the work back";
    display.xdotool({"windowfocus", "--sync", question});
    display.xdotool({"key", "Return"});
    const QString restored = display.window(QStringLiteral("NoName - Tav Macro editor \\(unsaved\\)"));
    ASSERT_FALSE(restored.isEmpty());
    typeInMacroEditor(restored, {"ctrl+End", "Return"}, QStringLiteral("end"));
    ASSERT_FALSE(copyWith(QStringLiteral("\"end\"")).isEmpty());
    second.terminate(); // SIGTERM: no question, the copy is kept, the kit ends
    ASSERT_TRUE(second.waitForFinished(15000));
    EXPECT_EQ(second.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(second.exitCode(), 0) << second.readAllStandardError().constData();

    const QDir dir(stateFolderFor(game.root()));
    const QStringList left = dir.entryList({"*-macro.json"}, QDir::Files);
    ASSERT_EQ(left.size(), 1) << "the killed kit's copy went once restored";
    QFile copy(dir.filePath(left.first()));
    ASSERT_TRUE(copy.open(QIODevice::ReadOnly));
    const QByteArray json = copy.readAll();
    EXPECT_TRUE(json.contains("\"ARM 1\",\n            \"end\"")) << json.constData();
}
