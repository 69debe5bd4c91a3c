#pragma once

#include <QColor>
#include <QObject>
#include <QRgb>

#include <array>

namespace tav {

// The screen colour of every colour index. The palette window fills it from
// the master palette and shows it; every window that draws sprite pixels
// looks colours up here, so a change (the pink background) reaches them all.
class ScreenPalette : public QObject {
    Q_OBJECT
public:
    static constexpr int kColours = 256;
    static constexpr QRgb kPink = 0xFFFF00FF;
    static constexpr QRgb kBlack = 0xFF000000;

    explicit ScreenPalette(QObject *parent = nullptr);

    QRgb rgb(int index) const
    {
        return index >= 0 && index < kColours ? m_colours[static_cast<std::size_t>(index)] : kBlack;
    }
    QColor colour(int index) const { return QColor::fromRgb(rgb(index)); }
    const std::array<QRgb, kColours> &colours() const { return m_colours; }

    void setColour(int index, QRgb colour);
    void setColours(const std::array<QRgb, kColours> &colours);

Q_SIGNALS:
    void changed();

private:
    std::array<QRgb, kColours> m_colours;
};

} // namespace tav
