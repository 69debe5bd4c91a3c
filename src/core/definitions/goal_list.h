#pragma once

#include "core/common/game_folder.h"
#include "core/common/result.h"

#include <QString>
#include <QStringList>

namespace tav {

inline const QString kGoalsPath = QStringLiteral("GAMEDATA\\GOALS.DAT");

// The mission goals: one description per line of GOALS.DAT, goal n on line n
// (counted from 0). Inserting or deleting renumbers every goal after it.
class GoalList {
public:
    GoalList() = default;
    explicit GoalList(QStringList descriptions) : m_descriptions(std::move(descriptions)) {}

    const QStringList &descriptions() const { return m_descriptions; }
    int size() const { return int(m_descriptions.size()); }

    // Inserts a description before the selected goal, or appends it when no
    // goal is selected (selected < 0). An empty description is not added.
    // Returns the new goal's number, or -1 when nothing was added.
    int add(const QString &description, int selected);

    // Replaces a goal's description; an empty description keeps the old one.
    bool rename(int number, const QString &description);

    // The last remaining goal is never deleted.
    bool canRemove(int number) const;
    bool remove(int number);

private:
    bool isGoal(int number) const { return number >= 0 && number < size(); }

    QStringList m_descriptions;
};

// The text of the goal number box: "0" for the first goal.
QString goalNumberText(int number);

Result<GoalList> readGoalList(const GameFolder &folder);
// Writes every goal as one CR LF line, in order (atomically).
Status writeGoalList(const GameFolder &folder, const GoalList &goals);

} // namespace tav
