#include "Fallpruefung.h"

#include <algorithm>
#include <atomic>
#include <filesystem>
#include <thread>

#include "Fallablage.h"
#include "Fallwiedergabe.h"

namespace bda::werkzeug {

namespace Fallablage = datei::Fallablage;
using datei::Falldatei;
using datei::Falldateifehler;
using datei::Wiedergabe;
using datei::wiedergeben;

namespace {

std::vector<std::string> falldateien(const std::vector<std::string>& pfade) {
    std::vector<std::string> dateien;
    for (const std::string& pfad : pfade) {
        std::error_code fehler;
        if (!std::filesystem::is_directory(pfad, fehler)) {
            dateien.push_back(pfad);
            continue;
        }
        std::vector<std::string> imOrdner;
        for (auto it = std::filesystem::recursive_directory_iterator(pfad, fehler);
             !fehler && it != std::filesystem::recursive_directory_iterator(); it.increment(fehler)) {
            if (it->path().extension() == ".bda" && !it->is_directory(fehler))
                imOrdner.push_back(it->path().string());
        }
        // An unreadable folder is named like an unreadable file.
        if (fehler) imOrdner.push_back(pfad);
        std::sort(imOrdner.begin(), imOrdner.end());
        dateien.insert(dateien.end(), imOrdner.begin(), imOrdner.end());
    }
    return dateien;
}

enum class Urteil { gleich, abweichend, unlesbar };

struct Befund {
    Urteil urteil = Urteil::unlesbar;
    std::string text;  // the line for `aus`, or the message for `fehler`
};

Befund prüfen(const std::string& pfad) {
    try {
        const Falldatei datei = Fallablage::öffnen(pfad);
        const Wiedergabe wiedergabe = wiedergeben(datei);
        const bool stimmt = wiedergabe.abweichungen.empty();
        return {stimmt ? Urteil::gleich : Urteil::abweichend, pfad + '\t' + datei.ergebnis.bda + '\t' +
                                                                  wiedergabe.fall.datum[Feld::bda] + '\t' +
                                                                  (stimmt ? "gleich" : "abweichend") + '\n'};
    } catch (const Falldateifehler& f) {
        return {Urteil::unlesbar, std::string("bda-fall: ") + f.what() + '\n'};
    }
}

}  // namespace

int fällePrüfen(const std::vector<std::string>& pfade, std::ostream& aus, std::ostream& fehler,
                unsigned arbeiter) {
    const std::vector<std::string> dateien = falldateien(pfade);
    if (arbeiter == 0) arbeiter = std::max(1u, std::thread::hardware_concurrency());
    // A batch at a time, so that the lines come in order and the findings of a large folder need not
    // all be held at once.
    constexpr std::size_t stapelgröße = 4096;
    std::vector<Befund> befunde;
    int anzahl[3] = {};
    for (std::size_t anfang = 0; anfang < dateien.size(); anfang += stapelgröße) {
        const std::size_t ende = std::min(dateien.size(), anfang + stapelgröße);
        befunde.assign(ende - anfang, {});
        std::atomic<std::size_t> nächste{anfang};
        const auto arbeiten = [&] {
            for (std::size_t i = nächste++; i < ende; i = nächste++) befunde[i - anfang] = prüfen(dateien[i]);
        };
        {
            std::vector<std::jthread> helfer;
            for (unsigned k = 1; k < arbeiter && k * 16 < ende - anfang; ++k) helfer.emplace_back(arbeiten);
            arbeiten();
        }
        for (const Befund& befund : befunde) {
            ++anzahl[static_cast<int>(befund.urteil)];
            (befund.urteil == Urteil::unlesbar ? fehler : aus) << befund.text;
        }
    }
    const int gleich = anzahl[0], abweichend = anzahl[1], unlesbar = anzahl[2];
    const int alle = gleich + abweichend + unlesbar;
    aus << alle << (alle == 1 ? " Datei" : " Dateien") << " geprüft: " << gleich << " gleich, " << abweichend
        << " abweichend, " << unlesbar << " nicht lesbar\n";
    return unlesbar ? 2 : abweichend ? 1 : 0;
}

}  // namespace bda::werkzeug
