// libFuzzer: any bytes read as a case file. Where the reader takes them, the case is replayed and
// written, the written text read again, which must succeed, and written again, which must give the same
// text: whatever the program writes, it reads back, and opening it changes nothing, the experience step's
// section included. A broken rule prints
// the text and aborts, so the fuzzer reports it as a crash.

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "Falldatei.h"
#include "Fallformat.h"
#include "Fallwiedergabe.h"

using namespace bda::datei;

namespace {

[[noreturn]] void gebrochen(const char* regel, const std::string& text) {
    std::fprintf(stderr, "Regel \"%s\" gebrochen; geschriebene Falldatei:\n%s\n", regel, text.c_str());
    std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t größe) {
    Falldatei datei;
    try {
        datei = falldateiAusText(std::string_view(reinterpret_cast<const char*>(daten), größe));
    } catch (const Formatfehler&) {
        return 0;
    }
    const std::string geschrieben = falltext(falldateiVon(wiedergeben(datei)));
    Falldatei wieder;
    try {
        wieder = falldateiAusText(geschrieben);
    } catch (const Formatfehler& fehler) {
        gebrochen(("was das Programm schreibt, liest es: " + std::string(fehler.what())).c_str(),
                  geschrieben);
    }
    const Wiedergabe zweite = wiedergeben(wieder);
    if (!zweite.abweichungen.empty())
        gebrochen("die geschriebenen Ergebnisse sind die neu berechneten", geschrieben);
    if (zweite.erfahrungsstufe != datei.erfahrungsstufe)
        gebrochen("die Erfahrungsstufe übersteht Schreiben und Lesen", geschrieben);
    if (falltext(falldateiVon(zweite)) != geschrieben)
        gebrochen("zweimal geschrieben, derselbe Text", geschrieben);
    return 0;
}
