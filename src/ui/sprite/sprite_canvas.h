#pragma once

#include <QImage>
#include <QWidget>

namespace tav {

class DrawingTools;
class OnionSkin;
class ScreenPalette;
class SpriteDocument;

// A rectangle or line drawn over the canvas: the cursor frame, the border
// lines, the selection frames and the block preview.
class CanvasFrame : public QWidget {
    Q_OBJECT
public:
    explicit CanvasFrame(QWidget *parent);

    void setPen(const QColor &colour, Qt::PenStyle style = Qt::SolidLine);
    void setFill(const QColor &colour)
    {
        m_fill = colour;
        update();
    }
    QColor penColour() const { return m_pen; }
    Qt::PenStyle penStyle() const { return m_style; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QColor m_pen = Qt::white;
    Qt::PenStyle m_style = Qt::SolidLine;
    QColor m_fill;
};

// `SelScape`: the invisible handle lying over a committed selection or a
// floating area, which takes the pointer while it is shown.
class SelectionHandle : public QWidget {
    Q_OBJECT
public:
    explicit SelectionHandle(QWidget *parent);

Q_SIGNALS:
    // Positions in twips relative to the handle; buttons as the editor counts them.
    void mouseMoved(int buttons, double xTwips, double yTwips);
    void mouseReleased(int button, double xTwips, double yTwips);

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
};

// `Picture1`: the 40 x 40 cells drawn 12 pixels apart on grid lines, with
// the overlays. It repaints only the cells that change and hands pointer
// events to the drawing tools in twips.
class SpriteCanvas : public QWidget {
    Q_OBJECT
public:
    static constexpr int kCellPixels = 12;

    SpriteCanvas(SpriteDocument &document, DrawingTools &tools, const ScreenPalette &palette,
                 QWidget *parent = nullptr);

    // The area of cell (x, y) inside its grid lines.
    static QRect cellArea(int x, int y);
    // The pixels of a rectangle of cells, grid lines included.
    static QRect regionArea(const QRect &cells);

    SelectionHandle *selScape() const { return m_selScape; }
    // Shows the onion skin's frame under the cells of index 0.
    void setOnionSkin(const OnionSkin *skin);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    void placeCursorFrame();
    void placeBorderLines();
    void placeSelection();
    void placeBlockPreview();
    void showModePointer();

    SpriteDocument &m_doc;
    DrawingTools &m_tools;
    const ScreenPalette &m_palette;
    const OnionSkin *m_onion = nullptr;
    // What the canvas shows: the grid lines and the cells' colours.
    QImage m_picture;
    CanvasFrame *m_cursor = nullptr;
    CanvasFrame *m_xLine = nullptr;
    CanvasFrame *m_yLine = nullptr;
    CanvasFrame *m_sel = nullptr;
    CanvasFrame *m_selector = nullptr;
    SelectionHandle *m_selScape = nullptr;
    CanvasFrame *m_preViewBox = nullptr;
};

} // namespace tav
