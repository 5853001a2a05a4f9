#pragma once
// The window "Erfahrungsstufe (ab 2009)": the grade, the einfacher Dienst and the appointment, the
// periods in a table, and the result, recomputed with every change. It edits the case's experience step
// in place: each change goes to `geändert` at once, so the main window marks the case unsaved. The print
// commands are the main window's, for the papers of the experience step.
//
// Keys: Tab goes through grade, einfacher Dienst, appointment, the table's cells, the buttons; Enter goes
// on to the next field and after the last cell of the last row adds a period; Entf removes the current
// period after a question; Esc closes the window.

#include <QDialog>
#include <functional>

#include "Stufenberechnung.h"
#include "Stufenfall.h"

class QCheckBox;
class QComboBox;
class QGridLayout;
class QLabel;
class QTableWidget;

namespace bda::fenster {

class Datumsfeld;
class Zeitraumdelegat;
class Zeitraumtabelle;

class Erfahrungsstufendialog : public QDialog {
   public:
    enum class Ausgabe { drucken, vorschau, pdf };

    // Filled from `fall`; `geändert` gets the case after each change, `ausgeben` prints it.
    Erfahrungsstufendialog(const Stufenfall& fall, std::function<void(const Stufenfall&)> geändert,
                           std::function<void(Ausgabe)> ausgeben, QWidget* eltern = nullptr);

    const Stufenfall& fall() const { return fall_; }
    const Stufenergebnis& ergebnis() const { return ergebnis_; }
    Zeitraumtabelle* tabelle() const { return tabelle_; }

    // Closing drops the periods that hold no input at all, as Enter after the last row left one behind.
    void done(int ergebnis) override;

   protected:
    void keyPressEvent(QKeyEvent* ereignis) override;

   private:
    void zeileFüllen(int zeile, const Stufenzeitraum& zeitraum);
    void zeileEinrichten(int zeile);
    bool zeileAnfügen();
    bool amEnde();
    void zeileEntfernen(int zeile);
    bool datumPrüfen(QWidget* editor, const QModelIndex& zelle);
    QDate kalenderanfang(const QModelIndex& zelle) const;
    void übernehmen();
    void darstellen();
    void melden(const QString& text);

    Stufenfall fall_;
    Stufenergebnis ergebnis_;
    std::function<void(const Stufenfall&)> geändert_;
    bool füllt_ = false;  // the table is being filled by the program, not by the clerk

    QComboBox* amt_;
    QCheckBox* einfach_;
    Datumsfeld* ernennung_;
    Zeitraumtabelle* tabelle_;
    Zeitraumdelegat* delegat_;
    QLabel* stufe1_;
    QLabel* beiErnennung_;
    QLabel* anerkannt_;
    QLabel* verzögerung_;
    QGridLayout* stufen_;
    QTableWidget* anrechnung_;
    QLabel* hinweise_;
};

}  // namespace bda::fenster
