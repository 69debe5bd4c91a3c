#include "ui/common/window_frame.h"

#include "core/app/window_placement.h"

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

void placeNewWindow(QWidget *window)
{
    const QWidget *launch = shownWindow(QStringLiteral("Form1"));
    const QRect area = availableArea(launch ? launch : window);
    if (!window->testAttribute(Qt::WA_Resized))
        window->adjustSize();
    const QSize frame = outerGeometry(window, launch).size() - window->size();
    const QSize fitted = window->size().boundedTo(area.size() - frame).expandedTo(window->minimumSize());
    if (fitted != window->size())
        window->resize(fitted);
    QList<QRect> placed;
    for (const QWidget *other : QApplication::topLevelWidgets()) {
        if (other != window && other != launch && other->isVisible())
            placed.append(other->frameGeometry());
    }
    window->move(firstWindowPosition(area, launch ? launch->frameGeometry() : QRect(), placed, fitted + frame));
}

} // namespace tav
