#include "core/sprite/sprite_document.h"

#include "core/sprite/canvas_geometry.h"
#include "core/sprite/sprite_file.h"

#include <algorithm>

namespace tav {

QRect SpriteSelection::rubberBandRect() const
{
    return QRect(SelX * kCellTwips, SelY * kCellTwips, SelW * kCellTwips, SelH * kCellTwips);
}

SpriteDocument::SpriteDocument(QObject *parent)
    : QObject(parent)
{
}

void SpriteDocument::setCell(int x, int y, std::uint8_t index)
{
    if (!CellGrid::contains(x, y))
        return;
    m_cells.set(x, y, index);
    cellsEdited();
    Q_EMIT cellChanged(x, y);
}

void SpriteDocument::setCells(const CellGrid &cells)
{
    m_cells = cells;
    cellsEdited();
    Q_EMIT cellsReset();
}

void SpriteDocument::setCells(const CellGrid &cells, const QRect &changedRegion)
{
    m_cells = cells;
    cellsEdited();
    const QRect region = changedRegion & QRect(0, 0, kSide, kSide);
    if (!region.isEmpty())
        Q_EMIT regionChanged(region);
}

int SpriteDocument::clampSize(double value)
{
    if (!(value >= 1))
        return 1;
    if (value > kSide)
        return kSide;
    return static_cast<int>(value);
}

void SpriteDocument::setXSize(int width)
{
    width = clampSize(width);
    if (width == m_width)
        return;
    m_width = width;
    Q_EMIT declaredSizeChanged();
}

void SpriteDocument::setYSize(int height)
{
    height = clampSize(height);
    if (height == m_height)
        return;
    m_height = height;
    Q_EMIT declaredSizeChanged();
}

void SpriteDocument::setName(const QString &name)
{
    if (name == m_name)
        return;
    m_name = name;
    Q_EMIT nameChanged();
}

SpriteImage SpriteDocument::snapshot() const
{
    return m_cells.toImage(m_width, m_height);
}

void SpriteDocument::SaveUndo(const QString &name)
{
    m_undo.record(name, snapshot());
    Q_EMIT undoChanged();
}

bool SpriteDocument::Undo()
{
    return takeFromRing(m_undo.undo(snapshot()));
}

bool SpriteDocument::Redo()
{
    return takeFromRing(m_undo.redo());
}

bool SpriteDocument::takeFromRing(const std::optional<SpriteImage> &image)
{
    if (!image)
        return false;
    dropFloatingArea();
    restore(*image);
    Q_EMIT undoChanged();
    return true;
}

void SpriteDocument::cellsEdited()
{
    // Painting with the keyboard records no snapshot, yet what was undone
    // cannot come back over it.
    if (!m_undo.canRedo())
        return;
    m_undo.dropRedo();
    Q_EMIT undoChanged();
}

void SpriteDocument::restore(const SpriteImage &image)
{
    setXSize(image.width());
    setYSize(image.height());
    m_cells = CellGrid::fromImage(image);
    Q_EMIT cellsReset();
}

void SpriteDocument::newSprite()
{
    SaveUndo(QStringLiteral("new sprite"));
    setName(QString());
    setCells(CellGrid());
}

void SpriteDocument::loadSprite(const QString &name, const SpriteFileContents &contents)
{
    take(name, contents.width, contents.height, contents.pixels);
}

void SpriteDocument::importImage(int width, int height, const CellGrid &pixels)
{
    SaveUndo(QStringLiteral("import image"));
    take(QString(), width, height, pixels);
}

void SpriteDocument::take(const QString &name, int width, int height, const CellGrid &cells)
{
    setName(name);
    setXSize(width);
    setYSize(height);
    setCells(cells);
}

void SpriteDocument::dropFloatingArea()
{
    if (!m_selection.selectorShown)
        return;
    editSelection([](SpriteSelection &s) { s.selectorShown = false; });
}

void SpriteDocument::commitSelection()
{
    editSelection([this](SpriteSelection &s) {
        s.rubberBandShown = false;
        s.selectorRect = s.rubberBandRect();
        s.selectorAppearance = 1;
        s.selectorShown = true;
        s.AreaBuf.setWidth(s.SelW);
        s.AreaBuf.setHeight(s.SelH);
        int counter = 2;
        for (int x = s.SelX; x < s.SelX + s.SelW; ++x)
            for (int y = s.SelY; y < s.SelY + s.SelH; ++y, ++counter)
                if (counter < SpriteImage::kBytes)
                    s.AreaBuf.bytes[static_cast<std::size_t>(counter)] =
                        CellGrid::contains(x, y) ? m_cells.at(x, y) : 0;
    });
}

} // namespace tav
