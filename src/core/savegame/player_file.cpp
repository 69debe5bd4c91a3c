#include "core/savegame/player_file.h"

#include "core/common/number_field.h"
#include "core/common/text_file.h"

#include <limits>
#include <optional>

namespace tav {
namespace {

constexpr int kHeaderLines = 2;

// Walks the fields of a player file. The inventory lines are read as whole
// lines; from the weapon lines on, the game reads comma-delimited fields, so
// a comma in a line starts a new field there too.
class PlayerFieldReader {
public:
    explicit PlayerFieldReader(const QStringList &lines) : m_lines(lines) {}

    std::optional<QString> line()
    {
        if (m_next >= m_lines.size())
            return std::nullopt;
        return m_lines[m_next++].trimmed();
    }

    std::optional<QString> field()
    {
        if (m_pending.isEmpty()) {
            if (m_next >= m_lines.size())
                return std::nullopt;
            const QString &line = m_lines[m_next++];
            if (!line.contains(QLatin1Char(',')))
                return line.trimmed();
            m_pending = line.split(QLatin1Char(','));
        }
        return m_pending.takeFirst().trimmed();
    }

private:
    const QStringList &m_lines;
    qsizetype m_next = 0;
    QStringList m_pending;
};

// A field's numeric value: its leading number rounded to a whole number, 0
// when there is none.
std::optional<int> numberOf(const std::optional<QString> &field)
{
    if (!field)
        return std::nullopt;
    const long long value = rnd(num(*field));
    const long long lo = std::numeric_limits<int>::min();
    const long long hi = std::numeric_limits<int>::max();
    return static_cast<int>(qBound(lo, value, hi));
}

// One more, saturated: the file stores counts and the spell one below what
// the editor shows.
int plusOne(int value)
{
    return value < std::numeric_limits<int>::max() ? value + 1 : value;
}

void readInventory(PlayerFieldReader &reader, Inventory &inventory)
{
    for (int p = 0; p < Inventory::kPositions; ++p) {
        InventorySlot slot = inventory.at(p);
        const std::optional<int> item = numberOf(reader.line());
        const std::optional<int> count = numberOf(reader.line());
        if (item)
            slot.item = *item;
        if (slot.item == 0)
            slot.count = 0;
        else if (count)
            slot.count = plusOne(*count);
        inventory.set(p, slot);
        if (!item)
            return;
    }
}

void readWeaponsAndSpells(PlayerFieldReader &reader, HeroState &hero)
{
    for (int i = 0; i < HeroState::kWeapons; ++i) {
        if (const std::optional<int> state = numberOf(reader.field())) {
            hero.setOwned(i, *state != 0);
            hero.setUpgraded(i, *state == 2);
        }
        if (const std::optional<int> known = numberOf(reader.field()))
            hero.setSpellKnown(i, *known != 0);
    }
}

void readHero(PlayerFieldReader &reader, PlayerState &state)
{
    HeroState &hero = state.hero;
    GoalAndMapTexts &texts = state.goalAndMap;
    auto number = [&reader] { return numberOf(reader.field()); };
    auto skip = [&reader](int count) {
        for (int i = 0; i < count; ++i)
            reader.field();
    };
    auto text = [&reader](QString &target) {
        if (const std::optional<QString> value = reader.field())
            target = *value;
    };

    skip(2); // lines 99 and 100
    if (const auto armor = number())
        hero.setArmor(*armor);
    if (const auto x = number())
        hero.setHeroX(*x);
    if (const auto y = number())
        hero.setHeroY(*y);
    skip(3); // attack, range and the first copy of the weapon code
    if (const auto code = number()) {
        if (const auto weaponNr = HeroState::weaponNrFromCode(*code))
            hero.setWeaponNr(*weaponNr);
    }
    if (const auto spell = number())
        hero.setSpell(plusOne(*spell));
    if (const auto direction = number())
        hero.setDirection(*direction);
    const auto hearts = number();
    if (const auto containers = number())
        hero.setContainers(*containers);
    if (hearts)
        hero.setHearts(*hearts);
    if (const auto gold = number())
        hero.setGold(*gold);
    if (const auto arrows = number())
        hero.setArrows(*arrows);
    if (const auto mana = number())
        hero.setMana(*mana);
    text(texts.mapX);
    text(texts.mapY);
    text(texts.mapZ);
    skip(5); // lines 118 to 122
    if (const auto book = number())
        hero.setBook(*book != 0);
    skip(1);
    if (const auto halfHeart = number(); halfHeart && *halfHeart > 0)
        hero.addHalfHeart();
    skip(2);
    text(texts.goalX);
    text(texts.goalY);
    text(texts.goalNr);
    for (int i = 0; i < HeroState::kOptions; ++i) {
        if (const auto option = number())
            hero.setOption(i, *option != 0);
    }
}

} // namespace

QString playerFileName(int dataSetIndex, bool training)
{
    return dataSetIndex == 0 && training ? kTrainingFileName : kPlayerFileName;
}

QStringList playerFileLines(const PlayerState &state)
{
    const HeroState &hero = state.hero;
    const GoalAndMapTexts &texts = state.goalAndMap;
    FieldWriter out;
    out.number(0).number(0);
    for (int p = 0; p < Inventory::kPositions; ++p) {
        const InventorySlot slot = state.inventory.at(p);
        // The file holds one less than the count; a count below 1 is written
        // as 0, which reads back as 1, so a second save writes the same.
        out.number(slot.item).number(slot.count > 0 ? slot.count - 1 : 0);
    }
    for (int i = 0; i < HeroState::kWeapons; ++i)
        out.number(hero.weaponState(i)).number(hero.spellKnown(i) ? 1 : 0);
    out.number(1)
        .number(state.inventory.at(0).item)
        .number(hero.armor())
        .number(hero.heroX())
        .number(hero.heroY())
        .text(QString::number(hero.attack()))
        .text(QString::number(hero.weaponRange()))
        .number(hero.weaponCode())
        .number(hero.weaponCode())
        .number(hero.spell() - 1)
        .number(hero.direction())
        .number(hero.hearts())
        .number(hero.containers())
        .number(hero.gold())
        .number(hero.arrows())
        .number(hero.mana())
        .text(withoutLineBreaks(texts.mapX))
        .text(withoutLineBreaks(texts.mapY))
        .text(withoutLineBreaks(texts.mapZ));
    for (int i = 0; i < 4; ++i)
        out.number(0);
    out.text(QString::number(hero.protection()))
        .number(hero.book() ? 1 : 0)
        .number(0)
        .number(0) // a half heart is always saved as a full one
        .number(0)
        .number(0)
        .text(withoutLineBreaks(texts.goalX))
        .text(withoutLineBreaks(texts.goalY))
        .text(withoutLineBreaks(texts.goalNr));
    for (int i = 0; i < HeroState::kOptions; ++i)
        out.number(hero.option(i) ? 1 : 0);
    return out.lines();
}

void applyPlayerFileLines(const QStringList &lines, PlayerState &state)
{
    PlayerFieldReader reader(lines);
    for (int i = 0; i < kHeaderLines; ++i)
        reader.line();
    readInventory(reader, state.inventory);
    readWeaponsAndSpells(reader, state.hero);
    readHero(reader, state);
}

Status loadPlayerFile(const GameFolder &folder, const QString &gamePath, PlayerState &state)
{
    const Result<TextFile> file = readTextFile(folder.resolve(gamePath));
    if (!file)
        return file.status();
    applyPlayerFileLines(file->lines, state);
    return Status::success();
}

Status savePlayerFile(const GameFolder &folder, const QString &gamePath, const PlayerState &state)
{
    return writeTextFile(folder.resolve(gamePath), playerFileLines(state));
}

} // namespace tav
