#pragma once
// Opening a case file: its inputs are typed again through the driver, in the order a clerk types them,
// into a fresh case; then the stored results are compared with the recomputed ones. The experience
// step is computed from its inputs alone, and its stored results are compared in the same way.
//
// The order: the entry grade, the official's name, the birth date, field 24 and the regular BDA where
// they differ from what the birth date gives, the appointment, each period's start and end, the
// descriptions. Messages of the driver are not shown: a field it refuses (a period the appointment's
// spans leave out, a text that was typed without Enter) gets the stored text back as typed but not
// confirmed, just as the window held it when it was saved.

#include <optional>
#include <string>
#include <vector>

#include "Falldatei.h"
#include "Oberflaeche.h"

namespace bda::datei {

// A stored result that the recomputation does not give, with both values as the window shows them.
struct Abweichung {
    std::string was;  // "BDA", "Viertel, Summe", ...
    std::string gespeichert;
    std::string neu;

    bool operator==(const Abweichung&) const = default;
};

struct Wiedergabe {
    Fall fall;
    std::optional<Steuerelement> fokus;         // where the driver last put the focus
    std::optional<Stufenfall> erfahrungsstufe;  // the file's experience step: it has no driver to replay
    std::vector<Abweichung> abweichungen;       // those of the BDA, then those of the experience step
};

Wiedergabe wiedergeben(const Falldatei& datei);

// The case file of what an opened file shows: saved again, it holds the same inputs.
Falldatei falldateiVon(const Wiedergabe& wiedergabe);

std::vector<Abweichung> abweichungen(const Fallergebnis& gespeichert, const Fallergebnis& neu);
std::vector<Abweichung> abweichungen(const Stufenstand& gespeichert, const Stufenstand& neu);

// The message the window shows after opening a file whose results differ; `datei` is the file's name.
std::string abweichungsmeldung(const std::string& datei, const std::vector<Abweichung>& abweichungen);

}  // namespace bda::datei
