#pragma once
// The case-file commands of the main window: "Neuer Fall", "Öffnen …", "Zuletzt geöffnet",
// "Speichern", "Speichern unter …" and the button Übertrag. They keep the window title (file name and
// "*" while changes are unsaved) and ask "Änderungen speichern?" before a case with unsaved changes is
// replaced: by a new case, an opened file, the window closing or a new birth date.
//
// A case counts as changed while its file text or its experience step differs from the one last saved,
// opened or started, so typing a change back removes the "*" again.

#include <QString>
#include <optional>
#include <string>

#include "Fall.h"
#include "Falldatei.h"
#include "Stufenfall.h"

class QAction;
class QMenu;

namespace bda::fenster {

class Hauptform;

class Fallbefehle {
   public:
    explicit Fallbefehle(Hauptform& fenster);

    // Puts the commands into the window's "Fall" menu.
    void menüFüllen(QMenu& menü);

    QAction* neuAktion() const { return neu_; }
    QAction* öffnenAktion() const { return öffnen_; }
    QAction* speichernAktion() const { return speichern_; }
    QAction* speichernUnterAktion() const { return speichernUnter_; }
    // "Zuletzt geöffnet": the last 8 files, newest first; its entries are made when it is shown.
    QMenu* zuletztMenü() const { return zuletzt_; }

    // Opens `pfad` without asking first (the command line; the menu asks before); false with a message
    // naming the file and the fault when it cannot be opened, the case then stays as it was.
    bool öffnen(const QString& pfad);
    // Saves the case under `pfad`; false with a message when that fails.
    bool speichernUnter(const QString& pfad);
    void übertragen();

    // The file of the case, empty for a case never saved.
    const QString& datei() const { return datei_; }
    bool geändert() const;

    // Hooks of the window. Each "erlaubt" asks about unsaved changes and is false when the clerk cancels.
    bool schließenErlaubt();
    // Enter in the birth date field clears a case: asked before that happens to one that holds more than
    // a birth date. Cancelled, the previous birth date stands in `fall` again and nothing else changes.
    bool neuerGeburtstagErlaubt(Fall& fall);
    // After each change of the case: the title and the "*".
    void titelZeigen();

   private:
    enum class Antwort { speichern, verwerfen, abbrechen };

    void neuerFallGewählt();
    void öffnenGewählt();
    bool speichernGewählt();
    bool speichernUnterGewählt();
    QString dateinameErfragen();
    bool ersetzenErlaubt();
    bool sichern(const QString& pfad, const Fall& fall);
    Antwort fragen();
    void zuletztMerken(const QString& pfad);
    void zuletztAufbauen();
    void übernehmen(const Fall& fall, const QString& datei);
    datei::Falldatei dateiVon(const Fall& fall) const;
    std::string falltextVon(const Fall& fall) const;
    void gespeichertMerken(std::string text);
    bool wieGespeichert(const Fall& fall) const;
    void meldung(const QString& text);

    Hauptform& fenster_;
    QAction* neu_;
    QAction* öffnen_;
    QAction* speichern_;
    QAction* speichernUnter_;
    QMenu* zuletzt_;
    QString datei_;
    std::optional<std::string> gespeichert_;  // the file text of the case as last saved, opened or started
    std::optional<Stufenfall> gespeicherteStufe_;  // its experience step
    std::string geburtstag_;  // the birth date as it stood when the clerk began to type it
};

}  // namespace bda::fenster
