#include "Falldatei.h"

namespace bda::datei {

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
