
namespace bda::fenster {

#pragma once
// The window is designed in twips (1/1440 inch) like a printed page: at 96 dpi 15 twips make one pixel.

inline constexpr double twipsJePixel = 15.0;
inline constexpr double twipsJePunkt = 20.0;

// `twips` in pixels at the layout scale `maßstab` (1 is the design size).
inline constexpr double pixel(double twips, double maßstab = 1.0) { return twips / twipsJePixel * maßstab; }

// A font size in points as pixels at the layout scale: 8.25 pt are 11 pixels at the design size.
inline constexpr double schriftpixel(double punkte, double maßstab = 1.0) {
    return pixel(punkte * twipsJePunkt, maßstab);
}

}  // namespace bda::fenster
