#include "ui/common/window_frame.h"

#include <QApplication>
#include <QEvent>
#include <QFontMetrics>
#include <QMargins>
#include <QScreen>
#include <QVariant>
#include <QWidget>

#include <algorithm>

namespace tav {
namespace {

const char *const kKept = "keptForPlacement";
enum Kept { Uncovered = 1, InView = 2 };

QMargins frameMargins(const QWidget *window)
{
    const QRect frame = window->frameGeometry();
    const QRect inner = window->geometry();
    return {inner.left() - frame.left(), inner.top() - frame.top(), frame.right() - inner.right(),
            frame.bottom() - inner.bottom()};
}

// Windows the user places and works in: not tooltips, menus or the
// frameless "Please wait..." box.
bool isPlacedWindow(const QWidget *w)
{
    const Qt::WindowType type = w->windowType();
    return w->isVisible() && (type == Qt::Window || type == Qt::Dialog || type == Qt::Tool) &&
           !w->windowFlags().testFlag(Qt::FramelessWindowHint);
}

bool isFramed(const QWidget *w)
{
    return w->isVisible() && w->frameGeometry() != w->geometry();
}

// Window managers frame a window the user can resize differently (a grip at
// the bottom): a window on screen like the given one, if there is one.
const QWidget *framedWindowLike(const QWidget *window)
{
    const bool fixed = window->minimumSize() == window->maximumSize();
    for (const QWidget *w : QApplication::topLevelWidgets()) {
        if (w != window && isFramed(w) && (w->minimumSize() == w->maximumSize()) == fixed &&
            w->windowType() == window->windowType())
            return w;
    }
    return nullptr;
}

// Moves a window just shown back onto the area once the window manager has
// framed it, where the frame it was placed with was a guess.
class KeepOnArea : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        auto *window = qobject_cast<QWidget *>(watched);
        if (!window || event->type() != QEvent::Paint)
            return false;
        const QRect area = availableArea(window);
        const QRect frame = window->frameGeometry();
        if (!area.contains(frame) && frame.width() <= area.width() && frame.height() <= area.height())
            window->move(std::clamp(frame.x(), area.x(), area.x() + area.width() - frame.width()),
                         std::clamp(frame.y(), area.y(), area.y() + area.height() - frame.height()));
        deleteLater();
        window->removeEventFilter(this);
        return false;
    }
};

} // namespace

QRect outerGeometry(const QWidget *window, const QWidget *framed)
{
    const QRect frame = window->frameGeometry();
    if (frame != window->geometry())
        return frame;
    const QWidget *like = framedWindowLike(window);
    if (!like && framed && isFramed(framed))
        like = framed;
    return like ? QRect(frame.topLeft(), frame.size().grownBy(frameMargins(like))) : frame;
}

void keepOnAreaOnceFramed(QWidget *window)
{
    window->installEventFilter(new KeepOnArea(window));
}

QRect partOfWindow(const QWidget *part, const QRect &outer)
{
    const QWidget *window = part->window();
    // The borders at the sides and the bottom are alike; the title bar is above.
    const int border = (outer.width() - window->width()) / 2;
    const QPoint client(border, outer.height() - window->height() - border);
    return QRect(part->mapTo(window, QPoint(0, 0)) + client, part->size());
}

void takeShownSize(QWidget *window)
{
    // The style's fonts and margins come with polishing.
    window->ensurePolished();
    if (!window->testAttribute(Qt::WA_Resized))
        window->adjustSize();
}

int captionWidth(const QWidget *window)
{
    QFont title = QApplication::font();
    title.setBold(true);
    const QFontMetrics metrics(title);
    // Window managers pad the caption about as much again as a button takes.
    const int button = metrics.height() + 6;
    return metrics.horizontalAdvance(window->windowTitle()) + 6 * button + 2 * kWindowGap;
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

void keepUncovered(QWidget *part)
{
    part->setProperty(kKept, Uncovered);
}

void keepInView(QWidget *part)
{
    part->setProperty(kKept, InView);
}

ScreenWindows screenWindows(const QWidget *placing)
{
    ScreenWindows screen;
    const QWidget *launch = shownWindow(QStringLiteral("Form1"));
    if (launch)
        screen.launch = launch->frameGeometry();
    for (const QWidget *w : QApplication::topLevelWidgets()) {
        if (w == placing || w == launch || !isPlacedWindow(w))
            continue;
        // An owned window goes with its owner.
        (w->parentWidget() ? screen.keptInView : screen.shown).append(w->frameGeometry());
        for (const QWidget *part : w->findChildren<QWidget *>()) {
            const int kept = part->property(kKept).toInt();
            if (kept && part->isVisible())
                (kept == Uncovered ? screen.keptUncovered : screen.keptInView)
                    .append(QRect(part->mapToGlobal(QPoint(0, 0)), part->size()));
        }
    }
    return screen;
}

void placeNewWindow(QWidget *window, std::optional<QPoint> preferred)
{
    const QWidget *launch = shownWindow(QStringLiteral("Form1"));
    const QRect area = availableArea(launch ? launch : window);
    takeShownSize(window);
    const QSize frame = outerGeometry(window, launch).size() - window->size();
    // As wide as its caption needs, as far as the area allows.
    const QSize room = area.size() - frame;
    const QSize fitted = window->size()
                             .expandedTo(QSize(std::min(captionWidth(window), room.width()), 0))
                             .boundedTo(room)
                             .expandedTo(window->minimumSize());
    if (fitted != window->size())
        window->resize(fitted);
    window->move(firstWindowPosition(area, screenWindows(window), fitted + frame, {}, preferred));
    keepOnAreaOnceFramed(window);
}

} // namespace tav
