#include "Fallpruefung.h"

#include <algorithm>
#include <atomic>
#include <filesystem>
#include <thread>

#include "Fallablage.h"
#include "Fallwiedergabe.h"
#include "Stufenberechnung.h"

namespace bda::werkzeug {

namespace Fallablage = datei::Fallablage;
using datei::Falldatei;
using datei::Falldateifehler;
using datei::Wiedergabe;
using datei::wiedergeben;

namespace {

namespace fs = std::filesystem;

// One entry of the re-check: a case file, or a folder or entry below a folder that cannot be read.
struct Eintrag {
    std::string pfad;
    std::string fehler;  // the message for an entry that cannot be read, else empty
};

// Every .bda file below `ordner`, and every folder and entry below it that cannot be read, each named
// and the rest walked on. Links to folders are not followed, so a loop of links is named, not walked.
void sammeln(const fs::path& ordner, std::vector<Eintrag>& einträge) {
    std::error_code fehler;
    for (fs::directory_iterator it(ordner, fehler), ende; !fehler && it != ende; it.increment(fehler)) {
        const std::string pfad = it->path().string();
        const bool fallname = it->path().extension() == ".bda";
        // The kind as the folder listing gives it; only a link is followed to see what it leads to.
        std::error_code artfehler;
        const bool ordner = it->is_directory(artfehler);
        // A link that leads nowhere is named only under a case file's name, as any missing file is.
        if (artfehler && artfehler != std::errc::no_such_file_or_directory) {
            einträge.push_back(
                {pfad, "„" + pfad + "“ lässt sich nicht lesen. " + Fallablage::lesegrund(artfehler.value())});
        } else if (ordner && !it->is_symlink(artfehler)) {
            sammeln(it->path(), einträge);
        } else if (fallname && !ordner) {
            einträge.push_back({pfad, {}});
        }
    }
    if (fehler) {
        einträge.push_back({ordner.string(), "Der Ordner „" + ordner.string() + "“ lässt sich nicht lesen. " +
                                                 Fallablage::lesegrund(fehler.value())});
    }
}

std::vector<Eintrag> falldateien(const std::vector<std::string>& pfade) {
    std::vector<Eintrag> einträge;
    for (const std::string& pfad : pfade) {
        std::error_code fehler;
        if (!fs::is_directory(pfad, fehler)) {
            einträge.push_back({pfad, {}});
            continue;
        }
        std::vector<Eintrag> imOrdner;
        sammeln(pfad, imOrdner);
        std::sort(imOrdner.begin(), imOrdner.end(),
                  [](const Eintrag& a, const Eintrag& b) { return a.pfad < b.pfad; });
        einträge.insert(einträge.end(), imOrdner.begin(), imOrdner.end());
    }
    return einträge;
}

enum class Urteil { gleich, abweichend, unlesbar };

struct Befund {
    Urteil urteil = Urteil::unlesbar;
    std::string text;  // the line for `aus`, or the message for `fehler`
};

Befund prüfen(const Eintrag& eintrag) {
    if (!eintrag.fehler.empty()) return {Urteil::unlesbar, "bda-fall: " + eintrag.fehler + '\n'};
    const std::string& pfad = eintrag.pfad;
    try {
        const Falldatei datei = Fallablage::öffnen(pfad);
        const Wiedergabe wiedergabe = wiedergeben(datei);
        const bool stimmt = wiedergabe.abweichungen.empty();
        std::string zeile = pfad + '\t' + datei.ergebnis.bda + '\t' + wiedergabe.fall.datum[Feld::bda] + '\t';
        if (datei.erfahrungsstufe && datei.stufenstand) {
            zeile += datei.stufenstand->stufe1 + '\t' +
                     datei::stufenstandVon(stufenberechnen(*datei.erfahrungsstufe)).stufe1 + '\t';
        }
        return {stimmt ? Urteil::gleich : Urteil::abweichend,
                zeile + (stimmt ? "gleich" : "abweichend") + '\n'};
    } catch (const Falldateifehler& f) {
        return {Urteil::unlesbar, std::string("bda-fall: ") + f.what() + '\n'};
    }
}

}  // namespace

int fällePrüfen(const std::vector<std::string>& pfade, std::ostream& aus, std::ostream& fehler,
                unsigned arbeiter) {
    const std::vector<Eintrag> dateien = falldateien(pfade);
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
