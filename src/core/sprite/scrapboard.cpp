#include "core/sprite/scrapboard.h"

#include "core/sprite/screen_palette.h"

#include <utility>

namespace tav {

Scrapboard::Scrapboard(ProgramTables &tables, QObject *parent)
    : QObject(parent)
    , m_tables(tables)
{
}

const SpriteImage &Scrapboard::ScrapBuf(int slot) const
{
    return m_tables.ScrapBuf[static_cast<std::size_t>(isSlot(slot) ? slot : 0)];
}

const QString &Scrapboard::ScrapName(int slot) const
{
    return m_tables.ScrapName[static_cast<std::size_t>(isSlot(slot) ? slot : 0)];
}

QString Scrapboard::tooltip(int frame) const
{
    const SpriteImage &slot = image(frame);
    const QString number = QLatin1Char('#') + QString::number(frame + 1) + QStringLiteral(": ");
    if (slot.isEmpty())
        return number + QStringLiteral("<empty>");
    return number + QString::number(slot.width()) + QStringLiteral(" x ") + QString::number(slot.height());
}

QString Scrapboard::label(int frame) const
{
    return isEmpty(frame) ? QString() : ScrapName(frame + 1);
}

QImage Scrapboard::picture(int frame, const ScreenPalette &palette) const
{
    if (!isFrame(frame) || isEmpty(frame)) {
        QImage blank(2 * CellGrid::kSide, 2 * CellGrid::kSide, QImage::Format_RGB32);
        blank.fill(palette.rgb(0));
        return blank;
    }
    return doubleSizePicture(image(frame), palette);
}

void Scrapboard::store(int frame, const QString &name, int width, int height, const CellGrid &cells)
{
    if (!isFrame(frame))
        return;
    const auto slot = static_cast<std::size_t>(frame + 1);
    m_tables.ScrapName[slot] = name;
    m_tables.ScrapBuf[slot] = cells.toImage(width, height);
    Q_EMIT frameChanged(frame);
}

void Scrapboard::swap(int first, int second)
{
    if (!isFrame(first) || !isFrame(second) || first == second)
        return;
    const auto a = static_cast<std::size_t>(first + 1);
    const auto b = static_cast<std::size_t>(second + 1);
    std::swap(m_tables.ScrapName[a], m_tables.ScrapName[b]);
    std::swap(m_tables.ScrapBuf[a], m_tables.ScrapBuf[b]);
    Q_EMIT frameChanged(first);
    Q_EMIT frameChanged(second);
}

void Scrapboard::clear(int frame)
{
    if (!isFrame(frame))
        return;
    m_tables.ScrapBuf[static_cast<std::size_t>(frame + 1)].clear();
    Q_EMIT frameChanged(frame);
}

void Scrapboard::rename(int frame, const QString &name)
{
    if (!isFrame(frame))
        return;
    m_tables.ScrapName[static_cast<std::size_t>(frame + 1)] = name;
    Q_EMIT frameChanged(frame);
}

namespace {

// Each cell as a block of 2 x 2 pixels; cellAt(x, y) gives the colour index.
template <typename CellAt> QImage doubleSize(const CellAt &cellAt, const ScreenPalette &palette)
{
    constexpr int side = CellGrid::kSide;
    QImage picture(2 * side, 2 * side, QImage::Format_RGB32);
    for (int y = 0; y < side; ++y) {
        auto *top = reinterpret_cast<QRgb *>(picture.scanLine(2 * y));
        auto *bottom = reinterpret_cast<QRgb *>(picture.scanLine(2 * y + 1));
        for (int x = 0; x < side; ++x) {
            const QRgb colour = palette.rgb(cellAt(x, y));
            top[2 * x] = top[2 * x + 1] = bottom[2 * x] = bottom[2 * x + 1] = colour;
        }
    }
    return picture;
}

} // namespace

QImage doubleSizePicture(const SpriteImage &image, const ScreenPalette &palette)
{
    static_assert(SpriteImage::kSide == CellGrid::kSide);
    return doubleSize([&image](int x, int y) { return image.cell(x, y); }, palette);
}

QImage doubleSizePicture(const CellGrid &cells, const ScreenPalette &palette)
{
    return doubleSize([&cells](int x, int y) { return cells.at(x, y); }, palette);
}

int nextAnimationPosition(int position, int framesPlayed)
{
    ++position;
    return position > framesPlayed ? 1 : position;
}

} // namespace tav
