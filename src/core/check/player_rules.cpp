#include "core/check/rules.h"

#include "core/automap/goal_map_rules.h"
#include "core/common/number_field.h"
#include "core/refs/file_uses.h"
#include "core/savegame/hero_state.h"
#include "core/savegame/inventory.h"
#include "core/savegame/player_file.h"

#include <algorithm>

namespace tav::check {
namespace {

using namespace player_line;

struct FieldRange {
    int line;
    int minimum;
    int maximum;
    const char *what;
};

// The ranges of the editor's controls.
constexpr FieldRange kRanges[] = {
    {kArmor, 0, HeroState::kArmors - 1, "armor"},
    {kHeroX, 0, HeroState::kMaxPixel, "hero x position"},
    {kHeroY, 0, HeroState::kMaxPixel, "hero y position"},
    {kWeaponCodeCopy, 0, HeroState::kWeapons - 1, "weapon code"},
    {kWeaponCode, 0, HeroState::kWeapons - 1, "weapon code"},
    {kSpell, 0, HeroState::kSpells - 1, "spell"},
    {kDirection, 0, HeroState::kMaxDirection, "direction"},
    {kContainers, HeroState::kMinContainers, HeroState::kMaxHearts, "heart containers"},
    {kGold, 0, HeroState::kMaxGold, "gold"},
    {kArrows, 0, HeroState::kMaxArrows, "arrows"},
    {kMana, 0, HeroState::kMaxMana, "mana"},
    {kMapX, 1, kMapXMax, "MAP x"},
    {kMapY, 1, kMapYMax, "MAP y"},
    {kMapZ, 0, kMapZMax, "MAP level"},
    {kGoalX, 1, kGoalXMax, "goal x"},
    {kGoalY, 1, kGoalYMax, "goal y"},
};

class PlayerFileCheck {
public:
    PlayerFileCheck(CheckContext &context, const ListedFolder &dataSet, const ListedEntry &entry,
                    const QStringList &lines, const References &references)
        : m_findings(context.findings)
        , m_dataSet(dataSet)
        , m_file(entry.gamePath)
        , m_lines(lines)
        , m_references(references)
    {
    }

    void run()
    {
        if (m_lines.size() != kPlayerFileLines)
            m_findings.error(m_file, 0, "player-lines",
                             QStringLiteral("holds %1 lines; a player file has 138").arg(m_lines.size()));
        for (int line = 1; line <= qMin<qsizetype>(m_lines.size(), kPlayerFileLines); ++line)
            if (!isText(line) && !value(line))
                error(line, "player-number", QStringLiteral("%1 is not a number").arg(quoted(m_lines[line - 1])));
        checkInventory();
        checkWeapons();
        for (const FieldRange &range : kRanges)
            checkRange(range.line, range.minimum, range.maximum, range.what);
        if (const auto containers = value(kContainers))
            checkRange(kHearts, 1,
                       int(std::clamp<long long>(*containers, HeroState::kMinContainers, HeroState::kMaxHearts)),
                       "hearts");
        checkGoal();
        checkCurrentMap();
    }

private:
    std::optional<long long> value(int line) const
    {
        return line <= m_lines.size() ? parseNumberField(m_lines[line - 1]) : std::nullopt;
    }

    void error(int line, const char *code, const QString &message) { m_findings.error(m_file, line, code, message); }

    void checkRange(int line, int minimum, int maximum, const char *what)
    {
        const auto v = value(line);
        if (line > m_lines.size() || (!v && !isText(line)))
            return; // missing, or already reported as no number
        if (!v || *v < minimum || *v > maximum)
            error(line, "player-range",
                  QStringLiteral("%1 %2 is not %3 to %4")
                      .arg(QLatin1String(what), quoted(m_lines[line - 1].trimmed()))
                      .arg(minimum)
                      .arg(maximum));
    }

    void checkInventory()
    {
        const std::optional<int> items = m_references.itemCount;
        for (int p = 0; p < Inventory::kPositions; ++p) {
            const int itemLine = kFirstItem + 2 * p;
            const auto item = value(itemLine);
            const auto stored = value(itemLine + 1);
            if (!item || !stored)
                continue;
            if (*item < 0 || (items && *item > *items))
                error(itemLine, "player-item",
                      QStringLiteral("item %1 does not exist; ITMNAMES.DAT holds items 1 to %2")
                          .arg(*item)
                          .arg(items.value_or(0)));
            else if (*item == 0 && *stored != 0)
                error(itemLine + 1, "player-count",
                      QStringLiteral("empty position %1 holds count %2; it holds 0").arg(p).arg(*stored));
            else if (*item != 0 && (*stored < -1 || *stored > Inventory::kMaxCount - 1))
                error(itemLine + 1, "player-count",
                      QStringLiteral("count stored as %1 means %2 items; a position holds 0 to 9 (stored as count - 1)")
                          .arg(*stored)
                          .arg(*stored + 1));
        }
    }

    void checkWeapons()
    {
        for (int i = 0; i < HeroState::kWeapons; ++i) {
            const auto state = value(kFirstWeapon + 2 * i);
            if (state && (*state < 0 || *state > 2))
                error(kFirstWeapon + 2 * i, "player-weapon-state",
                      QStringLiteral("state %1 of the %2 is not 0 (not owned), 1 (owned) or 2 (upgraded)")
                          .arg(*state)
                          .arg(HeroState::weaponNames()[i]));
        }
        const auto code = value(kWeaponCode);
        const auto weaponNr =
            code ? HeroState::weaponNrFromCode(int(std::clamp<long long>(*code, -1, 8))) : std::nullopt;
        if (!weaponNr)
            return;
        const int weapon = *weaponNr - 1;
        if (value(kFirstWeapon + 2 * weapon) == 0)
            error(kWeaponCode, "player-weapon-owned",
                  QStringLiteral("the current weapon, the %1, is not owned (the editor turns it into the dagger)")
                      .arg(HeroState::weaponNames()[weapon]));
    }

    void checkGoal()
    {
        const auto goal = value(kGoalNr);
        if (kGoalNr > m_lines.size() || !m_references.goalCount)
            return;
        const int goals = *m_references.goalCount;
        if (!goal || *goal < 0 || *goal >= goals)
            error(kGoalNr, "player-goal",
                  goals > 0 ? QStringLiteral("goal %1 does not exist; GOALS.DAT holds goals 0 to %2")
                                  .arg(m_lines[kGoalNr - 1].trimmed())
                                  .arg(goals - 1)
                            : QStringLiteral("goal %1 does not exist; GOALS.DAT holds no goals")
                                  .arg(m_lines[kGoalNr - 1].trimmed()));
    }

    void checkCurrentMap()
    {
        const auto x = value(kMapX);
        const auto y = value(kMapY);
        const auto z = value(kMapZ);
        if (!x || !y || !z)
            return;
        // Clamped only to fit an int: out-of-range coordinates are their range rule's.
        const auto asInt = [](long long v) { return int(std::clamp<long long>(v, -1, 100)); };
        const MapPosition position{asInt(*x), asInt(*y), asInt(*z)};
        if (!isWorldPosition(position))
            return;
        const QString name = mapFileName(position);
        if (m_dataSet.lacksFile(name))
            m_findings.warning(m_file, kMapX, "player-map-missing",
                               QStringLiteral("the current MAP %1 is not in %2").arg(name, m_dataSet.gamePath()));
    }

    Findings &m_findings;
    const ListedFolder &m_dataSet;
    const QString &m_file;
    const QStringList &m_lines;
    const References &m_references;
};

void checkPlayerFile(CheckContext &context, const ListedFolder &dataSet, const ListedEntry *entry,
                     const References &references)
{
    if (!entry)
        return;
    if (const std::optional<TextFile> file = context.readText(*entry)) {
        PlayerFileCheck(context, dataSet, *entry, file->lines, references).run();
        if (context.index)
            refs::indexPlayerFile(*context.index, entry->gamePath, file->lines);
    }
}

} // namespace

std::optional<int> checkItemNames(CheckContext &context)
{
    const std::optional<ListedText> items = context.readGameDataText(QStringLiteral("ITMNAMES.DAT"));
    if (!items)
        return std::nullopt;
    const QStringList &lines = items->file.lines;
    if (context.index)
        refs::indexItemNames(*context.index, items->entry->gamePath, lines);
    if (lines.size() % 2 != 0)
        context.findings.warning(items->entry->gamePath, int(lines.size()), "items-unpaired",
                                 QStringLiteral("the last line has no name line after it and is not read"));
    return int(itemNamesFromLines(lines).size());
}

void checkPlayerFiles(CheckContext &context, const References &references)
{
    for (const ListedFolder &dataSet : context.listing.dataSets)
        if (dataSet.exists())
            checkPlayerFile(context, dataSet, context.require(dataSet, kPlayerFileName, Severity::Warning), references);
    // The training state belongs to the default data set only.
    const ListedFolder &defaultSet = context.listing.dataSets.first();
    checkPlayerFile(context, defaultSet, defaultSet.find(kTrainingFileName), references);
}

} // namespace tav::check
