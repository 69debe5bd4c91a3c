#pragma once

namespace tav {

// Which of the scrapboard's 12 frames the strip shows: 3 to 8 whole frames
// side by side, starting at the first visible one. The strip scrolls by
// whole frames.
class FilmStrip {
public:
    static constexpr int kFrames = 12;
    static constexpr int kMinVisible = 3;
    static constexpr int kMaxVisible = 8;

    int visibleFrames() const { return m_visible; }
    int firstVisible() const { return m_first; }
    // Where frame i sits, counted in frame widths from the strip's left edge
    // (negative or beyond the visible frames when scrolled out of view).
    int position(int frame) const { return frame - m_first; }
    bool isVisible(int frame) const { return position(frame) >= 0 && position(frame) < m_visible; }

    // Scrolls until the selected frame is visible.
    void scrollTo(int selected);

    // The number of whole frames for a strip dragged to a width: the nearest
    // whole number, limited to 3-8.
    static int framesForWidth(double stripWidth, double frameWidth);
    // Shows a number of frames (limited to 3-8), closing any gap after the
    // last frame and keeping the selected frame visible.
    void setVisibleFrames(int frames, int selected);

private:
    int m_visible = kMinVisible;
    int m_first = 0;
};

} // namespace tav
