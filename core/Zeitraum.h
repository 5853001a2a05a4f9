#pragma once
// The creditable periods of a case: eight rows, rows 1 to 4 in the quarter-rule frame SSFrame1 and
// rows 5 to 8 in the half-rule frame SSFrame2. Row k has its start in Datum(2k+1), its end in
// Datum(2k+2) and its description in Eingabe(k-1). Every place that maps a field to its period asks here.

#include <optional>

#include "Fall.h"

namespace bda {

inline constexpr int anzahlZeiträume = 8;

struct Zeitraum {
    int zeile;        // 1..8 over both frames
    int beginn;       // start field, 3..17
    int ende;         // end field, 4..18
    int eingabe;      // description box, 0..7
    bool viertel;     // quarter-rule frame (rows 1..4) or half-rule frame (rows 5..8)
    int rahmenzeile;  // row within its frame, 1..4
    int spanBeginn;   // the frame's span fields, both days included: 20/21 or 22/23
    int spanEnde;
};

// The period of row `zeile` (1..8).
constexpr Zeitraum zeitraum(int zeile) {
    const bool viertel = zeile <= 4;
    return {zeile,
            2 * zeile + 1,
            2 * zeile + 2,
            zeile - 1,
            viertel,
            viertel ? zeile : zeile - 4,
            viertel ? Feld::viertelBeginn : Feld::hälfteBeginn,
            viertel ? Feld::viertelEnde : Feld::hälfteEnde};
}

// The period whose start or end is Datum(feld); none for fields outside 3..18.
constexpr std::optional<Zeitraum> zeitraumVonFeld(int feld) {
    if (feld < 3 || feld > 18) return std::nullopt;
    return zeitraum((feld - 1) / 2);
}

// The period's length labels in its frame (Tag1/Monat1/Jahr1 or Tag2/Monat2/Jahr2 of its row).
Zeitspanne& länge(Fall& fall, const Zeitraum& z);
const Zeitspanne& länge(const Fall& fall, const Zeitraum& z);

bool rahmenSichtbar(const Fall& fall, const Zeitraum& z);

// Both dates of the period are complete dates.
bool zeitraumErfasst(const Fall& fall, const Zeitraum& z);

// The period counts: its dates and its frame's span are complete dates and
// span start <= start <= end <= span end.
bool zeitraumZählt(const Fall& fall, const Zeitraum& z);

// Rows follow their fields: every row of a shown frame gets the length of its period when the period
// counts, else 0/0/0. Rows of a hidden frame are left alone: the evaluation that hid it set them all to
// 0/0/0, so it counts nothing.
void zeilenAbgleichen(Fall& fall);

}  // namespace bda
