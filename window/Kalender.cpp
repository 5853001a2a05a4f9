#include "Kalender.h"

#include <QGuiApplication>
#include <QItemDelegate>
#include <QKeyEvent>
#include <QScreen>
#include <QSpinBox>
#include <QTableView>
#include <QTextCharFormat>
#include <QToolButton>
#include <algorithm>

#include "Farben.h"

namespace bda::fenster {

namespace {

const QLocale deutsch(QLocale::German, QLocale::Germany);

// Qt's calendar captions the weekdays with the locale's short names, which in German end in a point
// ("So."); the cells are drawn without it.
class Tageszeichner : public QItemDelegate {
   public:
    using QItemDelegate::QItemDelegate;

   protected:
    void drawDisplay(QPainter* maler, const QStyleOptionViewItem& option, const QRect& fläche,
                     const QString& text) const override {
        const bool wochentag = text.size() == 3 && text.endsWith(QLatin1Char('.'));
        QItemDelegate::drawDisplay(maler, option, fläche, wochentag ? text.left(2) : text);
    }
};

template <class T>
T* teil(const QCalendarWidget* kalender, const char* name) {
    return kalender->findChild<T*>(QLatin1String(name));
}

}  // namespace

Kalender::Kalender(QWidget* feld, QDate erstes, QDate letztes) : QCalendarWidget(feld) {
    setWindowFlags(Qt::Popup);
    setObjectName(QStringLiteral("Kalender"));
    setLocale(deutsch);
    setFirstDayOfWeek(deutsch.firstDayOfWeek());
    setHorizontalHeaderFormat(QCalendarWidget::ShortDayNames);
    setVerticalHeaderFormat(QCalendarWidget::NoVerticalHeader);
    setGridVisible(false);
    setDateRange(erstes, letztes);
    // Qt draws weekends in pure red, 4:1 on white; the window's warning red reaches 7.4:1.
    QTextCharFormat wochenende = weekdayTextFormat(Qt::Sunday);
    wochenende.setForeground(Farben::warnrot);
    setWeekdayTextFormat(Qt::Saturday, wochenende);
    setWeekdayTextFormat(Qt::Sunday, wochenende);
    setAccessibleName(QStringLiteral("Kalender"));
    setAccessibleDescription(QStringLiteral(
        "Pfeiltasten: Tag, Bild auf/ab: Monat, Strg+Bild auf/ab: Jahr, Strg+J: Jahr eingeben, Enter: Datum "
        "übernehmen, Esc: schließen"));

    auto* tage = teil<QTableView>(this, "qt_calendar_calendarview");
    tage->setItemDelegate(new Tageszeichner(tage));
    tage->installEventFilter(this);
    const struct {
        const char* name;
        const char* text;
    } knöpfe[] = {
        {"qt_calendar_prevmonth", "Voriger Monat (Bild auf)"},
        {"qt_calendar_nextmonth", "Nächster Monat (Bild ab)"},
        {"qt_calendar_monthbutton", "Monat wählen"},
        {"qt_calendar_yearbutton", "Jahr eingeben (Strg+J)"},
    };
    for (const auto& knopf : knöpfe) {
        auto* k = teil<QToolButton>(this, knopf.name);
        k->setToolTip(QString::fromUtf8(knopf.text));
        k->setAccessibleName(QString::fromUtf8(knopf.text));
    }
    auto* jahr = teil<QSpinBox>(this, "qt_calendar_yearedit");
    jahr->setAccessibleName(QStringLiteral("Jahr"));
    // Back to the days once the year is typed, so the next Enter picks the marked day.
    connect(jahr, &QSpinBox::editingFinished, tage, [tage] { tage->setFocus(Qt::OtherFocusReason); });

    // A month picked by the arrows, the month menu or the year's spin box takes the marked day along,
    // so Enter then picks the same day there.
    connect(this, &QCalendarWidget::currentPageChanged, this, [this](int jahr, int monat) {
        const QDate markiert = selectedDate();
        if (markiert.year() == jahr && markiert.month() == monat) return;
        const QDate erster(jahr, monat, 1);
        setSelectedDate(QDate(jahr, monat, std::min(markiert.day(), erster.daysInMonth())));
    });
    connect(this, &QCalendarWidget::activated, this, &Kalender::wählen);
    connect(this, &QCalendarWidget::clicked, this, &Kalender::wählen);
}

void Kalender::zeigen(QDate datum, QPoint ort) {
    setSelectedDate(datum);
    setCurrentPage(selectedDate().year(), selectedDate().month());
    adjustSize();
    if (const QScreen* bildschirm = QGuiApplication::screenAt(ort)) {
        const QRect fläche = bildschirm->availableGeometry();
        if (ort.y() + height() > fläche.bottom() && parentWidget()) {
            ort.setY(ort.y() - parentWidget()->height() - height());
        }
        ort.setX(std::max(fläche.left(), std::min(ort.x(), fläche.right() - width())));
    }
    move(ort);
    show();
    setFocus(Qt::PopupFocusReason);
}

QString Kalender::titel() const {
    return teil<QToolButton>(this, "qt_calendar_monthbutton")->text() + QLatin1Char(' ') +
           teil<QToolButton>(this, "qt_calendar_yearbutton")->text();
}

QStringList Kalender::wochentage() const {
    QStringList köpfe;
    for (int i = 0; i < 7; ++i)
        köpfe << wochentag(static_cast<Qt::DayOfWeek>((firstDayOfWeek() + 6 + i) % 7 + 1));
    return köpfe;
}

QString Kalender::wochentag(Qt::DayOfWeek tag) { return deutsch.dayName(tag, QLocale::ShortFormat).left(2); }

bool Kalender::eventFilter(QObject* objekt, QEvent* ereignis) {
    if (ereignis->type() == QEvent::KeyPress) {
        const auto* taste = static_cast<QKeyEvent*>(ereignis);
        const bool strg = taste->modifiers() & Qt::ControlModifier;
        if (strg && (taste->key() == Qt::Key_PageUp || taste->key() == Qt::Key_PageDown)) {
            setSelectedDate(selectedDate().addYears(taste->key() == Qt::Key_PageUp ? -1 : 1));
            return true;
        }
        if (strg && taste->key() == Qt::Key_J) {
            teil<QToolButton>(this, "qt_calendar_yearbutton")->click();
            return true;
        }
    }
    return QCalendarWidget::eventFilter(objekt, ereignis);
}

void Kalender::wählen(QDate datum) {
    hide();
    Q_EMIT ausgesucht(datum);
}

}  // namespace bda::fenster
