#include "ui/savegame/savegame_editor.h"

#include "support/scripted_platform.h"
#include "support/temp_game_folder.h"
#include "ui/savegame/up_down_spinner.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QSlider>

#include <gtest/gtest.h>

using namespace tav;
using tav::test::TempGameFolder;

namespace {

struct EditorWindow {
    TempGameFolder tmp;
    Form6 editor{tmp.folder()};

    template <typename T>
    T *get(const QString &name) const
    {
        T *widget = editor.findChild<T *>(name);
        EXPECT_TRUE(widget) << name.toStdString();
        return widget;
    }
    QLineEdit *box(const QString &name) const { return get<QLineEdit>(name); }
    QSlider *slider(const QString &name) const { return get<QSlider>(name); }
    QCheckBox *check(const QString &name) const { return get<QCheckBox>(name); }
};

} // namespace

TEST(HeroPage, NumberBoxesClampAndDriveTheirSpinners)
{
    EditorWindow w;
    auto *heroX = w.get<UpDownSpinner>("HeroX");
    EXPECT_EQ(w.box("Text2")->text(), "200");
    w.box("Text2")->setText("450");
    EXPECT_EQ(w.box("Text2")->text(), "400");
    EXPECT_EQ(heroX->value(), 400);
    w.box("Text2")->setText("-5");
    EXPECT_EQ(w.box("Text2")->text(), "0");
    EXPECT_EQ(heroX->value(), 0);
    w.box("Text2")->setText("12a");
    EXPECT_EQ(w.box("Text2")->text(), "12a");
    EXPECT_EQ(heroX->value(), 0);
    EXPECT_EQ(w.editor.state().hero.heroX(), 0);

    w.box("Text4")->setText("12345");
    EXPECT_EQ(w.editor.state().hero.gold(), 9999);
    w.box("Text5")->setText("150");
    EXPECT_EQ(w.editor.state().hero.arrows(), 99);

    w.get<UpDownSpinner>("HeroY")->stepUp();
    EXPECT_EQ(w.box("Text3")->text(), "201");
    EXPECT_EQ(w.editor.state().hero.heroY(), 201);
}

TEST(HeroPage, HealthSlidersKeepTheirRules)
{
    EditorWindow w;
    w.slider("Containers")->setValue(2);
    EXPECT_EQ(w.slider("Containers")->value(), 3);
    w.slider("Containers")->setValue(10);
    w.slider("Hearts")->setValue(7);
    w.slider("Containers")->setValue(5);
    EXPECT_EQ(w.slider("Hearts")->value(), 5);
    w.slider("Hearts")->setValue(0);
    EXPECT_EQ(w.slider("Hearts")->value(), 1);
    EXPECT_EQ(w.editor.state().hero.hearts(), 1);
}

TEST(WeaponsPage, ArmorWeaponAndUpgradeShowTheirData)
{
    EditorWindow w;
    auto *armor = w.get<QComboBox>("Armor");
    EXPECT_EQ(armor->currentIndex(), 0);
    EXPECT_EQ(w.box("protection")->text(), "0");
    armor->setCurrentIndex(7);
    EXPECT_EQ(armor->currentText(), "Super Garrik (cheat)!");
    EXPECT_EQ(w.box("protection")->text(), "100");
    armor->setCurrentIndex(2);
    EXPECT_EQ(w.box("protection")->text(), "10");

    w.slider("WeaponNr")->setValue(3);
    EXPECT_EQ(w.slider("WeaponNr")->value(), 1);
    EXPECT_EQ(w.box("range")->text(), "10");
    EXPECT_EQ(w.box("Attack")->text(), "2");

    w.check("Weapon_2")->setChecked(true);
    w.slider("WeaponNr")->setValue(3);
    EXPECT_EQ(w.box("range")->text(), "30");
    EXPECT_EQ(w.box("Attack")->text(), "6");
    w.check("Upgraded_2")->setChecked(true);
    EXPECT_EQ(w.box("Attack")->text(), "12");
}

TEST(WeaponsPage, FixedBoxesCannotBeChanged)
{
    EditorWindow w;
    EXPECT_TRUE(w.check("Weapon_0")->isChecked());
    EXPECT_FALSE(w.check("Weapon_0")->isEnabled());
    for (int i = 0; i < 8; ++i)
        EXPECT_EQ(w.check(QStringLiteral("Upgraded_%1").arg(i))->isEnabled(), i == 2 || i == 4 || i == 7) << i;
    EXPECT_TRUE(w.check("Upgraded_1")->isChecked());
}

TEST(WeaponsPage, SpellsOptionsAndBookReachTheState)
{
    EditorWindow w;
    auto *spells = w.get<QListWidget>("Spells");
    ASSERT_EQ(spells->count(), 8);
    EXPECT_EQ(spells->item(7)->text(), "Hovering!");
    spells->item(2)->setSelected(true);
    spells->item(5)->setSelected(true);
    w.slider("Spell")->setValue(4);
    w.slider("Mana")->setValue(80);
    w.check("Book")->setChecked(true);
    w.check("Check8")->setChecked(true);
    EXPECT_EQ(w.check("Check8")->text(), "Display hero's health as number");
    const HeroState &hero = w.editor.state().hero;
    EXPECT_TRUE(hero.spellKnown(2));
    EXPECT_TRUE(hero.spellKnown(5));
    EXPECT_FALSE(hero.spellKnown(0));
    EXPECT_EQ(hero.spell(), 4);
    EXPECT_EQ(hero.mana(), 80);
    EXPECT_TRUE(hero.book());
    EXPECT_TRUE(hero.option(7));
}
