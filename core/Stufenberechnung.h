#pragma once
// The experience steps of a case (§§ 27, 28 BBesG). Stufe 1 starts on the first of the appointment's
// month, moved back by the recognised periods: those before the appointment, capped, each day counted
// once, added in the 30-day reckoning and rounded up to whole months. Each later step follows after the
// rule set's years, delayed by the periods without pay after the appointment that begin before it (care
// of a child or relative only beyond three years per person), added in the 30-day reckoning and rounded
// down to whole months.
//
//   A 9, appointed 15/03/2012, no periods: Stufe 1 01/03/2012, 2 01/03/2014, 3 01/03/2017, ...,
//   8 01/03/2035. Unpaid leave 10/04/2018-24/09/2018 (5 months 15 days, 5 months) moves Stufe 4 to
//   01/08/2020 and every later step by 5 months too.

#include <chrono>
#include <string>
#include <string_view>
#include <vector>

#include "Stufenfall.h"
#include "Stufenregeln.h"
#include "Zeitspanne.h"

namespace bda {

// Why a period counts less than its length.
enum class Kürzung {
    unvollständig,     // a date is missing or no valid date
    endeVorBeginn,     // it ends before it begins
    nachErnennung,     // the part from the appointment on is no experience before it
    vorErnennung,      // leave before the appointment delays nothing
    keineErfahrung,    // the kind is no experience (leave)
    keineVerzögerung,  // after the appointment, a kind that delays nothing (§ 28 Abs. 5)
    nichtAnerkannt,    // förderlich, but not granted
    mindestdauer,      // shorter than the kind's minimum
    höchstdauer,       // the kind's or the person's cap is reached
    überschneidung,    // the days were counted already by another period
};

// The reason as screen and paper give it: "Höchstdauer erreicht (§ 28 Abs. 1 S. 1 Nr. 3 BBesG)" and
// the like; the cap's provision comes from `regeln`.
std::string kürzungstext(Kürzung kürzung, Zeitart art, const Stufenregeln& regeln);

struct Zeitraumergebnis {
    Zeitspanne länge;             // the whole period in the 30-day reckoning; 0 when it is not complete
    Zeitspanne angerechnet;       // what counts as experience before the appointment
    Zeitspanne verzögerung;       // what delays the steps after the appointment
    std::vector<Kürzung> gründe;  // why it counts less than its length, in the order they applied

    bool operator==(const Zeitraumergebnis&) const = default;
};

struct Stufenergebnis {
    bool berechnet = false;  // false while the appointment date is not a valid date; all else is empty
    std::chrono::year_month_day stufe1;               // the fictitious start of Stufe 1
    int beiErnennung = 0;                             // the step on the day of appointment
    std::vector<std::chrono::year_month_day> stufen;  // from when Stufe 1, 2, ... apply
    Zeitspanne anerkannt;                             // the recognised sum before rounding
    int anerkanntMonate = 0;                          // rounded up
    Zeitspanne verzögerung;                           // the delaying sum before rounding
    int verzögerungMonate = 0;                        // rounded down
    std::vector<Zeitraumergebnis> zeiträume;          // one per period of the case, in its order
    std::vector<std::string> hinweise;                // what the clerk should check: German sentences

    bool operator==(const Stufenergebnis&) const = default;
};

Stufenergebnis stufenberechnen(const Stufenfall& fall, const Stufenregeln& regeln = bundesregeln);

// "A 9", the grade as screen and paper name it.
std::string amtsname(long long amt);

// Whether the rule set knows the grade, and its grades as messages name them: "A 2 bis A 16".
bool istAmt(long long amt, const Stufenregeln& regeln = bundesregeln);
std::string ämterbereich(const Stufenregeln& regeln = bundesregeln);

}  // namespace bda
