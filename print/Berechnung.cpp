#include "Berechnung.h"

#include <string>
#include <string_view>

#include "Beschriftungen.h"
#include "Zeichen.h"
#include "Zeitraum.h"

namespace bda::druck {

namespace {

// The number columns of the sheet: days, months and years.
constexpr double spalteTage = 12100;
constexpr double spalteMonate = 13100;
constexpr double spalteJahre = 14100;
constexpr double linkerRand = 1500;
constexpr double zeitenspalte = 5000;

std::string reihe(int anzahl, char zeichen) { return std::string(static_cast<std::size_t>(anzahl), zeichen); }

std::string schnitt(std::string_view text, std::size_t zeichen) {
    return std::string(ersteZeichen(text, zeichen));
}

class Blatt {
   public:
    explicit Blatt(Druckauftrag& auftrag) : a_(auftrag) {}

    void schrift(double größe, bool fett) {
        a_.größeSetzen(größe);
        a_.fettSetzen(fett);
    }
    void bei(double x, std::string_view text) {
        a_.xSetzen(x);
        a_.drucke(text);
    }
    void zahlen(const Zeitspanne& spanne) {
        bei(spalteTage, std::to_string(spanne.tage));
        bei(spalteMonate, std::to_string(spanne.monate));
        bei(spalteJahre, std::to_string(spanne.jahre));
    }
    // Ends the line, after its last item or with nothing on it.
    void ende() { a_.zeilenende(); }
    Druckauftrag& auftrag() { return a_; }

   private:
    Druckauftrag& a_;
};

// What tells the quarter-rule block from the half-rule block.
struct Regelblock {
    bool eigeneTrennlinie;  // the half block opens with a rule line and an empty line of its own
    std::string_view anteil;
    std::size_t anteilZeichen;
    int ersteZeile;  // the block's periods are the rows ersteZeile to ersteZeile + 3
    const Rahmenzeilen& zeilen;
    std::string_view summe;
    std::string_view rest;
    std::string_view regelwort;
};

// Page header: the page number and whose BDA is set out, with birth date and day of appointment.
void blockA(Blatt& b, const Fall& fall) {
    Druckauftrag& a = b.auftrag();
    b.ende();
    b.ende();
    a.zuSpalte(90);
    a.drucke("Seite 2");
    b.ende();
    a.zuSpalte(40);
    a.drucke("zur Festsetzung des BDA für " + fall.name + " (Geb.tag = " + fall.datum[Feld::geburtstag] +
             ", Ernennungstag " + fall.datum[Feld::ernennung] + ")");
    b.ende();
    b.ende();
}

// Heading, number column captions and the time by which the decisive year of life was exceeded.
void blockB(Blatt& b, const Fall& fall) {
    b.schrift(12, true);
    b.auftrag().unterstrichenSetzen(true);
    b.bei(linkerRand,
          "Berechnung des Hinausschiebens, wenn das maßgebende Lebensjahr bei der Ernennung überschritten "
          "war:");
    b.ende();
    b.auftrag().unterstrichenSetzen(false);
    b.ende();
    b.bei(12000, "Tage");
    b.bei(12800, "Monate");
    b.bei(14000, "Jahre");
    b.ende();
    b.ende();
    b.bei(linkerRand, schnitt(fall.text3, 94));
    b.zahlen(fall.überschritten);
    b.ende();
    b.ende();
    b.bei(linkerRand, reihe(99, '_'));
    b.ende();
    b.ende();
}

// One rule block: share, span, creditable periods (rows of 0/0/0 left out), sum, remainder, postponement.
void regelblock(Blatt& b, const Fall& fall, const Regelblock& r) {
    Druckauftrag& a = b.auftrag();
    b.schrift(12, true);
    if (r.eigeneTrennlinie) {
        b.bei(linkerRand, reihe(99, '_'));
        b.ende();
        b.ende();
    }
    b.bei(linkerRand, schnitt(r.anteil, r.anteilZeichen));
    b.zahlen(r.zeilen[0]);
    b.ende();
    b.ende();

    a.yVerschieben(-200);
    const Zeitraum erster = zeitraum(r.ersteZeile);
    b.bei(linkerRand, fall.datum[erster.spanBeginn] + "  bis  " + fall.datum[erster.spanEnde]);
    b.bei(zeitenspalte, "Anrechenbare Zeiten");
    b.ende();
    b.schrift(8, false);
    b.bei(zeitenspalte,
          "(1. Zeiten mit Dienstbezügen, 2. Kinderbetreuung, 3. Beurlaubung, die öffentl. Interessen dient)");
    b.ende();
    b.schrift(12, false);
    a.yVerschieben(-50);
    b.bei(linkerRand, reihe(99, '_'));
    b.ende();
    a.yVerschieben(-200);
    b.ende();

    for (int zeile = r.ersteZeile; zeile < r.ersteZeile + 4; ++zeile) {
        const Zeitraum z = zeitraum(zeile);
        const Zeitspanne& dauer = länge(fall, z);
        if (dauer == Zeitspanne{}) continue;
        b.bei(linkerRand, fall.datum[z.beginn] + "   bis   " + fall.datum[z.ende]);
        b.bei(zeitenspalte, fall.eingabe[z.eingabe]);
        b.zahlen(dauer);
        b.ende();
    }

    a.yVerschieben(-200);
    b.ende();
    b.schrift(12, true);
    b.bei(zeitenspalte, reihe(73, '_'));
    b.ende();
    b.schrift(12, false);
    a.yVerschieben(100);
    b.bei(zeitenspalte, schnitt(r.summe, 76));
    b.zahlen(r.zeilen[5]);
    b.ende();
    b.bei(zeitenspalte, schnitt(r.rest, 72));
    b.zahlen(r.zeilen[6]);
    b.ende();
    b.bei(zeitenspalte, "Das BDA wird um     ");
    a.fettSetzen(true);
    a.drucke(r.regelwort);
    a.fettSetzen(false);
    a.drucke("     davon hinausgeschoben . . .");
    a.fettSetzen(true);
    b.zahlen(r.zeilen[7]);
    b.ende();
    b.bei(spalteTage, reihe(20, '='));
    b.ende();
}

// Result: the total postponement (its days struck through, as only months and years count) and the
// regular BDA moved to the resulting one.
void blockE(Blatt& b, const Fall& fall) {
    Druckauftrag& a = b.auftrag();
    b.schrift(12, true);
    b.bei(linkerRand, reihe(99, '_'));
    b.ende();
    b.ende();
    b.bei(linkerRand, std::string(Beschriftung::text4) + "  B D A  " + schnitt(Beschriftung::text6, 66));
    b.bei(spalteTage, "(");
    a.durchgestrichenSetzen(true);
    a.drucke(std::to_string(fall.gesamt.tage));
    a.durchgestrichenSetzen(false);
    a.drucke(")");
    b.bei(spalteMonate, std::to_string(fall.gesamt.monate));
    b.bei(spalteJahre, std::to_string(fall.gesamt.jahre));
    b.ende();
    b.bei(linkerRand, "Das Regel-BDA  " + fall.datum[Feld::regelBDA] + "  wird somit auf  " +
                          fall.datum[Feld::bda] + "  hinausgeschoben.");
    b.bei(spalteTage, reihe(20, '='));
    b.ende();
    b.bei(6450, reihe(9, '='));
    b.ende();
}

}  // namespace

bool berechnungDrucken(const Fall& fall, Druckauftrag& auftrag) {
    Blatt b(auftrag);
    auftrag.ausrichtungSetzen(Seitenausrichtung::querformat);
    auftrag.fettSetzen(false);
    auftrag.schriftartSetzen("arial");
    auftrag.größeSetzen(10);

    blockA(b, fall);
    blockB(b, fall);
    if (fall.rahmen1Sichtbar) {
        regelblock(b, fall,
                   {.eigeneTrennlinie = false,
                    .anteil = Beschriftung::label9,
                    .anteilZeichen = 104,
                    .ersteZeile = 1,
                    .zeilen = fall.rahmen1,
                    .summe = Beschriftung::label5,
                    .rest = Beschriftung::label2_0,
                    .regelwort = "ein Viertel"});
    }
    b.schrift(12, true);
    b.ende();
    if (fall.rahmen2Sichtbar) {
        regelblock(b, fall,
                   {.eigeneTrennlinie = true,
                    .anteil = fall.label10,
                    .anteilZeichen = 106,
                    .ersteZeile = 5,
                    .zeilen = fall.rahmen2,
                    .summe = Beschriftung::label4,
                    .rest = Beschriftung::label2_1,
                    .regelwort = "die Hälfte "});
    }
    blockE(b, fall);
    return auftrag.dokumentBeenden();
}

}  // namespace bda::druck
