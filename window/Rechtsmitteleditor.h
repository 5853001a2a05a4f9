#pragma once
// The legal-remedy editor `Rechtsmittel`: a multi-line text field laid over the main window below its
// command buttons. `RB_Text` opens and closes it, Enter in it saves the text to the user's file and
// closes it, Esc closes it without saving. A "$" in the text marks a line break of the printed notice.
// A line at its foot says so and counts the characters still free of the 1000 the file holds: typing
// never takes a text beyond 1000 characters. A text read longer than that is marked from its 1001st
// character on, where a save cuts it. The authority's placeholder is marked too: each notice puts the
// letterhead and address of the moment in its place.

#include <QPlainTextEdit>
#include <QRect>
#include <QString>
#include <functional>

#include "Belehrungsdatei.h"
#include "Platzhalterangebot.h"

class QLabel;

namespace bda::fenster {

class Rechtsmitteleditor : public QPlainTextEdit {
   public:
    using Meldung = Platzhalterangebot::Meldung;
    using Frage = Platzhalterangebot::Frage;

    // Creates the hidden editor as a child of `fenster`; `meldung` shows its messages and `frage` asks
    // its questions (the window's message boxes).
    Rechtsmitteleditor(QWidget* fenster, druck::Belehrungsdatei datei, Meldung meldung, Frage frage);

    const druck::Belehrungsdatei& datei() const { return datei_; }
    bool istOffen() const { return !isHidden(); }
    // Characters still free of the 1000; negative by as many as a save would cut.
    int freieZeichen() const;
    // The line at the foot: the keys and the free characters.
    QLabel* fußzeile() const { return fuß_; }

    // `RB_Text`. When hidden: shows the user's text, or, while that is blank, the shipped text; the
    // editor then covers `bereich` (the window below the command-button row, in the window's pixels).
    // Nothing is written, unless the clerk agrees to put the placeholder in place of the letterhead
    // lines an earlier version saved (Platzhalterangebot). When shown: closes without saving.
    void umschalten(const QRect& bereich);
    // Esc, `Hilfe`, `Bescheid`, `Berechnung`: hides the editor; nothing is saved.
    void verbergen();
    // Enter in the editor: writes the text (line breaks become "$") and closes. On failure the reason is
    // shown and the editor stays open with the typed text.
    bool speichern();

   protected:
    bool event(QEvent* ereignis) override;
    void keyPressEvent(QKeyEvent* ereignis) override;
    void resizeEvent(QResizeEvent* ereignis) override;

   private:
    void öffnen(const QRect& bereich);
    void textLaden(const QString& text);
    void begrenzen();
    void anzeigen();
    void fußAnordnen();

    QLabel* fuß_;
    druck::Belehrungsdatei datei_;
    Meldung meldung_;
    Frage frage_;
    int länge_ = 0;  // characters of the text before the latest change
    bool lädt_ = false;
};

}  // namespace bda::fenster
