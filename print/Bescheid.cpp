#include "Bescheid.h"

#include <QBuffer>
#include <QPdfWriter>
#include <algorithm>
#include <array>

#include "Behoerdenplatzhalter.h"
#include "Bescheiddaten.h"
#include "Eingangsamt.h"
#include "Fensteranschrift.h"
#include "FesterText.h"
#include "Mengenangabe.h"
#include "Zeichen.h"

namespace bda::druck {

namespace {

constexpr double rechteSpalte = 7000;
constexpr int kopfspalte = 8;
constexpr int textspalte = 12;
constexpr int belehrungsspalte = 17;

// The BBesG paragraph of each entry grade, followed by the blank before "wie folgt berechnet:".
constexpr std::array<std::string_view, Eingangsamt::anzahl> paragraphtexte = {
    "§ 28 BBesG ", "§ 28 BBesG ", "§ 36 BBesG ", "§ 36 BBesG ", "§ 38 BBesG ",
};

void zeilen(Druckauftrag& a, int anzahl) {
    for (int i = 0; i < anzahl; ++i) a.zeilenende();
}

void links(Druckauftrag& a, int spalte, std::string_view text) {
    a.zuSpalte(spalte);
    a.drucke(text);
}

void rechts(Druckauftrag& a, std::string_view text) {
    a.xSetzen(rechteSpalte);
    a.drucke(text);
}

std::string_view anrede(const FesterText<1>& code) {
    if (code.text() == "b") return "Herrn";
    if (code.text() == "c") return "Frau";
    if (code.text() == "d") return "Fräulein";
    return {};
}

void datumszeile(Druckauftrag& a, std::string_view text, const std::string& datum) {
    links(a, textspalte, text);
    rechts(a, datum);
    zeilen(a, 2);
}

void punkt5(Druckauftrag& a, const Fall& fall) {
    if (fall.gesamt.monate == 0 && fall.gesamt.jahre == 0) {
        links(a, textspalte, "5. Das Regel-BDA lt. Ziffer 3 ist nicht hinauszuschieben.");
        a.zeilenende();
        return;
    }
    links(a, textspalte, "5. Das Regel-BDA ist lt. Berechnung auf Seite 2 um");
    rechts(a, monateUndJahre(fall.gesamt.monate, fall.gesamt.jahre));
    a.zeilenende();
    a.xSetzen(1420);
    a.drucke("hinauszuschieben und beginnt somit am ");
    a.fettSetzen(true);
    rechts(a, fall.datum[Feld::bda]);
    a.zeilenende();
    a.fettSetzen(false);
}

// Each "$" ends a printed line through the move-to-column rule: the next piece starts at column 17 of
// the next line, while an empty piece leaves x at column 17 and so adds no line. A text ending in "$"
// leaves its last line open.
void belehrungstext(Druckauftrag& a, std::string_view belehrung) {
    std::string_view rest = getrimmt(belehrung);
    while (!getrimmt(rest).empty()) {
        const auto dollar = rest.find('$');
        a.zuSpalte(belehrungsspalte);
        if (dollar == std::string_view::npos) {
            a.drucke(rest);
            a.zeilenende();
            rest = {};
        } else {
            a.drucke(rest.substr(0, dollar));
            rest.remove_prefix(dollar + 1);
        }
    }
}

// The addressee in the window of the envelope, one line a part and no blank line between them; the
// service address stands at the right of the name and the first address line, outside the window.
void empfänger(Druckauftrag& a, const Fall& fall, std::string_view dienstanschrift) {
    const Bescheiddaten& d = fall.bescheid;
    const bool mitDienstanschrift = !getrimmt(dienstanschrift).empty();
    const std::pair<std::string_view, std::string_view> zeilen[] = {
        {anrede(d.anrede), {}},
        {fall.name, mitDienstanschrift ? "Dienstanschrift:" : ""},
        {d.anschrift1.text(), mitDienstanschrift ? dienstanschrift : ""},
        {d.anschrift2.text(), {}},
    };
    for (const auto& [text, daneben] : zeilen) {
        if (getrimmt(text).empty() && daneben.empty()) continue;
        links(a, textspalte, text);
        if (!daneben.empty()) rechts(a, daneben);
        a.zeilenende();
    }
}

}  // namespace

std::string kurzdatum(std::chrono::year_month_day datum) {
    const auto ziffern = [](int wert, std::size_t stellen) {
        const std::string text = std::to_string(wert);
        return std::string(stellen > text.size() ? stellen - text.size() : 0, '0') + text;
    };
    return ziffern(static_cast<int>(static_cast<unsigned>(datum.day())), 2) + "." +
           ziffern(static_cast<int>(static_cast<unsigned>(datum.month())), 2) + "." +
           ziffern(static_cast<int>(datum.year()), 4);
}

bool bescheidDrucken(const Fall& fall, std::string_view belehrung, std::chrono::year_month_day heute,
                     Druckauftrag& auftrag) {
    Druckauftrag& a = auftrag;
    const Bescheiddaten& d = fall.bescheid;
    const FesterText<20> bescheiddatum(getrimmt(d.bescheiddatum.text()));
    const FesterText<40> dienstanschrift(getrimmt(d.dienstanschrift.text()));

    a.ausrichtungSetzen(Seitenausrichtung::hochformat);
    a.fettSetzen(true);
    a.schriftartSetzen("arial");
    a.größeSetzen(12);

    zeilen(a, 2);
    links(a, kopfspalte, d.behörde.kopfzeile1.text());
    rechts(a, bescheiddatum.istLeer() ? kurzdatum(heute) : std::string(getrimmt(bescheiddatum.text())));
    a.zeilenende();
    links(a, kopfspalte, d.behörde.kopfzeile2.text());
    a.zeilenende();
    a.fettSetzen(false);
    if (!d.geschäftszeichen.istLeer()) {
        links(a, kopfspalte, "Geschäftszeichen: " + std::string(getrimmt(d.geschäftszeichen.text())));
    }
    anschriftfeldBeginnen(a, d.anschriftfeld, d.behörde, textspalte);
    empfänger(a, fall, dienstanschrift.text());
    anschriftfeldBeenden(a, d.anschriftfeld);
    a.zeilenende();

    a.fettSetzen(true);
    links(a, kopfspalte, "Festsetzung Ihres Besoldungsdienstalters");
    zeilen(a, 2);
    a.fettSetzen(false);
    links(a, textspalte, "Ihr Besoldungsdienstalter (BDA) wird mit Wirkung ab ");
    rechts(a, fall.datum[Feld::ernennung]);
    a.zeilenende();
    links(a, textspalte, "festgesetzt auf");
    a.fettSetzen(true);
    rechts(a, fall.datum[Feld::bda]);
    a.fettSetzen(false);
    a.drucke(".");
    zeilen(a, 3);

    a.fettSetzen(true);
    links(a, kopfspalte, "Begründung");
    a.zeilenende();
    a.fettSetzen(false);
    a.zeilenende();
    links(a, textspalte, "Das BDA wurde gemäß ");
    if (fall.amtswahl >= 0 && fall.amtswahl < Eingangsamt::anzahl) a.drucke(paragraphtexte[fall.amtswahl]);
    a.drucke("wie folgt berechnet:");
    zeilen(a, 2);
    datumszeile(a, "1. Geburtstag", fall.datum[Feld::geburtstag]);
    datumszeile(a, "2. Vollendung des 21. Lebensjahres", fall.datum[Feld::vollendung21]);
    datumszeile(a, "3. Regel-Besoldungsdienstalter", fall.datum[Feld::regelBDA]);
    datumszeile(a, "4. Tag der Ernennung bzw. Dienstaufnahme", fall.datum[Feld::ernennung]);
    punkt5(a, fall);
    a.zeilenende();
    if (d.bezugsjahr >= 2003 && d.bezugsjahr < 2006) {
        links(a, textspalte, "Die in der Tarifrunde 2003 festgelegte Zurückstufung um eine halbe Stufe");
        a.zeilenende();
        links(a, textspalte, "für die Dauer von 2 Jahren ist hier nicht berücksichtigt.");
        a.zeilenende();
    }
    zeilen(a, 2);

    a.fettSetzen(true);
    links(a, kopfspalte, "Rechtsbehelfsbelehrung");
    a.zeilenende();
    a.größeSetzen(8);
    a.fettSetzen(false);
    a.zeilenende();
    belehrungstext(a, behördeEingesetzt(belehrung, behördentext(d.behörde)));
    a.größeSetzen(12);
    zeilen(a, 2);

    links(a, 9, "Sachlich und rechnerisch richtig: ");
    a.drucke(std::string(23, ' '));
    a.drucke("Festgestellt:");
    zeilen(a, 3);
    links(a, 9, std::string(25, '_'));
    a.drucke(std::string(26, ' '));
    const double zweiteLinie = a.x();
    a.drucke(std::string(25, '_'));
    a.zeilenende();
    // The signers' names stand under their lines, each where its line begins.
    if (!d.unterschrift1.istLeer() || !d.unterschrift2.istLeer()) {
        links(a, 9, getrimmt(d.unterschrift1.text()));
        if (!d.unterschrift2.istLeer()) {
            a.xSetzen(zweiteLinie);
            a.drucke(getrimmt(d.unterschrift2.text()));
        }
        a.zeilenende();
    }
    a.zeilenende();
    return a.dokumentBeenden();
}

bool bescheidPasstAufEineSeite(const Fall& fall, std::string_view belehrung) {
    QBuffer puffer;
    puffer.open(QIODevice::WriteOnly);
    QPdfWriter pdf(&puffer);
    pdfEinrichten(pdf);
    Druckauftrag probe(pdf);
    bescheidDrucken(fall, belehrung, std::chrono::year{2000} / 1 / 1, probe);
    return std::ranges::all_of(probe.protokoll(), [](const Druckposten& p) { return p.seite == 1; });
}

}  // namespace bda::druck
