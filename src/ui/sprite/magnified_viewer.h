#pragma once

#include <QImage>
#include <QWidget>

#include <functional>

namespace tav {

class PictureBox;

// The animation viewer's "magnify" window: a small tool window of its own
// that shows the viewer's picture at twice its size, 4 screen pixels per
// sprite pixel (160 x 160 for a 40 x 40 sprite), so the viewer keeps its
// layout.
class MagnifiedViewer : public QWidget {
    Q_OBJECT
public:
    static constexpr int kSide = 160;

    // The source gives the viewer's 80 x 80 picture.
    MagnifiedViewer(std::function<QImage()> source, QWidget *owner);

    QImage picture() const;
    // Draws the viewer's current picture again.
    void refresh();

Q_SIGNALS:
    // The user closed the window.
    void closed();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    PictureBox *m_box = nullptr;
};

} // namespace tav
