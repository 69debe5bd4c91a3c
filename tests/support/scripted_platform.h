#pragma once

#include "ui/platform/dialogs.h"
#include "ui/platform/launcher.h"

#include <QList>
#include <QPointer>
#include <QString>
#include <QStringList>

#include <deque>
#include <optional>

namespace tav::test {

// Answers message, input and file boxes as a test says and records each box,
// so no test ever blocks on a modal box. Unscripted boxes get OK / Yes / the
// default text / cancel.
class ScriptedDialogs : public platform::Dialogs {
public:
    struct Shown {
        bool isInput = false;
        bool isFileChoice = false;
        platform::MessageRequest message;
        platform::InputRequest input;
        platform::FileRequest file;
    };

    platform::Answer message(const platform::MessageRequest &request) override;
    std::optional<QString> input(const platform::InputRequest &request) override;
    std::optional<QString> chooseFile(const platform::FileRequest &request) override;

    void answerNext(platform::Answer answer) { m_answers.push_back(answer); }
    // The next box is answered as Return answers it: its default button.
    void pressReturnNext() { m_answers.push_back(std::nullopt); }
    void inputNext(std::optional<QString> text) { m_inputs.push_back(std::move(text)); }
    // An unscripted chooser answers as if cancelled.
    void chooseNext(std::optional<QString> diskPath) { m_files.push_back(std::move(diskPath)); }

    const QList<Shown> &shown() const { return m_shown; }
    QStringList messageTexts() const;
    int count() const { return int(m_shown.size()); }
    const platform::MessageRequest &lastMessage() const;
    void clear() { m_shown.clear(); }

private:
    QList<Shown> m_shown;
    std::deque<std::optional<platform::Answer>> m_answers;
    std::deque<std::optional<QString>> m_inputs;
    std::deque<std::optional<QString>> m_files;
};

// A watched program that runs until the test ends it; waiting for it ends
// it with the outcome it was given (success by default).
class ScriptedProgram : public platform::WatchedProgram {
public:
    using WatchedProgram::WatchedProgram;

    bool isRunning() const override { return m_running; }
    bool waitForEnd(int msecs) override;
    void end(int exitCode, const QString &errorOutput = QString());
    void endWaitsWith(int exitCode, const QString &errorOutput = QString());

private:
    bool m_running = true;
    int m_exitCode = 0;
    QString m_errorOutput;
};

// Records every command line instead of starting it.
class RecordingLauncher : public platform::Launcher {
public:
    struct Started {
        QString root;
        QString commandLine;
        platform::WindowStyle style;
    };

    bool start(const GameFolder &folder, const QString &commandLine, platform::WindowStyle style) override;
    // Recorded like start(); the program runs until the test ends it.
    platform::WatchedProgram *startWatched(const GameFolder &folder, const QString &commandLine,
                                           platform::WindowStyle style, QObject *owner) override;
    // The watched programs started, in order (null once their owner deleted them).
    QList<ScriptedProgram *> programs() const;

    QStringList commandLines() const;
    const QList<Started> &started() const { return m_started; }
    void setSucceeds(bool succeeds) { m_succeeds = succeeds; }
    void clear() { m_started.clear(); }

private:
    QList<Started> m_started;
    QList<QPointer<ScriptedProgram>> m_programs;
    bool m_succeeds = true;
};

// Installs both for the lifetime of a test.
class ScriptedPlatform {
public:
    ScriptedPlatform();
    ~ScriptedPlatform();

    ScriptedDialogs dialogs;
    RecordingLauncher launcher;
};

} // namespace tav::test
