#include "core/sprite/drawing_tools.h"

#include "core/sprite/area_fill.h"
#include "core/sprite/canvas_geometry.h"
#include "core/sprite/cell_line.h"
#include "core/sprite/sprite_document.h"

namespace tav {

DrawingTools::DrawingTools(SpriteDocument &document, QObject *parent)
    : QObject(parent)
    , m_doc(document)
{
}

void DrawingTools::Tool_Click(int index)
{
    if (index < 0 || index > static_cast<int>(DrawingMode::Fill))
        return;
    m_mode = static_cast<DrawingMode>(index);
    switch (m_mode) {
    case DrawingMode::Selection:
        m_cursorFrameShown = false;
        break;
    case DrawingMode::Pixel:
    case DrawingMode::Block:
    case DrawingMode::Fill:
        m_doc.dropFloatingArea();
        m_cursorFrameShown = true;
        break;
    case DrawingMode::GrabColour:
        break;
    }
    Q_EMIT modeChanged();
    Q_EMIT overlaysChanged();
}

void DrawingTools::setLeftColour(int index)
{
    m_left = index;
    Q_EMIT coloursChanged();
}

void DrawingTools::setRightColour(int index)
{
    m_right = index;
    Q_EMIT coloursChanged();
}

void DrawingTools::Malen(int button)
{
    if (button == SpriteButton::Left)
        m_doc.setCell(m_sx, m_sy, static_cast<std::uint8_t>(m_left));
    else if (button == SpriteButton::Right)
        m_doc.setCell(m_sx, m_sy, static_cast<std::uint8_t>(m_right));
}

void DrawingTools::paintLine(QPoint from, QPoint to, int button)
{
    if (button != SpriteButton::Left && button != SpriteButton::Right)
        return;
    const auto index = static_cast<std::uint8_t>(button == SpriteButton::Left ? m_left : m_right);
    // The first cell belongs to the event before, which painted it or not.
    const QList<QPoint> cells = cellLine(from, to);
    for (qsizetype i = 1; i < cells.size(); ++i)
        m_doc.setCell(cells[i].x(), cells[i].y(), index);
}

void DrawingTools::fill(int button)
{
    if (button != SpriteButton::Left && button != SpriteButton::Right)
        return;
    const auto index = static_cast<std::uint8_t>(button == SpriteButton::Left ? m_left : m_right);
    CellGrid cells = m_doc.Matrix();
    const QRect changed = fillArea(cells, m_sx, m_sy, index, m_doc.XSize(), m_doc.YSize());
    if (changed.isEmpty())
        return;
    m_doc.SaveUndo(QStringLiteral("fill"));
    m_doc.setCells(cells, changed);
}

void DrawingTools::Picture1_MouseMove(int buttons, double xTwips, double yTwips)
{
    const int col = cellUnderPointer(xTwips);
    const int row = cellUnderPointer(yTwips);
    if (col == m_cursorCol && row == m_cursorRow)
        return;
    const QPoint last(m_cursorCol, m_cursorRow);
    m_cursorCol = col;
    m_cursorRow = row;
    m_sx = col;
    m_sy = row;

    if (m_mode == DrawingMode::Pixel)
        paintLine(last, QPoint(col, row), buttons);
    if (m_mode == DrawingMode::Block && buttons >= 1) {
        m_blockDX = m_sx - m_blockStartX;
        m_blockDY = m_sy - m_blockStartY;
        m_blockPreviewShown = m_blockDX >= 0 && m_blockDY >= 0;
        Q_EMIT overlaysChanged();
    }
    if (m_mode == DrawingMode::Selection) {
        const int sx = m_sx;
        const int sy = m_sy;
        m_doc.editSelection([buttons, sx, sy](SpriteSelection &s) {
            if (buttons == SpriteButton::Left) {
                s.SelW = static_cast<std::int16_t>(sx - s.SelX + 1);
                s.SelH = static_cast<std::int16_t>(sy - s.SelY + 1);
            }
            s.rubberBandShown = buttons == SpriteButton::Left && s.SelW >= 1 && s.SelH >= 1;
        });
    }
    Q_EMIT cursorMoved();
}

void DrawingTools::Picture1_MouseDown(int button)
{
    if (m_mode == DrawingMode::Pixel) {
        m_doc.SaveUndo(QStringLiteral("pixel drawing"));
        Malen(button);
    }
    if (m_mode == DrawingMode::Selection) {
        const int sx = m_sx;
        const int sy = m_sy;
        m_doc.editSelection([sx, sy](SpriteSelection &s) {
            s.selectorShown = false;
            s.SelX = static_cast<std::int16_t>(sx);
            s.SelY = static_cast<std::int16_t>(sy);
            s.SelW = 1;
            s.SelH = 1;
            s.rubberBandShown = false;
        });
    }
    if (m_mode == DrawingMode::GrabColour) {
        if (button == SpriteButton::Left)
            setLeftColour(m_doc.cell(m_sx, m_sy));
        else if (button == SpriteButton::Right)
            setRightColour(m_doc.cell(m_sx, m_sy));
        Tool_Click(static_cast<int>(DrawingMode::Pixel));
    }
    if (m_mode == DrawingMode::Fill)
        fill(button);
    if (m_mode == DrawingMode::Block) {
        m_doc.SaveUndo(QStringLiteral("block drawing"));
        m_blockStartX = m_sx;
        m_blockStartY = m_sy;
        m_blockDX = 0;
        m_blockDY = 0;
        m_blockPreviewColour = button == SpriteButton::Left ? m_left : m_right;
        Q_EMIT overlaysChanged();
    }
}

void DrawingTools::Picture1_MouseUp(int button)
{
    if (m_doc.selection().rubberBandShown)
        m_doc.commitSelection();
    if (m_mode == DrawingMode::Block) {
        m_blockPreviewShown = false;
        Q_EMIT overlaysChanged();
        const auto index = static_cast<std::uint8_t>(button != SpriteButton::Left ? m_right : m_left);
        for (int x = m_blockStartX; x <= m_blockStartX + m_blockDX; ++x)
            for (int y = m_blockStartY; y <= m_blockStartY + m_blockDY; ++y)
                m_doc.setCell(x, y, index);
    }
}

bool DrawingTools::Form_KeyDown(int keyCode)
{
    switch (keyCode) {
    case SpriteKey::Left:
        --m_sx;
        break;
    case SpriteKey::Up:
        --m_sy;
        break;
    case SpriteKey::Right:
        ++m_sx;
        break;
    case SpriteKey::Down:
        ++m_sy;
        break;
    default:
        break;
    }
    if (m_sx < 0)
        m_sx = 39;
    if (m_sx > 39)
        m_sx = 0;
    if (m_sy < 0)
        m_sy = 39;
    if (m_sy > 39)
        m_sy = 0;
    Q_EMIT cursorMoved();

    if (keyCode == SpriteKey::Return)
        Malen(SpriteButton::Left);
    else if (keyCode == SpriteKey::Space)
        Malen(SpriteButton::Right);
    return keyCode == SpriteKey::Delete;
}

void DrawingTools::Form_KeyPress(QChar key)
{
    if (key == QLatin1Char('#'))
        setLeftColour(m_doc.cell(m_sx, m_sy));
}

QRect DrawingTools::cursorFrameRect() const
{
    return QRect(m_sx * kCellTwips, m_sy * kCellTwips, 195, 195);
}

QRect DrawingTools::blockPreviewRect() const
{
    const int half = static_cast<int>(halfCell(kCellTwips));
    return QRect(m_blockStartX * kCellTwips + half, m_blockStartY * kCellTwips + half, kCellTwips * m_blockDX,
                 kCellTwips * m_blockDY);
}

} // namespace tav
