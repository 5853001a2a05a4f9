#pragma once
// The case of the experience step: what the clerk enters, nothing computed. It shares the date texts of
// the BDA fields ("dd/mm/yyyy", "__/__/____" for empty) and nothing of the BDA case.

#include <cstddef>
#include <string>
#include <vector>

#include "Datumstext.h"
#include "Zeitart.h"

namespace bda {

struct Stufenzeitraum {
    std::string beginn{leeresDatum};
    std::string ende{leeresDatum};  // the last day, included
    Zeitart art = Zeitart::hauptberuflich;
    std::string person;      // the child or relative whose cap the period uses
    bool anerkannt = false;  // a förderlich period the authority granted (§ 28 Abs. 2)
    std::string beschreibung;

    bool operator==(const Stufenzeitraum&) const = default;
};

struct Stufenfall {
    int amt = 9;  // the grade A 2 to A 16
    bool einfacherDienst = false;
    std::string ernennung{leeresDatum};  // the day the first appointment with pay takes effect
    std::vector<Stufenzeitraum> zeiträume;

    bool operator==(const Stufenfall&) const = default;
};

// The periods a case holds at most.
inline constexpr std::size_t höchsteZeitraumzahl = 40;

}  // namespace bda
