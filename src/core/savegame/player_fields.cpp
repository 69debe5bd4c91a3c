#include "core/savegame/player_fields.h"

#include "core/savegame/hero_state.h"
#include "core/savegame/inventory.h"
#include "core/savegame/player_file.h"

namespace tav {
namespace {

LineFieldTable buildTable()
{
    using Form = LineField::Form;
    using namespace player_line;
    LineFieldTable table;
    auto add = [&table](const QString &name) {
        const int line = int(table.size()) + 1;
        table.append({line, name, isText(line) ? Form::Text : Form::Number});
    };
    auto fixed = [&add](int line) { add(QStringLiteral("fixed/%1").arg(line, 3, 10, QLatin1Char('0'))); };
    fixed(1);
    fixed(2);
    for (int p = 0; p < Inventory::kPositions; ++p) {
        add(QStringLiteral("inventory/%1/item").arg(p));
        add(QStringLiteral("inventory/%1/countMinusOne").arg(p));
    }
    for (int i = 0; i < HeroState::kWeapons; ++i) {
        add(QStringLiteral("weapons/") + HeroState::weaponNames()[i]);
        add(QStringLiteral("spells/") + HeroState::spellNames()[i]);
    }
    fixed(99);
    for (const char *name :
         {"derived/firstItem", "hero/armor", "hero/x", "hero/y", "derived/attack", "derived/range",
          "derived/weaponCodeCopy", "hero/weaponCode", "hero/spellMinusOne", "hero/direction", "hero/hearts",
          "hero/containers", "hero/gold", "hero/arrows", "hero/mana", "map/x", "map/y", "map/z"})
        add(QLatin1String(name));
    for (int line = 118; line <= 121; ++line)
        fixed(line);
    add(QStringLiteral("derived/protection"));
    add(QStringLiteral("hero/book"));
    fixed(124);
    add(QStringLiteral("hero/halfHeart"));
    fixed(126);
    fixed(127);
    add(QStringLiteral("goal/x"));
    add(QStringLiteral("goal/y"));
    add(QStringLiteral("goal/number"));
    for (const QString &caption : HeroState::optionCaptions())
        add(QStringLiteral("options/") + caption);
    Q_ASSERT(table.size() == kPlayerFileLines);
    return table;
}

} // namespace

const LineFieldTable &playerFileFields()
{
    static const LineFieldTable table = buildTable();
    return table;
}

} // namespace tav
