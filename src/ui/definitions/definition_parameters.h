#pragma once

#include "core/common/game_folder.h"
#include "core/common/saved_mark.h"
#include "core/definitions/goal_list.h"
#include "core/definitions/idle_sounds.h"
#include "ui/common/unsaved_work.h"

#include <QWidget>

class QGroupBox;
class QLineEdit;
class QListWidget;

namespace tav {

// `Form9`, the definition parameters window: the person idle sounds, the
// mission goals and shortcuts to the data folders and the help text. Every
// change is written to its file at once; one that could not be written stays
// on screen as unsaved work.
class Form9 : public QWidget, public UnsavedWork {
    Q_OBJECT
public:
    explicit Form9(const GameFolder &folder, QWidget *parent = nullptr);

    const GoalList &goals() const { return m_goals; }
    const QList<IdleSound> &idleSounds() const { return m_idleSounds; }

    // "Definition parameters (GAMEDATA\GOALS.DAT)" while a list differs from
    // its file.
    QString unsavedWork() const override;

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
    void saveIdleSounds(bool changed = true);
    void saveGoals();

    GameFolder m_folder;
    // A file that exists but could not be read is never replaced by the
    // (empty) list on screen.
    bool m_goalsUnreadable = false;
    bool m_idleSoundsUnreadable = false;
    GoalList m_goals;
    QList<IdleSound> m_idleSounds;
    // The lists as their files hold them.
    SavedMark<QStringList> m_savedGoals;
    SavedMark<QList<IdleSound>> m_savedIdleSounds;

    QListWidget *m_list1 = nullptr; // idle sound entries
    QListWidget *m_list2 = nullptr; // goals
    QLineEdit *m_goalNr = nullptr;
};

} // namespace tav
