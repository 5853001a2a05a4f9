#include "Briefteile.h"

#include <QBuffer>
#include <QPdfWriter>
#include <algorithm>
#include <utility>

#include "Behoerdenplatzhalter.h"
#include "Fensteranschrift.h"
#include "Zeichen.h"

namespace bda::druck {

namespace {

constexpr int belehrungsspalte = 17;

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
void empfänger(Druckauftrag& a, const Bescheiddaten& d, std::string_view name) {
    const FesterText<40> gekürzt(getrimmt(d.dienstanschrift.text()));
    const std::string_view dienstanschrift = gekürzt.text();
    const bool mitDienstanschrift = !getrimmt(dienstanschrift).empty();
    const std::pair<std::string_view, std::string_view> zeilen[] = {
        {anrede(d.anrede), {}},
        {name, mitDienstanschrift ? "Dienstanschrift:" : ""},
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

std::string briefdatum(const Bescheiddaten& daten, std::chrono::year_month_day heute) {
    const FesterText<20> eigenes(getrimmt(daten.bescheiddatum.text()));
    return eigenes.istLeer() ? kurzdatum(heute) : std::string(getrimmt(eigenes.text()));
}

std::string_view anrede(const FesterText<1>& code) {
    if (code.text() == "b") return "Herrn";
    if (code.text() == "c") return "Frau";
    if (code.text() == "d") return "Fräulein";
    return {};
}

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

void briefkopf(Druckauftrag& a, const Bescheiddaten& d, std::string_view name,
               std::chrono::year_month_day heute) {
    a.ausrichtungSetzen(Seitenausrichtung::hochformat);
    a.fettSetzen(true);
    a.schriftartSetzen("arial");
    a.größeSetzen(12);

    zeilen(a, 2);
    links(a, kopfspalte, d.behörde.kopfzeile1.text());
    rechts(a, briefdatum(d, heute));
    a.zeilenende();
    links(a, kopfspalte, d.behörde.kopfzeile2.text());
    a.zeilenende();
    a.fettSetzen(false);
    if (!d.geschäftszeichen.istLeer()) {
        links(a, kopfspalte, "Geschäftszeichen: " + std::string(getrimmt(d.geschäftszeichen.text())));
    }
    anschriftfeldBeginnen(a, d.anschriftfeld, d.behörde, textspalte);
    empfänger(a, d, name);
    anschriftfeldBeenden(a, d.anschriftfeld);
}

void rechtsbehelfsbelehrung(Druckauftrag& a, const Bescheiddaten& d, std::string_view belehrung) {
    const double größe = a.größe();
    a.fettSetzen(true);
    links(a, kopfspalte, "Rechtsbehelfsbelehrung");
    a.zeilenende();
    a.größeSetzen(8);
    a.fettSetzen(false);
    a.zeilenende();
    belehrungstext(a, behördeEingesetzt(belehrung, behördentext(d.behörde)));
    a.größeSetzen(größe);
    zeilen(a, 2);
}

void unterschriften(Druckauftrag& a, const Bescheiddaten& d) {
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
}

bool passtAufEineSeite(const std::function<void(Druckauftrag&)>& drucken) {
    QBuffer puffer;
    puffer.open(QIODevice::WriteOnly);
    QPdfWriter pdf(&puffer);
    pdfEinrichten(pdf);
    Druckauftrag probe(pdf);
    drucken(probe);
    return std::ranges::all_of(probe.protokoll(), [](const Druckposten& p) { return p.seite == 1; });
}

}  // namespace bda::druck
