#pragma once
// Case files on disk: opening checks the size before anything is read and names the file in every
// refusal; saving goes through QSaveFile, so a failed write leaves the older file as it was.

#include <QString>
#include <stdexcept>
#include <string>

#include "Falldatei.h"

namespace bda::datei {

// A case file that cannot be opened or saved. The German message names the file, says what is wrong
// and what to do.
class Falldateifehler : public std::runtime_error {
   public:
    using std::runtime_error::runtime_error;
};

namespace Fallablage {

// No case file comes near this; a larger file is refused before it is read.
inline constexpr qint64 höchsteGröße = 1024 * 1024;

Falldatei öffnen(const QString& pfad);
// The same for a path in the file system's own encoding, as the command line gives it.
Falldatei öffnen(const std::string& pfad);
void speichern(const QString& pfad, const Falldatei& datei);

}  // namespace Fallablage

}  // namespace bda::datei
