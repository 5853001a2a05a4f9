#include "Ernennung.h"

#include "Bdaberechnung.h"
#include "Datumsdifferenz.h"
#include "Eingangsamt.h"

namespace {

bool nichtNegativ(Zeitspanne spanne) { return spanne.tage >= 0 && spanne.monate >= 0 && spanne.jahre >= 0; }

void feldSetzen(Fall& fall, int feld, std::string text) {
    fall.tagnummer[feld] = datumdiffneu(fall.datum[Feld::geburtstag], text);
    fall.datum[feld] = std::move(text);
}

// A 1 to A 12: a quarter of the time from the 31st birthday to the completed 35th year, half of the
// time after the 35th birthday, each up to the day before the appointment.
void viertelUndHälfte(Fall& fall, std::chrono::year_month_day ernennung) {
    const std::string& geburtstag = fall.datum[Feld::geburtstag];
    const std::string geburtstag31 = geburtstagstext(geburtstag, 31);
    const std::string geburtstag35 = geburtstagstext(geburtstag, 35);
    const auto tagVorErnennung = tagDavor(ernennung);
    const std::string enddatum = textAusDatum(tagVorErnennung);

    Zeitspanne überschritten = datumsdifferenz(geburtstag31, enddatum);
    if (kalendertage(*datumAusText(geburtstag31), ernennung) < 1) {
        überschritten = {};
        fall.rahmen1 = {};
        fall.rahmen2 = {};
    }
    fall.überschritten = überschritten;

    // The quarter rule covers at most the four years up to the 35th birthday.
    fall.rahmen1Sichtbar = true;
    fall.rahmen1[0] = überschritten.jahre < 4 ? überschritten : Zeitspanne{0, 0, 4};
    if (überschritten.jahre < 4) {
        fall.rahmen2Sichtbar = false;
        fall.rahmen2[0] = {};  // a hidden frame must not keep the share of an earlier appointment
    } else {
        fall.rahmen2Sichtbar = true;
        fall.rahmen2[0] = {überschritten.tage, überschritten.monate, überschritten.jahre - 4};
    }

    feldSetzen(fall, Feld::viertelBeginn, geburtstag31);
    const auto datum35 = *datumAusText(geburtstag35);
    feldSetzen(fall, Feld::viertelEnde,
               kalendertage(datum35, tagVorErnennung) < 0 ? enddatum : textAusDatum(tagDavor(datum35)));
    feldSetzen(fall, Feld::hälfteBeginn, geburtstag35);
    feldSetzen(fall, Feld::hälfteEnde, enddatum);
}

// The span from `anfang` up to and including the day before the appointment: the span up to the
// appointment less its last day, borrowing a month when that span is whole months (15/06 .. 14/06 of the
// next year is 1 year; up to 13/06 it is 11 months 29 days).
Zeitspanne ohneErnennungstag(Zeitspanne spanne) {
    if (spanne.tage > 0) {
        spanne.tage -= 1;
        return spanne;
    }
    spanne.tage = 29;
    spanne.monate -= 1;
    if (spanne.monate < 0) {
        spanne.monate += 12;
        spanne.jahre -= 1;
    }
    return spanne;
}

// The other grades: half of the time from the 35th birthday (40th for professors) to the day before
// the appointment.
void nurHälfte(Fall& fall, std::chrono::year_month_day ernennung) {
    const std::string& geburtstag = fall.datum[Feld::geburtstag];
    const int lebensjahre = fall.amtswahl == Eingangsamt::professor ? 40 : 35;
    const std::string maßgebenderGeburtstag = geburtstagstext(geburtstag, lebensjahre);

    fall.rahmen1Sichtbar = false;
    fall.rahmen1 = {};
    for (int feld = 0; feld < anzahlZeitraumzeilen; ++feld) fall.tagnummer[feld] = 0;

    Zeitspanne überschritten =
        ohneErnennungstag(datumsdifferenz(maßgebenderGeburtstag, fall.datum[Feld::ernennung]));
    if (!nichtNegativ(überschritten)) {
        // Appointed before the decisive birthday: nothing to postpone. Professors do not see the frame.
        überschritten = {};
        fall.rahmen2Sichtbar = fall.amtswahl != Eingangsamt::professor;
    } else {
        fall.rahmen2Sichtbar = true;
    }
    fall.überschritten = überschritten;
    fall.rahmen2[0] = überschritten;

    feldSetzen(fall, Feld::hälfteBeginn, maßgebenderGeburtstag);
    feldSetzen(fall, Feld::hälfteEnde, textAusDatum(tagDavor(ernennung)));
    for (int feld : {Feld::viertelBeginn, Feld::viertelEnde}) {
        fall.tagnummer[feld] = datumdiffneu(geburtstag, fall.datum[feld]);
    }
}

}  // namespace

void ernennungauswerten(Fall& fall) {
    const auto ernennung = *datumAusText(fall.datum[Feld::ernennung]);
    if (fall.amtswahl == Eingangsamt::a1bisA12) {
        viertelUndHälfte(fall, ernennung);
    } else {
        nurHälfte(fall, ernennung);
    }
    bdaberechnen(fall);
}
