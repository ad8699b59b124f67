#pragma once

#include <QFont>
#include <QPoint>
#include <QRect>
#include <cmath>

// Windows are laid out in twips; at 96 DPI fifteen of them make one pixel, with the desktop's
// usual font. A larger desktop font makes a twip more pixels, as large fonts do on any desktop
// whose windows are laid out in twips: every window grows with the font, so no caption is cut.
constexpr int kTwipsPerPixel = 15;

// How many twips make a pixel now: kTwipsPerPixel, or fewer under a larger font, or more where
// the screen has no room for the windows.
double twipsPerPixel();
// Fits the layout to the application's font; the windows made afterwards follow it.
void fitTwipsToFont(const QFont& font);
// Then to the screen: where the largest window, laid out for the font, would not fit `room` (the
// screen's available area, in pixels, less a window's frame), every window is laid out smaller,
// its captions with it.
void fitTwipsToRoom(QSize room);
// A font size given in points grows, or shrinks, as the layout does.
double scaledPoints(double points);
// Whether the screen's room has made the layout smaller than the font asked for.
bool layoutShrunk();
// The font's size shrunk as the layout was.
QFont shrunkFont(QFont font);

// A window's captions in the application's font, or smaller where the screen made the layout so.
template <typename Window> void fitCaptionsToLayout(Window& window) {
    if (layoutShrunk())
        window.setFont(shrunkFont(window.font()));
}

inline int px(double twips) {
    return static_cast<int>(std::lround(twips / twipsPerPixel()));
}

inline QRect twipsRect(int left, int top, int width, int height) {
    return {px(left), px(top), px(width), px(height)};
}

inline QPoint twipsPoint(int left, int top) {
    return {px(left), px(top)};
}
