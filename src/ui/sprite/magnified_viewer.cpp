#include "ui/sprite/magnified_viewer.h"

#include "ui/common/window_frame.h"
#include "ui/sprite/picture_box.h"

#include <QCloseEvent>

#include <algorithm>

namespace tav {

MagnifiedViewer::MagnifiedViewer(std::function<QImage()> source, QWidget *owner)
    : QWidget(owner, Qt::Tool | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                         Qt::WindowCloseButtonHint)
{
    setObjectName(QStringLiteral("Magnified"));
    setWindowTitle(QStringLiteral("Animation"));
    // Wide enough for the caption, the picture in the middle.
    const int width = std::max(kSide, captionWidth(this));
    setFixedSize(width, kSide);
    m_box = new PictureBox(
        [source = std::move(source)] {
            return source().scaled(kSide, kSide, Qt::IgnoreAspectRatio, Qt::FastTransformation);
        },
        this);
    m_box->setObjectName(QStringLiteral("MagnifiedPreview"));
    m_box->setGeometry((width - kSide) / 2, 0, kSide, kSide);
}

QImage MagnifiedViewer::picture() const
{
    return m_box->picture();
}

void MagnifiedViewer::refresh()
{
    m_box->update();
}

void MagnifiedViewer::closeEvent(QCloseEvent *event)
{
    Q_EMIT closed();
    QWidget::closeEvent(event);
}

} // namespace tav
