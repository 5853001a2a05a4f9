#pragma once
// What a case file (.bda) holds: the inputs the clerk typed, the case's notice data and the results the
// window showed when it was saved. Opening plays the inputs through the driver again (Fallwiedergabe)
// and compares the results; the format on disk is in Fallformat and docs/fallformat.md.

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "Bescheiddaten.h"
#include "Fall.h"
#include "Stufenberechnung.h"
#include "Stufenfall.h"
#include "Zeitraum.h"

namespace bda::datei {

// The results as the window shows them. A hidden frame shows no rows, so none are kept for it.
struct Fallergebnis {
    Zeitspanne überschritten;  // Tag0, Monat0, Jahr0
    bool rahmen1Sichtbar = true;
    bool rahmen2Sichtbar = true;
    Rahmenzeilen rahmen1;  // rows 0..7 of the quarter-rule frame, all 0/0/0 while it is hidden
    Rahmenzeilen rahmen2;  // rows 0..7 of the half-rule frame, all 0/0/0 while it is hidden
    Zeitspanne gesamt;     // Tag3, Monat3, Jahr3
    std::string bda = std::string(leeresDatum);  // field 19

    bool operator==(const Fallergebnis&) const = default;
};

// The results of the experience step as a case file keeps them: dates as "dd/mm/yyyy" texts. A case
// whose appointment is no valid date has none: Stufe 1 "__/__/____", no step dates, all numbers 0.
struct Stufenstand {
    std::string stufe1 = std::string(leeresDatum);  // the fictitious start of Stufe 1
    int beiErnennung = 0;                           // the step on the day of appointment
    std::vector<std::string> stufen;                // from when Stufe 1, 2, ... apply
    int anerkanntMonate = 0;                        // the recognised months, rounded up
    int verzögerungMonate = 0;                      // the delay in months, rounded down

    bool operator==(const Stufenstand&) const = default;
};

struct Falldatei {
    int eingangsamt = 0;  // the option of Eingangsamt, 0..3
    // Texts of the fields the clerk types (0 to 18 and 24); none for the computed fields 19 to 23, and
    // for a field a file written by hand leaves out: the replay leaves it as the driver makes it.
    std::array<std::optional<std::string>, Feld::anzahl> datum;
    std::array<std::string, anzahlEingaben> eingabe;
    std::string name;        // the official's name
    Bescheiddaten bescheid;  // the case's notice data; the authority is not part of a case
    Fallergebnis ergebnis;
    std::optional<Stufenfall> erfahrungsstufe;  // the experience step, when the clerk entered one
    // The experience step's results a file held, to be compared with the recomputed ones. A file is
    // always written with the results its `erfahrungsstufe` gives, so a case to save needs none.
    std::optional<Stufenstand> stufenstand;
};

// The fields a case file keeps: 0 to 18 and 24.
constexpr bool istEingabefeld(int feld) { return (feld >= 0 && feld <= 18) || feld == Feld::vollendung21; }

// A field a case file keeps as the window names it to the clerk: "Geburtstag", "Ende Zeitraum 2 (Hälfte)".
std::string feldname(int feld);

Fallergebnis ergebnisVon(const Fall& fall);
Stufenstand stufenstandVon(const Stufenergebnis& ergebnis);
Falldatei falldateiVon(const Fall& fall);

}  // namespace bda::datei
