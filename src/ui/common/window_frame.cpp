#include "ui/common/window_frame.h"

#include <QApplication>
#include <QMargins>
#include <QScreen>
#include <QWidget>

namespace tav {
namespace {

QMargins frameMargins(const QWidget *window)
{
    const QRect frame = window->frameGeometry();
    const QRect inner = window->geometry();
    return {inner.left() - frame.left(), inner.top() - frame.top(), frame.right() - inner.right(),
            frame.bottom() - inner.bottom()};
}

} // namespace

QRect outerGeometry(const QWidget *window, const QWidget *framed)
{
    const QRect frame = window->frameGeometry();
    if (!framed || frame != window->geometry() || !framed->isVisible())
        return frame;
    const QMargins margins = frameMargins(framed);
    return QRect(frame.topLeft(), frame.size().grownBy(margins));
}

const QWidget *shownWindow(const QString &objectName)
{
    for (const QWidget *w : QApplication::topLevelWidgets()) {
        if (w->isVisible() && w->objectName() == objectName)
            return w;
    }
    return nullptr;
}

QRect availableArea(const QWidget *window)
{
    const QScreen *screen = window ? window->screen() : nullptr;
    if (!screen)
        screen = QApplication::primaryScreen();
    return screen ? screen->availableGeometry() : QRect();
}

} // namespace tav
