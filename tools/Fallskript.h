#pragma once
// Case scripts of the bda-fall tool: one action a line, replayed through the same driver as the window.
//   amt N           click on Eingangsamt(N)
//   datum I TEXT    Datum(I) holds TEXT ("dd/mm/yyyy", "_" where nothing is typed); Enter is pressed in it
//   eingabe I TEXT  Eingabe(I) holds TEXT (the rest of the line)
//   name TEXT       the official's name
// The notice data, each text up to the end of the line and no longer than the notice prints it:
//   kopf1 TEXT, kopf2 TEXT                       the letterhead (for this run only, never stored)
//   behoerdenstrasse TEXT, behoerdenort TEXT     the authority's street and postcode with town (likewise)
//   anschriftfeld A|B                             the address field of DIN 5008 form A or B (likewise)
//   anrede b|c|d|-                                Herrn, Frau, Fräulein, none
//   anschrift1 TEXT, anschrift2 TEXT, dienstanschrift TEXT
//   bescheiddatum TT/MM/JJJJ, bezugsjahr JJJJ    nothing behind them: today, no year
//   geschaeftszeichen TEXT, unterschrift1 TEXT, unterschrift2 TEXT
// The experience step, a case of its own beside the BDA case, made by its first action:
//   stufe amt A N                   the grade A 2 to A 16
//   stufe einfach ja|nein           the einfacher Dienst
//   stufe ernennung TT/MM/JJJJ      the day the first appointment with pay takes effect
//   stufe zeitraum BEGINN ENDE ART [PERSON] [anerkannt]
//                                   a period; ART is a kind's word (Zeitart.h: hauptberuflich, …), PERSON
//                                   the child or relative of kinderbetreuung and pflege, "anerkannt" marks
//                                   a granted foerderlich period
// Blank lines and lines starting with "#" are skipped.

#include <istream>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "Fall.h"
#include "Fallsteuerung.h"
#include "Protokoll.h"
#include "Stufenfall.h"

namespace bda::werkzeug {

// The next blank-separated word of `rest`, removed from it; empty when there is none.
std::string nächstesWort(std::string_view& rest);

// A line the tool cannot read; the message names the line number.
class Skriptfehler : public std::runtime_error {
   public:
    using std::runtime_error::runtime_error;
};

// A case started as the program starts (focus on Datum(0)) and the script's actions played on it.
class Fallskript {
   public:
    Fallskript();

    // Plays every action of `skript`; throws Skriptfehler at the first line it cannot read.
    void abspielen(std::istream& skript);

    // Takes over an opened case file: its case, the messages of its opening, the focus it left and its
    // experience step.
    void übernehmen(const Fall& fall, std::vector<std::string> meldungen, std::optional<Steuerelement> fokus,
                    std::optional<Stufenfall> stufenfall = std::nullopt);

    const Fall& fall() const { return fall_; }
    const std::vector<std::string>& meldungen() const { return protokoll_.meldungen; }
    // The control the handlers last gave the focus to, or the one the last action acted on.
    const std::string& fokus() const { return fokus_; }
    // The experience step; none while the script has no "stufe" action.
    const std::optional<Stufenfall>& stufenfall() const { return stufenfall_; }

   private:
    void aktion(const std::string& zeile);
    // The notice-data actions; false for an action that is none of them.
    bool bescheidaktion(const std::string& befehl, std::string_view rest);
    void stufenaktion(std::string_view rest);

    Fall fall_;
    Protokoll protokoll_;
    Fallsteuerung steuerung_{fall_, protokoll_};
    std::string fokus_ = "Datum(0)";
    std::optional<Stufenfall> stufenfall_;
};

}  // namespace bda::werkzeug
