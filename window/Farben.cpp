#include "Farben.h"

#include <algorithm>
#include <cmath>

namespace bda::fenster {

namespace {

// Relative luminance of an sRGB colour.
double leuchtdichte(const QColor& farbe) {
    const auto linear = [](double kanal) {
        return kanal <= 0.04045 ? kanal / 12.92 : std::pow((kanal + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(farbe.redF()) + 0.7152 * linear(farbe.greenF()) + 0.0722 * linear(farbe.blueF());
}

}  // namespace

double kontrast(const QColor& a, const QColor& b) {
    const double hell = std::max(leuchtdichte(a), leuchtdichte(b));
    const double dunkel = std::min(leuchtdichte(a), leuchtdichte(b));
    return (hell + 0.05) / (dunkel + 0.05);
}

}  // namespace bda::fenster
