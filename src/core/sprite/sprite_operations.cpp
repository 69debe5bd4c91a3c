#include "core/sprite/sprite_operations.h"

#include "core/common/number_field.h"
#include "core/sprite/canvas_geometry.h"
#include "core/sprite/drawing_tools.h"
#include "core/sprite/sprite_document.h"
#include "core/sprite/uniform_random.h"

#include <cmath>
#include <cstdlib>
#include <limits>

namespace tav {
namespace {

constexpr QRect kWholeGrid(0, 0, CellGrid::kSide, CellGrid::kSide);

std::int16_t clampCoordinate(long long value)
{
    constexpr long long low = std::numeric_limits<std::int16_t>::min();
    constexpr long long high = std::numeric_limits<std::int16_t>::max();
    return static_cast<std::int16_t>(value < low ? low : (value > high ? high : value));
}

// Swaps two cells when both lie in the grid.
void swapCells(CellGrid &cells, int x1, int y1, int x2, int y2)
{
    if (!CellGrid::contains(x1, y1) || !CellGrid::contains(x2, y2))
        return;
    const std::uint8_t first = cells.at(x1, y1);
    cells.set(x1, y1, cells.at(x2, y2));
    cells.set(x2, y2, first);
}

} // namespace

SpriteOperations::SpriteOperations(SpriteDocument &document, DrawingTools &tools)
    : m_doc(document)
    , m_tools(tools)
{
}

QRect SpriteOperations::workingRegion() const
{
    const SpriteSelection &s = m_doc.selection();
    if (!s.selectorShown)
        return kWholeGrid;
    return QRect(s.SelX, s.SelY, s.SelW, s.SelH);
}

void SpriteOperations::flipXWise()
{
    m_doc.SaveUndo(QStringLiteral("flip x-wise"));
    const QRect region = workingRegion();
    const int x0 = region.left();
    const int w = region.width();
    CellGrid cells = m_doc.Matrix();
    for (int y = region.top(); y <= region.bottom(); ++y)
        for (int x = x0; x <= x0 + (w - 1) / 2; ++x)
            swapCells(cells, x, y, x0 + (w - 1) - (x - x0), y);
    m_doc.setCells(cells, region);
}

void SpriteOperations::flipYWise()
{
    m_doc.SaveUndo(QStringLiteral("flip y-wise"));
    const QRect region = workingRegion();
    const int y0 = region.top();
    const int h = region.height();
    CellGrid cells = m_doc.Matrix();
    for (int y = y0; y <= y0 + (h - 1) / 2; ++y)
        for (int x = region.left(); x <= region.right(); ++x)
            swapCells(cells, x, y, x, y0 + (h - 1) - (y - y0));
    m_doc.setCells(cells, region);
}

void SpriteOperations::randomSprite(int gradientRange, UniformRandom &random)
{
    m_doc.SaveUndo(QStringLiteral("random sprite"));
    const QRect region = workingRegion() & kWholeGrid;
    const int left = m_tools.leftColour();
    CellGrid cells = m_doc.Matrix();
    for (int y = region.top(); y <= region.bottom(); ++y)
        for (int x = region.left(); x <= region.right(); ++x) {
            const int v = left + static_cast<int>(std::floor(random.next() * gradientRange));
            cells.set(x, y, static_cast<std::uint8_t>(v > 255 ? 255 : v));
        }
    m_doc.setCells(cells, region);
}

void SpriteOperations::replaceColour()
{
    m_doc.SaveUndo(QStringLiteral("replace color"));
    const QRect region = workingRegion() & kWholeGrid;
    const auto from = static_cast<std::uint8_t>(m_tools.leftColour());
    const auto to = static_cast<std::uint8_t>(m_tools.rightColour());
    CellGrid cells = m_doc.Matrix();
    for (int y = region.top(); y <= region.bottom(); ++y)
        for (int x = region.left(); x <= region.right(); ++x)
            if (cells.at(x, y) == from)
                cells.set(x, y, to);
    m_doc.setCells(cells, region);
}

int nearestPaletteIndex(const std::array<PalEntry, 256> &palRGB, int firstIndex, int red, int green, int blue)
{
    int best = firstIndex;
    int bestDistance = 32768;
    for (int i = firstIndex; i <= 255; ++i) {
        const int distance = colourDistance(palRGB[static_cast<std::size_t>(i)], red, green, blue);
        if (distance < bestDistance) {
            bestDistance = distance;
            best = i;
        }
    }
    return best;
}

void SpriteOperations::blur(const std::array<PalEntry, 256> &palRGB)
{
    m_doc.SaveUndo(QStringLiteral("blur filter"));
    const QRect region = workingRegion() & kWholeGrid;
    constexpr int last = CellGrid::kSide - 1;
    CellGrid cells = m_doc.Matrix();
    for (int y = region.top(); y <= region.bottom(); ++y)
        for (int x = region.left(); x <= region.right(); ++x) {
            const std::uint8_t c = cells.at(x, y);
            if (c == 0)
                continue;
            const std::uint8_t around[5] = {x > 0 ? cells.at(x - 1, y) : c, x < last ? cells.at(x + 1, y) : c,
                                            y > 0 ? cells.at(x, y - 1) : c, y < last ? cells.at(x, y + 1) : c, c};
            int red = 0, green = 0, blue = 0;
            for (const std::uint8_t index : around) {
                const PalEntry &e = palRGB[index];
                red += e.red;
                green += e.green;
                blue += e.blue;
            }
            cells.set(x, y, static_cast<std::uint8_t>(nearestBlurIndex(palRGB, red / 5, green / 5, blue / 5)));
        }
    m_doc.setCells(cells, region);
}

bool SpriteOperations::copy()
{
    if (m_doc.selection().selectorShown) {
        m_doc.editSelection([](SpriteSelection &s) { s.ClipBuf = s.AreaBuf; });
        return false;
    }
    const SpriteImage whole = m_doc.Matrix().toImage(CellGrid::kSide, CellGrid::kSide);
    m_doc.editSelection([&whole](SpriteSelection &s) {
        s.ClipBuf = whole;
        s.selectorShown = false;
    });
    return true;
}

bool SpriteOperations::cut()
{
    if (m_tools.mode() != DrawingMode::Selection || !m_doc.selection().selectorShown)
        return false;
    m_doc.editSelection([](SpriteSelection &s) { s.ClipBuf = s.AreaBuf; });
    deleteArea();
    return true;
}

void SpriteOperations::deleteArea()
{
    if (m_tools.mode() != DrawingMode::Selection || !m_doc.selection().selectorShown)
        return;
    m_doc.SaveUndo(QStringLiteral("cut/delete"));
    const SpriteSelection &s = m_doc.selection();
    const QRect area = QRect(s.SelX, s.SelY, s.SelW, s.SelH) & kWholeGrid;
    CellGrid cells = m_doc.Matrix();
    for (int x = area.left(); x <= area.right(); ++x)
        for (int y = area.top(); y <= area.bottom(); ++y)
            cells.set(x, y, 0);
    m_doc.setCells(cells, area);
    m_doc.editSelection([](SpriteSelection &sel) {
        sel.AreaBuf.clear();
        sel.selectorShown = false;
    });
}

void SpriteOperations::paste()
{
    m_tools.Tool_Click(static_cast<int>(DrawingMode::Selection));
    if (m_doc.selection().ClipBuf.isEmpty())
        return;
    m_doc.SaveUndo(QStringLiteral("paste"));
    m_doc.editSelection([](SpriteSelection &s) {
        s.SelX = 0;
        s.SelY = 0;
        s.SelW = s.ClipBuf.width();
        s.SelH = s.ClipBuf.height();
        s.AreaBuf = s.ClipBuf;
        s.selectorRect = QRect(s.SelX * kCellTwips, s.SelY * kCellTwips, (s.SelX + s.SelW) * kCellTwips,
                               (s.SelY + s.SelH) * kCellTwips);
        s.selectorAppearance = 5;
        s.selectorShown = true;
    });
}

void SpriteOperations::moveArea(int buttons, double xTwips, double yTwips)
{
    m_doc.editSelection([buttons, xTwips, yTwips](SpriteSelection &s) {
        if (buttons != SpriteButton::Left) {
            s.GrabX = static_cast<float>(xTwips);
            s.GrabY = static_cast<float>(yTwips);
            return;
        }
        s.SelX = clampCoordinate(s.SelX + rnd((xTwips - s.GrabX) / kCellTwips));
        s.SelY = clampCoordinate(s.SelY + rnd((yTwips - s.GrabY) / kCellTwips));
        s.selectorRect.moveTo(s.SelX * kCellTwips, s.SelY * kCellTwips);
    });
}

void SpriteOperations::stampArea(bool transparentBackground)
{
    m_doc.SaveUndo(QStringLiteral("copy area"));
    m_doc.editSelection([](SpriteSelection &s) {
        s.SelW = s.AreaBuf.width();
        s.SelH = s.AreaBuf.height();
    });
    const SpriteSelection &s = m_doc.selection();
    CellGrid cells = m_doc.Matrix();
    int counter = 2;
    for (int x = s.SelX; x < s.SelX + s.SelW; ++x)
        for (int y = s.SelY; y < s.SelY + s.SelH; ++y, ++counter) {
            if (counter >= SpriteImage::kBytes)
                continue;
            const std::uint8_t b = s.AreaBuf.bytes[static_cast<std::size_t>(counter)];
            if (!(b == 0 && transparentBackground) && CellGrid::contains(x, y))
                cells.set(x, y, b);
        }
    m_doc.setCells(cells, QRect(s.SelX, s.SelY, s.SelW, s.SelH));
}

void SpriteOperations::dropFromScrapboard(const QString &sourceTag, const ProgramTables &tables)
{
    if (sourceTag == QLatin1String("form"))
        return;
    m_doc.SaveUndo(QStringLiteral("copy from scrapboard"));
    const double slot = num(sourceTag) + 1;
    if (!(slot >= 1 && slot <= ProgramTables::kScrapSlots))
        return;
    const auto index = static_cast<std::size_t>(slot);
    const SpriteImage &image = tables.ScrapBuf[index];
    if (image.isEmpty())
        return;
    m_doc.setName(tables.ScrapName[index]);
    m_doc.setXSize(image.width());
    m_doc.setYSize(image.height());
    m_doc.setCells(CellGrid::fromImage(image), kWholeGrid);
}

} // namespace tav
