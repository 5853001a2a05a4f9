#pragma once
// The legal-remedy editor `Rechtsmittel`: a multi-line text field laid over the main window below its
// command buttons. `RB_Text` opens and closes it, Enter in it saves the text to the user's file and closes
// it. A "$" in the text marks a line break of the printed notice.

#include <QObject>
#include <QRect>
#include <QString>
#include <functional>

#include "Belehrungsdatei.h"

class QPlainTextEdit;
class QWidget;

class Rechtsmitteleditor : public QObject {
   public:
    // Shows a message to the user and returns when it is closed.
    using Meldung = std::function<void(const QString& text)>;

    // Creates the hidden editor as a child of `fenster`; `meldung` shows its messages (the window's
    // message box).
    Rechtsmitteleditor(QWidget* fenster, Belehrungsdatei datei, Meldung meldung);

    QPlainTextEdit* editor() const { return editor_; }
    const Belehrungsdatei& datei() const { return datei_; }
    bool istOffen() const;

    // `RB_Text`. When hidden: shows the user's text, or, when that is no instruction, the default text,
    // which is written into the user's file at once; the editor then covers `bereich` (the window below
    // the command-button row, in the window's pixels). When shown: closes without saving.
    void umschalten(const QRect& bereich);
    // `Hilfe`, `Bescheid`, `Berechnung`: hides the editor; nothing is saved.
    void verbergen();
    // Enter in the editor: writes the text (line breaks become "$") and closes. On failure the reason is
    // shown and the editor stays open with the typed text.
    bool speichern();

   protected:
    bool eventFilter(QObject* objekt, QEvent* ereignis) override;

   private:
    void öffnen(const QRect& bereich);

    QPlainTextEdit* editor_;
    Belehrungsdatei datei_;
    Meldung meldung_;
};
