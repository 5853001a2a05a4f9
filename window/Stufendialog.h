#pragma once
// The step schedule of the base pay for the BDA shown: the rule it follows and the entry grade, steps 1
// to 12 with the day from which each applies, the step reached on the day of appointment marked, and a
// button that prints the list.

#include <QDialog>
#include <functional>

#include "Stufenplan.h"

class QLabel;
class QTableWidget;

namespace bda::fenster {

class Stufendialog : public QDialog {
   public:
    // `drucken` prints the list shown (the window's print job).
    Stufendialog(QWidget* eltern, std::function<void()> drucken);

    // Fills the list for `plan` with step `erreicht` marked (0: none) and shows the dialog; `eingangsamt`
    // names the entry grade.
    void zeigen(const Stufenfolge& plan, int erreicht, const QString& bda, const QString& ernennung,
                const QString& eingangsamt);

    const Stufenfolge& plan() const { return plan_; }
    int erreichteStufe() const { return erreicht_; }
    QTableWidget* liste() const { return liste_; }

   private:
    QLabel* kopf_;
    QLabel* regel_;
    QLabel* ergebnis_;
    QTableWidget* liste_;
    Stufenfolge plan_{};
    int erreicht_ = 0;
};

}  // namespace bda::fenster
