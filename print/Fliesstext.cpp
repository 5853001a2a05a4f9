#include "Fliesstext.h"

#include <algorithm>

#include "Zeichen.h"

namespace bda::druck {

namespace {

// Whether no line may end between two words: inside a citation ("(§ 27 Abs. 3 Satz 4 BBesG)"), between
// a number and what it counts ("4 Jahre"), in "Stufen 2 bis 4".
bool gebunden(std::string_view wort, std::string_view nächstes) {
    constexpr std::string_view davor[] = {"§", "§§", "Abs.", "Satz", "S.", "Nr.", "Stufe", "Stufen", "bis"};
    constexpr std::string_view danach[] = {"Abs.", "Satz", "S.", "Nr."};
    constexpr std::string_view gezählt[] = {"Jahr", "Monat", "Tag", "bis"};
    const auto in = [](std::string_view w, const auto& liste) {
        return std::ranges::find(liste, w) != std::end(liste);
    };
    if (wort.starts_with('(')) wort.remove_prefix(1);
    const bool zahl = !wort.empty() && wort.find_first_not_of("0123456789") == std::string_view::npos;
    const bool zählt =
        std::ranges::any_of(gezählt, [&](std::string_view w) { return nächstes.starts_with(w); });
    return (zahl && zählt) || in(wort, davor) || in(nächstes, danach) || nächstes.starts_with("BBesG");
}

// The words of a text, split at blanks; words bound to each other stay one, with one blank inside.
std::vector<std::string> wörter(std::string_view text) {
    std::vector<std::string> ergebnis;
    std::string_view letztes;
    while (!text.empty()) {
        const auto anfang = text.find_first_not_of(' ');
        if (anfang == std::string_view::npos) break;
        text.remove_prefix(anfang);
        const auto ende = std::min(text.find(' '), text.size());
        const std::string_view wort = text.substr(0, ende);
        if (!ergebnis.empty() && gebunden(letztes, wort)) {
            ergebnis.back() += " " + std::string(wort);
        } else {
            ergebnis.emplace_back(wort);
        }
        letztes = wort;
        text.remove_prefix(ende);
    }
    return ergebnis;
}

// The longest start of `wort` that fits `breite`, at least one character.
std::string_view passenderAnfang(const Druckauftrag& a, std::string_view wort, double breite) {
    std::string_view anfang = ersteZeichen(wort, 1);
    for (std::size_t n = 2; n < zeichenzahl(wort); ++n) {
        const std::string_view länger = ersteZeichen(wort, n);
        if (a.textbreite(länger) > breite) break;
        anfang = länger;
    }
    return anfang;
}

// A word of a paragraph: pieces of one weight each, joined without a blank.
using Wort = std::vector<Lauf>;

std::string klartext(const Wort& wort) {
    std::string text;
    for (const Lauf& stück : wort) text += stück.text;
    return text;
}

std::vector<Wort> wörter(const std::vector<Lauf>& läufe) {
    std::vector<Wort> ergebnis;
    bool neuesWort = true;
    for (const Lauf& lauf : läufe) {
        std::string_view rest = lauf.text;
        while (!rest.empty()) {
            if (rest.front() == ' ') {
                neuesWort = true;
                rest.remove_prefix(1);
                continue;
            }
            const auto ende = std::min(rest.find(' '), rest.size());
            if (neuesWort || ergebnis.empty()) ergebnis.emplace_back();
            ergebnis.back().push_back({std::string(rest.substr(0, ende)), lauf.fett});
            neuesWort = false;
            rest.remove_prefix(ende);
        }
    }
    // Words bound to each other become one, joined by a blank.
    std::vector<Wort> gebundene;
    std::string letztes;
    for (Wort& wort : ergebnis) {
        std::string text = klartext(wort);
        if (!gebundene.empty() && gebunden(letztes, text)) {
            gebundene.back().back().text += ' ';
            gebundene.back().insert(gebundene.back().end(), wort.begin(), wort.end());
        } else {
            gebundene.push_back(std::move(wort));
        }
        letztes = std::move(text);
    }
    return gebundene;
}

// The words as pieces to print: neighbours of one weight merged, the blank between two words in the
// weight of the piece before it.
std::vector<Lauf> zeilenläufe(const std::vector<Wort>& zeile) {
    std::vector<Lauf> ergebnis;
    for (std::size_t i = 0; i < zeile.size(); ++i) {
        if (i > 0) ergebnis.back().text += ' ';
        for (const Lauf& stück : zeile[i]) {
            if (!ergebnis.empty() && ergebnis.back().fett == stück.fett) {
                ergebnis.back().text += stück.text;
            } else {
                ergebnis.push_back(stück);
            }
        }
    }
    return ergebnis;
}

double breiteVon(Druckauftrag& a, const std::vector<Lauf>& läufe) {
    double summe = 0;
    for (const Lauf& lauf : läufe) {
        a.fettSetzen(lauf.fett);
        summe += a.textbreite(lauf.text);
    }
    a.fettSetzen(false);
    return summe;
}

void druckeZeile(Druckauftrag& a, double x, const std::vector<Wort>& zeile) {
    a.xSetzen(x);
    for (const Lauf& lauf : zeilenläufe(zeile)) {
        a.fettSetzen(lauf.fett);
        a.drucke(lauf.text);
    }
    a.fettSetzen(false);
    a.zeilenende();
}

}  // namespace

std::vector<std::string> umbrechen(const Druckauftrag& a, std::string_view text, double breite) {
    std::vector<std::string> zeilen;
    std::string zeile;
    for (const std::string& wort : wörter(text)) {
        const std::string kandidat = zeile.empty() ? wort : zeile + " " + wort;
        if (a.textbreite(kandidat) <= breite) {
            zeile = kandidat;
            continue;
        }
        if (!zeile.empty()) zeilen.push_back(zeile);
        std::string_view rest = wort;
        while (zeichenzahl(rest) > 1 && a.textbreite(rest) > breite) {
            const std::string_view anfang = passenderAnfang(a, rest, breite);
            zeilen.emplace_back(anfang);
            rest.remove_prefix(anfang.size());
        }
        zeile = std::string(rest);
    }
    if (!zeile.empty()) zeilen.push_back(zeile);
    return zeilen;
}

void absatz(Druckauftrag& a, double x, double breite, const std::vector<Lauf>& läufe) {
    std::vector<Wort> zeile;
    for (const Wort& wort : wörter(läufe)) {
        zeile.push_back(wort);
        if (zeile.size() > 1 && breiteVon(a, zeilenläufe(zeile)) > breite) {
            zeile.pop_back();
            druckeZeile(a, x, zeile);
            zeile = {wort};
        }
    }
    if (!zeile.empty()) druckeZeile(a, x, zeile);
}

}  // namespace bda::druck
