#include "core/refs/renumber_plan.h"

#include "core/common/text_file.h"
#include "core/common/windows1252.h"
#include "core/definitions/goal_list.h"
#include "core/macro/macro_game_data.h"
#include "core/refs/planned_files.h"

#include <functional>

namespace tav::refs {
namespace {

// A list whose entries are named by their place.
struct NumberedList {
    ReferenceKind kind;
    const QString &file;
    int linesPerEntry;
    int first; // the number of the first entry
};

const NumberedList kGoals{ReferenceKind::Goal, kGoalsPath, 1, 0};
const NumberedList kItems{ReferenceKind::Item, kItemNamesPath, 2, 1};

// What the list's change does to a number that names an entry.
using Shift = std::function<int(int)>;

class ListChange {
public:
    ListChange(const GameFolder &folder, const ReferenceIndex &index, const NumberedList &list)
        : m_index(index)
        , m_list(list)
        , m_planned(folder)
    {
    }

    // The list's lines; its entries counted.
    Result<LineBytes *> read()
    {
        if (const Status known = checkEveryUseKnown(m_index); !known)
            return known;
        const Result<LineBytes *> lines = m_planned.lines(m_list.file);
        if (lines)
            m_entries = lines.value()->size() / m_list.linesPerEntry;
        return lines;
    }

    int entries() const { return m_entries; }
    QString noun() const { return kindName(m_list.kind); }
    int lineOf(int number) const { return (number - m_list.first) * m_list.linesPerEntry + 1; }

    // Nothing when the number is an entry, else why not.
    std::optional<Status> notAnEntry(int number, int last) const
    {
        if (number >= m_list.first && number <= last)
            return std::nullopt;
        const QString held = m_entries == 0
                                 ? QStringLiteral("holds no %1s").arg(noun())
                                 : QStringLiteral("holds %1s %2 to %3").arg(noun()).arg(m_list.first).arg(last);
        return Status::failure(QStringLiteral("%1 %2 does not exist: %3 %4.")
                                   .arg(noun())
                                   .arg(number)
                                   .arg(m_list.file.section(QLatin1Char('\\'), -1), held));
    }

    // Rewrites every use whose number shifts, then changes the list's lines;
    // the uses of `deleted` are left and listed.
    Result<ChangePlan> finish(const QString &title, const Shift &shift, const std::function<void(LineBytes &)> &edit,
                              ChangeNote note, std::optional<int> deleted = std::nullopt)
    {
        ChangePlan plan;
        plan.title = title;
        for (const Use &use : m_index.usesOf(m_list.kind)) {
            const int number = use.reference.key.toInt();
            if (number == deleted) {
                plan.left.append(use);
                plan.leftBecause = QStringLiteral("names the deleted goal");
                continue;
            }
            if (const int shifted = shift(number); shifted != number)
                if (const Status replaced = m_planned.replaceNumber(use, shifted); !replaced)
                    return replaced;
        }
        edit(*m_planned.lines(m_list.file).value());
        m_planned.addNote(m_list.file, std::move(note));
        plan.changes = m_planned.changes();
        return plan;
    }

private:
    const ReferenceIndex &m_index;
    const NumberedList &m_list;
    PlannedFiles m_planned;
    int m_entries = 0;
};

const NumberedList &listOf(ReferenceKind kind)
{
    return kind == ReferenceKind::Goal ? kGoals : kItems;
}

} // namespace

Result<ChangePlan> planRenumber(const GameFolder &folder, const ReferenceIndex &index, ReferenceKind kind, int from,
                                int to)
{
    if (kind != ReferenceKind::Goal && kind != ReferenceKind::Item)
        return Status::failure(QStringLiteral("Only goals and items are numbered."));
    const NumberedList &list = listOf(kind);
    ListChange change(folder, index, list);
    if (const Result<LineBytes *> lines = change.read(); !lines)
        return lines.status();
    const int last = list.first + change.entries() - 1;
    for (int number : {from, to})
        if (const auto missing = change.notAnEntry(number, last))
            return *missing;
    const Shift shift = [from, to](int n) {
        if (n == from)
            return to;
        if (from < to && n > from && n <= to)
            return n - 1;
        if (to < from && n >= to && n < from)
            return n + 1;
        return n;
    };
    const QString noun = change.noun();
    return change.finish(
        QStringLiteral("renumber %1 %2 to %3").arg(noun).arg(from).arg(to), shift,
        [&](LineBytes &lines) { lines.moveEntry(from - list.first, to - list.first, list.linesPerEntry); },
        {change.lineOf(from), QStringLiteral("%1 %2 moves to %3").arg(noun).arg(from).arg(to),
         QStringLiteral("%1 %2 moves to %3").arg(noun).arg(to).arg(from)});
}

Result<ChangePlan> planGoalDelete(const GameFolder &folder, const ReferenceIndex &index, int goal)
{
    ListChange change(folder, index, kGoals);
    const Result<LineBytes *> lines = change.read();
    if (!lines)
        return lines.status();
    if (const auto missing = change.notAnEntry(goal, change.entries() - 1))
        return *missing;
    if (change.entries() == 1)
        return Status::failure(QStringLiteral("Goal %1 is the only goal; the list always keeps one.").arg(goal));
    const QString text = decode1252(lines.value()->text(goal + 1));
    return change.finish(
        QStringLiteral("delete goal %1").arg(goal), [goal](int n) { return n > goal ? n - 1 : n; },
        [goal](LineBytes &lines) { lines.removeLine(goal + 1); },
        {goal + 1, QStringLiteral("goal %1 deleted: %2").arg(goal).arg(text),
         QStringLiteral("goal %1 inserted: %2").arg(goal).arg(text)},
        goal);
}

Result<ChangePlan> planGoalInsert(const GameFolder &folder, const ReferenceIndex &index, int before,
                                  const QString &description)
{
    ListChange change(folder, index, kGoals);
    if (const Result<LineBytes *> lines = change.read(); !lines)
        return lines.status();
    if (const auto missing = change.notAnEntry(before, change.entries()))
        return *missing;
    const QString text = withoutLineBreaks(description);
    if (text.isEmpty())
        return Status::failure(QStringLiteral("A goal needs a description."));
    return change.finish(
        QStringLiteral("insert goal %1").arg(before), [before](int n) { return n >= before ? n + 1 : n; },
        [&](LineBytes &lines) { lines.insertLine(before + 1, encode1252(text)); },
        {before + 1, QStringLiteral("goal %1 inserted: %2").arg(before).arg(text),
         QStringLiteral("goal %1 deleted: %2").arg(before).arg(text)});
}

} // namespace tav::refs
