#pragma once
// Case files on disk, through plain system calls, so that every failure has its system error number and
// is named in German. Opening refuses anything but an ordinary file of at most 1 MB before it is read
// and never waits (a FIFO). Saving writes a new file beside the old one and puts it in the old one's
// place only when every byte is on the disk, so a failed save (a full disk) leaves the old file as it was;
// the new file keeps the old one's access rights.

#include <sys/types.h>

#include <QString>
#include <cstddef>
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
// The same for a path in the file system's own encoding (bytes), as the command line gives it.
Falldatei öffnen(const std::string& pfad);

// A case with a date the reader would refuse (unzulässigesDatum) is refused before anything is written.
void speichern(const QString& pfad, const Falldatei& datei);
// The same for a path in the file system's own encoding (bytes), as the command line gives it.
void speichern(const std::string& pfad, const Falldatei& datei);

// Why the system refused to read a file or folder (errno), in German with what to do.
std::string lesegrund(int fehler);

// The call that writes a case file's bytes: ::write, or in a test one that fails as a full disk does.
using Schreibaufruf = ssize_t (*)(int datei, const void* bytes, std::size_t anzahl);
extern Schreibaufruf schreibaufruf;

}  // namespace Fallablage

}  // namespace bda::datei
