// bda-fall: replays a case script through the case logic and prints the resulting state as JSON.
// Usage: bda-fall [SKRIPT]   (without SKRIPT, or with "-", the script is read from standard input)

#include <filesystem>
#include <fstream>
#include <iostream>

#include "Fallausgabe.h"

int main(int argc, char* argv[]) {
    if (argc > 2) {
        std::cerr << "Aufruf: bda-fall [SKRIPT]\n";
        return 2;
    }
    const std::string datei = argc == 2 ? argv[1] : "-";
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
    std::cout << alsJson(skript);
    return 0;
}
