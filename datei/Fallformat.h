#pragma once
// The case file as text: UTF-8 JSON, one object, one entry a line in a fixed order, so that a person can
// read it and a difference tool shows what changed. The format is described in docs/fallformat.md.

#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>

#include "Falldatei.h"

namespace bda::datei {

inline constexpr std::string_view fallformatName = "bda-fall";
inline constexpr int fallformatVersion = 1;

// A text that is no case file of this version, or holds a value out of range. The message says what is
// wrong and what to do, in German, without the file's name (Fallablage adds it).
class Formatfehler : public std::runtime_error {
   public:
    using std::runtime_error::runtime_error;
};

std::string falltext(const Falldatei& datei);

// Reads and checks a whole case file; throws Formatfehler at the first thing that is wrong. A UTF-8
// byte-order mark at the start is passed over, as editors write one.
Falldatei falldateiAusText(std::string_view text);

// A typed date the driver refuses on Enter: a day the calendar lacks, or a date outside 01/01/1930 to
// 31/12/2040. Fields 1 and 24 may also hold what the birth date gives, as the driver itself writes it
// there (born in 2035, the 21st year of life is completed in 2056). The reader refuses a file with such a
// date and saving refuses a case with one, so whatever is saved opens again.
struct UnzulässigesDatum {
    int feld;
    std::string grund;  // the field's refusal: "Den 31/02/1944 gibt es nicht."
};
std::optional<UnzulässigesDatum> unzulässigesDatum(const Falldatei& datei);

// An input of the experience step the reader refuses: a grade outside the rule set, more periods than a
// case holds, a date as in UnzulässigesDatum or one without the mask.
struct UnzulässigeStufenangabe {
    std::string was;    // "Erfahrungsstufe, Zeitraum 3, Beginn"
    std::string grund;  // "Den 31/02/2012 gibt es nicht."
};
std::optional<UnzulässigeStufenangabe> unzulässigeStufenangabe(const Stufenfall& fall);

}  // namespace bda::datei
