#pragma once

#include <QLabel>

class QSlider;

namespace tav {

// A label under a slider whose words (" up    right down  left") each stand
// centred under the tick of the value they name, whatever the font.
class SliderScale : public QLabel {
public:
    SliderScale(const QString &text, const QSlider *slider, QWidget *parent);

    // The x (in the slider's own coordinates) of the tick of a value.
    static int tickX(const QSlider *slider, int value);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QStringList words() const;

    const QSlider *m_slider;
};

} // namespace tav
