#pragma once
// The drop-down calendar of a date field: one month with the weekdays "So" to "Sa" (Sunday first) and a
// title like "Dezember 2026". A click or Enter on a day picks it; Page Up and Page Down turn the
// month, Escape closes the calendar without a choice.

#include <QDate>
#include <QFrame>

class QLabel;
class QTableWidget;
class QToolButton;

class Kalenderblatt : public QFrame {
    Q_OBJECT

   public:
    // Days outside `erstes` .. `letztes` cannot be picked.
    Kalenderblatt(QWidget* feld, QDate erstes, QDate letztes);

    // Shows the month of `datum` with that day marked, the upper left corner at `ort` (global).
    void zeigen(QDate datum, QPoint ort);

    QString titel() const;
    QStringList wochentage() const;
    QDate markiert() const;

   Q_SIGNALS:
    void ausgesucht(QDate datum);

   protected:
    bool eventFilter(QObject* objekt, QEvent* ereignis) override;

   private:
    void monatZeigen(QDate tag);
    void monatWechseln(int monate);
    void waehlen(int zeile, int spalte);

    QDate erstes_;
    QDate letztes_;
    QDate monat_;
    QLabel* titel_;
    QToolButton* zurueck_;
    QToolButton* vor_;
    QTableWidget* tage_;
};
