#include "Stufenbescheid.h"

#include <string>
#include <vector>

#include "Briefteile.h"
#include "Datumstext.h"
#include "Fliesstext.h"
#include "Stufentexte.h"
#include "Zeichen.h"

namespace bda::druck {

namespace {

using std::chrono::year_month_day;

constexpr double twipsJeMillimeter = 1440 / 25.4;
// The text ends 20 mm before the sheet's right edge (DIN 5008).
constexpr double textendeMillimeter = 190;
// The notice's text in Arial 11, the letterhead, headings and address in 12 as on the BDA notice.
constexpr double textgröße = 11;
// The values of the decision's table, from the text's start, and the distance of their columns.
constexpr double wertspalte = 55 * twipsJeMillimeter;
constexpr double wertabstand = 36 * twipsJeMillimeter;

// The name a salutation uses: the titles "Dr." and "Prof." kept, then the surname, the last word with
// the particles in lower case before it ("von Bülow"); of "Mustermann, Erika" the part before the comma.
std::string nachname(std::string_view name) {
    name = getrimmt(name);
    if (const auto komma = name.find(','); komma != std::string_view::npos) {
        return std::string(getrimmt(name.substr(0, komma)));
    }
    std::vector<std::string_view> wörter;
    for (std::string_view rest = name; !rest.empty();) {
        const auto ende = std::min(rest.find(' '), rest.size());
        if (ende > 0) wörter.push_back(rest.substr(0, ende));
        rest.remove_prefix(std::min(ende + 1, rest.size()));
    }
    if (wörter.empty()) return {};
    const auto istTitel = [](std::string_view wort) {
        return (wort.starts_with("Dr") || wort.starts_with("Prof")) &&
               wort.find('.') != std::string_view::npos;
    };
    std::size_t anfang = wörter.size() - 1;
    while (anfang > 0 && !istTitel(wörter[anfang - 1]) && wörter[anfang - 1][0] >= 'a' &&
           wörter[anfang - 1][0] <= 'z') {
        --anfang;
    }
    std::string ergebnis;
    for (std::size_t i = 0; i < wörter.size(); ++i) {
        if (i < anfang && !istTitel(wörter[i])) continue;
        if (!ergebnis.empty()) ergebnis += ' ';
        ergebnis += wörter[i];
    }
    return ergebnis;
}

// "Sehr geehrte Frau Mustermann," for the salutation the address names; without one the whole name.
std::string grußzeile(const Bescheiddaten& d, std::string_view name) {
    const std::string nach = nachname(name);
    if (nach.empty()) return "Sehr geehrte Damen und Herren,";
    const std::string_view code = d.anrede.text();
    if (code == "b") return "Sehr geehrter Herr " + nach + ",";
    if (code == "c") return "Sehr geehrte Frau " + nach + ",";
    if (code == "d") return "Sehr geehrtes Fräulein " + nach + ",";
    return "Guten Tag " + std::string(getrimmt(name)) + ",";
}

std::string zahlwort(int n) {
    static const char* const wörter[] = {"null",   "einem", "zwei", "drei", "vier", "fünf", "sechs",
                                         "sieben", "acht",  "neun", "zehn", "elf",  "zwölf"};
    return n >= 0 && n <= 12 ? wörter[n] : std::to_string(n);
}

// "zwei Jahren in der Stufe 1, jeweils drei Jahren in den Stufen 2 bis 4 und jeweils vier Jahren in den
// Stufen 5 bis 7": neighbouring steps of the same length as one group.
std::string laufzeitentext(const std::vector<int>& jahre) {
    std::vector<std::string> gruppen;
    for (std::size_t von = 0; von < jahre.size();) {
        std::size_t bis = von;
        while (bis + 1 < jahre.size() && jahre[bis + 1] == jahre[von]) ++bis;
        const std::string dauer = zahlwort(jahre[von]) + (jahre[von] == 1 ? " Jahr" : " Jahren");
        gruppen.push_back(von == bis ? dauer + " in der Stufe " + std::to_string(von + 1)
                                     : "jeweils " + dauer + " in den Stufen " + std::to_string(von + 1) +
                                           " bis " + std::to_string(bis + 1));
        von = bis + 1;
    }
    std::string text;
    for (std::size_t i = 0; i < gruppen.size(); ++i) {
        text += (i == 0 ? "" : i + 1 == gruppen.size() ? " und " : ", ") + gruppen[i];
    }
    return text;
}

class Bescheidtext {
   public:
    Bescheidtext(Druckauftrag& a, double x) : a_(a), x_(x) {
        breite_ = textendeMillimeter * twipsJeMillimeter - a.randLinks() - x;
    }

    void überschrift(std::string_view text) {
        a_.größeSetzen(12);
        a_.fettSetzen(true);
        links(a_, kopfspalte, text);
        a_.zeilenende();
        a_.fettSetzen(false);
        a_.größeSetzen(textgröße);
        a_.yVerschieben(a_.zeilenhöhe() / 2);
    }
    void absatz(const std::vector<Lauf>& läufe) {
        druck::absatz(a_, x_, breite_, läufe);
        a_.yVerschieben(a_.zeilenhöhe() / 3);
    }
    // A line of the decision's table: what at the text's start, then the values bold in columns.
    void zeile(std::string_view was, const std::vector<std::string>& werte) {
        if (!was.empty()) {
            a_.xSetzen(x_);
            a_.drucke(was);
        }
        a_.fettSetzen(true);
        for (std::size_t i = 0; i < werte.size(); ++i) {
            a_.xSetzen(x_ + wertspalte + static_cast<double>(i) * wertabstand);
            a_.drucke(werte[i]);
        }
        a_.fettSetzen(false);
        a_.zeilenende();
    }

   private:
    Druckauftrag& a_;
    double x_;
    double breite_ = 0;
};

void entscheidung(Bescheidtext& t, Druckauftrag& a, const Stufenfall& fall, const Stufenergebnis& e) {
    const year_month_day ernennung = *datumAusText(fall.ernennung);
    const year_month_day monatserster = ernennung.year() / ernennung.month() / 1;
    t.absatz({{"mit Ihrer Ernennung am " + kurzdatum(ernennung) + " in ein Amt der Besoldungsgruppe " +
               amtsname(fall.amt) + " wird Ihr Grundgehalt mit Wirkung vom " + kurzdatum(monatserster) +
               " wie folgt festgesetzt:"}});
    t.zeile("Stufe am Tag der Ernennung", {"Stufe " + std::to_string(e.beiErnennung)});
    t.zeile("Stufe 1 mit Wirkung vom", {kurzdatum(e.stufe1)});
    // The later steps three to a line, in the order they follow.
    std::vector<std::string> spätere;
    for (std::size_t i = static_cast<std::size_t>(e.beiErnennung); i < e.stufen.size(); ++i) {
        spätere.push_back(std::to_string(i + 1) + " am " + kurzdatum(e.stufen[i]));
    }
    if (spätere.empty())
        t.zeile("Aufstieg in weitere Stufen",
                {"keiner, Stufe " + std::to_string(e.beiErnennung) + " ist die Endstufe"});
    for (std::size_t i = 0; i < spätere.size(); i += 3) {
        std::vector<std::string> werte(
            spätere.begin() + static_cast<std::ptrdiff_t>(i),
            spätere.begin() + static_cast<std::ptrdiff_t>(std::min(i + 3, spätere.size())));
        t.zeile(i == 0 ? "Aufstieg in die Stufe" : "", werte);
    }
    a.yVerschieben(a.zeilenhöhe() / 3);
    if (static_cast<std::size_t>(e.beiErnennung) < e.stufen.size()) {
        t.absatz(
            {{"Der Aufstieg setzt Leistungen voraus, die den Anforderungen des Amtes entsprechen (§ 27 Abs. "
              "4 "
              "BBesG); Zeiten ohne Anspruch auf Dienstbezüge verzögern ihn (§ 27 Abs. 3 Satz 3 BBesG)."}});
    }
}

void begründung(Bescheidtext& t, const Stufenfall& fall, const Stufenergebnis& e) {
    const std::string beginn =
        "Die Stufe 1 beginnt mit dem Ersten des Monats, in dem die Ernennung wirksam wird (§ 27 Abs. 2 "
        "BBesG)";
    const std::string stufe1 = kurzdatum(e.stufe1);
    if (e.anerkanntMonate == 0) {
        t.absatz({{beginn + ", also mit Wirkung vom "},
                  {stufe1, true},
                  {"; Erfahrungszeiten nach § 28 BBesG sind nicht anzuerkennen."}});
    } else {
        const std::string gerundet = e.anerkannt.tage == 0
                                         ? ""
                                         : ", auf volle Monate aufgerundet (§ 28 Abs. 4 Satz 2 BBesG) " +
                                               monatstext(e.anerkanntMonate);
        t.absatz({{beginn +
                   ", vorverlegt um die anerkannten Erfahrungszeiten (§ 28 BBesG). Diese betragen "
                   "insgesamt " +
                   dauertext(e.anerkannt) + gerundet + ". Die Stufe 1 beginnt daher mit Wirkung vom "},
                  {stufe1, true},
                  {"."}});
    }

    const bool einfach = fall.einfacherDienst;
    t.absatz({{"Das Grundgehalt steigt nach " +
               laufzeitentext(einfach ? bundesregeln.laufzeitEinfach : bundesregeln.laufzeitJahre) +
               (einfach ? " (§ 27 Abs. 3 Satz 1 und 2 BBesG, einfacher Dienst)."
                        : " (§ 27 Abs. 3 Satz 1 BBesG).")}});

    if (e.verzögerung.inTagen() > 0) {
        std::string text = "Zeiten ohne Anspruch auf Dienstbezüge (§ 27 Abs. 3 Satz 3 BBesG) betragen " +
                           dauertext(e.verzögerung);
        if (e.verzögerungMonate == 0) {
            text +=
                "; auf volle Monate abgerundet (§ 27 Abs. 3 Satz 4 BBesG) bleibt kein Monat, der Aufstieg "
                "verzögert sich daher nicht.";
        } else {
            if (e.verzögerung.tage != 0) {
                text += ", auf volle Monate abgerundet (§ 27 Abs. 3 Satz 4 BBesG) " +
                        monatstext(e.verzögerungMonate);
            }
            text +=
                "; um sie verzögert sich der Aufstieg in jede Stufe, die nach ihrem Beginn erreicht wird.";
        }
        t.absatz({{text}});
    }
    t.absatz(
        {{"Die einzelnen Zeiten, ihre Anrechnung und die Gründe, aus denen eine Zeit nicht oder nicht voll "
          "zählt, zeigt die beigefügte Berechnung."}});
}

}  // namespace

bool stufenbescheidDrucken(const Stufenfall& fall, const Stufenergebnis& ergebnis,
                           const Bescheiddaten& bescheid, std::string_view name, std::string_view belehrung,
                           std::chrono::year_month_day heute, Druckauftrag& auftrag) {
    Druckauftrag& a = auftrag;
    briefkopf(a, bescheid, name, heute);
    // The text begins where the address does.
    const double textx = (textspalte - 1) * a.zeichenbreite();
    a.zeilenende();
    Bescheidtext t(a, textx);

    t.überschrift("Festsetzung der Erfahrungsstufe");
    a.xSetzen(textx);
    a.drucke(grußzeile(bescheid, name));
    a.zeilenende();
    a.zeilenende();
    entscheidung(t, a, fall, ergebnis);
    t.überschrift("Begründung");
    begründung(t, fall, ergebnis);
    a.zeilenende();

    rechtsbehelfsbelehrung(a, bescheid, belehrung);
    unterschriften(a, bescheid);
    return a.dokumentBeenden();
}

bool stufenbescheidPasstAufEineSeite(const Stufenfall& fall, const Stufenergebnis& ergebnis,
                                     const Bescheiddaten& bescheid, std::string_view name,
                                     std::string_view belehrung) {
    return passtAufEineSeite([&](Druckauftrag& a) {
        stufenbescheidDrucken(fall, ergebnis, bescheid, name, belehrung, std::chrono::year{2000} / 1 / 1, a);
    });
}

}  // namespace bda::druck
