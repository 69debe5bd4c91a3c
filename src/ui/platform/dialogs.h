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
};

struct InputRequest {
    QString prompt;
    QString title;
    QString defaultText;
};

// Message and input boxes. Windows never create a modal box themselves: they
// ask this seam, so tests can answer the boxes without blocking.
class Dialogs {
public:
    virtual ~Dialogs() = default;
    virtual Answer message(const MessageRequest &request) = 0;
    // The text typed, or nullopt when the user cancelled.
    virtual std::optional<QString> input(const InputRequest &request) = 0;
};

// The dialogs in use; the real boxes unless a test installed others.
Dialogs &dialogs();
// Installs a replacement (not owned); nullptr restores the real boxes.
void installDialogs(Dialogs *replacement);

inline Answer showMessage(const QString &text, const QString &title, Icon icon, Buttons buttons = Buttons::Ok)
{
    return dialogs().message({text, title, icon, buttons});
}

inline std::optional<QString> askInput(const QString &prompt, const QString &title,
                                       const QString &defaultText = QString())
{
    return dialogs().input({prompt, title, defaultText});
}

// The kit's usual boxes.
inline void showError(const QString &text, const QString &title = QStringLiteral("Error"))
{
    showMessage(text, title, Icon::Critical);
}

inline bool askYesNo(const QString &text, const QString &title)
{
    return showMessage(text, title, Icon::Question, Buttons::YesNo) == Answer::Yes;
}

} // namespace tav::platform
