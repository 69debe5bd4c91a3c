#pragma once

#include <QObject>
#include <QString>

#include <functional>

class QMimeData;
class QWidget;

namespace tav {

// The local image file a drag from the desktop carries, or an empty text.
QString droppedImageFile(const QMimeData *data);

// Makes a widget take image files dropped from the desktop; a drop hands the
// file's disk path to the action.
class ImageFileDropTarget : public QObject {
    Q_OBJECT
public:
    ImageFileDropTarget(QWidget *widget, std::function<void(const QString &)> dropped);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    std::function<void(const QString &)> m_dropped;
};

} // namespace tav
