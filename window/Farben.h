#pragma once
// The window's colours in one place, and the contrast between two colours as WCAG 2 measures it
// (BITV 2.0 asks for 4.5:1 for text).

#include <QColor>

namespace bda::fenster {

namespace Farben {
inline const QColor hellgrün(192, 255, 192);  // the window, the postponement values
inline const QColor hellgelb(255, 255, 192);  // heading bands and value boxes
inline const QColor gelb(255, 255, 0);        // the exceedance values
inline const QColor weiß(255, 255, 255);
// Text that warns, such as the length of a period that does not count: 7.4:1 on white, 6.4:1 on
// light green, 7.1:1 on light yellow.
inline const QColor warnrot(0xB0, 0x00, 0x00);
}  // namespace Farben

// Contrast ratio of two colours, from 1 (equal) to 21 (black on white).
double kontrast(const QColor& a, const QColor& b);

}  // namespace bda::fenster
