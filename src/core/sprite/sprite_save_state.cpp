#include "core/sprite/sprite_save_state.h"

#include "core/sprite/sprite_name.h"

namespace tav {

SpriteSaveState::SpriteSaveState(const SpriteImage &initial)
    : m_mark(initial)
{
}

void SpriteSaveState::took(const SpriteImage &form, const QString &name, const QString &fallback)
{
    m_mark.markSaved(form);
    m_damage = fallback;
    m_damagedName = fallback.isEmpty() ? QString() : name;
}

void SpriteSaveState::saveEnded(const SpriteImage &form, const QString &name, bool succeeded)
{
    if (m_running > 0)
        --m_running;
    if (!succeeded)
        return;
    m_mark.markSaved(form);
    // Sprite names find their files without regard to letter case.
    if (name.compare(m_damagedName, Qt::CaseInsensitive) == 0) {
        m_damagedName.clear();
        m_damage.clear();
    }
}

QString SpriteSaveState::damageReplacedBy(const QString &name) const
{
    if (m_damagedName.isEmpty() || name.compare(m_damagedName, Qt::CaseInsensitive) != 0)
        return QString();
    return m_damage;
}

QString damagedSpriteWarning(const QString &name, int width, int height)
{
    return QStringLiteral("%1 is damaged. The editor holds what could be read, as a %2 x %3 sprite; saving it over "
                          "the file will ask first.")
        .arg(spriteFileGamePath(name))
        .arg(width)
        .arg(height);
}

QString damagedSpriteQuestion(const QString &name)
{
    return QStringLiteral("%1 was damaged when the editor loaded it. Replace the file with the sprite in the editor?")
        .arg(spriteFileGamePath(name));
}

} // namespace tav
