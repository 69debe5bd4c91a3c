#pragma once

#include "core/common/game_folder.h"
#include "core/sprite/film_strip.h"

#include <QWidget>

#include <array>
#include <functional>

class QLabel;
class QPushButton;
class QScrollBar;
class QSlider;
class QSpinBox;
class QTimer;
class QToolButton;

namespace tav {

class MagnifiedViewer;
class PictureBox;
class Scrapboard;
class ScreenPalette;
class SpriteDocument;

// `Form14`, the scrapboard: a film strip of 12 frames beside the sprite
// editor. The editor's preview dragged onto a frame keeps the sprite there,
// frames dragged onto each other swap, and a fold-out viewer plays frames 1
// to N. What the frames show comes from the scrapboard store, which outlives
// the window.
class Form14 : public QWidget {
    Q_OBJECT
public:
    // Sizes in pixels.
    static constexpr int kFrameWidth = 101;
    static constexpr int kFrameHeight = 145;
    static constexpr int kViewerFoldedIn = 17;
    static constexpr int kViewerFoldedOut = 133;
    static constexpr int kClientHeight = 192;

    Form14(const GameFolder &folder, Scrapboard &board, SpriteDocument &editor, const ScreenPalette &palette,
           QWidget *owner = nullptr);

    const FilmStrip &strip() const { return m_strip; }
    int selectedFrame() const;
    bool viewerFoldedOut() const { return m_viewerOut; }
    // The window's inner width with the animation viewer folded in and out.
    int widthWithViewerIn() const { return stripWidth() + kViewerFoldedIn; }
    int widthWithViewerOut() const { return stripWidth() + kViewerFoldedOut; }
    // Where the window goes as its viewer unfolds, given where it stands
    // folded (frame positions). Without it the window widens to the right,
    // kept on the screen.
    void setUnfoldedPlacement(std::function<QPoint(QPoint folded)> place) { m_placeUnfolded = std::move(place); }
    // `AnimPos`: the slot the viewer shows, 0 before the first frame.
    int AnimPos() const { return m_animPos; }

    void Picture2_DragDrop(int frame, const QString &sourceTag);
    void Picture1_GotFocus(int frame);
    void Selected_Change();
    // A pointer move over the viewer panel, x in pixels from its left edge.
    void Picture4_MouseMove(int buttons, int x);
    void Command1_Click();
    void Command2_Click();
    void Command3_Click();
    void Anim_Timer();
    // The viewer's speed in frames per second, 1 to 30.
    void setAnimationSpeed(int framesPerSecond);
    // "magnify": the animation also plays in a window of its own at twice
    // the viewer's size.
    void setMagnified(bool magnified);
    MagnifiedViewer *magnifiedViewer() const { return m_magnified; }
    // "export strip...": frames 1 to N, as many as the viewer plays, side by
    // side in one PNG image.
    void exportStrip();
    // Paints every thumbnail again from the store, as the colour of index 0 changed.
    void repaintThumbnails();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    struct Frame {
        QWidget *container = nullptr;
        PictureBox *thumbnail = nullptr;
        QLabel *label = nullptr;
    };

    void buildFrame(int index);
    void buildViewer();
    void buildViewerControls(int inside, int width);
    void showMagnified();
    // Gives a frame's container the focus, which selects it.
    void focusFrame(int frame);
    void showFrame(int frame);
    void placeFrames();
    void layoutWindow();
    // A wider window moves left rather than over the screen's edge.
    void keepOnScreen();
    // Moves the window as its viewer unfolds, and back as it folds in when
    // it was not moved in between.
    void placeForViewer(QPoint before);
    int stripWidth() const { return m_strip.visibleFrames() * kFrameWidth; }

    GameFolder m_folder;
    Scrapboard &m_board;
    SpriteDocument &m_editor;
    const ScreenPalette &m_palette;
    FilmStrip m_strip;
    bool m_viewerOut = false;
    std::function<QPoint(QPoint)> m_placeUnfolded;
    QPoint m_foldedAt;
    QPoint m_unfoldedAt;
    int m_animPos = 0;
    int m_lastX = 0;

    std::array<Frame, 12> m_frames{};
    QWidget *m_viewport = nullptr;
    QScrollBar *m_selected = nullptr;
    QLabel *m_logo = nullptr;
    QWidget *m_buttons = nullptr;
    QWidget *m_picture4 = nullptr;
    PictureBox *m_preview = nullptr;
    QLabel *m_label2 = nullptr;
    QSlider *m_slider1 = nullptr;
    QLabel *m_framesUsed = nullptr;
    QTimer *m_anim = nullptr;
    QSpinBox *m_speed = nullptr;
    QToolButton *m_magnify = nullptr;
    MagnifiedViewer *m_magnified = nullptr;
};

} // namespace tav
