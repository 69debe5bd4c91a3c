#pragma once

#include <QObject>
#include <QRgb>

#include <cstdint>

namespace tav {

class Scrapboard;
class ScreenPalette;

// The onion skin: one scrapboard frame shown faintly under the editor's
// canvas while the next frame of an animation is drawn. It only changes what
// the canvas shows, never a cell.
class OnionSkin : public QObject {
    Q_OBJECT
public:
    static constexpr int kFirstFrame = 1;
    static constexpr int kLastFrame = 12;

    OnionSkin(const Scrapboard &board, const ScreenPalette &palette, QObject *parent = nullptr);

    bool isShown() const { return m_shown; }
    void setShown(bool shown);
    // The frame shown, numbered 1 to 12 as the strip counts them.
    int frame() const { return m_frame; }
    void setFrame(int frame);

    // The screen colour of an editor cell: a painted cell as it is; a cell of
    // index 0 in the background colour with the frame's cell at a third of
    // its strength over it while the skin is shown.
    QRgb cellColour(int x, int y, std::uint8_t index) const;

Q_SIGNALS:
    void changed();

private:
    const Scrapboard &m_board;
    const ScreenPalette &m_palette;
    bool m_shown = false;
    int m_frame = kFirstFrame;
};

// A colour at a third of its strength over a background.
QRgb faintOver(QRgb background, QRgb colour);

} // namespace tav
