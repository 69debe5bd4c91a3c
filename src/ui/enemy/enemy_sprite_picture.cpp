#include "ui/enemy/enemy_sprite_picture.h"

#include "core/enemy/unit_catalog.h"
#include "core/sprite/sprite_file.h"
#include "core/sprite/sprite_image_exchange.h"
#include "core/sprite/sprite_image_files.h"

#include <QFileInfo>
#include <QImage>
#include <QLabel>
#include <QPixmap>
#include <QVBoxLayout>

namespace tav {
namespace {

// A sprite shows at twice its size; the largest sprite is 40 x 40.
constexpr int kScale = 2;
constexpr int kPictureSide = 40 * kScale;

QLabel *pictureBox(const QString &name, QWidget *parent)
{
    auto *box = new QLabel(parent);
    box->setObjectName(name);
    box->setFixedSize(kPictureSide + 4, kPictureSide + 4);
    box->setAlignment(Qt::AlignCenter);
    box->setWordWrap(true);
    box->setFrameShape(QFrame::StyledPanel);
    return box;
}

} // namespace

EnemySpritePicture::EnemySpritePicture(const GameFolder &folder, QWidget *parent)
    : QWidget(parent)
    , m_folder(folder)
{
    setObjectName(QStringLiteral("SpritePicture"));
    m_unit = pictureBox(QStringLiteral("UnitPicture"), this);
    m_zombie = pictureBox(QStringLiteral("ZombiePicture"), this);
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_unit, 0, Qt::AlignTop);
    layout->addWidget(m_zombie, 0, Qt::AlignTop);
    // The zombie picture's room stays when it hides, so nothing in the
    // window moves while the designer clicks through the sprites.
    QSizePolicy keepRoom = m_zombie->sizePolicy();
    keepRoom.setRetainSizeWhenHidden(true);
    m_zombie->setSizePolicy(keepRoom);
    m_zombie->hide();
}

void EnemySpritePicture::showSprite(const QString &spriteName, bool boss, bool zombie)
{
    const GamePalette palette = readGamePalette(m_folder);
    showFile(m_unit, enemy::unitSpriteFile(spriteName, boss), palette.colours);
    m_zombie->setVisible(zombie);
    if (zombie)
        showFile(m_zombie, enemy::zombieSpriteFile(spriteName), palette.colours);
}

void EnemySpritePicture::showFile(QLabel *picture, const QString &gamePath, const SpriteColours &colours)
{
    picture->clear();
    picture->setToolTip(gamePath);
    const QString diskPath = gamePath.isEmpty() ? QString() : m_folder.resolve(gamePath);
    if (diskPath.isEmpty() || !QFileInfo(diskPath).isFile()) {
        picture->setText(QStringLiteral("no sprite file"));
        return;
    }
    const Result<SpriteFileContents> sprite = readSpriteFile(diskPath);
    if (!sprite) {
        picture->setText(QStringLiteral("sprite file unreadable"));
        picture->setToolTip(sprite.error());
        return;
    }
    if (sprite->width == 0 || sprite->height == 0) {
        picture->setText(QStringLiteral("empty sprite"));
        return;
    }
    QImage image = spritePicture(sprite->pixels, sprite->width, sprite->height, SpriteColourMap(colours), kScale);
    // Index 0, the background, shows in the palette's colour 0 as in the
    // sprite editor.
    image.setColor(0, colours[0]);
    picture->setPixmap(QPixmap::fromImage(image));
    picture->setToolTip(gamePath + QStringLiteral(": ") + dimensionText(*sprite));
}

} // namespace tav
