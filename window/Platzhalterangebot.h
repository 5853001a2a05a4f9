#pragma once
// Earlier versions saved the letterhead lines of their day into the clerk's legal-remedy text, so a
// later change of the letterhead never reached the notice. When such a text is read (the editor opens
// it, a notice is about to be printed), the clerk is asked once whether those lines shall give way to
// the authority's placeholder. "Ja" writes the file at once; "Nein" leaves it as it is and is kept in
// the settings, so the same text is not offered again.

#include <QString>
#include <functional>
#include <string>

#include "Belehrungsdatei.h"

namespace bda::fenster {

namespace Platzhalterangebot {

// Asks the clerk and returns true for "Ja".
using Frage = std::function<bool(const QString& text)>;
// Shows a message and returns when it is closed.
using Meldung = std::function<void(const QString& text)>;

// `belehrung` is the clerk's own text as read from `datei`. Returns the text in force afterwards: with
// the placeholder once the clerk said yes and the file took it, else `belehrung`. A failed save is shown.
std::string anbieten(const std::string& belehrung, const druck::Belehrungsdatei& datei, const Frage& frage,
                     const Meldung& meldung);

}  // namespace Platzhalterangebot

}  // namespace bda::fenster
