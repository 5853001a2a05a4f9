#include "Falldateiaufruf.h"

#include <fstream>
#include <iostream>
#include <string>
#include <vector>

#include "Fallablage.h"
#include "Fallausgabe.h"
#include "Fallpruefung.h"
#include "Fallwiedergabe.h"

namespace bda::werkzeug {

namespace Fallablage = datei::Fallablage;
using datei::abweichungsmeldung;
using datei::Falldatei;
using datei::Falldateifehler;
using datei::falldateiVon;
using datei::Wiedergabe;
using datei::wiedergeben;

namespace {

bool endetAufBda(const std::string& pfad) {
    return pfad.size() > 4 && pfad.compare(pfad.size() - 4, 4, ".bda") == 0;
}

int öffnen(const std::string& pfad, std::ostream& aus, std::ostream& fehler) {
    try {
        const Wiedergabe wiedergabe = wiedergeben(Fallablage::öffnen(pfad));
        std::vector<std::string> meldungen;
        if (!wiedergabe.abweichungen.empty())
            meldungen.push_back(abweichungsmeldung(pfad, wiedergabe.abweichungen));
        Fallskript skript;
        skript.übernehmen(wiedergabe.fall, std::move(meldungen), wiedergabe.fokus,
                          wiedergabe.erfahrungsstufe);
        aus << alsJson(skript);
        return 0;
    } catch (const Falldateifehler& f) {
        fehler << "bda-fall: " << f.what() << '\n';
        return 2;
    }
}

int speichern(const std::string& ziel, const std::string& skriptpfad, std::ostream& fehler) {
    std::ifstream eingabedatei;
    if (skriptpfad != "-") {
        eingabedatei.open(skriptpfad);
        if (!eingabedatei) {
            fehler << "bda-fall: " << skriptpfad << " lässt sich nicht lesen\n";
            return 2;
        }
    }
    Fallskript skript;
    try {
        skript.abspielen(skriptpfad == "-" ? std::cin : eingabedatei);
        Falldatei datei = falldateiVon(skript.fall());
        datei.erfahrungsstufe = skript.stufenfall();
        Fallablage::speichern(ziel, datei);
    } catch (const Skriptfehler& f) {
        fehler << "bda-fall: " << f.what() << '\n';
        return 2;
    } catch (const Falldateifehler& f) {
        fehler << "bda-fall: " << f.what() << '\n';
        return 2;
    }
    return 0;
}

}  // namespace

std::optional<int> falldateiaufruf(int argc, char* argv[], std::ostream& aus, std::ostream& fehler) {
    if (argc < 2) return std::nullopt;
    const std::string erstes = argv[1];
    if (erstes == "--pruefen") {
        if (argc < 3) {
            fehler << "Aufruf: bda-fall --pruefen ORDNER-ODER-DATEI …\n";
            return 2;
        }
        return fällePrüfen(std::vector<std::string>(argv + 2, argv + argc), aus, fehler);
    }
    if (erstes == "--speichern") {
        if (argc != 4) {
            fehler << "Aufruf: bda-fall --speichern DATEI.bda SKRIPT\n";
            return 2;
        }
        return speichern(argv[2], argv[3], fehler);
    }
    if (argc == 2 && endetAufBda(erstes)) return öffnen(erstes, aus, fehler);
    return std::nullopt;
}

}  // namespace bda::werkzeug
