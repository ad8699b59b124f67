#include "main_window/twips.h"

#include <QFontMetricsF>
#include <QSize>

namespace {

// The tallest application font, in pixels from line to line, at which every caption still fits the
// layout at fifteen twips a pixel: a little more than the usual 9-point sans serif's 14.
constexpr double kFittingFontHeight = 15;

// The room the largest window needs: the editor's width, and the board's height with its menu
// bar, a little more than the editor's.
constexpr QSize kLargestWindowTwips{9375, 6300};

double fontScale = 1;   // what the application's font asks for
double layoutScale = 1; // what the windows are given: the font's, or less where the screen is full

} // namespace

double twipsPerPixel() {
    return kTwipsPerPixel / layoutScale;
}

void fitTwipsToFont(const QFont& font) {
    fontScale = layoutScale = std::max(1.0, QFontMetricsF(font).height() / kFittingFontHeight);
}

void fitTwipsToRoom(QSize room) {
    const double across = room.width() * kTwipsPerPixel / double(kLargestWindowTwips.width());
    const double down = room.height() * kTwipsPerPixel / double(kLargestWindowTwips.height());
    layoutScale = std::min({fontScale, across, down});
}

double scaledPoints(double points) {
    return points * layoutScale;
}

bool layoutShrunk() {
    return layoutScale < fontScale;
}

QFont shrunkFont(QFont font) {
    const double shrink = layoutScale / fontScale;
    if (font.pointSizeF() > 0)
        font.setPointSizeF(font.pointSizeF() * shrink);
    else
        font.setPixelSize(std::max(1, int(std::lround(font.pixelSize() * shrink))));
    return font;
}
