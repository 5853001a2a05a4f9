#pragma once
// The address field of a letter for a window envelope after DIN 5008 (A4 portrait), in millimetres from
// the sheet's top and left edges. Form A ("hochgestelltes Anschriftfeld") begins 27 mm from the top,
// form B ("tiefgestelltes Anschriftfeld") 45 mm; both are 45 mm high, 85 mm wide and 20 mm from the
// left edge. The field holds the zone for the sender line and postal notes (17.7 mm, five lines of
// 8 points, written from its bottom up) over the address zone (27.3 mm, six lines, written from its top
// down, no blank line):
//
//   form A: sender zone 27 .. 44.7 mm, address zone 44.7 .. 72 mm
//   form B: sender zone 45 .. 62.7 mm, address zone 62.7 .. 90 mm

#include <optional>
#include <string_view>

namespace bda {

enum class Anschriftform { a, b };

struct Anschriftfeld {
    double oben = 0;       // top of the field and of the sender zone
    double anschrift = 0;  // top of the address zone, the bottom of the sender zone
    double unten = 0;      // bottom of the field
    double links = 20;
    double breite = 85;
};

inline constexpr Anschriftfeld anschriftfeld(Anschriftform form) {
    return form == Anschriftform::a ? Anschriftfeld{27, 44.7, 72} : Anschriftfeld{45, 62.7, 90};
}

// "A" or "B", as the settings and the case scripts write the form.
inline constexpr std::string_view anschriftformText(Anschriftform form) {
    return form == Anschriftform::a ? "A" : "B";
}

// The form "A" or "B" names; none for anything else.
inline std::optional<Anschriftform> anschriftformAusText(std::string_view text) {
    if (text == "A") return Anschriftform::a;
    if (text == "B") return Anschriftform::b;
    return std::nullopt;
}

}  // namespace bda
