#include "game/draw.h"

#include <cmath>

std::int64_t drawScale(std::int64_t rows) {
    std::int64_t scale = 10;
    while (scale < rows)
        scale *= 10;
    return scale;
}

std::int64_t drawnRow(float r, std::int64_t scale) {
    const float p = r * static_cast<float>(scale);               // held in single precision
    const auto k = static_cast<std::int64_t>(std::nearbyint(p)); // halves go to the even side
    return k == 0 ? 1 : k;
}
