#pragma once

#include <QWidget>

#include <array>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QSlider;

namespace tav {

class HeroState;
class SpinnerField;

// The page "Weapons, spells etc." of the SaveGame editor: weapons and their
// upgrades, spells, armor, mana, the derived attack, range and protection,
// and the arrows.
class WeaponsPage : public QWidget {
    Q_OBJECT
public:
    explicit WeaponsPage(HeroState &hero, QWidget *parent = nullptr);

    // Shows the hero state in the controls.
    void showState();

private:
    QWidget *weaponsFrame();
    QWidget *spellsFrame();
    QWidget *armorFrame();
    QWidget *manaFrame();
    QWidget *dataFrame();
    QWidget *arrowsFrame();

    HeroState &m_hero;
    std::array<QCheckBox *, 8> m_weapon{};
    std::array<QCheckBox *, 8> m_upgraded{};
    QSlider *m_weaponNr = nullptr;
    QLabel *m_weaponName = nullptr;
    QListWidget *m_spells = nullptr;
    QSlider *m_spell = nullptr;
    QLabel *m_spellName = nullptr;
    QComboBox *m_armor = nullptr;
    QSlider *m_mana = nullptr;
    QLabel *m_manaValue = nullptr;
    QCheckBox *m_book = nullptr;
    QLineEdit *m_attack = nullptr;
    QLineEdit *m_range = nullptr;
    QLineEdit *m_protection = nullptr;
    SpinnerField *m_arrows = nullptr;
};

} // namespace tav
