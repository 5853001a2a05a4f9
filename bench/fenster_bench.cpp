// Figures of the window layer on the offscreen platform: building the window, and one Enter in the
// appointment field (driver, recompute and rendering of the whole case).

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QRadioButton>
#include <QTest>

#include "Datumsfeld.h"
#include "Hauptform.h"

using namespace bda;
using namespace bda::fenster;

namespace {

void tippen(const char* text) {
    QTest::keyClicks(QApplication::focusWidget(), text);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
}

void BM_FensterAufbauen(benchmark::State& state) {
    for (auto _ : state) {
        Hauptform fenster;
        benchmark::DoNotOptimize(fenster.fall().titel);
    }
}
BENCHMARK(BM_FensterAufbauen)->Unit(benchmark::kMillisecond);

// A 1 to A 12 with a creditable period in each frame; every iteration confirms the appointment again.
void BM_ErnennungEnterBisDarstellung(benchmark::State& state) {
    Hauptform fenster;
    fenster.show();
    fenster.activateWindow();
    QApplication::processEvents();
    fenster.findChild<Datumsfeld*>("Datum_0")->setFocus();
    tippen("15061970");
    tippen("15062008");
    fenster.findChild<Datumsfeld*>("Datum_3")->setFocus();
    tippen("01012002");
    tippen("31122002");
    fenster.findChild<Datumsfeld*>("Datum_11")->setFocus();
    tippen("01012006");
    tippen("31122006");
    auto* ernennung = fenster.findChild<Datumsfeld*>("Datum_2");
    for (auto _ : state) {
        QTest::keyClick(ernennung, Qt::Key_Return);
        benchmark::DoNotOptimize(fenster.fall().bdaDatum);
    }
    state.SetLabel("BDA " + fenster.fall().bdaDatum);
}
BENCHMARK(BM_ErnennungEnterBisDarstellung)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("BDA-Rechner"));
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
