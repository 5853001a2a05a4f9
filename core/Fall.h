#pragma once
// The case exactly as the window shows it: the single source of truth for the window, the bda-fall
// tool and the printed pages.
//
// One Enter in a date field, followed through the program:
//   1. The window writes the typed text into `datum[i]` and calls Fallsteuerung::datumEnter(i).
//   2. The driver refuses a text that is no date of 01/01/1930..31/12/2040 (datumsfehler), then checks
//      that the field is complete, gives it its day number (`tagnummer`, datumdiffneu) and dispatches
//      by the field's index:
//      - birth date: clears the case (alleslöschen), derives field 24 and the regular BDA in field 1;
//      - appointment: names the periods its spans leave out and moves on to the first period;
//      - a period date: plausibilität1/2 refuses a date outside the frame's span or inside another
//        period, and the focus moves on.
//   3. Every event ends with Fallsteuerung::abgleichen, which derives all the rest from the fields as
//      they stand: ernennungauswerten measures the exceedance of the decisive year of life and writes
//      the shares into row 0 of both frames and the spans into fields 20 to 23; each period that lies
//      in its span gets its length from datumsdifferenz in rows 1 to 4; bdaberechnen adds them up
//      (row 5), subtracts (row 6), takes the quarter and the half (row 7), the total `gesamt` and the
//      resulting BDA in field 19 and `bdaDatum`. So the case depends on its fields, not on the order
//      in which they were typed, and a case file replayed through the driver shows the same.
//   4. Messages and focus moves go through the Oberflaeche port; the window then renders the Fall
//      into its controls, and the calculation sheet and the notice print from it.

#include <array>
#include <string>

#include "Bescheiddaten.h"
#include "Datumstext.h"
#include "Zeitspanne.h"

namespace bda {

// The date fields Datum(0..24). Periods: start 2k+1 and end 2k+2 of row k, rows 1 to 4 in the
// quarter-rule frame (fields 3..10), rows 5 to 8 in the half-rule frame (fields 11..18).
namespace Feld {
inline constexpr int geburtstag = 0;
inline constexpr int regelBDA = 1;  // first day of the month in which the 21st year is completed
inline constexpr int ernennung = 2;
inline constexpr int bda = 19;            // resulting BDA
inline constexpr int viertelBeginn = 20;  // span of the quarter rule, both ends included
inline constexpr int viertelEnde = 21;
inline constexpr int hälfteBeginn = 22;  // span of the half rule, both ends included
inline constexpr int hälfteEnde = 23;    // the day before the appointment
inline constexpr int vollendung21 = 24;  // the day before the 21st birthday
inline constexpr int anzahl = 25;
}  // namespace Feld

inline constexpr int anzahlZeitraumzeilen =
    8;  // rows of a frame: 0 share, 1-4 periods, 5 sum, 6 rest, 7 postponement
inline constexpr int anzahlEingaben = 8;  // description boxes Eingabe(0..7), one per period

using Rahmenzeilen = std::array<Zeitspanne, anzahlZeitraumzeilen>;

// Characters of the official's name that the notice dialog takes (title, notice and sheet print it whole).
inline constexpr std::size_t namenslänge = 40;

struct Fall {
    // Texts of Datum(0..24); "__/__/____" when empty.
    std::array<std::string, Feld::anzahl> datum = leereDatumsfelder();
    // Calendar days from the birth date to each field; 0 when either is empty.
    std::array<int, Feld::anzahl> tagnummer{};

    Zeitspanne überschritten;  // Tag0, Monat0, Jahr0: the decisive year of life exceeded at appointment
    Rahmenzeilen rahmen1;      // Tag1, Monat1, Jahr1 (0..7): quarter rule, frame SSFrame1
    Rahmenzeilen rahmen2;      // Tag2, Monat2, Jahr2 (0..7): half rule, frame SSFrame2
    Zeitspanne gesamt;         // Tag3, Monat3, Jahr3: total postponement
    bool rahmen1Sichtbar = true;
    bool rahmen2Sichtbar = true;
    std::array<std::string, anzahlEingaben> eingabe;  // period descriptions, UTF-8
    std::string bdaDatum;                             // caption of the result panel BDADatum

    int amtswahl = 0;        // entry-grade option last clicked, 0..4
    std::string lebensjahr;  // decisive year of life as digits: "31", "35" or "40"
    std::string paragraph;   // "28" or "36"
    std::string titel;       // window title
    std::string text3;       // caption of Text(3): the year of life exceeded at appointment
    std::string label10;     // caption of Label10: the half-rule share

    std::string name;        // the official's name
    Bescheiddaten bescheid;  // letterhead, addressee and signers of the notice

    static std::array<std::string, Feld::anzahl> leereDatumsfelder();
};

// Empties fields 1 to 24 with their day numbers, the descriptions and the result panel, and sets every
// row of both frames, the exceedance and the total to 0/0/0; the birth date stays. Without an
// appointment the next evaluation shows both frames again, empty, as for a new case.
void alleslöschen(Fall& fall);

}  // namespace bda
