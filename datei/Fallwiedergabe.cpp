#include "Fallwiedergabe.h"

#include <algorithm>

#include "Fallsteuerung.h"
#include "Protokoll.h"
#include "Zeitraum.h"

namespace bda::datei {

namespace {

const char* const zeilennamen[anzahlZeitraumzeilen] = {
    "Anteil",     "Zeitraum 1", "Zeitraum 2",        "Zeitraum 3",
    "Zeitraum 4", "Summe",      "verbleibende Zeit", "Hinausschiebung"};

std::string spannentext(Zeitspanne z) {
    return std::to_string(z.tage) + " T, " + std::to_string(z.monate) + " M, " + std::to_string(z.jahre) +
           " J";
}

std::string sichtbarkeit(bool sichtbar) { return sichtbar ? "angezeigt" : "ausgeblendet"; }

}  // namespace

Wiedergabe wiedergeben(const Falldatei& datei) {
    Wiedergabe w;
    Fall& fall = w.fall;
    Protokoll protokoll;
    Fallsteuerung steuerung(fall, protokoll);
    steuerung.laden();
    fall.bescheid = datei.bescheid;

    const auto& gespeichert = datei.datum;
    const auto getippt = [&](int feld) { return gespeichert[feld] && !istLeer(*gespeichert[feld]); };
    const auto tippen = [&](int feld) {
        fall.datum[feld] = *gespeichert[feld];
        steuerung.datumEnter(feld);
    };
    if (datei.eingangsamt != fall.amtswahl) steuerung.eingangsamtGeklickt(datei.eingangsamt);
    if (!datei.name.empty()) steuerung.nameSetzen(datei.name);
    if (getippt(Feld::geburtstag)) tippen(Feld::geburtstag);
    for (int feld : {Feld::vollendung21, Feld::regelBDA}) {
        if (getippt(feld) && *gespeichert[feld] != fall.datum[feld]) tippen(feld);
    }
    if (getippt(Feld::ernennung)) tippen(Feld::ernennung);
    for (int zeile = 1; zeile <= anzahlZeiträume; ++zeile) {
        const Zeitraum z = zeitraum(zeile);
        if (getippt(z.beginn)) tippen(z.beginn);
        if (getippt(z.ende)) tippen(z.ende);
    }
    fall.eingabe = datei.eingabe;

    // Texts the driver refused stand in their fields again, as typed but not confirmed; they count as
    // such a text counts in the window.
    for (int feld = 0; feld < Feld::anzahl; ++feld) {
        if (gespeichert[feld] && fall.datum[feld] != *gespeichert[feld])
            fall.datum[feld] = *gespeichert[feld];
    }
    steuerung.abgleichen();
    w.fokus = protokoll.letzterFokus;
    w.abweichungen = abweichungen(datei.ergebnis, ergebnisVon(fall));
    w.erfahrungsstufe = datei.erfahrungsstufe;
    if (datei.erfahrungsstufe && datei.stufenstand) {
        const auto stufen =
            abweichungen(*datei.stufenstand, stufenstandVon(stufenberechnen(*datei.erfahrungsstufe)));
        w.abweichungen.insert(w.abweichungen.end(), stufen.begin(), stufen.end());
    }
    return w;
}

Falldatei falldateiVon(const Wiedergabe& wiedergabe) {
    Falldatei datei = falldateiVon(wiedergabe.fall);
    datei.erfahrungsstufe = wiedergabe.erfahrungsstufe;
    return datei;
}

std::vector<Abweichung> abweichungen(const Fallergebnis& gespeichert, const Fallergebnis& neu) {
    std::vector<Abweichung> liste;
    if (gespeichert == neu) return liste;
    const auto spanne = [&](const std::string& was, Zeitspanne alt, Zeitspanne jetzt) {
        if (alt != jetzt) liste.push_back({was, spannentext(alt), spannentext(jetzt)});
    };
    if (gespeichert.bda != neu.bda) liste.push_back({"BDA", gespeichert.bda, neu.bda});
    spanne("Überschreitung des Lebensjahres", gespeichert.überschritten, neu.überschritten);
    const struct {
        const char* name;
        bool altSichtbar, neuSichtbar;
        const Rahmenzeilen &alt, &neu;
    } rahmen[] = {
        {"Viertel", gespeichert.rahmen1Sichtbar, neu.rahmen1Sichtbar, gespeichert.rahmen1, neu.rahmen1},
        {"Hälfte", gespeichert.rahmen2Sichtbar, neu.rahmen2Sichtbar, gespeichert.rahmen2, neu.rahmen2},
    };
    for (const auto& r : rahmen) {
        if (r.altSichtbar != r.neuSichtbar) {
            liste.push_back(
                {std::string(r.name) + "-Rahmen", sichtbarkeit(r.altSichtbar), sichtbarkeit(r.neuSichtbar)});
            continue;
        }
        if (!r.altSichtbar) continue;
        for (int zeile = 0; zeile < anzahlZeitraumzeilen; ++zeile) {
            spanne(std::string(r.name) + ", " + zeilennamen[zeile], r.alt[zeile], r.neu[zeile]);
        }
    }
    spanne("Hinausschiebung insgesamt", gespeichert.gesamt, neu.gesamt);
    return liste;
}

std::vector<Abweichung> abweichungen(const Stufenstand& gespeichert, const Stufenstand& neu) {
    std::vector<Abweichung> liste;
    if (gespeichert == neu) return liste;
    const std::string vorn = "Erfahrungsstufe, ";
    const auto monate = [](int n) { return std::to_string(n) + (n == 1 ? " Monat" : " Monate"); };
    const auto stufe = [](int n) { return n ? "Stufe " + std::to_string(n) : std::string("keine"); };
    if (gespeichert.stufe1 != neu.stufe1)
        liste.push_back({vorn + "Beginn der Stufe 1", gespeichert.stufe1, neu.stufe1});
    if (gespeichert.beiErnennung != neu.beiErnennung) {
        liste.push_back(
            {vorn + "Stufe bei der Ernennung", stufe(gespeichert.beiErnennung), stufe(neu.beiErnennung)});
    }
    // Stufe 1 begins at the fictitious start, named above already when it differs.
    const std::size_t anzahl = std::max(gespeichert.stufen.size(), neu.stufen.size());
    for (std::size_t i = 0; i < anzahl; ++i) {
        const auto tag = [i](const Stufenstand& s) {
            return i < s.stufen.size() ? s.stufen[i] : std::string(leeresDatum);
        };
        if (tag(gespeichert) == tag(neu) || (i == 0 && gespeichert.stufe1 != neu.stufe1)) continue;
        liste.push_back({vorn + "Stufe " + std::to_string(i + 1) + " ab", tag(gespeichert), tag(neu)});
    }
    if (gespeichert.anerkanntMonate != neu.anerkanntMonate) {
        liste.push_back(
            {vorn + "anerkannte Zeiten", monate(gespeichert.anerkanntMonate), monate(neu.anerkanntMonate)});
    }
    if (gespeichert.verzögerungMonate != neu.verzögerungMonate) {
        liste.push_back(
            {vorn + "Verzögerung", monate(gespeichert.verzögerungMonate), monate(neu.verzögerungMonate)});
    }
    return liste;
}

std::string abweichungsmeldung(const std::string& datei, const std::vector<Abweichung>& abweichungen) {
    std::string text = "Die Neuberechnung von „" + datei +
                       "“ ergibt andere Ergebnisse, als gespeichert sind (etwa nach einer Regeländerung "
                       "oder einer Änderung der Datei von Hand). Angezeigt wird die Neuberechnung:\n";
    for (const Abweichung& a : abweichungen) {
        text += "\n" + a.was + ": gespeichert " + a.gespeichert + ", neu " + a.neu;
    }
    return text + "\n\nBitte die Ergebnisse prüfen und den Fall speichern.";
}

}  // namespace bda::datei
