#pragma once

#include <QObject>
#include <QPoint>
#include <QRect>

#include <cstdint>

namespace tav {

class SpriteDocument;

// The drawing modes, in the order of the editor's `Tool` buttons.
enum class DrawingMode { Selection = 0, Pixel = 1, Block = 2, GrabColour = 3, Fill = 4 };

// Mouse buttons as the editor counts them; a move reports the buttons held
// added together (3 = left and right).
namespace SpriteButton {
constexpr int None = 0;
constexpr int Left = 1;
constexpr int Right = 2;
constexpr int Middle = 4;
} // namespace SpriteButton

// The keys the editor draws with.
namespace SpriteKey {
constexpr int Return = 13;
constexpr int Space = 32;
constexpr int Left = 37;
constexpr int Up = 38;
constexpr int Right = 39;
constexpr int Down = 40;
constexpr int Delete = 46;
} // namespace SpriteKey

// Drawing on the editor's canvas with the mouse and the keyboard: the mode,
// the two drawing colours, the current cell (`SX`, `SY`) and the block being
// dragged. Pointer positions are canvas twips.
class DrawingTools : public QObject {
    Q_OBJECT
public:
    explicit DrawingTools(SpriteDocument &document, QObject *parent = nullptr);

    DrawingMode mode() const { return m_mode; }
    // Selects a mode as its button does, with the overlays it shows or hides.
    void Tool_Click(int index);

    // `LColor` and `RColor`: the colour indices of the left and right button.
    int leftColour() const { return m_left; }
    int rightColour() const { return m_right; }
    void setLeftColour(int index);
    void setRightColour(int index);

    // The current cell.
    int SX() const { return m_sx; }
    int SY() const { return m_sy; }

    void Picture1_MouseMove(int buttons, double xTwips, double yTwips);
    void Picture1_MouseDown(int button);
    void Picture1_MouseUp(int button);
    // Arrow keys move the current cell and wrap at the edges; Return paints
    // with the left colour, Space with the right one. True for Delete, which
    // the window turns into its delete command.
    bool Form_KeyDown(int keyCode);
    // '#' takes the current cell's colour as the left colour.
    void Form_KeyPress(QChar key);
    // Paints the current cell with the colour of button 1 or 2; any other
    // value paints nothing.
    void Malen(int button);
    // Paints every cell on the straight line from one cell to the next,
    // the first excluded (the pointer's event there painted it or not), with
    // the colour of button 1 or 2, so a drag faster than the pointer's
    // events leaves no gaps; any other value paints nothing.
    void paintLine(QPoint from, QPoint to, int button);
    // Fills the area of the current cell's colour, within the declared size,
    // with the colour of button 1 or 2, as one undo step "fill". Nothing
    // happens, and nothing is recorded, when the cell already has that
    // colour or lies outside the size.
    void fill(int button);

    // `MCursor`, the frame around the current cell.
    bool cursorFrameShown() const { return m_cursorFrameShown; }
    QRect cursorFrameRect() const;
    // `PreViewBox`, the frame of the block being dragged, and the colour index
    // it is filled with.
    bool blockPreviewShown() const { return m_blockPreviewShown; }
    QRect blockPreviewRect() const;
    int blockPreviewColour() const { return m_blockPreviewColour; }

Q_SIGNALS:
    void cursorMoved();
    void coloursChanged();
    void modeChanged();
    void overlaysChanged();

private:
    SpriteDocument &m_doc;
    DrawingMode m_mode = DrawingMode::Pixel;
    int m_left = 0;
    int m_right = 0;
    int m_sx = 0;
    int m_sy = 0;
    // The last cell the pointer reported; unset compares equal to 0.
    int m_cursorCol = 0;
    int m_cursorRow = 0;
    int m_blockStartX = 0;
    int m_blockStartY = 0;
    int m_blockDX = 0;
    int m_blockDY = 0;
    bool m_cursorFrameShown = true;
    bool m_blockPreviewShown = false;
    int m_blockPreviewColour = 0;
};

} // namespace tav
