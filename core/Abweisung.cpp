#include "Abweisung.h"

namespace bda {

void datumAbweisen(Fall& fall, Oberflaeche& oberfläche, int feld, std::string_view meldung) {
    datumAbweisen(fall, oberfläche, feld, meldung, feld);
}

void datumAbweisen(Fall& fall, Oberflaeche& oberfläche, int feld, std::string_view meldung, int fokusfeld) {
    oberfläche.meldung(meldung);
    fall.datum[feld] = leeresDatum;
    fall.tagnummer[feld] = 0;
    oberfläche.fokus(Steuerelement::datum(fokusfeld));
}

}  // namespace bda
