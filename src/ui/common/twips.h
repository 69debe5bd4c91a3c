#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

namespace tav {

// Window geometry is designed in twips; 15 twips are one pixel at 100 % scale.
constexpr int kTwipsPerPixel = 15;

constexpr int px(int twips)
{
    return (twips + (twips >= 0 ? kTwipsPerPixel / 2 : -kTwipsPerPixel / 2)) / kTwipsPerPixel;
}

constexpr int toTwips(int pixels)
{
    return pixels * kTwipsPerPixel;
}

inline QRect rectTw(int left, int top, int width, int height)
{
    return QRect(px(left), px(top), px(width), px(height));
}

inline QSize sizeTw(int width, int height)
{
    return QSize(px(width), px(height));
}

} // namespace tav
