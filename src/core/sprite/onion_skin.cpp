#include "core/sprite/onion_skin.h"

#include "core/sprite/scrapboard.h"
#include "core/sprite/screen_palette.h"

#include <algorithm>

namespace tav {

OnionSkin::OnionSkin(const Scrapboard &board, const ScreenPalette &palette, QObject *parent)
    : QObject(parent)
    , m_board(board)
    , m_palette(palette)
{
    connect(&board, &Scrapboard::frameChanged, this, [this](int frame) {
        if (m_shown && frame == m_frame - 1)
            Q_EMIT changed();
    });
}

void OnionSkin::setShown(bool shown)
{
    if (shown == m_shown)
        return;
    m_shown = shown;
    Q_EMIT changed();
}

void OnionSkin::setFrame(int frame)
{
    frame = std::clamp(frame, kFirstFrame, kLastFrame);
    if (frame == m_frame)
        return;
    m_frame = frame;
    Q_EMIT changed();
}

QRgb OnionSkin::cellColour(int x, int y, std::uint8_t index) const
{
    const QRgb own = m_palette.rgb(index);
    if (!m_shown || index != 0)
        return own;
    const std::uint8_t under = m_board.image(m_frame - 1).cell(x, y);
    return under == 0 ? own : faintOver(own, m_palette.rgb(under));
}

QRgb faintOver(QRgb background, QRgb colour)
{
    const auto mix = [](int back, int front) { return back + (front - back) / 3; };
    return qRgb(mix(qRed(background), qRed(colour)), mix(qGreen(background), qGreen(colour)),
                mix(qBlue(background), qBlue(colour)));
}

} // namespace tav
