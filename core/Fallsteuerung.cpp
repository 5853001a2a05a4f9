#include "Fallsteuerung.h"

#include "Abweisung.h"
#include "Bdaberechnung.h"
#include "Datumsdifferenz.h"
#include "Eingangsamt.h"
#include "Ernennung.h"
#include "Plausibilitaet.h"
#include "Zeitraum.h"

namespace bda {

using std::chrono::year_month_day;

Fallsteuerung::Fallsteuerung(Fall& fall, Oberflaeche& oberfläche) : fall_(fall), oberfläche_(oberfläche) {}

void Fallsteuerung::laden() {
    fall_.paragraph = "28";
    fall_.titel = fenstertitel(fall_.paragraph, fall_.name);
    eingangsamtGeklickt(Eingangsamt::a1bisA12);
    sichtbar_ = true;
}

void Fallsteuerung::eingangsamtGeklickt(int index) {
    if (index == Eingangsamt::richter) {
        // Not yet supported: the message only, the case stays under the grade chosen before.
        oberfläche_.meldung("in Vorbereitung");
        return;
    }
    fall_.amtswahl = index;
    switch (index) {
        case Eingangsamt::a1bisA12:
            fall_.lebensjahr = "31";
            fall_.paragraph = "28";
            break;
        case Eingangsamt::a13oderA14:
            fall_.lebensjahr = "35";
            fall_.paragraph = "28";
            break;
        case Eingangsamt::c1oderC2:
            fall_.lebensjahr = "35";
            fall_.paragraph = "36";
            break;
        default:
            fall_.lebensjahr = "40";
            fall_.paragraph = "36";
            break;
    }
    fall_.titel = fenstertitel(fall_.paragraph, fall_.name);
    fall_.text3 = überschreitungstext(fall_.lebensjahr);
    // A 1 to A 12: the quarter rule starts at 31, the half rule at 35.
    if (index == Eingangsamt::a1bisA12) fall_.lebensjahr = "35";
    fall_.label10 = hälftetext(fall_.lebensjahr);

    if (sichtbar_) {
        oberfläche_.fokus(Steuerelement::datum(Feld::ernennung));
        datumEnter(Feld::ernennung);
    } else {
        abgleichen();
    }
}

void Fallsteuerung::nameSetzen(std::string_view name) {
    fall_.name = name;
    fall_.titel = fenstertitel(fall_.paragraph, fall_.name);
}

void Fallsteuerung::datumEnter(int feld) {
    bestätigen(feld);
    abgleichen();
}

void Fallsteuerung::abgleichen() { bda::abgleichen(fall_); }

void abgleichen(Fall& fall) {
    const auto tagnummerAuffrischen = [&](int feld) {
        fall.tagnummer[feld] = datumdiffneu(fall.datum[Feld::geburtstag], fall.datum[feld]);
    };
    for (int feld = 0; feld < Feld::anzahl; ++feld) tagnummerAuffrischen(feld);
    auswerten(fall);
    zeilenAbgleichen(fall);
    bdaberechnen(fall);
    tagnummerAuffrischen(Feld::bda);  // written just now
}

void Fallsteuerung::bestätigen(int feld) {
    const std::string& text = fall_.datum[feld];
    if (const auto fehler = datumsfehler(text)) {
        datumAbweisen(fall_, oberfläche_, feld, *fehler);
        return;
    }
    // A new birth date starts a new case, even before it is typed completely.
    if (feld == Feld::geburtstag) alleslöschen(fall_);
    const auto datum = datumAusText(text);
    if (!datum) return;  // incomplete: nothing happens
    if (feld == Feld::geburtstag) {
        geburtstagBestätigt(*datum);
        return;
    }

    // The appointment and the periods are measured from the birth date, the periods also need the
    // appointment: without them nothing is evaluated, and the field to type first gets the focus.
    const auto geburtsdatum = zulässigesDatum(fall_.datum[Feld::geburtstag]);
    const auto ernennung = zulässigesDatum(fall_.datum[Feld::ernennung]);
    const auto zeitraum = zeitraumVonFeld(feld);
    if ((feld == Feld::ernennung || zeitraum) && !geburtsdatum) {
        datumAbweisen(fall_, oberfläche_, feld, "Bitte zuerst den Geburtstag eingeben.", Feld::geburtstag);
        return;
    }
    if (zeitraum && !ernennung) {
        datumAbweisen(fall_, oberfläche_, feld, "Bitte zuerst den Tag der Ernennung eingeben.",
                      Feld::ernennung);
        return;
    }

    if (geburtsdatum && ernennung && *datum < *geburtsdatum) {
        datumAbweisen(
            fall_, oberfläche_, feld,
            "Das Datum " + text + " liegt vor dem Geburtstag " + fall_.datum[Feld::geburtstag] + ".");
        return;
    }

    if (feld == Feld::regelBDA) {
        regelBDABestätigt(*datum);
    } else if (feld == Feld::ernennung) {
        ernennungBestätigt();
    } else if (zeitraum && feld == zeitraum->ende) {
        zeitraumendeBestätigt(*zeitraum);
    } else if (zeitraum) {
        zeitraumbeginnBestätigt(*zeitraum);
    }
    // Fields 19 to 24 are the program's: their Enter only refreshes the day number.
}

void Fallsteuerung::eingabeEnter(int index) {
    if (index < anzahlEingaben - 1) oberfläche_.fokus(Steuerelement::datum(zeitraum(index + 2).beginn));
}

// The 21st year of life is completed on the day before the 21st birthday; the regular BDA is the first
// of that month: born 15/06/1975 -> 14/06/1996 -> 01/06/1996.
void Fallsteuerung::geburtstagBestätigt(year_month_day geburtsdatum) {
    const year_month_day vollendung21 = tagDavor(geburtstag(geburtsdatum, 21));
    fall_.datum[Feld::vollendung21] = textAusDatum(vollendung21);
    fall_.datum[Feld::regelBDA] = textAusDatum(vollendung21.year() / vollendung21.month() / 1);
    oberfläche_.fokus(Steuerelement::datum(Feld::ernennung));
}

// The regular BDA may be set by hand, but only to the first of a month, as the BDA always is.
void Fallsteuerung::regelBDABestätigt(year_month_day regelBDA) {
    if (regelBDA.day() == std::chrono::day{1}) return;
    oberfläche_.meldung("Das Regel-Besoldungsdienstalter beginnt stets am Ersten eines Monats.");
    const auto vollendung21 = datumAusText(fall_.datum[Feld::vollendung21]);
    fall_.datum[Feld::regelBDA] = vollendung21
                                      ? textAusDatum(vollendung21->year() / vollendung21->month() / 1)
                                      : std::string(leeresDatum);
    oberfläche_.fokus(Steuerelement::datum(Feld::regelBDA));
}

// The case goes on with the first period of the frame the evaluation shows, so that a whole case is
// typed with Enter alone; with no frame shown the focus stays. Periods the new spans leave out are
// named, but kept as typed: correcting the appointment back lets them count again.
void Fallsteuerung::ernennungBestätigt() {
    abgleichen();
    for (int zeile = 1; zeile <= anzahlZeiträume; ++zeile) {
        const Zeitraum z = zeitraum(zeile);
        if (!rahmenSichtbar(fall_, z) || !zeitraumErfasst(fall_, z) || zeitraumZählt(fall_, z)) continue;
        const auto& d = fall_.datum;
        oberfläche_.meldung("Der Zeitraum vom " + d[z.beginn] + " bis " + d[z.ende] +
                            " liegt außerhalb der Zeitspanne vom " + d[z.spanBeginn] + " bis " +
                            d[z.spanEnde] + " und wird nicht angerechnet.");
    }
    if (fall_.rahmen1Sichtbar) {
        oberfläche_.fokus(Steuerelement::datum(zeitraum(1).beginn));
    } else if (fall_.rahmen2Sichtbar) {
        oberfläche_.fokus(Steuerelement::datum(zeitraum(5).beginn));
    }
}

// The quarter rule moves on after the check and only while the start stands; the half rule moves on
// before the check, and a refusal takes the focus back.
void Fallsteuerung::zeitraumbeginnBestätigt(const Zeitraum& z) {
    if (z.viertel) {
        plausibilität1(fall_, oberfläche_, z.beginn);
        if (datumAusText(fall_.datum[z.beginn])) oberfläche_.fokus(Steuerelement::datum(z.ende));
    } else {
        oberfläche_.fokus(Steuerelement::datum(z.ende));
        plausibilität2(fall_, oberfläche_, z.beginn);
    }
}

// An end is measured from the start the field shows. A start that holds no date (never confirmed, or
// retyped incompletely) cannot be measured: both fields are emptied and the start is typed again.
void Fallsteuerung::zeitraumendeBestätigt(const Zeitraum& z) {
    if (datumAusText(fall_.datum[z.beginn])) {
        if (z.viertel) {
            plausibilität1(fall_, oberfläche_, z.ende);
        } else {
            plausibilität2(fall_, oberfläche_, z.ende);
        }
    }
    if (!datumAusText(fall_.datum[z.beginn]) || !datumAusText(fall_.datum[z.ende])) {
        fall_.datum[z.beginn] = fall_.datum[z.ende] = leeresDatum;
        oberfläche_.fokus(Steuerelement::datum(z.beginn));
    } else {
        oberfläche_.fokus(Steuerelement::eingabe(z.eingabe));
    }
}

}  // namespace bda
