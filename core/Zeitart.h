#pragma once
// The kinds of period the experience step knows (§§ 27, 28 BBesG): whether a kind counts as experience
// before the appointment, whether it delays the later steps after it, and the provision it rests on.

#include <array>
#include <optional>
#include <string_view>

namespace bda {

enum class Zeitart {
    hauptberuflich,         // equivalent full-time work, no precondition of the career
    soldat,                 // professional or fixed-term soldier
    wehrdienst,             // Wehrdienst, Zivildienst, the voluntary services
    verfolgung,             // persecution under the BerRehaG
    kinderbetreuung,        // care of a child, also Elternzeit after the appointment
    pflege,                 // care of a close relative
    förderlich,             // other full-time work, counted when granted
    ohneBezüge,             // leave without pay
    beurlaubungDienstlich,  // leave without pay in the service's interest
};

// How a kind counts before the appointment.
enum class Anrechnung {
    immer,           // must count (§ 28 Abs. 1)
    aufAnerkennung,  // counts when the clerk marks it granted (§ 28 Abs. 2)
    nie,             // no experience at all
};

struct Zeitartangabe {
    Zeitart art;
    std::string_view schlüssel;    // the word of scripts and case files: "wehrdienst"
    std::string_view bezeichnung;  // on screen and paper: "Wehrdienst, Zivildienst, Freiwilligendienst"
    std::string_view vorschrift;   // "§ 28 Abs. 1 S. 1 Nr. 3 BBesG"
    Anrechnung anrechnung;
    bool verzögert;                    // after the appointment, a period of this kind delays the later steps
    bool jePerson;                     // the cap applies per child or relative, so the period names one
    std::string_view ohneVerzögerung;  // the provision by which it delays nothing after the appointment
};

// Every kind, in the order of the enum: the order of the kind's combo box.
extern const std::array<Zeitartangabe, 9> zeitarten;

const Zeitartangabe& angabe(Zeitart art);

// The kind a script or case file names; none for an unknown word.
std::optional<Zeitart> zeitartAusSchlüssel(std::string_view schlüssel);

}  // namespace bda
