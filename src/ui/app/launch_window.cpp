#include "ui/app/launch_window.h"

#include "core/app/design_marker.h"
#include "core/app/launch_plan.h"
#include "core/app/quit_question.h"
#include "core/app/start_options.h"
#include "ui/app/tool_windows.h"
#include "ui/common/artwork.h"
#include "ui/common/twips.h"
#include "ui/platform/dialogs.h"
#include "ui/platform/launcher.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <QToolButton>

namespace tav {

Form1::Form1(ToolWindows &windows, QWidget *parent)
    : QWidget(parent, Qt::Window | Qt::MSWindowsFixedSizeDialogHint)
    , m_windows(windows)
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Tavaria developement kit launch window"));
    setFixedSize(sizeTw(8145, 1020));

    QFont buttonFont = font();
    buttonFont.setPointSizeF(7.5);
    for (const LaunchButton &entry : kLaunchButtons) {
        auto *button = new QToolButton(this);
        button->setObjectName(QStringLiteral("Command1_%1").arg(entry.index));
        button->setText(QString::fromLatin1(entry.caption));
        button->setToolTip(QString::fromLatin1(entry.tooltip));
        button->setIcon(QIcon(toolIcon(entry.index, 28)));
        button->setIconSize(QSize(28, 28));
        button->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
        button->setFont(buttonFont);
        button->setGeometry(rectTw(entry.leftTwips, kLaunchButtonTopTwips, kLaunchButtonWidthTwips,
                                   kLaunchButtonHeightTwips));
        const int index = entry.index;
        connect(button, &QToolButton::clicked, this, [this, index] { Command1_Click(index); });
    }

    addLogo(this, px(7230), px(60), 24);
    QFont small = font();
    small.setPointSizeF(6.5);
    const char *lines[] = {"There must", "always be a", "GARRIK!"};
    for (int i = 0; i < 3; ++i) {
        auto *label = new QLabel(QString::fromLatin1(lines[i]), this);
        label->setObjectName(QStringLiteral("Label1_%1").arg(i));
        label->setFont(small);
        label->setAlignment(Qt::AlignCenter);
        label->setGeometry(px(7170), px(480 + i * 170), px(960), px(180));
    }

    Form_Load();
}

void Form1::Form_Load()
{
    const GameFolder &folder = m_windows.folder();
    if (designMarkerPresent(folder))
        return;
    platform::showMessage(QStringLiteral("Before starting a new project, you should make a backup of the designer directory!"),
                          QStringLiteral("Warning!"), platform::Icon::Exclamation);
    const Status written = writeDesignMarker(folder);
    // A read-only folder was already reported when the kit opened it.
    if (!written && folderIsWritable(folder.root()))
        platform::showError(written.error());
}

void Form1::Command1_Click(int index)
{
    if (index < 0 || index >= int(kLaunchButtons.size()))
        return;
    const LaunchButton &entry = kLaunchButtons[std::size_t(index)];
    switch (entry.action) {
    case LaunchButton::Action::ShowTool:
        m_windows.show(entry.window);
        break;
    case LaunchButton::Action::ShowModal:
        m_windows.showModal(entry.window);
        break;
    case LaunchButton::Action::StartCommand:
        platform::startCommand(m_windows.folder(), QString::fromLatin1(entry.commandLine));
        break;
    }
}

void Form1::placeBottomRight()
{
    const QScreen *screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect area = screen->geometry();
    const QRect frame = frameGeometry();
    const int left = area.x() + area.width() - frame.width() - px(kLaunchRightMarginTwips);
    const int top = area.y() + area.height() - frame.height() - px(kLaunchBottomMarginTwips);
    move(left, top);
}

bool Form1::mayEndProgram()
{
    if (m_windows.isEnding())
        return true;
    const QString question = quitQuestion(m_windows.unsavedWork());
    if (!question.isEmpty()) {
        // Return answers No: a reflexive key press loses nothing.
        if (!platform::askYesNoDefaultNo(question, kQuitQuestionTitle, platform::Icon::Exclamation))
            return false;
        m_windows.discardWork();
    }
    m_windows.finishWork();
    return true;
}

void Form1::closeEvent(QCloseEvent *event)
{
    // Every way of closing the window comes here: its close box, the window
    // manager, Alt+F4, the end of the session.
    if (!mayEndProgram()) {
        event->ignore();
        return;
    }
    event->accept();
    Q_EMIT programEndRequested();
}

} // namespace tav
