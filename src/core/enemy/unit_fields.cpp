#include "core/enemy/unit_fields.h"

#include "core/enemy/unit_file.h"

namespace tav::enemy {

const LineFieldTable &unitFileFields()
{
    using Form = LineField::Form;
    static const LineFieldTable table{
        {int(UnitLine::Description), QStringLiteral("description"), Form::Text},
        {int(UnitLine::Sprite), QStringLiteral("sprite"), Form::Text},
        {int(UnitLine::Behaviour), QStringLiteral("behaviour"), Form::Number},
        {int(UnitLine::Speed), QStringLiteral("speed"), Form::Number},
        {int(UnitLine::AfraidOf), QStringLiteral("afraidOf"), Form::Number},
        {int(UnitLine::CannotBeHurtWith), QStringLiteral("cannotBeHurtWith"), Form::Number},
        {int(UnitLine::Health), QStringLiteral("health"), Form::Number},
        {int(UnitLine::Attack), QStringLiteral("attack"), Form::Number},
        {int(UnitLine::HeavyBody), QStringLiteral("heavyBody"), Form::Number},
        {int(UnitLine::ZombieLike), QStringLiteral("zombieLike"), Form::Number},
        {int(UnitLine::Shooting), QStringLiteral("shooting"), Form::Number},
        {int(UnitLine::Teleporting), QStringLiteral("teleporting"), Form::Number},
    };
    return table;
}

} // namespace tav::enemy
