#include "scripted_platform.h"

namespace tav::test {

platform::Answer ScriptedDialogs::message(const platform::MessageRequest &request)
{
    Shown shown;
    shown.message = request;
    m_shown.append(shown);
    if (!m_answers.empty()) {
        const std::optional<platform::Answer> answer = m_answers.front();
        m_answers.pop_front();
        return answer.value_or(platform::returnAnswer(request));
    }
    switch (request.buttons) {
    case platform::Buttons::YesNo:
    case platform::Buttons::YesNoCancel: return platform::Answer::Yes;
    default: return platform::Answer::Ok;
    }
}

std::optional<QString> ScriptedDialogs::input(const platform::InputRequest &request)
{
    Shown shown;
    shown.isInput = true;
    shown.input = request;
    m_shown.append(shown);
    if (!m_inputs.empty()) {
        std::optional<QString> text = m_inputs.front();
        m_inputs.pop_front();
        return text;
    }
    return request.defaultText;
}

std::optional<QString> ScriptedDialogs::chooseFile(const platform::FileRequest &request)
{
    Shown shown;
    shown.isFileChoice = true;
    shown.file = request;
    m_shown.append(shown);
    if (m_files.empty())
        return std::nullopt;
    std::optional<QString> path = m_files.front();
    m_files.pop_front();
    return path;
}

QStringList ScriptedDialogs::messageTexts() const
{
    QStringList texts;
    for (const Shown &s : m_shown)
        texts.append(s.isFileChoice ? s.file.title : s.isInput ? s.input.prompt : s.message.text);
    return texts;
}

const platform::MessageRequest &ScriptedDialogs::lastMessage() const
{
    for (auto it = m_shown.crbegin(); it != m_shown.crend(); ++it)
        if (!it->isInput && !it->isFileChoice)
            return it->message;
    static const platform::MessageRequest none;
    return none;
}

bool RecordingLauncher::start(const GameFolder &folder, const QString &commandLine, platform::WindowStyle style)
{
    m_started.append({folder.root(), commandLine, style});
    return m_succeeds;
}

platform::WatchedProgram *RecordingLauncher::startWatched(const GameFolder &folder, const QString &commandLine,
                                                         platform::WindowStyle style, QObject *owner)
{
    m_started.append({folder.root(), commandLine, style});
    if (!m_succeeds)
        return nullptr;
    auto *program = new ScriptedProgram(owner);
    m_programs.append(program);
    return program;
}

QList<ScriptedProgram *> RecordingLauncher::programs() const
{
    QList<ScriptedProgram *> programs;
    for (const QPointer<ScriptedProgram> &program : m_programs)
        programs.append(program.data());
    return programs;
}

bool ScriptedProgram::waitForEnd(int)
{
    end(m_exitCode, m_errorOutput);
    return true;
}

void ScriptedProgram::end(int exitCode, const QString &errorOutput)
{
    if (!m_running)
        return;
    m_running = false;
    Q_EMIT ended(exitCode, errorOutput);
}

void ScriptedProgram::endWaitsWith(int exitCode, const QString &errorOutput)
{
    m_exitCode = exitCode;
    m_errorOutput = errorOutput;
}

QStringList RecordingLauncher::commandLines() const
{
    QStringList lines;
    for (const Started &s : m_started)
        lines.append(s.commandLine);
    return lines;
}

ScriptedPlatform::ScriptedPlatform()
{
    platform::installDialogs(&dialogs);
    platform::installLauncher(&launcher);
}

ScriptedPlatform::~ScriptedPlatform()
{
    platform::installDialogs(nullptr);
    platform::installLauncher(nullptr);
}

} // namespace tav::test
