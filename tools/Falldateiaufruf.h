#pragma once
// The case-file calls of bda-fall:
//   bda-fall DATEI.bda                          the opened case as JSON, like a replayed script
//   bda-fall --pruefen ORDNER-ODER-DATEI …      the bulk re-check (Fallpruefung)
//   bda-fall --speichern DATEI.bda SKRIPT       the case of a script written as a case file
// Every other call is a script call and is left to the caller.

#include <optional>
#include <ostream>

namespace bda::werkzeug {

// The exit status of a case-file call; none when the arguments call for a script.
std::optional<int> falldateiaufruf(int argc, char* argv[], std::ostream& aus, std::ostream& fehler);

}  // namespace bda::werkzeug
