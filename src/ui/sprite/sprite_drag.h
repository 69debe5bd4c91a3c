#pragma once

#include <QObject>
#include <QPixmap>
#include <QString>

#include <functional>
#include <optional>

class QMimeData;
class QWidget;

namespace tav {

// Sprites are dragged between the editor's preview and the scrapboard's
// thumbnails. A drag carries its source's tag: "form" for the editor's
// preview, the frame index for a thumbnail.
inline const QString kSpriteTagFormat = QStringLiteral("application/x-tav-sprite-tag");

QMimeData *spriteDragData(const QString &tag);
// The tag a drag carries; nothing for any other data.
std::optional<QString> spriteDragTag(const QMimeData *data);

// Makes a widget a drag source: a left press first runs the press action,
// then starts dragging the widget's tag with its picture as the drag icon.
class SpriteDragSource : public QObject {
    Q_OBJECT
public:
    SpriteDragSource(QWidget *widget, QString tag, std::function<QPixmap()> picture,
                     std::function<void()> pressed = {});

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QWidget *m_widget;
    QString m_tag;
    std::function<QPixmap()> m_picture;
    std::function<void()> m_pressed;
};

// Makes a widget take sprite drops: a drag passing over it runs the over
// action, a drop hands its tag to the drop action.
class SpriteDropTarget : public QObject {
    Q_OBJECT
public:
    SpriteDropTarget(QWidget *widget, std::function<void(const QString &)> dropped, std::function<void()> over = {});

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    std::function<void(const QString &)> m_dropped;
    std::function<void()> m_over;
};

} // namespace tav
