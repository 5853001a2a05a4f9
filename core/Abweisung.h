#pragma once
// How a date field refuses what was typed: the message first, then the field is emptied with its day
// number and gets the focus back, or the focus goes to the field that has to be typed first.

#include <string_view>

#include "Fall.h"
#include "Oberflaeche.h"

namespace bda {

void datumAbweisen(Fall& fall, Oberflaeche& oberfläche, int feld, std::string_view meldung);
void datumAbweisen(Fall& fall, Oberflaeche& oberfläche, int feld, std::string_view meldung, int fokusfeld);

}  // namespace bda
