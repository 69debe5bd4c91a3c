#include "ui/platform/dialogs.h"

#include <QApplication>
#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>

#include <algorithm>

namespace tav::platform {
namespace {

// Characters the input box shows whole, and the room beside its text.
constexpr int kInputColumns = 60;
constexpr int kInputMargins = 48;

class RealDialogs final : public Dialogs {
public:
    Answer message(const MessageRequest &request) override
    {
        QMessageBox box(QApplication::activeWindow());
        box.setWindowTitle(request.title);
        box.setText(request.text);
        // Shown at once under the text, not folded away: it is the reason.
        box.setInformativeText(request.detail);
        // The user can select and copy what a box says (a path, an error).
        box.setTextInteractionFlags(Qt::TextSelectableByMouse);
        switch (request.icon) {
        case Icon::None: box.setIcon(QMessageBox::NoIcon); break;
        case Icon::Critical: box.setIcon(QMessageBox::Critical); break;
        case Icon::Exclamation: box.setIcon(QMessageBox::Warning); break;
        case Icon::Information: box.setIcon(QMessageBox::Information); break;
        case Icon::Question: box.setIcon(QMessageBox::Question); break;
        }
        switch (request.buttons) {
        case Buttons::Ok: box.setStandardButtons(QMessageBox::Ok); break;
        case Buttons::OkCancel: box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel); break;
        case Buttons::YesNo: box.setStandardButtons(QMessageBox::Yes | QMessageBox::No); break;
        case Buttons::YesNoCancel:
            box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
            break;
        }
        if (request.defaultButton) {
            switch (*request.defaultButton) {
            case Answer::Ok: box.setDefaultButton(QMessageBox::Ok); break;
            case Answer::Cancel: box.setDefaultButton(QMessageBox::Cancel); break;
            case Answer::Yes: box.setDefaultButton(QMessageBox::Yes); break;
            case Answer::No: box.setDefaultButton(QMessageBox::No); break;
            }
        }
        switch (box.exec()) {
        case QMessageBox::Yes: return Answer::Yes;
        case QMessageBox::No: return Answer::No;
        case QMessageBox::Cancel: return Answer::Cancel;
        default: return request.buttons == Buttons::YesNo ? Answer::No : Answer::Ok;
        }
    }

    std::optional<QString> input(const InputRequest &request) override
    {
        QInputDialog box(QApplication::activeWindow());
        box.setWindowTitle(request.title);
        box.setLabelText(request.prompt);
        box.setTextValue(request.defaultText);
        // Wide enough for the longest texts typed here, 60-character goals.
        const int textWidth = box.fontMetrics().horizontalAdvance(QString(kInputColumns, QLatin1Char('e')));
        box.resize(std::max(box.sizeHint().width(), textWidth + kInputMargins), box.sizeHint().height());
        if (box.exec() != QDialog::Accepted)
            return std::nullopt;
        return box.textValue();
    }

    std::optional<QString> chooseFile(const FileRequest &request) override
    {
        QWidget *parent = QApplication::activeWindow();
        QString path;
        switch (request.kind) {
        case FileChoice::OpenFile:
            path = QFileDialog::getOpenFileName(parent, request.title, request.startPath, request.filter);
            break;
        case FileChoice::SaveFile:
            path = QFileDialog::getSaveFileName(parent, request.title, request.startPath, request.filter);
            break;
        case FileChoice::Folder:
            path = QFileDialog::getExistingDirectory(parent, request.title, request.startPath);
            break;
        }
        if (path.isEmpty())
            return std::nullopt;
        return path;
    }
};

RealDialogs &realDialogs()
{
    static RealDialogs instance;
    return instance;
}

Dialogs *g_installed = nullptr;

} // namespace

Answer returnAnswer(const MessageRequest &request)
{
    if (request.defaultButton)
        return *request.defaultButton;
    switch (request.buttons) {
    case Buttons::YesNo:
    case Buttons::YesNoCancel: return Answer::Yes;
    default: return Answer::Ok;
    }
}

Dialogs &dialogs()
{
    return g_installed ? *g_installed : realDialogs();
}

void installDialogs(Dialogs *replacement)
{
    g_installed = replacement;
}

} // namespace tav::platform
