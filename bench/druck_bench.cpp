// Figures of the printing layer: the notice and the calculation sheet of a full case (both frames, eight
// periods) written to a PDF in memory, each alone and both together, and both pages as one PDF/A file on
// disk, written atomically as "Als PDF speichern …" does.

#include <benchmark/benchmark.h>

#include <QBuffer>
#include <QGuiApplication>
#include <QPdfWriter>
#include <QTemporaryDir>
#include <chrono>
#include <string>

#include "Berechnung.h"
#include "Bescheid.h"
#include "Druckmappe.h"
#include "Eingangsamt.h"
#include "Pdfdatei.h"

using namespace bda;
using namespace bda::druck;

namespace {

const std::string belehrung =
    "Gegen diesen Bescheid können Sie innerhalb eines Monats nach seiner Bekanntgabe Widerspruch einlegen.$"
    "Der Widerspruch ist schriftlich oder zur Niederschrift bei der Behörde zu erheben, die diesen Bescheid "
    "erlassen hat.";

// Born 15/06/1960, appointed 15/06/2010 as A 1 to A 12, four periods in each frame.
Fall vollerFall() {
    Fall fall;
    const char* daten[Feld::anzahl] = {"15/06/1960", "01/06/1981", "15/06/2010", "01/07/1991", "31/12/1991",
                                       "01/03/1992", "30/06/1992", "01/01/1993", "30/06/1993", "01/01/1994",
                                       "31/12/1994", "01/01/1996", "31/12/1996", "01/01/1998", "31/12/1998",
                                       "01/01/2001", "30/06/2002", "01/01/2005", "31/12/2006", "01/08/1986",
                                       "15/06/1991", "14/06/1995", "15/06/1995", "14/06/2010", "14/06/1981"};
    for (int i = 0; i < Feld::anzahl; ++i) fall.datum[i] = daten[i];
    fall.überschritten = {0, 0, 19};
    fall.rahmen1 = {{{0, 0, 4}, {0, 6, 0}, {0, 4, 0}, {0, 6, 0}, {0, 0, 1}, {0, 4, 2}, {0, 8, 1}, {0, 5, 0}}};
    fall.rahmen2 = {
        {{0, 0, 15}, {0, 0, 1}, {0, 0, 1}, {0, 6, 1}, {0, 0, 2}, {0, 6, 5}, {0, 6, 9}, {0, 9, 4}}};
    fall.gesamt = {0, 2, 5};
    for (int i = 0; i < anzahlEingaben; ++i)
        fall.eingabe[i] = "Zeit mit Dienstbezügen Nr. " + std::to_string(i + 1);
    fall.text3 = überschreitungstext("31");
    fall.label10 = hälftetext("35");
    fall.name = "Erika Mustermann";
    return fall;
}

enum Dokumente { bescheid = 1, berechnung = 2 };

// Fonts need a QGuiApplication; the benchmarks run on the main thread, so it is made at the first run.
void anwendungAnlegen() {
    static int argc = 1;
    static char name[] = "druck_bench";
    static char* argv[] = {name, nullptr};
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    static QGuiApplication anwendung(argc, argv);
}

void drucken(benchmark::State& state) {
    anwendungAnlegen();
    const Fall fall = vollerFall();
    const auto heute =
        std::chrono::year_month_day{std::chrono::year{2024}, std::chrono::March, std::chrono::day{1}};
    for (auto _ : state) {
        for (int dokument : {bescheid, berechnung}) {
            if ((state.range(0) & dokument) == 0) continue;
            QBuffer puffer;
            puffer.open(QIODevice::WriteOnly);
            QPdfWriter pdf(&puffer);
            pdfEinrichten(pdf);
            Druckauftrag auftrag(pdf);
            const bool gedruckt = dokument == bescheid ? bescheidDrucken(fall, belehrung, heute, auftrag)
                                                       : berechnungDrucken(fall, auftrag);
            if (!gedruckt) state.SkipWithError("print job failed");
            benchmark::DoNotOptimize(puffer.size());
        }
    }
}
BENCHMARK(drucken)
    ->ArgName("Seiten")
    ->Arg(bescheid)
    ->Arg(berechnung)
    ->Arg(bescheid | berechnung)
    ->Unit(benchmark::kMillisecond);

// Both pages to a PDF/A file: the goal is at most 50 ms.
void pdfDatei(benchmark::State& state) {
    anwendungAnlegen();
    Fall fall = vollerFall();
    fall.bescheid.behörde.kopfzeile1 = "Landesamt für Besoldung und Versorgung";
    fall.bescheid.anrede = "c";
    fall.bescheid.anschrift1 = "Lindenstraße 5";
    const auto heute =
        std::chrono::year_month_day{std::chrono::year{2024}, std::chrono::March, std::chrono::day{1}};
    QTemporaryDir ordner;
    const QString datei = ordner.filePath(QStringLiteral("BDA-Bescheid.pdf"));
    for (auto _ : state) {
        QString fehler;
        if (!pdfSchreiben(
                datei, QStringLiteral("BDA-Bescheid"),
                [&](Druckauftrag& a) { return mappeDrucken(fall, belehrung, heute, Seitenwahl::beide, a); },
                fehler)) {
            state.SkipWithError(fehler.toStdString().c_str());
        }
    }
}
BENCHMARK(pdfDatei)->Name("beide Seiten als PDF/A-Datei")->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
