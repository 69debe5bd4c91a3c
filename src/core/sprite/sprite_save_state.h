#pragma once

#include "core/common/saved_mark.h"
#include "core/common/sprite_image.h"

#include <QString>

namespace tav {

// Whether the sprite editor holds work that would be lost: its cells and
// size against the form last loaded, started new or saved, and the saves the
// sprite saver has not finished yet. It also remembers a sprite loaded from
// a file that could not be read as it stands, until the next load or "new",
// so that a save over that file asks first.
class SpriteSaveState {
public:
    explicit SpriteSaveState(const SpriteImage &initial = {});

    // The editor took a sprite from the file of `name`, or started a new one
    // (empty name). `fallback` says why the file could not be taken as it
    // stands; empty when it could.
    void took(const SpriteImage &form, const QString &name = QString(), const QString &fallback = QString());

    bool isChanged(const SpriteImage &now) const { return m_mark.isChanged(now); }
    bool isSaving() const { return m_running > 0; }
    bool hasUnsavedWork(const SpriteImage &now) const { return isChanged(now) || isSaving(); }

    // The saver was started for `form`; every start is ended once by
    // saveEnded.
    void saveStarted(const SpriteImage &form)
    {
        ++m_running;
        m_lastStarted = form;
    }
    // Whether the latest save still running writes exactly `now`.
    bool isBeingSaved(const SpriteImage &now) const { return isSaving() && now == m_lastStarted; }
    // The saver ended. A success means the file holds `form`: the editor's
    // sprite is saved if it has not been edited since, and the file is no
    // longer the damaged one.
    void saveEnded(const SpriteImage &form, const QString &name, bool succeeded);

    // Why the file that a save under `name` replaces could not be read as it
    // stands, when it is the damaged file the editor's sprite came from;
    // empty otherwise.
    QString damageReplacedBy(const QString &name) const;

private:
    SavedMark<SpriteImage> m_mark;
    int m_running = 0;
    SpriteImage m_lastStarted;
    QString m_damagedName;
    QString m_damage;
};

// What the editor says after loading a damaged sprite file (the reason goes
// apart, as the detail): what it holds now and that a save over the file asks.
QString damagedSpriteWarning(const QString &name, int width, int height);
// What a save over that file asks first.
QString damagedSpriteQuestion(const QString &name);

} // namespace tav
