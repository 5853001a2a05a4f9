#pragma once
// PDF/A-1b files for the electronic file: A4, fonts embedded, a text layer, each page in its own
// orientation. A file is written atomically: it appears complete or not at all, and an older file of the
// same name is replaced only by a complete new one.

#include <QString>
#include <functional>

namespace bda::druck {

class Druckauftrag;

// Writes `datei`; `inhalt` prints into a job of several documents on it and ends the job. `titel` goes
// into the document's metadata. On failure returns false, leaves no file behind and sets `fehler` to the
// message for the user, which names the file and the reason.
bool pdfSchreiben(const QString& datei, const QString& titel,
                  const std::function<bool(Druckauftrag&)>& inhalt, QString& fehler);

}  // namespace bda::druck
