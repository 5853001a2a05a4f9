#pragma once
// Where the pages of a notice go: the default printer, a printer chosen in the print dialog, the print
// preview, or a PDF/A file. Druckziel sets up the QPrinter or the file and hands a print job on it to
// the Auftrag; the documents never know where they go. Page 1 is the notice, page 2 the sheet.

#include <QString>
#include <functional>

#include "Druckmappe.h"

class QPrinter;
class QWidget;

namespace bda::druck {
class Druckauftrag;
}  // namespace bda::druck

namespace bda::fenster {

class Druckziel {
   public:
    struct Auftrag {
        // Prints the chosen pages into the job (one of several documents) and ends it.
        std::function<bool(druck::Druckauftrag&, druck::Seitenwahl)> drucken;
        // Asked before pages really go out (not for the preview); false stops without a message.
        std::function<bool(druck::Seitenwahl)> freigeben;
        // Shows a failure to the user.
        std::function<void(const QString&)> melden;
        // The job's name in the printer queue and the PDF's title.
        QString dokumentname = QStringLiteral("BDA-Bescheid");
    };

    Druckziel(QWidget* fenster, Auftrag auftrag);

    // Without a dialog, as the job `dokumentname`.
    void standarddrucker(druck::Seitenwahl wahl, const QString& dokumentname);
    // The print dialog: a printer and the pages (1 notice, 2 sheet, or both).
    void druckerwahl();
    // The print preview of the notice, the sheet or both; printing from it asks for the printer.
    void vorschau();
    // Both pages into the PDF/A file `datei`. False when it was not written (the user has been told).
    bool pdf(const QString& datei);

    // Why the CUPS queue `drucker` cannot take a job now: it is unknown, stopped, or refuses jobs.
    // Empty when it can.
    static QString druckerhindernis(const QString& drucker);

   private:
    bool aufDrucker(QPrinter& drucker, druck::Seitenwahl wahl);

    QWidget* fenster_;
    Auftrag auftrag_;
};

}  // namespace bda::fenster
