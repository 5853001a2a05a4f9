#include "Datumsfeld.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QToolButton>
#include <algorithm>

#include "Datumstext.h"
#include "Kalender.h"

namespace bda::fenster {

namespace {

const QString eingabemaske = QStringLiteral("99/99/9999;_");
const QString datumsformat = QStringLiteral("dd/MM/yyyy");
QDate qdatum(std::chrono::year_month_day datum) {
    return QDate(static_cast<int>(datum.year()), static_cast<int>(static_cast<unsigned>(datum.month())),
                 static_cast<int>(static_cast<unsigned>(datum.day())));
}
// The calendar offers the dates the fields accept.
const QDate erstesDatum = qdatum(erstesZulässigesDatum);
const QDate letztesDatum = qdatum(letztesZulässigesDatum);
const QString leererText = QString::fromUtf8(leeresDatum.data(), static_cast<qsizetype>(leeresDatum.size()));

}  // namespace

Datumsfeld::Datumsfeld(QWidget* parent) : QLineEdit(parent), knopf_(new QToolButton(this)) {
    setInputMask(eingabemaske);
    setToolTip(
        QStringLiteral("Datum TT/MM/JJJJ, Abschluss mit der Enter-Taste\n"
                       "F2: heutiges Datum   F3: Feld leeren   F4: Kalender"));
    knopf_->setArrowType(Qt::DownArrow);
    knopf_->setAutoRaise(true);
    knopf_->setFocusPolicy(Qt::NoFocus);
    knopf_->setCursor(Qt::ArrowCursor);
    knopf_->setToolTip(QStringLiteral("Kalender (F4)"));
    knopf_->setAccessibleName(QStringLiteral("Kalender öffnen"));
    knopf_->setAccessibleDescription(QStringLiteral("Öffnet den Kalender zum Feld, wie F4"));
    connect(knopf_, &QToolButton::clicked, this, &Datumsfeld::kalenderZeigen);
    connect(this, &QLineEdit::textEdited, this, &Datumsfeld::bearbeitet);
}

void Datumsfeld::datumstextSetzen(const QString& text) {
    if (text == displayText()) return;
    if (text == leererText) {
        clear();
    } else {
        setText(text);
    }
}

std::optional<QDate> Datumsfeld::wert() const {
    const QDate datum = QDate::fromString(displayText(), datumsformat);
    if (!datum.isValid()) return std::nullopt;
    return datum;
}

QDate Datumsfeld::kalenderanfang() const {
    QDate anfang = wert().value_or(anfangsdatum_ ? anfangsdatum_() : QDate());
    if (!anfang.isValid()) anfang = QDate::currentDate();
    return std::clamp(anfang, erstesDatum, letztesDatum);
}

void Datumsfeld::kalenderZeigen() {
    if (isReadOnly()) return;
    if (!kalender_) {
        kalender_ = new Kalender(this, erstesDatum, letztesDatum);
        connect(kalender_, &Kalender::ausgesucht, this, &Datumsfeld::kalenderGewählt);
    }
    kalender_->zeigen(kalenderanfang(), mapToGlobal(QPoint(0, height())));
}

void Datumsfeld::keyPressEvent(QKeyEvent* ereignis) {
    switch (ereignis->key()) {
        case Qt::Key_F2:
            if (!isReadOnly()) datumEinsetzen(QDate::currentDate());
            return;
        case Qt::Key_F3:
            if (!isReadOnly()) {
                clear();
                Q_EMIT bearbeitet();
            }
            return;
        case Qt::Key_F4:
            kalenderZeigen();
            return;
        case Qt::Key_Down:
            if (ereignis->modifiers() & Qt::AltModifier) {
                kalenderZeigen();
                return;
            }
            break;
        case Qt::Key_Return:
        case Qt::Key_Enter:
            // Enter belongs to the window's driver; the line edit itself has nothing to do with it.
            ereignis->accept();
            Q_EMIT enterGedrueckt();
            return;
        default:
            break;
    }
    QLineEdit::keyPressEvent(ereignis);
}

void Datumsfeld::focusInEvent(QFocusEvent* ereignis) {
    QLineEdit::focusInEvent(ereignis);
    Q_EMIT fokussiert();
    // Coming by keyboard or by a move of the program, the clerk types over what the field holds.
    if (ereignis->reason() != Qt::MouseFocusReason) {
        if (displayText() == leererText) {
            setCursorPosition(0);
        } else {
            selectAll();
        }
    }
}

void Datumsfeld::mousePressEvent(QMouseEvent* ereignis) {
    QLineEdit::mousePressEvent(ereignis);
    // Typing into an empty field starts with the day, wherever the click landed.
    if (displayText() == leererText) setCursorPosition(0);
}

void Datumsfeld::resizeEvent(QResizeEvent* ereignis) {
    QLineEdit::resizeEvent(ereignis);
    knopfAnordnen();
}

void Datumsfeld::changeEvent(QEvent* ereignis) {
    QLineEdit::changeEvent(ereignis);
    if (ereignis->type() == QEvent::ReadOnlyChange) knopfAnordnen();
}

void Datumsfeld::datumEinsetzen(QDate datum) {
    setText(datum.toString(datumsformat));
    setFocus(Qt::PopupFocusReason);
    Q_EMIT bearbeitet();
}

// As if the clerk had typed the date and pressed Enter: the driver checks it and moves the focus on.
void Datumsfeld::kalenderGewählt(QDate datum) {
    datumEinsetzen(datum);
    Q_EMIT enterGedrueckt();
}

void Datumsfeld::knopfAnordnen() {
    const int höhe = std::max(1, height() - 4);
    const int breite = isReadOnly() ? 0 : std::max(8, height() * 2 / 3);
    knopf_->setVisible(!isReadOnly());
    knopf_->setGeometry(width() - breite - 2, 2, breite, höhe);
    setTextMargins(0, 0, breite, 0);
}

}  // namespace bda::fenster
