#pragma once

#include <QRect>
#include <QWidget>

// Window positions and sizes are given in twips (1440 to the inch). On the
// screen a twip is a fifteenth of a pixel, as at 96 dots per inch.
namespace Twips {
constexpr int PerPixel = 15;
constexpr int toPixels(int twips) {
    return (twips + PerPixel / 2) / PerPixel;
}
inline QRect rect(int left, int top, int width, int height) {
    return QRect(toPixels(left), toPixels(top), toPixels(width), toPixels(height));
}
// Places a control inside its container.
inline void place(QWidget* widget, int left, int top, int width, int height) {
    widget->setGeometry(rect(left, top, width, height));
}
// A window's fixed client area.
inline void setClientSize(QWidget* window, int width, int height) {
    window->setFixedSize(toPixels(width), toPixels(height));
}
} // namespace Twips
