#include "Ernennung.h"

#include "Datumsdifferenz.h"
#include "Eingangsamt.h"

namespace bda {

using namespace std::chrono;

namespace {

void feldSetzen(Fall& fall, int feld, year_month_day datum) {
    fall.datum[feld] = textAusDatum(datum);
    fall.tagnummer[feld] = datumdiffneu(fall.datum[Feld::geburtstag], fall.datum[feld]);
}

void spanneLeeren(Fall& fall, int feld) {
    fall.datum[feld] = leeresDatum;
    fall.tagnummer[feld] = 0;
}

// The time from `anfang` up to and including the day before the appointment, in the 30-day reckoning of
// the periods; 0/0/0 when the appointment is not after `anfang`.
Zeitspanne überschreitung(year_month_day anfang, year_month_day ernennung) {
    if (sys_days{ernennung} <= sys_days{anfang}) return {};
    return datumsdifferenz(textAusDatum(anfang), textAusDatum(tagDavor(ernennung)));
}

// A 1 to A 12: a quarter of the time from the 31st birthday to the completed 35th year, half of the
// time after the 35th birthday, each up to the day before the appointment.
void viertelUndHälfte(Fall& fall, year_month_day geburtsdatum, year_month_day ernennung) {
    const year_month_day geburtstag31 = geburtstag(geburtsdatum, 31);
    const year_month_day geburtstag35 = geburtstag(geburtsdatum, 35);
    const year_month_day tagVorErnennung = tagDavor(ernennung);

    const Zeitspanne überschritten = überschreitung(geburtstag31, ernennung);
    fall.überschritten = überschritten;
    // The quarter rule covers at most the four years up to the 35th birthday, the half rule the rest.
    fall.rahmen1Sichtbar = sys_days{ernennung} > sys_days{geburtstag31};
    fall.rahmen2Sichtbar = überschritten.jahre >= 4 && sys_days{ernennung} > sys_days{geburtstag35};
    fall.rahmen1[0] = überschritten.jahre < 4 ? überschritten : Zeitspanne{0, 0, 4};
    fall.rahmen2[0] = {überschritten.tage, überschritten.monate, überschritten.jahre - 4};

    feldSetzen(fall, Feld::viertelBeginn, geburtstag31);
    feldSetzen(fall, Feld::viertelEnde,
               sys_days{tagVorErnennung} < sys_days{geburtstag35} ? tagVorErnennung : tagDavor(geburtstag35));
    feldSetzen(fall, Feld::hälfteBeginn, geburtstag35);
    feldSetzen(fall, Feld::hälfteEnde, tagVorErnennung);
}

// The other grades: half of the time from the 35th birthday (40th for professors) to the day before
// the appointment, measured like the half of A 1 to A 12.
void nurHälfte(Fall& fall, year_month_day geburtsdatum, year_month_day ernennung) {
    const int lebensjahre = fall.amtswahl == Eingangsamt::professor ? 40 : 35;
    const year_month_day maßgebenderGeburtstag = geburtstag(geburtsdatum, lebensjahre);

    fall.rahmen1Sichtbar = false;
    // The reset of the hidden quarter frame clears the day numbers 0 to 7 along with its rows 0 to 7.
    // Nothing relies on them: the checks compare the fields' dates, and Enter gives a field its number.
    for (int feld = 0; feld < anzahlZeitraumzeilen; ++feld) fall.tagnummer[feld] = 0;

    // Appointed by the decisive birthday: nothing to postpone, and no span to show.
    fall.überschritten = überschreitung(maßgebenderGeburtstag, ernennung);
    fall.rahmen2Sichtbar = sys_days{ernennung} > sys_days{maßgebenderGeburtstag};
    fall.rahmen2[0] = fall.überschritten;

    feldSetzen(fall, Feld::hälfteBeginn, maßgebenderGeburtstag);
    feldSetzen(fall, Feld::hälfteEnde, tagDavor(ernennung));
    // No quarter rule: its span must not keep what A 1 to A 12 gave it before the grade changed.
    for (int feld : {Feld::viertelBeginn, Feld::viertelEnde}) spanneLeeren(fall, feld);
}

}  // namespace

void ernennungauswerten(Fall& fall, year_month_day geburtsdatum, year_month_day ernennung) {
    if (fall.amtswahl == Eingangsamt::a1bisA12) {
        viertelUndHälfte(fall, geburtsdatum, ernennung);
    } else {
        nurHälfte(fall, geburtsdatum, ernennung);
    }
    // A hidden frame shows nothing and counts nothing, not even what an earlier appointment left there.
    if (!fall.rahmen1Sichtbar) fall.rahmen1 = {};
    if (!fall.rahmen2Sichtbar) fall.rahmen2 = {};
}

void auswerten(Fall& fall) {
    const auto geburtsdatum = zulässigesDatum(fall.datum[Feld::geburtstag]);
    const auto ernennung = zulässigesDatum(fall.datum[Feld::ernennung]);
    if (geburtsdatum && ernennung) {
        ernennungauswerten(fall, *geburtsdatum, *ernennung);
        return;
    }
    fall.überschritten = {};
    fall.rahmen1 = {};
    fall.rahmen2 = {};
    fall.rahmen1Sichtbar = fall.rahmen2Sichtbar = true;
    for (int feld = Feld::viertelBeginn; feld <= Feld::hälfteEnde; ++feld) spanneLeeren(fall, feld);
}

}  // namespace bda
