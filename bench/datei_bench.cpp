// Figures of the case files: the bulk re-check of a folder of generated case files in one process
// (goal: at least 100,000 cases a second), and its parts on one thread: reading a file, the JSON alone,
// the replay through the driver, writing the text.

#include <benchmark/benchmark.h>

#include <QDir>
#include <QTemporaryDir>
#include <fstream>
#include <sstream>
#include <vector>

#include "Fallablage.h"
#include "Fallformat.h"
#include "Fallgenerator.h"
#include "Fallpruefung.h"
#include "Fallwiedergabe.h"

using namespace bda;
using namespace bda::datei;
using namespace bda::werkzeug;

namespace {

constexpr int anzahlDateien = 5000;

// A folder of generated case files, written once for all benchmarks.
struct Bestand {
    QTemporaryDir ordner;
    std::vector<QString> pfade;
    std::vector<std::string> texte;
    std::vector<Falldatei> dateien;

    Bestand() {
        Fallgenerator generator(20240501);
        for (int i = 0; i < anzahlDateien; ++i) {
            const Falldatei datei = falldateiVon(generator.nächster());
            const QString pfad =
                ordner.filePath(QStringLiteral("fall%1.bda").arg(i, 5, 10, QLatin1Char('0')));
            Fallablage::speichern(pfad, datei);
            pfade.push_back(pfad);
            texte.push_back(falltext(datei));
            dateien.push_back(datei);
        }
    }
};

const Bestand& bestand() {
    static const Bestand b;
    return b;
}

// bda-fall --pruefen on the folder, with as many threads as the argument says; wall-clock time, as the
// clerk waits for it.
void OrdnerPruefen(benchmark::State& state) {
    const Bestand& b = bestand();
    const std::vector<std::string> pfade{b.ordner.path().toStdString()};
    for (auto _ : state) {
        std::ostringstream aus;
        std::ostringstream fehler;
        const int status = fällePrüfen(pfade, aus, fehler, static_cast<unsigned>(state.range(0)));
        if (status != 0) state.SkipWithError("Die erzeugten Fälle stimmen nicht alle.");
        benchmark::DoNotOptimize(aus);
    }
    state.SetItemsProcessed(state.iterations() * anzahlDateien);
}
BENCHMARK(OrdnerPruefen)->Arg(1)->Arg(2)->UseRealTime()->Unit(benchmark::kMillisecond);

void DateiOeffnen(benchmark::State& state) {
    const Bestand& b = bestand();
    std::size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(Fallablage::öffnen(b.pfade[i++ % b.pfade.size()]));
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(DateiOeffnen);

void TextLesen(benchmark::State& state) {
    const Bestand& b = bestand();
    std::size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(falldateiAusText(b.texte[i++ % b.texte.size()]));
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(TextLesen);

void Wiedergeben(benchmark::State& state) {
    const Bestand& b = bestand();
    std::size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(wiedergeben(b.dateien[i++ % b.dateien.size()]));
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(Wiedergeben);

void TextSchreiben(benchmark::State& state) {
    const Bestand& b = bestand();
    std::size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(falltext(b.dateien[i++ % b.dateien.size()]));
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(TextSchreiben);

}  // namespace

BENCHMARK_MAIN();
