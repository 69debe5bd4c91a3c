#include "ui/savegame/weapons_page.h"

#include "core/savegame/hero_state.h"
#include "ui/savegame/page_controls.h"
#include "ui/savegame/spinner_field.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QSignalBlocker>
#include <QSlider>
#include <QVBoxLayout>

namespace tav {
namespace {

QLineEdit *derivedValueBox(const QString &name, QWidget *parent)
{
    auto *box = new QLineEdit(parent);
    box->setObjectName(name);
    box->setReadOnly(true);
    box->setFixedWidth(48);
    box->setAlignment(Qt::AlignRight);
    return box;
}

} // namespace

WeaponsPage::WeaponsPage(HeroState &hero, QWidget *parent)
    : QWidget(parent)
    , m_hero(hero)
{
    auto *columns = new QHBoxLayout(this);
    auto *left = new QVBoxLayout;
    left->addWidget(weaponsFrame());
    left->addStretch(1);
    auto *middle = new QVBoxLayout;
    middle->addWidget(spellsFrame());
    middle->addWidget(arrowsFrame());
    middle->addStretch(1);
    auto *right = new QVBoxLayout;
    right->addWidget(armorFrame());
    right->addWidget(manaFrame());
    right->addWidget(dataFrame());
    right->addStretch(1);
    columns->addLayout(left);
    columns->addLayout(middle);
    columns->addLayout(right);
    showState();
}

QWidget *WeaponsPage::weaponsFrame()
{
    QGroupBox *box = frame(QStringLiteral("Weapons"), this);
    auto *grid = new QGridLayout(box);
    grid->setVerticalSpacing(2);
    grid->addWidget(plainLabel(QStringLiteral("weapon"), box), 0, 0);
    grid->addWidget(plainLabel(QStringLiteral("available / upgraded"), box), 0, 1);
    for (int i = 0; i < HeroState::kWeapons; ++i) {
        m_weapon[i] = new QCheckBox(HeroState::weaponNames()[i], box);
        m_weapon[i]->setObjectName(QStringLiteral("Weapon_%1").arg(i));
        m_upgraded[i] = new QCheckBox(box);
        m_upgraded[i]->setObjectName(QStringLiteral("Upgraded_%1").arg(i));
        m_upgraded[i]->setEnabled(HeroState::hasUpgradeChoice(i));
        grid->addWidget(m_weapon[i], i + 1, 0);
        grid->addWidget(m_upgraded[i], i + 1, 1, Qt::AlignHCenter);
        connect(m_weapon[i], &QCheckBox::toggled, this, [this, i](bool on) { m_hero.setOwned(i, on); });
        connect(m_upgraded[i], &QCheckBox::toggled, this, [this, i](bool on) {
            m_hero.setUpgraded(i, on);
            showState();
        });
    }
    // The dagger is always at hand; only a loaded savegame can say otherwise.
    m_weapon[HeroState::Dagger]->setEnabled(false);

    m_weaponNr = namedSlider(QStringLiteral("WeaponNr"), 1, HeroState::kWeapons, box);
    m_weaponName = plainLabel(QString(), box);
    grid->addWidget(plainLabel(QStringLiteral("current weapon:"), box), HeroState::kWeapons + 1, 0, 1, 2);
    grid->addWidget(m_weaponNr, HeroState::kWeapons + 2, 0, 1, 2);
    grid->addWidget(m_weaponName, HeroState::kWeapons + 3, 0, 1, 2);
    connect(m_weaponNr, &QSlider::valueChanged, this, [this](int v) {
        m_hero.setWeaponNr(v);
        showState();
    });
    return box;
}

QWidget *WeaponsPage::spellsFrame()
{
    QGroupBox *box = frame(QStringLiteral("Spells"), this);
    auto *layout = new QVBoxLayout(box);
    m_spells = new QListWidget(box);
    m_spells->setObjectName(QStringLiteral("Spells"));
    m_spells->setSelectionMode(QAbstractItemView::MultiSelection);
    m_spells->addItems(HeroState::spellNames());
    m_spells->setFixedHeight(m_spells->sizeHintForRow(0) * HeroState::kSpells + 2 * m_spells->frameWidth() + 2);
    layout->addWidget(m_spells);
    connect(m_spells, &QListWidget::itemSelectionChanged, this, [this] {
        for (int i = 0; i < HeroState::kSpells; ++i)
            m_hero.setSpellKnown(i, m_spells->item(i)->isSelected());
    });
    layout->addWidget(plainLabel(QStringLiteral("current spell:"), box));
    m_spell = namedSlider(QStringLiteral("Spell"), 1, HeroState::kSpells, box);
    layout->addWidget(m_spell);
    m_spellName = plainLabel(QString(), box);
    layout->addWidget(m_spellName);
    connect(m_spell, &QSlider::valueChanged, this, [this](int v) {
        m_hero.setSpell(v);
        showState();
    });
    return box;
}

QWidget *WeaponsPage::armorFrame()
{
    QGroupBox *box = frame(QStringLiteral("Armor"), this);
    auto *layout = new QVBoxLayout(box);
    m_armor = new QComboBox(box);
    m_armor->setObjectName(QStringLiteral("Armor"));
    m_armor->addItems(HeroState::armorNames());
    layout->addWidget(m_armor);
    connect(m_armor, &QComboBox::currentIndexChanged, this, [this](int index) {
        m_hero.setArmor(index);
        showState();
    });
    return box;
}

QWidget *WeaponsPage::manaFrame()
{
    QGroupBox *box = frame(QStringLiteral("Mana level"), this);
    auto *layout = new QGridLayout(box);
    m_mana = namedSlider(QStringLiteral("Mana"), 0, HeroState::kMaxMana, box);
    m_manaValue = plainLabel(QString(), box);
    m_manaValue->setMinimumWidth(20);
    layout->addWidget(m_mana, 0, 0);
    layout->addWidget(m_manaValue, 0, 1);
    m_book = new QCheckBox(QStringLiteral("Magic book"), box);
    m_book->setObjectName(QStringLiteral("Book"));
    layout->addWidget(m_book, 1, 0, 1, 2);
    connect(m_mana, &QSlider::valueChanged, this, [this](int v) {
        m_hero.setMana(v);
        m_manaValue->setText(QString::number(m_hero.mana()));
    });
    connect(m_book, &QCheckBox::toggled, this, [this](bool on) { m_hero.setBook(on); });
    return box;
}

QWidget *WeaponsPage::dataFrame()
{
    QGroupBox *box = frame(QStringLiteral("Data"), this);
    auto *grid = new QGridLayout(box);
    m_attack = derivedValueBox(QStringLiteral("Attack"), box);
    m_range = derivedValueBox(QStringLiteral("range"), box);
    m_protection = derivedValueBox(QStringLiteral("protection"), box);
    grid->addWidget(plainLabel(QStringLiteral("Current weapon:"), box), 0, 0, 1, 2);
    grid->addWidget(plainLabel(QStringLiteral("attack level:"), box), 1, 0);
    grid->addWidget(m_attack, 1, 1);
    grid->addWidget(plainLabel(QStringLiteral("range:"), box), 2, 0);
    grid->addWidget(m_range, 2, 1);
    grid->addWidget(plainLabel(QStringLiteral("Current armor:"), box), 3, 0, 1, 2);
    grid->addWidget(plainLabel(QStringLiteral("percentage:"), box), 4, 0);
    grid->addWidget(m_protection, 4, 1);
    return box;
}

QWidget *WeaponsPage::arrowsFrame()
{
    QGroupBox *box = frame(QStringLiteral("Arrows for bow"), this);
    auto *layout = new QHBoxLayout(box);
    m_arrows = new SpinnerField(box, QStringLiteral("Text5"), QStringLiteral("Arrows"), HeroState::kMaxArrows,
                                [this](int v) { m_hero.setArrows(v); });
    layout->addLayout(m_arrows->makeRow());
    layout->addStretch(1);
    return box;
}

void WeaponsPage::showState()
{
    for (int i = 0; i < HeroState::kWeapons; ++i) {
        const QSignalBlocker b1(m_weapon[i]), b2(m_upgraded[i]);
        m_weapon[i]->setChecked(m_hero.owned(i));
        m_upgraded[i]->setChecked(m_hero.upgraded(i));
    }
    {
        const QSignalBlocker b1(m_weaponNr), b2(m_spell), b3(m_armor), b4(m_mana), b5(m_book), b6(m_spells);
        m_weaponNr->setValue(m_hero.weaponNr());
        m_spell->setValue(m_hero.spell());
        m_armor->setCurrentIndex(m_hero.armor());
        m_mana->setValue(m_hero.mana());
        m_book->setChecked(m_hero.book());
        for (int i = 0; i < HeroState::kSpells; ++i)
            m_spells->item(i)->setSelected(m_hero.spellKnown(i));
    }
    m_weaponName->setText(HeroState::weaponNames()[m_hero.weaponNr() - 1]);
    m_spellName->setText(HeroState::spellNames()[m_hero.spell() - 1]);
    m_manaValue->setText(QString::number(m_hero.mana()));
    m_arrows->show(m_hero.arrows());
    m_attack->setText(QString::number(m_hero.attack()));
    m_range->setText(QString::number(m_hero.weaponRange()));
    m_protection->setText(QString::number(m_hero.protection()));
}

} // namespace tav
