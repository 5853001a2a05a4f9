#include "Kalenderblatt.h"

#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLocale>
#include <QScreen>
#include <QTableWidget>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>

namespace {

const QString wochentagsköpfe = QStringLiteral("So,Mo,Di,Mi,Do,Fr,Sa");
constexpr int wochen = 6;
constexpr int tageJeWoche = 7;
constexpr int zellenbreite = 28;
constexpr int zellenhöhe = 22;

// The column of a weekday when the week starts on Sunday.
int wochentagsspalte(QDate tag) { return tag.dayOfWeek() % tageJeWoche; }

QToolButton* pfeil(Qt::ArrowType richtung, const QString& hinweis, QWidget* eltern) {
    auto* knopf = new QToolButton(eltern);
    knopf->setArrowType(richtung);
    knopf->setAutoRaise(true);
    knopf->setFocusPolicy(Qt::NoFocus);
    knopf->setToolTip(hinweis);
    return knopf;
}

}  // namespace

Kalenderblatt::Kalenderblatt(QWidget* feld, QDate erstes, QDate letztes)
    : QFrame(feld, Qt::Popup),
      erstes_(erstes),
      letztes_(letztes),
      titel_(new QLabel(this)),
      zurueck_(pfeil(Qt::LeftArrow, QStringLiteral("Voriger Monat (Bild auf)"), this)),
      vor_(pfeil(Qt::RightArrow, QStringLiteral("Nächster Monat (Bild ab)"), this)),
      tage_(new QTableWidget(wochen, tageJeWoche, this)) {
    setObjectName(QStringLiteral("Kalender"));
    setFrameStyle(QFrame::Box | QFrame::Plain);
    titel_->setObjectName(QStringLiteral("Kalendertitel"));
    titel_->setAlignment(Qt::AlignCenter);
    QFont fett = titel_->font();
    fett.setBold(true);
    titel_->setFont(fett);

    tage_->setHorizontalHeaderLabels(wochentagsköpfe.split(QLatin1Char(',')));
    tage_->verticalHeader()->hide();
    tage_->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    tage_->horizontalHeader()->setDefaultSectionSize(zellenbreite);
    tage_->horizontalHeader()->setSectionsClickable(false);
    tage_->verticalHeader()->setDefaultSectionSize(zellenhöhe);
    tage_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    tage_->setSelectionMode(QAbstractItemView::SingleSelection);
    tage_->setShowGrid(false);
    tage_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    tage_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    tage_->setFixedSize(
        tageJeWoche * zellenbreite + 2 * tage_->frameWidth(),
        wochen * zellenhöhe + tage_->horizontalHeader()->sizeHint().height() + 2 * tage_->frameWidth());
    tage_->installEventFilter(this);

    auto* kopf = new QHBoxLayout;
    kopf->addWidget(zurueck_);
    kopf->addWidget(titel_, 1);
    kopf->addWidget(vor_);
    auto* blatt = new QVBoxLayout(this);
    blatt->setContentsMargins(4, 4, 4, 4);
    blatt->addLayout(kopf);
    blatt->addWidget(tage_);

    connect(zurueck_, &QToolButton::clicked, this, [this] { monatWechseln(-1); });
    connect(vor_, &QToolButton::clicked, this, [this] { monatWechseln(1); });
    connect(tage_, &QTableWidget::cellClicked, this, &Kalenderblatt::waehlen);
}

void Kalenderblatt::zeigen(QDate datum, QPoint ort) {
    monatZeigen(datum);
    adjustSize();
    // Below the field, or above it when the screen ends first.
    if (const QScreen* bildschirm = QGuiApplication::screenAt(ort)) {
        const QRect fläche = bildschirm->availableGeometry();
        if (ort.y() + height() > fläche.bottom() && parentWidget()) {
            ort.setY(ort.y() - parentWidget()->height() - height());
        }
        ort.setX(std::min(ort.x(), fläche.right() - width()));
    }
    move(ort);
    show();
    tage_->setFocus(Qt::PopupFocusReason);
}

QString Kalenderblatt::titel() const { return titel_->text(); }

QStringList Kalenderblatt::wochentage() const {
    QStringList köpfe;
    for (int i = 0; i < tageJeWoche; ++i) köpfe << tage_->horizontalHeaderItem(i)->text();
    return köpfe;
}

QDate Kalenderblatt::markiert() const {
    const QTableWidgetItem* zelle = tage_->currentItem();
    return zelle ? zelle->data(Qt::UserRole).toDate() : QDate();
}

bool Kalenderblatt::eventFilter(QObject* objekt, QEvent* ereignis) {
    if (objekt == tage_ && ereignis->type() == QEvent::KeyPress) {
        switch (static_cast<QKeyEvent*>(ereignis)->key()) {
            case Qt::Key_PageUp:
                monatWechseln(-1);
                return true;
            case Qt::Key_PageDown:
                monatWechseln(1);
                return true;
            case Qt::Key_Escape:
                close();
                return true;
            case Qt::Key_Return:
            case Qt::Key_Enter:
                waehlen(tage_->currentRow(), tage_->currentColumn());
                return true;
            default:
                break;
        }
    }
    return QFrame::eventFilter(objekt, ereignis);
}

void Kalenderblatt::monatZeigen(QDate tag) {
    tag = std::clamp(tag, erstes_, letztes_);
    monat_ = QDate(tag.year(), tag.month(), 1);
    const QLocale deutsch(QLocale::German, QLocale::Germany);
    titel_->setText(deutsch.standaloneMonthName(monat_.month()) + QLatin1Char(' ') +
                    QString::number(monat_.year()));
    zurueck_->setEnabled(monat_ > erstes_);
    vor_->setEnabled(monat_.addMonths(1) <= letztes_);

    const QDate anfang = monat_.addDays(-wochentagsspalte(monat_));
    for (int i = 0; i < wochen * tageJeWoche; ++i) {
        const QDate datum = anfang.addDays(i);
        auto* zelle = new QTableWidgetItem(QString::number(datum.day()));
        zelle->setData(Qt::UserRole, datum);
        zelle->setTextAlignment(Qt::AlignCenter);
        if (datum < erstes_ || datum > letztes_) {
            zelle->setFlags(Qt::NoItemFlags);
        } else if (datum.month() != monat_.month()) {
            zelle->setForeground(palette().color(QPalette::Disabled, QPalette::Text));
        }
        tage_->setItem(i / tageJeWoche, i % tageJeWoche, zelle);
        if (datum == tag) tage_->setCurrentCell(i / tageJeWoche, i % tageJeWoche);
    }
}

void Kalenderblatt::monatWechseln(int monate) {
    const QDate markiertesDatum = markiert();
    const QDate ziel =
        markiertesDatum.isValid() ? markiertesDatum.addMonths(monate) : monat_.addMonths(monate);
    if (ziel.addDays(1 - ziel.day()) > letztes_ || ziel.addDays(ziel.daysInMonth() - ziel.day()) < erstes_)
        return;
    monatZeigen(ziel);
}

void Kalenderblatt::waehlen(int zeile, int spalte) {
    const QTableWidgetItem* zelle = tage_->item(zeile, spalte);
    if (!zelle || !(zelle->flags() & Qt::ItemIsEnabled)) return;
    const QDate datum = zelle->data(Qt::UserRole).toDate();
    close();
    Q_EMIT ausgesucht(datum);
}
