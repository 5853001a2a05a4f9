// libFuzzer: any bytes read as a case file. Where the reader takes them, the case is replayed and written,
// and the written text must read back, give no differing results, the same experience step, and the same
// text written again. A broken rule prints the text and aborts, so the fuzzer reports it as a crash.

#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include "Fallformat.h"
#include "Fallwiedergabe.h"

using namespace bda::datei;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t größe) {
    Falldatei datei;
    try {
        datei = falldateiAusText(std::string_view(reinterpret_cast<const char*>(daten), größe));
    } catch (const Formatfehler&) {
        return 0;
    }
    const std::string geschrieben = falltext(falldateiVon(wiedergeben(datei)));
    const char* regel = "was das Programm schreibt, liest es";
    try {
        const Wiedergabe zweite = wiedergeben(falldateiAusText(geschrieben));
        regel = !zweite.abweichungen.empty()                      ? "die Ergebnisse sind die neu berechneten"
                : zweite.erfahrungsstufe != datei.erfahrungsstufe ? "die Erfahrungsstufe übersteht es"
                : falltext(falldateiVon(zweite)) != geschrieben   ? "zweimal geschrieben, derselbe Text"
                                                                  : nullptr;
    } catch (const Formatfehler&) {
    }
    if (!regel) return 0;
    std::fprintf(stderr, "Regel \"%s\" gebrochen; geschriebene Falldatei:\n%s\n", regel, geschrieben.c_str());
    std::abort();
}
