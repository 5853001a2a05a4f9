#include "Bdaberechnung.h"

namespace bda {

namespace {

// Days past 29 become months, months past 11 become years.
Zeitspanne mitÜbertrag(Zeitspanne spanne) {
    if (spanne.tage > 29) {
        spanne.monate += spanne.tage / 30;
        spanne.tage %= 30;
    }
    if (spanne.monate > 11) {
        spanne.jahre += spanne.monate / 12;
        spanne.monate %= 12;
    }
    return spanne;
}

Zeitspanne summe(Zeitspanne a, Zeitspanne b) {
    return mitÜbertrag({a.tage + b.tage, a.monate + b.monate, a.jahre + b.jahre});
}

// Row 5: the creditable periods of rows 1 to 4 added up.
Zeitspanne summeDerZeiträume(const Rahmenzeilen& zeilen) {
    Zeitspanne gesamt;
    for (int zeile = 1; zeile <= 4; ++zeile) {
        gesamt = {gesamt.tage + zeilen[zeile].tage, gesamt.monate + zeilen[zeile].monate,
                  gesamt.jahre + zeilen[zeile].jahre};
    }
    return mitÜbertrag(gesamt);
}

// Row 6: the share less the creditable periods, digit by digit with borrowing. Periods longer than the
// share leave nothing to postpone rather than a negative rest.
Zeitspanne rest(Zeitspanne anteil, Zeitspanne anrechenbar) {
    if (anrechenbar.inTagen() > anteil.inTagen()) return {};
    Zeitspanne ergebnis;
    int monatGeborgt = 0;
    if (anrechenbar.tage <= anteil.tage) {
        ergebnis.tage = anteil.tage - anrechenbar.tage;
    } else {
        ergebnis.tage = anteil.tage + 30 - anrechenbar.tage;
        monatGeborgt = -1;
    }
    int jahrGeborgt = 0;
    const int monate = anteil.monate + monatGeborgt;
    if (anrechenbar.monate <= monate) {
        ergebnis.monate = monate - anrechenbar.monate;
    } else {
        ergebnis.monate = monate + 12 - anrechenbar.monate;
        jahrGeborgt = -1;
    }
    ergebnis.jahre = anteil.jahre + jahrGeborgt - anrechenbar.jahre;
    return ergebnis;
}

// zähler / nenner (nenner > 0) rounded to the nearest whole number, an exact half to the even one.
int gerundet(int zähler, int nenner) {
    int quotient = zähler / nenner;
    int rest = zähler % nenner;
    if (rest < 0) {
        quotient -= 1;
        rest += nenner;
    }
    if (2 * rest > nenner || (2 * rest == nenner && quotient % 2 != 0)) quotient += 1;
    return quotient;
}

// Rows 5 to 7 of a frame; returns row 7, the frame's postponement.
Zeitspanne rahmenBerechnen(Rahmenzeilen& zeilen, int verschiebungInTagen(Zeitspanne rest)) {
    zeilen[5] = summeDerZeiträume(zeilen);
    zeilen[6] = rest(zeilen[0], zeilen[5]);
    zeilen[7] = Zeitspanne::ausTagen(verschiebungInTagen(zeilen[6]));
    return zeilen[7];
}

int einViertel(Zeitspanne rest) { return gerundet(rest.inTagen(), 4); }

// Odd days are made even first, so the half is always whole: 3 days give 1.
int dieHälfte(Zeitspanne rest) { return (rest.inTagen() - rest.tage % 2) / 2; }

}  // namespace

void bdaberechnen(Fall& fall) {
    const Zeitspanne viertel = rahmenBerechnen(fall.rahmen1, einViertel);
    const Zeitspanne hälfte = rahmenBerechnen(fall.rahmen2, dieHälfte);
    fall.gesamt = summe(viertel, hälfte);

    const std::string& regelBDA = fall.datum[Feld::regelBDA];
    if (!datumAusText(regelBDA)) {
        // Without a birth date, or while the regular BDA is typed incompletely, there is nothing to postpone.
        fall.datum[Feld::bda] = leeresDatum;
        fall.bdaDatum.clear();
        return;
    }
    int monat = ziffernwert(regelBDA, 4, 2) + fall.gesamt.monate;
    int jahr = ziffernwert(regelBDA, 7, 4) + fall.gesamt.jahre;
    if (monat > 12) {
        jahr += monat / 12;
        monat %= 12;
    }
    fall.datum[Feld::bda] = textAusDatum(std::chrono::year{jahr % 10000} / monat / 1);
    fall.bdaDatum = fall.datum[Feld::bda] + ".";
}

}  // namespace bda
