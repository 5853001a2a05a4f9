#include "Stufenblatt.h"

#include <algorithm>
#include <string>
#include <vector>

#include "Briefteile.h"
#include "Datumstext.h"
#include "Fliesstext.h"
#include "Mengenangabe.h"
#include "Stufentexte.h"
#include "Zeichen.h"

namespace bda::druck {

namespace {

using std::chrono::year_month_day;

constexpr double schrift = 9;  // the table and its notes
constexpr double linkerRand = 400;
constexpr double rechterRand = 15870;  // the last twip a text may reach, 10 mm inside landscape A4
constexpr double abstand = 150;        // between the columns of a row

// A column of texts: from x, `breite` twips wide.
struct Spalte {
    double x;
    double breite;
};
constexpr Spalte nummer{linkerRand, 400};
constexpr Spalte zeitraum{900, 2150};
constexpr Spalte art{3150, 3150};
constexpr Spalte vorschrift{6400, 2450};
constexpr Spalte gründe{12600, rechterRand - 12600};
// The three lengths, each as years, months and days right-aligned at these right edges.
constexpr double längenbeginn[] = {8900, 10150, 11400};
constexpr double zahlbreite = 350;

// The step table: a caption column, then one column a step.
constexpr double stufenbeschriftung = linkerRand;
constexpr double stufenspalte = 3100;
constexpr double stufenbreite = 1500;

class Blatt {
   public:
    Blatt(Druckauftrag& a, const Stufenfall& fall, const Bescheiddaten& d, std::string_view name,
          std::chrono::year_month_day heute)
        : a_(a), fall_(fall), d_(d), name_(name), heute_(heute) {}

    Druckauftrag& auftrag() { return a_; }

    // The sheet's heading: on its first page with the notice it belongs to, on a later one as its
    // continuation.
    void kopf() {
        const bool erste = !begonnen_;
        begonnen_ = true;
        a_.größeSetzen(12);
        a_.fettSetzen(true);
        bei(linkerRand,
            erste ? "Berechnung der Erfahrungsstufe" : "Berechnung der Erfahrungsstufe (Fortsetzung)");
        a_.fettSetzen(false);
        const std::string seite = "Seite " + std::to_string(a_.seite());
        bei(rechterRand - a_.textbreite(seite), seite);
        a_.zeilenende();
        a_.größeSetzen(schrift);
        if (erste) {
            std::string anlage = "Anlage zum Bescheid vom " + briefdatum(d_, heute_);
            if (!d_.geschäftszeichen.istLeer()) {
                anlage += ", Geschäftszeichen " + std::string(getrimmt(d_.geschäftszeichen.text()));
            }
            const std::string_view behörde = getrimmt(d_.behörde.kopfzeile1.text());
            if (!behörde.empty()) anlage += " (" + std::string(behörde) + ")";
            zeilenweise(linkerRand, rechterRand - linkerRand, anlage);
        }
        std::string wer = std::string(getrimmt(name_));
        wer += std::string(wer.empty() ? "" : ", ") + "Besoldungsgruppe " + amtsname(fall_.amt) +
               (fall_.einfacherDienst ? ", einfacher Dienst" : "") + ", Ernennung am " +
               datumstext(fall_.ernennung) + "; Stufenregeln " + std::string(bundesregeln.name);
        zeilenweise(linkerRand, rechterRand - linkerRand, wer);
        a_.zeilenende();
    }

    // Room for `höhe` twips below y, else a new page with the sheet's heading, not bold after it.
    void platz(double höhe) {
        if (a_.y() + höhe <= a_.seitenhöhe()) return;
        a_.seitenumbruch();
        kopf();
    }

    void bei(double x, std::string_view text) {
        a_.xSetzen(x);
        a_.drucke(text);
    }
    void rechtsbündig(double rechts, std::string_view text) { bei(rechts - a_.textbreite(text), text); }
    // The text in lines of the width from x, each line ended.
    void zeilenweise(double x, double breite, std::string_view text) {
        for (const std::string& zeile : umbrechen(a_, text, breite)) {
            bei(x, zeile);
            a_.zeilenende();
        }
    }

   private:
    Druckauftrag& a_;
    const Stufenfall& fall_;
    const Bescheiddaten& d_;
    std::string_view name_;
    std::chrono::year_month_day heute_;
    bool begonnen_ = false;
};

// The cells of a row, each its lines; the row is as high as its longest cell.
struct Zelle {
    double x;
    std::vector<std::string> zeilen;
    bool rechtsbündig = false;
};

void zeileDrucken(Blatt& b, const std::vector<Zelle>& zellen) {
    Druckauftrag& a = b.auftrag();
    std::size_t höhe = 1;
    for (const Zelle& z : zellen) höhe = std::max(höhe, z.zeilen.size());
    const double oben = a.y();
    for (const Zelle& z : zellen) {
        a.yVerschieben(oben - a.y());
        for (const std::string& text : z.zeilen) {
            if (z.rechtsbündig) {
                b.rechtsbündig(z.x, text);
            } else {
                b.bei(z.x, text);
            }
            a.zeilenende();
        }
    }
    a.yVerschieben(oben + static_cast<double>(höhe) * a.zeilenhöhe() - a.y());
    a.xSetzen(0);
}

std::size_t zeilenzahl(const std::vector<Zelle>& zellen) {
    std::size_t höhe = 1;
    for (const Zelle& z : zellen) höhe = std::max(höhe, z.zeilen.size());
    return höhe;
}

// Years, months and days of a length in the three number columns of group `gruppe`.
void länge(std::vector<Zelle>& zellen, int gruppe, const Zeitspanne& spanne) {
    const double anfang = längenbeginn[gruppe];
    const int werte[] = {spanne.jahre, spanne.monate, spanne.tage};
    for (int i = 0; i < 3; ++i) {
        zellen.push_back({anfang + (i + 1) * zahlbreite, {std::to_string(werte[i])}, true});
    }
}

void tabellenkopf(Blatt& b) {
    Druckauftrag& a = b.auftrag();
    a.fettSetzen(true);
    std::vector<Zelle> kopf = {{nummer.x + nummer.breite, {"Nr."}, true},
                               {zeitraum.x, {"Zeitraum"}},
                               {art.x, {"Art der Zeit"}},
                               {vorschrift.x, {"Vorschrift"}},
                               {gründe.x, {"Gründe für eine kürzere Anrechnung"}}};
    const char* const gruppen[] = {"Länge", "anerkannt", "verzögert"};
    for (int g = 0; g < 3; ++g) {
        kopf.push_back({längenbeginn[g] + 3 * zahlbreite, {gruppen[g]}, true});
        const char* const einheiten[] = {"J", "M", "T"};
        for (int i = 0; i < 3; ++i)
            kopf.push_back({längenbeginn[g] + (i + 1) * zahlbreite, {"", einheiten[i]}, true});
    }
    zeileDrucken(b, kopf);
    a.fettSetzen(false);
    a.yVerschieben(a.zeilenhöhe() / 3);
}

std::vector<Zelle> zeitraumzeile(Druckauftrag& a, std::size_t i, const Stufenzeitraum& z,
                                 const Zeitraumergebnis& r) {
    const Zeitartangabe& angabeZurArt = angabe(z.art);
    std::vector<std::string> arttext = umbrechen(a, angabeZurArt.bezeichnung, art.breite);
    const auto dazu = [&](const std::string& text) {
        for (std::string& zeile : umbrechen(a, text, art.breite)) arttext.push_back(std::move(zeile));
    };
    if (angabeZurArt.jePerson && !getrimmt(z.person).empty()) {
        dazu("betreute Person: " + std::string(getrimmt(z.person)));
    }
    if (z.art == Zeitart::förderlich && z.anerkannt) dazu("als förderlich anerkannt");
    if (!getrimmt(z.beschreibung).empty()) dazu(std::string(getrimmt(z.beschreibung)));

    std::vector<std::string> grundtext;
    for (const Kürzung k : r.gründe) {
        for (std::string& zeile : umbrechen(a, kürzungstext(k, z.art, bundesregeln), gründe.breite)) {
            grundtext.push_back(std::move(zeile));
        }
    }
    std::vector<Zelle> zellen = {
        {nummer.x + nummer.breite, {std::to_string(i + 1)}, true},
        {zeitraum.x, umbrechen(a, datumstext(z.beginn) + " – " + datumstext(z.ende), zeitraum.breite)},
        {art.x, arttext},
        {vorschrift.x, umbrechen(a, angabeZurArt.vorschrift, vorschrift.breite)},
        {gründe.x, grundtext},
    };
    länge(zellen, 0, r.länge);
    länge(zellen, 1, r.angerechnet);
    länge(zellen, 2, r.verzögerung);
    return zellen;
}

void zeiträume(Blatt& b, const Stufenfall& fall, const Stufenergebnis& e) {
    Druckauftrag& a = b.auftrag();
    tabellenkopf(b);
    const double kopfhöhe = 2 * a.zeilenhöhe() + a.zeilenhöhe() / 3;
    if (fall.zeiträume.empty()) {
        b.bei(art.x, "keine Zeiten angegeben");
        a.zeilenende();
    }
    for (std::size_t i = 0; i < fall.zeiträume.size() && i < e.zeiträume.size(); ++i) {
        const std::vector<Zelle> zellen = zeitraumzeile(a, i, fall.zeiträume[i], e.zeiträume[i]);
        const double höhe = static_cast<double>(zeilenzahl(zellen)) * a.zeilenhöhe();
        if (a.y() + höhe > a.seitenhöhe()) {
            b.platz(höhe + kopfhöhe);
            tabellenkopf(b);
        }
        zeileDrucken(b, zellen);
        a.yVerschieben(a.zeilenhöhe() / 4);
    }

    // The sums before and after rounding, under the columns they add up.
    const auto inMonaten = [](int monate) { return Zeitspanne{0, monate % 12, monate / 12}; };
    std::vector<Zelle> summe = {{art.x, {"Summe"}}};
    länge(summe, 1, e.anerkannt);
    länge(summe, 2, e.verzögerung);
    const std::string monate = anzahl(e.anerkanntMonate, "Monat", "Monate") + " anerkannt, " +
                               anzahl(e.verzögerungMonate, "Monat", "Monate") + " Verzögerung";
    std::vector<Zelle> gerundet = {
        {art.x,
         umbrechen(a,
                   "auf volle Monate gerundet: die anerkannte Zeit aufgerundet (§ 28 Abs. 4 S. 2 BBesG), "
                   "die Verzögerung abgerundet (§ 27 Abs. 3 S. 4 BBesG)",
                   längenbeginn[0] - art.x)},
        {gründe.x, umbrechen(a, monate, gründe.breite)},
    };
    länge(gerundet, 1, inMonaten(e.anerkanntMonate));
    länge(gerundet, 2, inMonaten(e.verzögerungMonate));
    // On a page of their own the sums get the table's head, which names their columns.
    const double summenhöhe =
        static_cast<double>(1 + zeilenzahl(gerundet)) * a.zeilenhöhe() + a.zeilenhöhe() / 4;
    if (a.y() + summenhöhe > a.seitenhöhe()) {
        b.platz(summenhöhe + kopfhöhe);
        tabellenkopf(b);
    }
    a.yVerschieben(a.zeilenhöhe() / 4);
    a.fettSetzen(true);
    zeileDrucken(b, summe);
    a.fettSetzen(false);
    zeileDrucken(b, gerundet);
}

void stufen(Blatt& b, const Stufenfall& fall, const Stufenergebnis& e) {
    Druckauftrag& a = b.auftrag();
    const std::vector<int>& jahre =
        fall.einfacherDienst ? bundesregeln.laufzeitEinfach : bundesregeln.laufzeitJahre;
    const year_month_day ernennung = *datumAusText(fall.ernennung);
    const std::string monatserster = kurzdatum(ernennung.year() / ernennung.month() / 1);
    std::string stufe1 = "Stufe 1 mit Wirkung vom " + kurzdatum(e.stufe1);
    if (e.anerkanntMonate == 0) {
        stufe1 += ", dem Ersten des Ernennungsmonats (keine anerkannte Erfahrungszeit)";
    } else {
        stufe1 += ": der Erste des Ernennungsmonats, " + monatserster + ", vorverlegt um " +
                  anzahl(e.anerkanntMonate, "Monat", "Monate") +
                  (e.anerkanntMonate >= 12 ? " (" + monatstext(e.anerkanntMonate) + ")" : "") +
                  " anerkannter Erfahrungszeit";
    }
    stufe1 += ". Am Tag der Ernennung, dem " + kurzdatum(ernennung) + ", gilt Stufe " +
              std::to_string(e.beiErnennung) + ".";
    a.fettSetzen(true);
    const std::vector<std::string> kopf = umbrechen(a, stufe1, rechterRand - linkerRand);
    a.fettSetzen(false);
    const bool verzögert = e.verzögerungMonate > 0;
    b.platz(static_cast<double>(kopf.size() + 5 + (verzögert ? 2 : 0)) * a.zeilenhöhe());
    a.zeilenende();
    a.fettSetzen(true);
    for (const std::string& zeile : kopf) {
        b.bei(linkerRand, zeile);
        a.zeilenende();
    }
    a.fettSetzen(false);
    a.yVerschieben(a.zeilenhöhe() / 3);

    const std::string beschriftungen[] = {"Stufe", "ab", "Erfahrungszeit in der Stufe"};
    for (int reihe = 0; reihe < 3; ++reihe) {
        b.bei(stufenbeschriftung, beschriftungen[reihe]);
        for (std::size_t i = 0; i < e.stufen.size(); ++i) {
            const bool erreicht = static_cast<int>(i + 1) == e.beiErnennung;
            a.fettSetzen(erreicht);
            std::string text;
            if (reihe == 0) text = std::to_string(i + 1);
            if (reihe == 1) text = kurzdatum(e.stufen[i]);
            if (reihe == 2) text = i < jahre.size() ? anzahl(jahre[i], "Jahr", "Jahre") : "Endstufe";
            b.bei(stufenspalte + static_cast<double>(i) * stufenbreite, text);
            a.fettSetzen(false);
        }
        a.zeilenende();
    }
    if (verzögert) {
        a.yVerschieben(a.zeilenhöhe() / 3);
        b.zeilenweise(
            linkerRand, rechterRand - linkerRand,
            "Jede Stufe, die nach dem Beginn einer Zeit ohne Anspruch auf Dienstbezüge erreicht wird, "
            "beginnt um diese Zeit später (§ 27 Abs. 3 Satz 3 BBesG).");
    }
}

void hinweise(Blatt& b, const Stufenergebnis& e) {
    if (e.hinweise.empty()) return;
    Druckauftrag& a = b.auftrag();
    const double einzug = 250;
    std::vector<std::vector<std::string>> absätze;
    for (const std::string& hinweis : e.hinweise) {
        absätze.push_back(umbrechen(a, hinweis, rechterRand - linkerRand - einzug));
    }
    b.platz(static_cast<double>(2 + absätze.front().size()) * a.zeilenhöhe());
    a.zeilenende();
    a.fettSetzen(true);
    b.bei(linkerRand, "Hinweise");
    a.fettSetzen(false);
    a.zeilenende();
    for (const auto& zeilen : absätze) {
        b.platz(static_cast<double>(zeilen.size()) * a.zeilenhöhe());
        b.bei(linkerRand, "–");
        for (const std::string& zeile : zeilen) {
            b.bei(linkerRand + einzug, zeile);
            a.zeilenende();
        }
    }
}

}  // namespace

bool stufenblattDrucken(const Stufenfall& fall, const Stufenergebnis& ergebnis, const Bescheiddaten& bescheid,
                        std::string_view name, std::chrono::year_month_day heute, Druckauftrag& auftrag) {
    auftrag.ausrichtungSetzen(Seitenausrichtung::querformat);
    auftrag.schriftartSetzen("arial");
    auftrag.fettSetzen(false);
    Blatt b(auftrag, fall, bescheid, name, heute);
    auftrag.zeilenende();
    b.kopf();
    zeiträume(b, fall, ergebnis);
    stufen(b, fall, ergebnis);
    hinweise(b, ergebnis);
    return auftrag.dokumentBeenden();
}

}  // namespace bda::druck
