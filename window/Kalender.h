#pragma once
// The drop-down calendar of a date field: Qt's calendar in German, the week from Monday as German
// calendars have it, the weekdays "Mo" to "So" and the month title "Dezember 2026". Page Up and Page Down
// turn the month, with Ctrl held the year; Ctrl+J (or a click on the year) opens the year's spin box. Enter
// or a click on a day picks it, Escape closes the calendar without a choice.

#include <QCalendarWidget>

namespace bda::fenster {

class Kalender : public QCalendarWidget {
    Q_OBJECT

   public:
    // Days outside `erstes` .. `letztes` cannot be picked.
    Kalender(QWidget* feld, QDate erstes, QDate letztes);

    // Shows the month of `datum` with that day marked, the upper left corner at `ort` (global), below the
    // field or above it where the screen ends.
    void zeigen(QDate datum, QPoint ort);

    // The month title and the weekday captions as shown.
    QString titel() const;
    QStringList wochentage() const;

    // The weekday caption of the calendar: the short German name without its point ("So").
    static QString wochentag(Qt::DayOfWeek tag);

   Q_SIGNALS:
    void ausgesucht(QDate datum);

   protected:
    bool eventFilter(QObject* objekt, QEvent* ereignis) override;

   private:
    void wählen(QDate datum);
};

}  // namespace bda::fenster
