#include "main_window/twips.h"

#include <QFontMetricsF>

namespace {

// The tallest application font, in pixels from line to line, at which every caption still fits the
// layout at fifteen twips a pixel: a little more than the usual 9-point sans serif's 14.
constexpr double kFittingFontHeight = 15;

double layoutScale = 1;

} // namespace

double twipsPerPixel() {
    return kTwipsPerPixel / layoutScale;
}

void fitTwipsToFont(const QFont& font) {
    layoutScale = std::max(1.0, QFontMetricsF(font).height() / kFittingFontHeight);
}

double scaledPoints(double points) {
    return points * layoutScale;
}
