#include "ui/sprite/sprite_preview.h"

#include "core/sprite/cell_grid.h"
#include "core/sprite/scrapboard.h"
#include "core/sprite/screen_palette.h"

#include <QPainter>

namespace tav {

SpritePreview::SpritePreview(const CellGrid &cells, const ScreenPalette &palette, QWidget *parent)
    : QWidget(parent)
    , m_cells(cells)
    , m_palette(palette)
{
    setObjectName(QStringLiteral("Picture2"));
    setFixedSize(kArea + 2 * kFrame, kArea + 2 * kFrame);
    setAttribute(Qt::WA_OpaquePaintEvent);
    connect(&m_palette, &ScreenPalette::changed, this, qOverload<>(&QWidget::update));
}

void SpritePreview::repaintCell(int x, int y)
{
    update(kFrame + 2 * x, kFrame + 2 * y, 2, 2);
}

void SpritePreview::repaintRegion(const QRect &cells)
{
    update(kFrame + 2 * cells.left(), kFrame + 2 * cells.top(), 2 * cells.width(), 2 * cells.height());
}

QImage SpritePreview::picture() const
{
    return doubleSizePicture(m_cells, m_palette);
}

void SpritePreview::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    const QColor face = palette().color(QPalette::Window);
    p.setPen(face.darker(160));
    p.drawLine(0, 0, width() - 1, 0);
    p.drawLine(0, 0, 0, height() - 1);
    p.setPen(face.lighter(130));
    p.drawLine(0, height() - 1, width() - 1, height() - 1);
    p.drawLine(width() - 1, 0, width() - 1, height() - 1);
    p.fillRect(1, 1, width() - 2, height() - 2, QColor(0x20, 0x20, 0x20));
    p.drawImage(kFrame, kFrame, picture());
}

} // namespace tav
