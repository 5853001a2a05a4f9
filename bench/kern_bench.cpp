// Figures of the case logic: the recompute after Enter on the appointment with eight periods, and a
// whole case typed from the birth date to the last period.

#include <benchmark/benchmark.h>

#include "Fallsteuerung.h"
#include "Protokoll.h"

using namespace bda;

namespace {

struct Eingabe {
    int feld;
    const char* text;
};

// Born 15/06/1960, appointed 15/06/2010 as A 1-12: four periods in each frame.
const Eingabe ganzerFall[] = {
    {0, "15/06/1960"},  {2, "15/06/2010"},  {3, "01/07/1991"},  {4, "31/12/1991"},  {5, "01/03/1992"},
    {6, "30/06/1992"},  {7, "01/01/1993"},  {8, "30/06/1993"},  {9, "01/01/1994"},  {10, "31/12/1994"},
    {11, "01/01/1996"}, {12, "31/12/1996"}, {13, "01/01/1998"}, {14, "31/12/1998"}, {15, "01/01/2001"},
    {16, "30/06/2002"}, {17, "01/01/2005"}, {18, "31/12/2006"},
};

void tippen(Fall& fall, Fallsteuerung& steuerung) {
    for (const auto& eingabe : ganzerFall) {
        fall.datum[eingabe.feld] = eingabe.text;
        steuerung.datumEnter(eingabe.feld);
    }
}

void NeuberechnungNachErnennung(benchmark::State& state) {
    Fall fall;
    Protokoll protokoll;
    Fallsteuerung steuerung(fall, protokoll);
    steuerung.laden();
    tippen(fall, steuerung);
    if (!protokoll.meldungen.empty()) state.SkipWithError(protokoll.meldungen.front().c_str());
    for (auto _ : state) {
        steuerung.datumEnter(Feld::ernennung);
        benchmark::DoNotOptimize(fall.bdaDatum);
    }
}
BENCHMARK(NeuberechnungNachErnennung);

void GanzerFallGetippt(benchmark::State& state) {
    for (auto _ : state) {
        Fall fall;
        Protokoll protokoll;
        Fallsteuerung steuerung(fall, protokoll);
        steuerung.laden();
        tippen(fall, steuerung);
        benchmark::DoNotOptimize(fall.bdaDatum);
    }
}
BENCHMARK(GanzerFallGetippt);

}  // namespace

BENCHMARK_MAIN();
