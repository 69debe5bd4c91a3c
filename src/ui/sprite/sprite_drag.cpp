#include "ui/sprite/sprite_drag.h"

#include <QDrag>
#include <QDropEvent>
#include <QMimeData>
#include <QMouseEvent>
#include <QPainter>
#include <QWidget>

namespace tav {

QMimeData *spriteDragData(const QString &tag)
{
    auto *data = new QMimeData;
    data->setData(kSpriteTagFormat, tag.toUtf8());
    return data;
}

std::optional<QString> spriteDragTag(const QMimeData *data)
{
    if (!data || !data->hasFormat(kSpriteTagFormat))
        return std::nullopt;
    return QString::fromUtf8(data->data(kSpriteTagFormat));
}

SpriteDragSource::SpriteDragSource(QWidget *widget, QString tag, std::function<QPixmap()> picture,
                                   std::function<void()> pressed)
    : QObject(widget)
    , m_widget(widget)
    , m_tag(std::move(tag))
    , m_picture(std::move(picture))
    , m_pressed(std::move(pressed))
{
    widget->setCursor(Qt::OpenHandCursor);
    widget->installEventFilter(this);
}

bool SpriteDragSource::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != m_widget || event->type() != QEvent::MouseButtonPress)
        return QObject::eventFilter(watched, event);
    if (static_cast<QMouseEvent *>(event)->button() != Qt::LeftButton)
        return QObject::eventFilter(watched, event);
    if (m_pressed)
        m_pressed();
    auto *drag = new QDrag(m_widget);
    drag->setMimeData(spriteDragData(m_tag));
    if (m_picture) {
        QPixmap icon = m_picture();
        if (!icon.isNull()) {
            // A see-through copy, so the target stays visible under it.
            QPixmap faded(icon.size());
            faded.fill(Qt::transparent);
            QPainter p(&faded);
            p.setOpacity(0.7);
            p.drawPixmap(0, 0, icon);
            p.end();
            drag->setPixmap(faded);
            drag->setHotSpot(QPoint(icon.width() / 2, icon.height() / 2));
        }
    }
    drag->exec(Qt::CopyAction | Qt::MoveAction, Qt::CopyAction);
    return true;
}

SpriteDropTarget::SpriteDropTarget(QWidget *widget, std::function<void(const QString &)> dropped,
                                   std::function<void()> over)
    : QObject(widget)
    , m_dropped(std::move(dropped))
    , m_over(std::move(over))
{
    widget->setAcceptDrops(true);
    widget->installEventFilter(this);
}

bool SpriteDropTarget::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::DragEnter:
    case QEvent::DragMove: {
        auto *drag = static_cast<QDragMoveEvent *>(event);
        if (!spriteDragTag(drag->mimeData()))
            return QObject::eventFilter(watched, event);
        drag->acceptProposedAction();
        if (m_over)
            m_over();
        return true;
    }
    case QEvent::Drop: {
        auto *drop = static_cast<QDropEvent *>(event);
        const std::optional<QString> tag = spriteDragTag(drop->mimeData());
        if (!tag)
            return QObject::eventFilter(watched, event);
        drop->acceptProposedAction();
        if (m_dropped)
            m_dropped(*tag);
        return true;
    }
    default:
        return QObject::eventFilter(watched, event);
    }
}

} // namespace tav
