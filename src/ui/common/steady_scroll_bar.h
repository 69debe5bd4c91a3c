#pragma once

#include <QRect>
#include <QScrollBar>

namespace tav {

// A scroll bar that repaints only when what it shows changes. A plain scroll
// bar repaints on every change of its range, which in a long text is every
// new or removed line, although its handle moves by less than a pixel.
class SteadyScrollBar : public QScrollBar {
public:
    explicit SteadyScrollBar(Qt::Orientation orientation, QWidget *parent = nullptr);

protected:
    void sliderChange(SliderChange change) override;
    void paintEvent(QPaintEvent *event) override;

private:
    // What the painted bar depends on besides its size and hover state.
    struct Look {
        QRect handle;
        bool atMinimum = false;
        bool atMaximum = false;
        friend bool operator==(const Look &, const Look &) = default;
    };
    Look currentLook() const;

    Look m_shown;
};

} // namespace tav
