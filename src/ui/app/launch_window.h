#pragma once

#include <QWidget>

class QToolButton;

namespace tav {

class ToolWindows;

// `Form1`, the launch window: one button per tool, the help folder and the
// game. Closing it ends the program.
class Form1 : public QWidget {
    Q_OBJECT
public:
    explicit Form1(ToolWindows &windows, QWidget *parent = nullptr);

    void Command1_Click(int index);

    // Moves the window to the bottom-right corner of its screen.
    void placeBottomRight();

Q_SIGNALS:
    // Closing the launch window ends the program at once.
    void programEndRequested();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void Form_Load();

    ToolWindows &m_windows;
};

} // namespace tav
