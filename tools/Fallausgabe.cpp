#include "Fallausgabe.h"

#include <sstream>

#include "Falldatei.h"
#include "Stufenberechnung.h"
#include "Zeichen.h"

namespace bda::werkzeug {

namespace {

std::string zeitspanne(Zeitspanne z) {
    return "[" + std::to_string(z.tage) + ", " + std::to_string(z.monate) + ", " + std::to_string(z.jahre) +
           "]";
}

template <typename Folge, typename Format>
std::string liste(const Folge& folge, Format format) {
    std::string json = "[";
    for (const auto& element : folge) json += (json.size() > 1 ? ", " : "") + format(element);
    return json + "]";
}

// A fixed-length text without the blanks that pad it to its length.
template <std::size_t N>
std::string ohneFüllung(const FesterText<N>& text) {
    const std::string& t = text.text();
    return alsJsonText(t.substr(0, t.find_last_not_of(' ') + 1));
}

// The notice data as a nested object, one key a line; a missing reference year is null.
std::string bescheid(const Bescheiddaten& d) {
    std::ostringstream json;
    json << "{\n"
         << "    \"kopf1\": " << ohneFüllung(d.behörde.kopfzeile1) << ",\n"
         << "    \"kopf2\": " << ohneFüllung(d.behörde.kopfzeile2) << ",\n"
         << "    \"behoerdenstrasse\": " << ohneFüllung(d.behörde.straße) << ",\n"
         << "    \"behoerdenort\": " << ohneFüllung(d.behörde.ort) << ",\n"
         << "    \"anschriftfeld\": " << alsJsonText(anschriftformText(d.anschriftfeld)) << ",\n"
         << "    \"anrede\": " << ohneFüllung(d.anrede) << ",\n"
         << "    \"anschrift1\": " << ohneFüllung(d.anschrift1) << ",\n"
         << "    \"anschrift2\": " << ohneFüllung(d.anschrift2) << ",\n"
         << "    \"dienstanschrift\": " << ohneFüllung(d.dienstanschrift) << ",\n"
         << "    \"bescheiddatum\": " << ohneFüllung(d.bescheiddatum) << ",\n"
         << "    \"bezugsjahr\": " << (d.bezugsjahr ? std::to_string(d.bezugsjahr) : "null") << ",\n"
         << "    \"geschaeftszeichen\": " << ohneFüllung(d.geschäftszeichen) << ",\n"
         << "    \"unterschrift1\": " << ohneFüllung(d.unterschrift1) << ",\n"
         << "    \"unterschrift2\": " << ohneFüllung(d.unterschrift2) << "\n"
         << "  }";
    return json.str();
}

// The experience step: its inputs, its results as a case file keeps them, and per period what it
// counts and why it counts less than its length.
std::string erfahrungsstufe(const Stufenfall& fall) {
    const Stufenergebnis ergebnis = stufenberechnen(fall);
    const datei::Stufenstand stand = datei::stufenstandVon(ergebnis);
    const auto text = [](const std::string& t) { return alsJsonText(t); };
    std::ostringstream json;
    json << "{\n"
         << "    \"amt\": " << fall.amt << ",\n"
         << "    \"einfacher_dienst\": " << (fall.einfacherDienst ? "true" : "false") << ",\n"
         << "    \"ernennung\": " << alsJsonText(fall.ernennung) << ",\n"
         << "    \"stufe1\": " << alsJsonText(stand.stufe1) << ",\n"
         << "    \"bei_ernennung\": " << stand.beiErnennung << ",\n"
         << "    \"stufen\": " << liste(stand.stufen, text) << ",\n"
         << "    \"anerkannt_monate\": " << stand.anerkanntMonate << ",\n"
         << "    \"verzoegerung_monate\": " << stand.verzögerungMonate << ",\n"
         << "    \"zeitraeume\": [";
    for (std::size_t i = 0; i < fall.zeiträume.size(); ++i) {
        const Stufenzeitraum& z = fall.zeiträume[i];
        const Zeitraumergebnis e = i < ergebnis.zeiträume.size() ? ergebnis.zeiträume[i] : Zeitraumergebnis{};
        const auto grund = [&](Kürzung k) { return alsJsonText(kürzungstext(k, z.art, bundesregeln)); };
        json << (i ? ",\n" : "\n") << "      {\"beginn\": " << alsJsonText(z.beginn)
             << ", \"ende\": " << alsJsonText(z.ende) << ", \"art\": " << alsJsonText(angabe(z.art).schlüssel)
             << ", \"laenge\": " << zeitspanne(e.länge) << ", \"angerechnet\": " << zeitspanne(e.angerechnet)
             << ", \"verzoegerung\": " << zeitspanne(e.verzögerung)
             << ", \"gruende\": " << liste(e.gründe, grund) << "}";
    }
    json << (fall.zeiträume.empty() ? "],\n" : "\n    ],\n")
         << "    \"hinweise\": " << liste(ergebnis.hinweise, text) << "\n"
         << "  }";
    return json.str();
}

}  // namespace

std::string alsJson(const Fallskript& skript) {
    const Fall& fall = skript.fall();
    const auto text = [](const std::string& t) { return alsJsonText(t); };
    const auto zahl = [](int n) { return std::to_string(n); };
    const auto wahrheit = [](bool b) { return std::string(b ? "true" : "false"); };

    std::ostringstream json;
    json << "{\n"
         << "  \"datum\": " << liste(fall.datum, text) << ",\n"
         << "  \"tagnummer\": " << liste(fall.tagnummer, zahl) << ",\n"
         << "  \"ueberschritten\": " << zeitspanne(fall.überschritten) << ",\n"
         << "  \"rahmen1\": " << liste(fall.rahmen1, zeitspanne) << ",\n"
         << "  \"rahmen2\": " << liste(fall.rahmen2, zeitspanne) << ",\n"
         << "  \"gesamt\": " << zeitspanne(fall.gesamt) << ",\n"
         << "  \"rahmen1_sichtbar\": " << wahrheit(fall.rahmen1Sichtbar) << ",\n"
         << "  \"rahmen2_sichtbar\": " << wahrheit(fall.rahmen2Sichtbar) << ",\n"
         << "  \"bdadatum\": " << alsJsonText(fall.bdaDatum) << ",\n"
         << "  \"titel\": " << alsJsonText(fall.titel) << ",\n"
         << "  \"text3\": " << alsJsonText(fall.text3) << ",\n"
         << "  \"label10\": " << alsJsonText(fall.label10) << ",\n"
         << "  \"eingabe\": " << liste(fall.eingabe, text) << ",\n"
         << "  \"meldungen\": " << liste(skript.meldungen(), text) << ",\n"
         << "  \"fokus\": " << alsJsonText(skript.fokus()) << ",\n"
         << "  \"bescheid\": " << bescheid(fall.bescheid);
    if (skript.stufenfall()) json << ",\n  \"erfahrungsstufe\": " << erfahrungsstufe(*skript.stufenfall());
    json << "\n}\n";
    return json.str();
}

}  // namespace bda::werkzeug
