#pragma once

#include <QRect>
#include <QWidget>

// The drawing keeps twips; the window lays out in logical pixels at 15 twips per pixel.
inline constexpr int kTwipsPerPixel = 15;

inline int twipsToPixels(double twips) {
    return qRound(twips / kTwipsPerPixel);
}
inline double pixelsToTwips(double pixels) {
    return pixels * kTwipsPerPixel;
}

inline QRect twipsRect(double left, double top, double width, double height) {
    return {twipsToPixels(left), twipsToPixels(top), twipsToPixels(width), twipsToPixels(height)};
}

inline void setTwipsGeometry(QWidget* widget, double left, double top, double width,
                             double height) {
    widget->setGeometry(twipsRect(left, top, width, height));
}
