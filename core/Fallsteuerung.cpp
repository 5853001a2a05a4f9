#include "Fallsteuerung.h"

#include "Bdaberechnung.h"
#include "Datumsdifferenz.h"
#include "Eingangsamt.h"
#include "Ernennung.h"
#include "Plausibilitaet.h"

Fallsteuerung::Fallsteuerung(Fall& fall, Oberflaeche& oberfläche) : fall_(fall), oberfläche_(oberfläche) {}

void Fallsteuerung::laden() {
    fall_.paragraph = "28";
    fall_.titel = fenstertitel(fall_.paragraph, fall_.name);
    eingangsamtGeklickt(Eingangsamt::a1bisA12);
    for (int feld = 0; feld < Feld::anzahl; ++feld) tagnummerAuffrischen(feld);
    sichtbar_ = true;
}

void Fallsteuerung::eingangsamtGeklickt(int index) {
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
        case Eingangsamt::professor:
            fall_.lebensjahr = "40";
            fall_.paragraph = "36";
            break;
        default:
            oberfläche_.meldung("in Vorbereitung");
            return;
    }
    fall_.titel = fenstertitel(fall_.paragraph, fall_.name);
    fall_.text3 = überschreitungstext(fall_.lebensjahr);
    // A 1 to A 12: the quarter rule starts at 31, the half rule at 35.
    if (index == Eingangsamt::a1bisA12) fall_.lebensjahr = "35";
    fall_.label10 = hälftetext(fall_.lebensjahr);

    if (sichtbar_) {
        oberfläche_.fokus(Steuerelement::datum(Feld::ernennung));
        datumEnter(Feld::ernennung);
    }
}

void Fallsteuerung::nameSetzen(std::string_view name) {
    fall_.name = name;
    fall_.titel = fenstertitel(fall_.paragraph, fall_.name);
}

void Fallsteuerung::datumEnter(int feld) {
    const std::string& text = fall_.datum[feld];
    if (const auto fehler = datumsfehler(text)) {
        abweisen(feld, *fehler);
        return;
    }
    // A new birth date starts a new case, even before it is typed completely.
    if (feld == Feld::geburtstag) alleslöschen(fall_);
    if (!datumAusText(text)) return;  // incomplete: nothing happens

    const std::string& geburtstag = fall_.datum[Feld::geburtstag];
    if (feld > 0 && datumAusText(geburtstag) && datumAusText(fall_.datum[Feld::ernennung])) {
        tagnummerAuffrischen(feld);
        if (fall_.tagnummer[feld] < 0) {
            abweisen(feld, "Das Datum " + text + " liegt vor dem Geburtstag " + geburtstag + ".");
            return;
        }
    }

    if (feld == Feld::geburtstag) {
        geburtstagBestätigt();
    } else if (feld == Feld::ernennung) {
        ernennungBestätigt();
    } else if (feld >= 3 && feld <= 18) {
        if (feld % 2 == 0) {
            zeitraumendeBestätigt(feld);
        } else if (feld < 11) {
            viertelbeginnBestätigt(feld);
        } else {
            hälftebeginnBestätigt(feld);
        }
    }
    // Fields 1 and 19 to 24 are the program's: their Enter only refreshes the day number.
}

void Fallsteuerung::datumFokussiert(int feld) {
    if (feld >= Feld::viertelBeginn && feld <= Feld::hälfteEnde) {
        oberfläche_.fokus(Steuerelement::datum(Feld::ernennung));
    }
}

void Fallsteuerung::eingabeEnter(int index) {
    if (index < anzahlEingaben - 1) oberfläche_.fokus(Steuerelement::datum(2 * index + 5));
}

// The 21st year of life is completed on the day before the 21st birthday; the regular BDA is the first
// of that month: born 15/06/1975 -> 14/06/1996 -> 01/06/1996.
void Fallsteuerung::geburtstagBestätigt() {
    const auto geburtstag21 = datumAusText(geburtstagstext(fall_.datum[Feld::geburtstag], 21));
    fall_.datum[Feld::vollendung21] = textAusDatum(tagDavor(*geburtstag21));
    fall_.datum[Feld::regelBDA] = "01/" + fall_.datum[Feld::vollendung21].substr(3);
    oberfläche_.fokus(Steuerelement::datum(Feld::ernennung));
    bdaberechnen(fall_);
}

// The case goes on with the first period of the frame the evaluation shows, so that a whole case is
// typed with Enter alone; with no frame shown the focus stays.
void Fallsteuerung::ernennungBestätigt() {
    if (istLeer(fall_.datum[Feld::geburtstag])) {
        alleslöschen(fall_);
        return;
    }
    ernennungauswerten(fall_);
    if (fall_.rahmen1Sichtbar) {
        oberfläche_.fokus(Steuerelement::datum(3));
    } else if (fall_.rahmen2Sichtbar) {
        oberfläche_.fokus(Steuerelement::datum(11));
    }
}

void Fallsteuerung::viertelbeginnBestätigt(int feld) {
    tagnummerAuffrischen(feld);
    plausibilität1(fall_, oberfläche_, feld);
    if (!istLeer(fall_.datum[feld])) oberfläche_.fokus(Steuerelement::datum(feld + 1));
    bdaberechnen(fall_);
}

// Unlike the quarter rule, the half rule moves on before the check; a refusal takes the focus back.
void Fallsteuerung::hälftebeginnBestätigt(int feld) {
    oberfläche_.fokus(Steuerelement::datum(feld + 1));
    tagnummerAuffrischen(feld);
    plausibilität2(fall_, oberfläche_, feld);
    bdaberechnen(fall_);
}

void Fallsteuerung::zeitraumendeBestätigt(int ende) {
    if (istLeer(fall_.datum[Feld::geburtstag]) || istLeer(fall_.datum[Feld::ernennung])) {
        alleslöschen(fall_);
        return;
    }
    const int start = ende - 1;
    const int zeile = (ende - 1) / 2;  // 1..4 quarter rule, 5..8 half rule
    const bool viertel = zeile <= 4;
    Zeitspanne& länge = viertel ? fall_.rahmen1[zeile] : fall_.rahmen2[zeile - 4];

    // The start may have been retyped without Enter: measure and check what the field shows.
    tagnummerAuffrischen(start);
    tagnummerAuffrischen(ende);
    if (viertel) {
        plausibilität1(fall_, oberfläche_, ende);
    } else {
        plausibilität2(fall_, oberfläche_, ende);
    }

    if (!datumAusText(fall_.datum[start]) || istLeer(fall_.datum[ende])) {
        fall_.datum[start] = fall_.datum[ende] = leeresDatum;
        fall_.tagnummer[start] = fall_.tagnummer[ende] = 0;
        oberfläche_.fokus(Steuerelement::datum(start));
        länge = {};
    } else {
        länge = datumsdifferenz(fall_.datum[start], fall_.datum[ende]);
        oberfläche_.fokus(Steuerelement::eingabe(zeile - 1));
    }
    bdaberechnen(fall_);
}

// The message first, then the field is emptied and gets the focus back to be typed again.
void Fallsteuerung::abweisen(int feld, const std::string& meldung) {
    oberfläche_.meldung(meldung);
    fall_.datum[feld] = leeresDatum;
    fall_.tagnummer[feld] = 0;
    oberfläche_.fokus(Steuerelement::datum(feld));
}

void Fallsteuerung::tagnummerAuffrischen(int feld) {
    fall_.tagnummer[feld] = datumdiffneu(fall_.datum[Feld::geburtstag], fall_.datum[feld]);
}
