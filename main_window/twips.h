#pragma once

#include <QPoint>
#include <QRect>
#include <cmath>

// Windows are laid out in twips; at 96 DPI fifteen of them make one pixel.
constexpr int kTwipsPerPixel = 15;

inline int px(double twips) {
    return static_cast<int>(std::lround(twips / kTwipsPerPixel));
}

inline QRect twipsRect(int left, int top, int width, int height) {
    return {px(left), px(top), px(width), px(height)};
}

inline QPoint twipsPoint(int left, int top) {
    return {px(left), px(top)};
}
