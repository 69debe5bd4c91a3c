#pragma once

#include <QWidget>

namespace tav {

class CellGrid;
class ScreenPalette;

// `Picture2`: a 40 x 40 grid of colour indices at double size, 2 x 2 screen
// pixels per cell, inside a sunken frame. It draws from the cells it is
// given, so it always shows their colours.
class SpritePreview : public QWidget {
    Q_OBJECT
public:
    static constexpr int kFrame = 2;
    static constexpr int kArea = 80;

    SpritePreview(const CellGrid &cells, const ScreenPalette &palette, QWidget *parent = nullptr);

    // Asks for the 2 x 2 square of one cell to be repainted.
    void repaintCell(int x, int y);
    // The same for a rectangle of cells.
    void repaintRegion(const QRect &cells);
    // The picture as it is drawn: 80 x 80 pixels.
    QImage picture() const;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    const CellGrid &m_cells;
    const ScreenPalette &m_palette;
};

} // namespace tav
