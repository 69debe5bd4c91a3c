#pragma once

#include <QColor>
#include <QWidget>

#include <functional>

namespace tav {

// A flat box filled with one colour, taken afresh at every paint: the palette
// cells `Farbe`, the colour boxes `LColor`/`RColor`, the strip `Cpreview`.
class ColourSwatch : public QWidget {
    Q_OBJECT
public:
    using ColourSource = std::function<QColor()>;

    explicit ColourSwatch(ColourSource colour, QWidget *parent = nullptr);

    QColor colour() const { return m_colour(); }
    void setColourSource(ColourSource colour);
    // A thin raised edge, as a flat button shows it.
    void setRaisedEdge(bool raised) { m_raised = raised; }

Q_SIGNALS:
    // Mouse buttons as the sprite windows count them: 1 left, 2 right, 4 middle.
    void pressed(int button);
    void hovered();
    void clicked();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;

private:
    ColourSource m_colour;
    bool m_raised = false;
};

// The button number of a Qt mouse button (1 left, 2 right, 4 middle, else 0)
// and the sum of the buttons held.
int spriteButton(Qt::MouseButton button);
int spriteButtons(Qt::MouseButtons buttons);

} // namespace tav
