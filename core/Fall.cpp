#include "Fall.h"

namespace bda {

std::array<std::string, Feld::anzahl> Fall::leereDatumsfelder() {
    std::array<std::string, Feld::anzahl> felder;
    felder.fill(std::string(leeresDatum));
    return felder;
}

void alleslöschen(Fall& fall) {
    for (int i = 1; i < Feld::anzahl; ++i) {
        fall.datum[i] = leeresDatum;
        fall.tagnummer[i] = 0;
    }
    fall.rahmen1 = {};
    fall.rahmen2 = {};
    for (auto& eingabe : fall.eingabe) eingabe.clear();
    fall.überschritten = {};
    fall.gesamt = {};
    // Field 19 is empty now: the panel must not go on showing the previous case's BDA.
    fall.bdaDatum.clear();
}

}  // namespace bda
