#pragma once

#include <QWidget>

class QToolButton;

namespace tav {

class ToolWindows;

// `Form1`, the launch window: one button per tool, the help folder and the
// game. Closing it ends the program, after one question when a tool window
// holds work that would be lost.
class Form1 : public QWidget {
    Q_OBJECT
public:
    explicit Form1(ToolWindows &windows, QWidget *parent = nullptr);

    void Command1_Click(int index);

    // Moves the window to the bottom-right corner of its screen.
    void placeBottomRight();

    // Whether the kit may end now: true without unsaved work, or when the
    // user agrees to lose it; work under way has then finished.
    bool mayEndProgram();

Q_SIGNALS:
    // Closing the launch window ends the program.
    void programEndRequested();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void Form_Load();

    ToolWindows &m_windows;
};

} // namespace tav
