#include "Zeitart.h"

#include <algorithm>

namespace bda {

const std::array<Zeitartangabe, 9> zeitarten{{
    {Zeitart::hauptberuflich, "hauptberuflich", "Hauptberufliche Tätigkeit", "§ 28 Abs. 1 S. 1 Nr. 1 BBesG",
     Anrechnung::immer, false, false, ""},
    {Zeitart::soldat, "soldat", "Berufssoldat oder Soldat auf Zeit", "§ 28 Abs. 1 S. 1 Nr. 2 BBesG",
     Anrechnung::immer, false, false, ""},
    {Zeitart::wehrdienst, "wehrdienst", "Wehrdienst, Zivildienst, Freiwilligendienst",
     "§ 28 Abs. 1 S. 1 Nr. 3 BBesG", Anrechnung::immer, false, false, "§ 28 Abs. 5 Nr. 3 BBesG"},
    {Zeitart::verfolgung, "verfolgung", "Verfolgungszeit (BerRehaG)", "§ 28 Abs. 1 S. 1 Nr. 4 BBesG",
     Anrechnung::immer, false, false, ""},
    {Zeitart::kinderbetreuung, "kinderbetreuung", "Kinderbetreuung, Elternzeit",
     "§ 28 Abs. 1 S. 4 Nr. 1 BBesG", Anrechnung::immer, false, true, "§ 28 Abs. 5 Nr. 1 BBesG"},
    {Zeitart::pflege, "pflege", "Pflege eines Angehörigen", "§ 28 Abs. 1 S. 4 Nr. 2 BBesG", Anrechnung::immer,
     false, true, "§ 28 Abs. 5 Nr. 1 BBesG"},
    {Zeitart::förderlich, "foerderlich", "Förderliche hauptberufliche Zeit", "§ 28 Abs. 2 S. 1 BBesG",
     Anrechnung::aufAnerkennung, false, false, ""},
    {Zeitart::ohneBezüge, "ohne_bezuege", "Beurlaubung ohne Dienstbezüge", "§ 27 Abs. 3 S. 3 BBesG",
     Anrechnung::nie, true, false, ""},
    {Zeitart::beurlaubungDienstlich, "beurlaubung_dienstlich", "Beurlaubung im dienstlichen Interesse",
     "§ 28 Abs. 5 Nr. 2 BBesG", Anrechnung::nie, false, false, "§ 28 Abs. 5 Nr. 2 BBesG"},
}};

const Zeitartangabe& angabe(Zeitart art) { return zeitarten[static_cast<std::size_t>(art)]; }

std::optional<Zeitart> zeitartAusSchlüssel(std::string_view schlüssel) {
    const auto* gefunden = std::find_if(zeitarten.begin(), zeitarten.end(),
                                        [&](const Zeitartangabe& a) { return a.schlüssel == schlüssel; });
    if (gefunden == zeitarten.end()) return std::nullopt;
    return gefunden->art;
}

}  // namespace bda
