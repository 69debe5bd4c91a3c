#pragma once

#include "core/common/game_folder.h"
#include "core/definitions/definition_documents.h"
#include "ui/common/unsaved_work.h"

#include <QWidget>

class QGroupBox;
class QLineEdit;
class QListWidget;

namespace tav {

class HistoryControls;

// `Form9`, the definition parameters window: the person idle sounds, the
// mission goals and shortcuts to the data folders and the help text. Every
// change is a step written to its file at once (undo writes it back); one
// that could not be written stays on screen as unsaved work.
class Form9 : public QWidget, public UnsavedWork {
    Q_OBJECT
public:
    explicit Form9(const GameFolder &folder, QWidget *parent = nullptr);

    GoalsDocument &goalsDocument() { return m_goals; }
    IdleSoundsDocument &idleSoundsDocument() { return m_idleSounds; }

    // "Definition parameters (GAMEDATA\GOALS.DAT)" while a list differs from
    // its file.
    QString unsavedWork() const override;
    QList<Document *> documents() override { return {&m_goals, &m_idleSounds}; }

protected:
    bool event(QEvent *event) override;

public Q_SLOTS:
    void Command1_Click(); // remove idle sound
    void Command2_Click(); // add idle sound
    void Command3_Click(); // delete goal
    void Command4_Click(); // add goal
    void Command5_Click(); // rename goal
    void Command6_Click();
    void Command7_Click();
    void Command8_Click();
    void List2_Click();

private:
    QGroupBox *buildIdleSoundsFrame();
    QGroupBox *buildGoalsFrame();
    QGroupBox *buildShortcutsFrame();
    void Form_Load();
    void showIdleSounds();
    void showGoals();

    GameFolder m_folder;
    GoalsDocument m_goals{m_folder};
    IdleSoundsDocument m_idleSounds{m_folder};
    HistoryControls *m_history = nullptr;

    QListWidget *m_list1 = nullptr; // idle sound entries
    QListWidget *m_list2 = nullptr; // goals
    QLineEdit *m_goalNr = nullptr;
};

} // namespace tav
