#include "core/savegame/hero_state.h"

namespace tav {
namespace {

// Range and attack of each weapon; the upgraded attack applies when the
// weapon's upgrade box is checked.
struct WeaponData {
    int range;
    int attack;
    int upgradedAttack;
};

constexpr std::array<WeaponData, HeroState::kWeapons> kWeaponData{{
    {10, 2, 2},  // dagger
    {18, 0, 8},  // l. sword
    {30, 6, 12}, // bow
    {14, 7, 7},  // axe
    {14, 4, 6},  // mace
    {18, 2, 2},  // chainsaw
    {60, 4, 4},  // boomrng
    {14, 3, 5},  // s. sword
}};

constexpr std::array<int, HeroState::kArmors> kProtection{0, 0, 10, 20, 30, 40, 50, 100};

// The upgrade state of the weapons without a choice.
constexpr std::array<bool, HeroState::kWeapons> kFixedUpgrade{false, true, false, true, false, true, false, false};

} // namespace

const QStringList &HeroState::weaponNames()
{
    static const QStringList names{"dagger", "l. sword", "bow", "axe", "mace", "chainsaw", "boomrng", "s. sword"};
    return names;
}

const QStringList &HeroState::spellNames()
{
    static const QStringList names{"Earthquake",   "Thunderstorm", "Arrow of Ice", "Fireball",
                                   "Invisibility", "Magic Armor",  "Teleporting",  "Hovering!"};
    return names;
}

const QStringList &HeroState::armorNames()
{
    static const QStringList names{"White shirt (no shield)", "White shirt (shield)", "Leather suit",
                                   "Chainmail",               "Dwarf armor",          "Knight's armor",
                                   "Dragon shield",           "Super Garrik (cheat)!"};
    return names;
}

const QStringList &HeroState::optionCaptions()
{
    static const QStringList captions{"Display enemy health indicators",
                                      "Enable help arrows",
                                      "Enable framecounter",
                                      "DOOM cheat mode",
                                      "Apogee palette mode",
                                      "DEBUG cheat mode",
                                      "Show item explanations",
                                      "Display hero's health as number"};
    return captions;
}

bool HeroState::setInRange(int &field, int value, int minimum, int maximum)
{
    if (value < minimum || value > maximum)
        return false;
    field = value;
    return true;
}

bool HeroState::upgraded(int weapon) const
{
    if (!valid(weapon, kWeapons))
        return false;
    return hasUpgradeChoice(weapon) ? m_upgraded[weapon] : kFixedUpgrade[weapon];
}

bool HeroState::hasUpgradeChoice(int weapon)
{
    return weapon == Bow || weapon == Mace || weapon == ShortSword;
}

bool HeroState::setHeroX(int value) { return setInRange(m_heroX, value, 0, kMaxPixel); }
bool HeroState::setHeroY(int value) { return setInRange(m_heroY, value, 0, kMaxPixel); }
bool HeroState::setDirection(int value) { return setInRange(m_direction, value, 0, kMaxDirection); }
bool HeroState::setGold(int value) { return setInRange(m_gold, value, 0, kMaxGold); }
bool HeroState::setArrows(int value) { return setInRange(m_arrows, value, 0, kMaxArrows); }
bool HeroState::setMana(int value) { return setInRange(m_mana, value, 0, kMaxMana); }
bool HeroState::setArmor(int value) { return setInRange(m_armor, value, 0, kArmors - 1); }
bool HeroState::setSpell(int value) { return setInRange(m_spell, value, 1, kSpells); }

bool HeroState::setContainers(int value)
{
    if (!setInRange(m_containers, value, 0, kMaxHearts))
        return false;
    m_containers = qMax(m_containers, kMinContainers);
    m_hearts = qMin(m_hearts, m_containers);
    return true;
}

bool HeroState::setHearts(int value)
{
    if (!setInRange(m_hearts, value, 0, kMaxHearts))
        return false;
    m_hearts = qMax(qMin(m_hearts, m_containers), 1);
    return true;
}

void HeroState::addHalfHeart()
{
    if (m_hearts < m_containers)
        ++m_hearts;
}

bool HeroState::setWeaponNr(int value)
{
    if (!setInRange(m_weaponNr, value, 1, kWeapons))
        return false;
    if (!owned(m_weaponNr - 1))
        m_weaponNr = 1;
    return true;
}

void HeroState::setOwned(int weapon, bool value)
{
    if (valid(weapon, kWeapons))
        m_owned[weapon] = value;
}

void HeroState::setUpgraded(int weapon, bool value)
{
    if (valid(weapon, kWeapons) && hasUpgradeChoice(weapon))
        m_upgraded[weapon] = value;
}

void HeroState::setSpellKnown(int spell, bool value)
{
    if (valid(spell, kSpells))
        m_spells[spell] = value;
}

void HeroState::setOption(int index, bool value)
{
    if (valid(index, kOptions))
        m_options[index] = value;
}

int HeroState::protection() const
{
    return kProtection[m_armor];
}

int HeroState::weaponRange() const
{
    return kWeaponData[m_weaponNr - 1].range;
}

int HeroState::attack() const
{
    const int weapon = m_weaponNr - 1;
    return upgraded(weapon) ? kWeaponData[weapon].upgradedAttack : kWeaponData[weapon].attack;
}

std::optional<int> HeroState::weaponNrFromCode(int code)
{
    if (code < 0 || code >= kWeapons)
        return std::nullopt;
    return (code + kWeapons - 2) % kWeapons + 1;
}

int HeroState::weaponState(int weapon) const
{
    if (!owned(weapon))
        return 0;
    return upgraded(weapon) ? 2 : 1;
}

} // namespace tav
