#include "core/definitions/goal_list.h"

#include "core/common/text_file.h"

namespace tav {

int GoalList::add(const QString &description, int selected)
{
    if (description.isEmpty())
        return -1;
    const int at = isGoal(selected) ? selected : size();
    m_descriptions.insert(at, description);
    return at;
}

bool GoalList::rename(int number, const QString &description)
{
    if (!isGoal(number) || description.isEmpty())
        return false;
    m_descriptions[number] = description;
    return true;
}

bool GoalList::canRemove(int number) const
{
    return isGoal(number) && size() > 1;
}

bool GoalList::remove(int number)
{
    if (!canRemove(number))
        return false;
    m_descriptions.removeAt(number);
    return true;
}

QString goalNumberText(int number)
{
    return QString::number(number);
}

Result<GoalList> readGoalList(const GameFolder &folder)
{
    Result<TextFile> file = readTextFile(folder.resolve(kGoalsPath));
    if (!file)
        return file.status();
    return GoalList(std::move(file.value().lines));
}

Status writeGoalList(const GameFolder &folder, const GoalList &goals)
{
    return writeTextFile(folder.resolve(kGoalsPath), goals.descriptions());
}

} // namespace tav
