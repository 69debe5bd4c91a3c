#pragma once

#include <QString>
#include <QStringList>

#include <array>
#include <optional>

namespace tav {

// The hero's state as the SaveGame editor shows it, with the rules that keep
// it consistent. Each setter takes a value the way the editor's control
// does: a value outside the control's range is refused (the setter returns
// false and nothing changes); a value inside it is applied and then corrected
// by the control's rule.
class HeroState {
public:
    static constexpr int kWeapons = 8;
    static constexpr int kSpells = 8;
    static constexpr int kOptions = 8;
    static constexpr int kArmors = 8;

    static constexpr int kMaxPixel = 400;
    static constexpr int kMaxDirection = 3;
    static constexpr int kMaxHearts = 10;
    static constexpr int kMinContainers = 3;
    static constexpr int kMaxGold = 9999;
    static constexpr int kMaxArrows = 99;
    static constexpr int kMaxMana = 80;

    // Weapon indices; the current weapon is shown as index + 1 (`WeaponNr`).
    enum Weapon { Dagger, LongSword, Bow, Axe, Mace, Chainsaw, Boomerang, ShortSword };

    static const QStringList &weaponNames();
    static const QStringList &spellNames();
    static const QStringList &armorNames();
    static const QStringList &optionCaptions();

    int heroX() const { return m_heroX; }
    int heroY() const { return m_heroY; }
    int direction() const { return m_direction; }
    int containers() const { return m_containers; }
    int hearts() const { return m_hearts; }
    int gold() const { return m_gold; }
    int arrows() const { return m_arrows; }
    int mana() const { return m_mana; }
    int armor() const { return m_armor; }
    int weaponNr() const { return m_weaponNr; }
    int spell() const { return m_spell; }
    bool book() const { return m_book; }
    bool owned(int weapon) const { return valid(weapon, kWeapons) && m_owned[weapon]; }
    bool upgraded(int weapon) const;
    bool spellKnown(int spell) const { return valid(spell, kSpells) && m_spells[spell]; }
    bool option(int index) const { return valid(index, kOptions) && m_options[index]; }

    bool setHeroX(int value);
    bool setHeroY(int value);
    bool setDirection(int value);
    // At least 3 containers; fewer hearts than before when containers shrink.
    bool setContainers(int value);
    // At least 1 heart and no more than the containers.
    bool setHearts(int value);
    bool setGold(int value);
    bool setArrows(int value);
    bool setMana(int value);
    bool setArmor(int value);
    // A weapon the hero does not own falls back to the dagger (1).
    bool setWeaponNr(int value);
    bool setSpell(int value);
    void setBook(bool value) { m_book = value; }
    void setOwned(int weapon, bool value);
    // Only the bow, the mace and the short sword have an upgrade to choose;
    // the others keep their fixed state.
    void setUpgraded(int weapon, bool value);
    static bool hasUpgradeChoice(int weapon);
    void setSpellKnown(int spell, bool value);
    void setOption(int index, bool value);

    // A half heart in a saved game counts as a full one.
    void addHalfHeart();

    // Derived values of the current weapon and armor.
    int protection() const;
    int weaponRange() const;
    int attack() const;

    // The saved form of the current weapon: (`WeaponNr` + 1) mod 8.
    int weaponCode() const { return (m_weaponNr + 1) % kWeapons; }
    // `WeaponNr` for a saved code 0 to 7; nothing for any other code.
    static std::optional<int> weaponNrFromCode(int code);

    // The saved state of a weapon: 0 not owned, 1 owned, 2 owned and upgraded.
    int weaponState(int weapon) const;

    friend bool operator==(const HeroState &, const HeroState &) = default;

private:
    static bool valid(int index, int count) { return index >= 0 && index < count; }
    static bool setInRange(int &field, int value, int minimum, int maximum);

    int m_heroX = 200;
    int m_heroY = 200;
    int m_direction = 2;
    int m_containers = 3;
    int m_hearts = 3;
    int m_gold = 50;
    int m_arrows = 0;
    int m_mana = 0;
    int m_armor = 0;
    int m_weaponNr = 1;
    int m_spell = 1;
    bool m_book = false;
    std::array<bool, kWeapons> m_owned{true, false, false, false, false, false, false, false};
    std::array<bool, kWeapons> m_upgraded{};
    std::array<bool, kSpells> m_spells{};
    std::array<bool, kOptions> m_options{};
};

} // namespace tav
