#pragma once

#include "core/sprite/sprite_file.h"
#include "support/temp_game_folder.h"

#include <QApplication>
#include <QMouseEvent>
#include <QTimer>
#include <QWidget>

#include <gtest/gtest.h>

#include <functional>

namespace tav::test {

// A palette whose index i shows as (4 * (i % 64), 4 * ((i / 4) % 64), 8); the
// first line can be given.
inline QByteArray testPalette(const QByteArray &firstLine = "0,0,0")
{
    QByteArray text = firstLine + "\r\n";
    for (int i = 1; i < 256; ++i)
        text += QByteArray::number(i % 64) + "," + QByteArray::number((i / 4) % 64) + ",2\r\n";
    return text;
}

inline QRgb testColour(int index)
{
    return qRgb(4 * (index % 64), 4 * ((index / 4) % 64), 8);
}

inline void writeSprite(const TempGameFolder &tmp, const QString &path, int width, int height, const QByteArray &pixels)
{
    tmp.write(path, spriteFileBytes(width, height, pixels));
}

// Sends a mouse event with exactly the buttons given.
inline void sendMouse(QWidget *widget, QEvent::Type type, QPoint at, Qt::MouseButton button, Qt::MouseButtons held)
{
    QMouseEvent event(type, QPointF(at), widget->mapToGlobal(QPointF(at)), button, held, Qt::NoModifier);
    QApplication::sendEvent(widget, &event);
}

// The centre of a canvas cell in pixels.
inline QPoint cellCentre(int x, int y)
{
    return QPoint(x * 12 + 6, y * 12 + 6);
}

// Runs an action on the next modal dialog once it is shown.
template <typename Dialog> void onNextDialog(std::function<void(Dialog *)> action)
{
    QTimer::singleShot(0, [action] {
        auto *dialog = qobject_cast<Dialog *>(QApplication::activeModalWidget());
        if (!dialog) {
            ADD_FAILURE() << "no dialog is shown";
            return;
        }
        action(dialog);
    });
}

} // namespace tav::test
