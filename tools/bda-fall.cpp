// bda-fall: replays a case script through the case logic and prints the resulting state as JSON.
// Usage: bda-fall [--pdf DATEI] [SKRIPT]   (without SKRIPT, or with "-", the script is read from standard
// input; with --pdf the notice and the sheet of the case are also written to DATEI as PDF/A)
// Case files (.bda, --pruefen, --speichern): see Falldateiaufruf.h.

#include <filesystem>
#include <fstream>
#include <iostream>
#include <optional>

#include "Fallausgabe.h"
#include "Falldateiaufruf.h"
#include "Fallpdf.h"

using namespace bda;
using namespace bda::werkzeug;

namespace {

int aufruf() {
    std::cerr << "Aufruf: bda-fall [--pdf DATEI] [SKRIPT | DATEI.bda]\n"
                 "        bda-fall --pruefen ORDNER-ODER-DATEIEN …\n"
                 "        bda-fall --speichern DATEI.bda SKRIPT\n";
    return 2;
}

}  // namespace

int main(int argc, char* argv[]) {
    if (const auto status = falldateiaufruf(argc, argv, std::cout, std::cerr)) return *status;
    std::optional<std::string> pdf;
    std::optional<std::string> skriptname;
    for (int i = 1; i < argc; ++i) {
        const std::string argument = argv[i];
        if (argument == "--pdf") {
            if (pdf || i + 1 == argc) return aufruf();
            pdf = argv[++i];
        } else if (skriptname) {
            return aufruf();
        } else {
            skriptname = argument;
        }
    }
    const std::string datei = skriptname.value_or("-");
    std::ifstream eingabedatei;
    if (datei != "-") {
        std::error_code fehler;
        if (std::filesystem::is_directory(datei, fehler)) {
            std::cerr << "bda-fall: " << datei << " ist ein Ordner, kein Fallskript\n";
            return 2;
        }
        eingabedatei.open(datei);
        if (!eingabedatei) {
            std::cerr << "bda-fall: " << datei << " lässt sich nicht lesen\n";
            return 2;
        }
    }
    Fallskript skript;
    try {
        skript.abspielen(datei == "-" ? std::cin : eingabedatei);
    } catch (const Skriptfehler& fehler) {
        std::cerr << "bda-fall: " << fehler.what() << "\n";
        return 2;
    }
    if (pdf) {
        std::string fehler;
        std::vector<std::string> hinweise;
        if (!fallAlsPdf(skript.fall(), *pdf, fehler, hinweise)) {
            std::cerr << "bda-fall: " << fehler << "\n";
            return 1;
        }
        for (const std::string& hinweis : hinweise) std::cerr << "bda-fall: Hinweis: " << hinweis << "\n";
    }
    std::cout << alsJson(skript);
    return 0;
}
