#pragma once

#include <QString>

#include <optional>

namespace tav::platform {

enum class Icon { None, Critical, Exclamation, Information, Question };
enum class Buttons { Ok, OkCancel, YesNo, YesNoCancel };
enum class Answer { Ok, Cancel, Yes, No };

struct MessageRequest {
    QString text;
    QString title;
    Icon icon = Icon::None;
    Buttons buttons = Buttons::Ok;
    // The reason behind the text (a writer's "ORC.UNI is read-only."), shown
    // apart from it, so a fixed message text stays exactly as it is.
    QString detail;
    // The button Return presses; the box's usual one (Yes, OK) when none.
    std::optional<Answer> defaultButton;
};

// The answer Return gives to a box: its default button, or else its first.
Answer returnAnswer(const MessageRequest &request);

struct InputRequest {
    QString prompt;
    QString title;
    QString defaultText;
};

enum class FileChoice { OpenFile, SaveFile, Folder };

// A native file or folder chooser. filter is a Qt name filter such as
// "PNG images (*.png)"; startPath the folder (or file) it opens at.
struct FileRequest {
    FileChoice kind = FileChoice::OpenFile;
    QString title;
    QString startPath;
    QString filter;
};

// Message and input boxes. Windows never create a modal box themselves: they
// ask this seam, so tests can answer the boxes without blocking.
class Dialogs {
public:
    virtual ~Dialogs() = default;
    virtual Answer message(const MessageRequest &request) = 0;
    // The text typed, or nullopt when the user cancelled.
    virtual std::optional<QString> input(const InputRequest &request) = 0;
    // The chosen disk path, or nullopt when the user cancelled.
    virtual std::optional<QString> chooseFile(const FileRequest &request) = 0;
};

// The dialogs in use; the real boxes unless a test installed others.
Dialogs &dialogs();
// Installs a replacement (not owned); nullptr restores the real boxes.
void installDialogs(Dialogs *replacement);

inline Answer showMessage(const QString &text, const QString &title, Icon icon, Buttons buttons = Buttons::Ok,
                          const QString &detail = QString())
{
    return dialogs().message({text, title, icon, buttons, detail, std::nullopt});
}

inline std::optional<QString> askInput(const QString &prompt, const QString &title,
                                       const QString &defaultText = QString())
{
    return dialogs().input({prompt, title, defaultText});
}

inline std::optional<QString> chooseFile(FileChoice kind, const QString &title, const QString &startPath,
                                         const QString &filter = QString())
{
    return dialogs().chooseFile({kind, title, startPath, filter});
}

// The kit's usual boxes. A failure's reason goes into the detail.
inline void showError(const QString &text, const QString &title = QStringLiteral("Error"),
                      const QString &detail = QString())
{
    showMessage(text, title, Icon::Critical, Buttons::Ok, detail);
}

inline bool askYesNo(const QString &text, const QString &title, const QString &detail = QString())
{
    return showMessage(text, title, Icon::Question, Buttons::YesNo, detail) == Answer::Yes;
}

// A question before something that cannot be taken back: Return answers No.
inline bool askYesNoDefaultNo(const QString &text, const QString &title, Icon icon = Icon::Question,
                              const QString &detail = QString())
{
    return dialogs().message({text, title, icon, Buttons::YesNo, detail, Answer::No}) == Answer::Yes;
}

} // namespace tav::platform
