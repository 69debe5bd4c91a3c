#pragma once

#include "core/common/game_folder.h"

#include <QRgb>
#include <QWidget>

#include <array>

class QLabel;

namespace tav {

// The pictures of an enemy's sprite beside the sprite list: the unit's U1
// sprite and, for a zombie-like unit, its Z1 sprite, each at twice its size
// in the master palette's colours, or a short note where there is no file.
class EnemySpritePicture : public QWidget {
    Q_OBJECT
public:
    explicit EnemySpritePicture(const GameFolder &folder, QWidget *parent = nullptr);

    // Shows the sprites of a base name (none when empty); a boss's U1 sprite
    // comes from the boss folder, every Z1 sprite from the unit folder.
    void showSprite(const QString &spriteName, bool boss, bool zombie);

private:
    using SpriteColours = std::array<QRgb, 256>;
    // Draws one sprite file into a picture, or says why there is none.
    void showFile(QLabel *picture, const QString &gamePath, const SpriteColours &colours);

    GameFolder m_folder;
    QLabel *m_unit = nullptr;
    QLabel *m_zombie = nullptr;
};

} // namespace tav
