#pragma once

#include <QPoint>
#include <QRect>
#include <cmath>

class QFont;

// Windows are laid out in twips; at 96 DPI fifteen of them make one pixel, with the desktop's
// usual font. A larger desktop font makes a twip more pixels, as large fonts do on any desktop
// whose windows are laid out in twips: every window grows with the font, so no caption is cut.
constexpr int kTwipsPerPixel = 15;

// How many twips make a pixel now: kTwipsPerPixel, or fewer under a larger font.
double twipsPerPixel();
// Fits the layout to the application's font; the windows made afterwards follow it.
void fitTwipsToFont(const QFont& font);
// A font size given in points grows as the layout does.
double scaledPoints(double points);

inline int px(double twips) {
    return static_cast<int>(std::lround(twips / twipsPerPixel()));
}

inline QRect twipsRect(int left, int top, int width, int height) {
    return {px(left), px(top), px(width), px(height)};
}

inline QPoint twipsPoint(int left, int top) {
    return {px(left), px(top)};
}
