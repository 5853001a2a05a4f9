#pragma once
// The notice data beside the case's dates. The authority (letterhead and address), the two signers and
// the form of the address field belong to the office: the window keeps them in the user's settings,
// bda-fall takes them from its script. The addressee and the notice's own date, year and file reference
// belong to the case. Blank texts and the year 0 give a notice with today's date, no salutation, no
// address lines and no pay-settlement note.

#include <optional>
#include <string>
#include <string_view>

#include "Anschriftfeld.h"
#include "Behoerde.h"
#include "Datumstext.h"
#include "FesterText.h"

namespace bda {

struct Bescheiddaten {
    Behörde behörde;
    FesterText<20> bescheiddatum;  // as printed, "dd.mm.yyyy"; blank: today's date
    FesterText<1> anrede;          // "b" Herrn, "c" Frau, "d" Fräulein, anything else none
    FesterText<30> anschrift1;
    FesterText<30> anschrift2;
    FesterText<40> dienstanschrift;   // blank: no service address at the right
    int bezugsjahr = 0;               // 0: none; 2003 to 2005: the note on the 2003 pay settlement
    FesterText<40> geschäftszeichen;  // blank: no file reference under the letterhead
    FesterText<30> unterschrift1;     // printed under "Sachlich und rechnerisch richtig:" when not blank
    FesterText<30> unterschrift2;     // printed under "Festgestellt:" when not blank
    Anschriftform anschriftfeld = Anschriftform::a;  // where the window envelope shows the address
};

// The years of the dates the fields accept.
inline constexpr int erstesBezugsjahr = static_cast<int>(erstesZulässigesDatum.year());
inline constexpr int letztesBezugsjahr = static_cast<int>(letztesZulässigesDatum.year());

// The salutation codes a notice knows; blank is "no salutation".
inline bool istAnredecode(std::string_view code) {
    return code.empty() || code == "b" || code == "c" || code == "d";
}

// A notice date typed as "dd/mm/yyyy" in the form the notice prints, "dd.mm.yyyy"; a blank text for an
// empty field ("__/__/____" or nothing: today's date). None for anything but a real date of
// 01/01/1930..31/12/2040, with `fehler` set to the refusal, which names the field.
std::optional<std::string> briefdatumAusText(std::string_view datumstext, std::string& fehler);

// The date text "dd/mm/yyyy" of a notice date "dd.mm.yyyy" (blanks around it allowed); "__/__/____"
// when it holds no such date.
std::string datumstextAusBriefdatum(std::string_view briefdatum);

// The reference year a text names: 0 for a blank text, the year for 1930..2040. None for anything else,
// with `fehler` set to the refusal, which names the field.
std::optional<int> bezugsjahrAusText(std::string_view text, std::string& fehler);

}  // namespace bda
