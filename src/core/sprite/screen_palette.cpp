#include "core/sprite/screen_palette.h"

namespace tav {

ScreenPalette::ScreenPalette(QObject *parent)
    : QObject(parent)
{
    m_colours.fill(kBlack);
}

void ScreenPalette::setColour(int index, QRgb colour)
{
    if (index < 0 || index >= kColours)
        return;
    m_colours[static_cast<std::size_t>(index)] = colour;
    Q_EMIT changed();
}

void ScreenPalette::setColours(const std::array<QRgb, kColours> &colours)
{
    m_colours = colours;
    Q_EMIT changed();
}

} // namespace tav
