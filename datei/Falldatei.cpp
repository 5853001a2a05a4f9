#include "Falldatei.h"

namespace bda::datei {

std::string feldname(int feld) {
    switch (feld) {
        case Feld::geburtstag:
            return "Geburtstag";
        case Feld::regelBDA:
            return "Regel-Besoldungsdienstalter";
        case Feld::ernennung:
            return "Ernennung";
        case Feld::vollendung21:
            return "Vollendung des 21. Lebensjahres";
        default:
            break;
    }
    const auto z = zeitraumVonFeld(feld);
    if (!z) return "Datum(" + std::to_string(feld) + ")";
    return std::string(feld == z->beginn ? "Beginn" : "Ende") + " Zeitraum " +
           std::to_string(z->rahmenzeile) + (z->viertel ? " (Viertel)" : " (Hälfte)");
}

Fallergebnis ergebnisVon(const Fall& fall) {
    Fallergebnis ergebnis;
    ergebnis.überschritten = fall.überschritten;
    ergebnis.rahmen1Sichtbar = fall.rahmen1Sichtbar;
    ergebnis.rahmen2Sichtbar = fall.rahmen2Sichtbar;
    if (fall.rahmen1Sichtbar) ergebnis.rahmen1 = fall.rahmen1;
    if (fall.rahmen2Sichtbar) ergebnis.rahmen2 = fall.rahmen2;
    ergebnis.gesamt = fall.gesamt;
    ergebnis.bda = fall.datum[Feld::bda];
    return ergebnis;
}

Stufenstand stufenstandVon(const Stufenergebnis& ergebnis) {
    Stufenstand stand;
    if (!ergebnis.berechnet) return stand;
    stand.stufe1 = textAusDatum(ergebnis.stufe1);
    stand.beiErnennung = ergebnis.beiErnennung;
    for (const auto& tag : ergebnis.stufen) stand.stufen.push_back(textAusDatum(tag));
    stand.anerkanntMonate = ergebnis.anerkanntMonate;
    stand.verzögerungMonate = ergebnis.verzögerungMonate;
    return stand;
}

Falldatei falldateiVon(const Fall& fall) {
    Falldatei datei;
    datei.eingangsamt = fall.amtswahl;
    for (int feld = 0; feld < Feld::anzahl; ++feld) {
        if (istEingabefeld(feld)) datei.datum[feld] = fall.datum[feld];
    }
    datei.eingabe = fall.eingabe;
    datei.name = fall.name;
    datei.bescheid = fall.bescheid;
    datei.bescheid.behörde = {};
    datei.ergebnis = ergebnisVon(fall);
    return datei;
}

}  // namespace bda::datei
