#pragma once

#include <QImage>
#include <QWidget>

#include <functional>

namespace tav {

// A box showing a picture taken afresh at every paint: the scrapboard's
// thumbnails and the animation preview.
class PictureBox : public QWidget {
    Q_OBJECT
public:
    using PictureSource = std::function<QImage()>;

    PictureBox(PictureSource source, QWidget *parent = nullptr);

    QImage picture() const { return m_source(); }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    PictureSource m_source;
};

} // namespace tav
