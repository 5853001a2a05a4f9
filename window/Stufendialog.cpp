#include "Stufendialog.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "Datumstext.h"
#include "Farben.h"
#include "Mengenangabe.h"

namespace bda::fenster {

Stufendialog::Stufendialog(QWidget* eltern, std::function<void()> drucken)
    : QDialog(eltern),
      kopf_(new QLabel(this)),
      regel_(new QLabel(this)),
      ergebnis_(new QLabel(this)),
      liste_(new QTableWidget(this)) {
    setObjectName(QStringLiteral("Stufenplan"));
    setWindowTitle(QStringLiteral("Stufen des Grundgehalts"));
    QFont fett = kopf_->font();
    fett.setBold(true);
    kopf_->setFont(fett);
    kopf_->setTextFormat(Qt::PlainText);
    regel_->setObjectName(QStringLiteral("Stufenregel"));
    regel_->setTextFormat(Qt::PlainText);
    ergebnis_->setTextFormat(Qt::PlainText);

    liste_->setObjectName(QStringLiteral("Stufenliste"));
    liste_->setColumnCount(4);
    liste_->setHorizontalHeaderLabels(
        {QStringLiteral("Stufe"), QStringLiteral("ab"), QStringLiteral("Abstand"), QString()});
    liste_->verticalHeader()->hide();
    liste_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    liste_->setSelectionBehavior(QAbstractItemView::SelectRows);
    liste_->setSelectionMode(QAbstractItemView::SingleSelection);
    liste_->horizontalHeader()->setStretchLastSection(true);
    liste_->setAccessibleName(QStringLiteral("Stufen 1 bis 12"));
    liste_->setAccessibleDescription(QStringLiteral(
        "Je Stufe der Tag, ab dem sie gilt; die am Tag der Ernennung erreichte Stufe ist markiert"));

    auto* knöpfe = new QDialogButtonBox(this);
    QPushButton* druck = knöpfe->addButton(QStringLiteral("&Drucken"), QDialogButtonBox::ActionRole);
    druck->setObjectName(QStringLiteral("Stufenliste_drucken"));
    druck->setAccessibleDescription(QStringLiteral("Druckt die Liste im Hochformat auf dem Standarddrucker"));
    QPushButton* schließen = knöpfe->addButton(QStringLiteral("&Schließen"), QDialogButtonBox::RejectRole);
    schließen->setAccessibleDescription(QStringLiteral("Schließt die Liste (Esc)"));
    connect(druck, &QPushButton::clicked, this, std::move(drucken));
    connect(knöpfe, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* aufbau = new QVBoxLayout(this);
    aufbau->addWidget(kopf_);
    aufbau->addWidget(regel_);
    aufbau->addWidget(ergebnis_);
    aufbau->addWidget(liste_, 1);
    aufbau->addWidget(knöpfe);
}

void Stufendialog::zeigen(const Stufenfolge& plan, int erreicht, const QString& bda, const QString& ernennung,
                          const QString& eingangsamt) {
    plan_ = plan;
    erreicht_ = erreicht;
    kopf_->setText(QStringLiteral("Stufen des Grundgehalts für das BDA ab %1").arg(bda));
    regel_->setText(
        QStringLiteral("nach %1, Eingangsamt %2")
            .arg(QString::fromUtf8(stufenregel.data(), static_cast<qsizetype>(stufenregel.size())),
                 eingangsamt));
    ergebnis_->setText(
        erreicht > 0
            ? QStringLiteral("Am Tag der Ernennung (%1) erreicht: Stufe %2").arg(ernennung).arg(erreicht)
            : QStringLiteral("Am Tag der Ernennung (%1) ist noch keine Stufe erreicht.").arg(ernennung));
    liste_->setRowCount(anzahlStufen);
    for (const Stufe& stufe : plan) {
        const int zeile = stufe.nummer - 1;
        const bool markiert = stufe.nummer == erreicht;
        const QStringList zellen = {
            QString::number(stufe.nummer), QString::fromStdString(textAusDatum(stufe.ab)),
            stufe.jahre == 0 ? QStringLiteral("ab dem BDA")
                             : QString::fromStdString("nach " + anzahl(stufe.jahre, "Jahr", "Jahren")),
            markiert ? QStringLiteral("erreicht am Tag der Ernennung") : QString()};
        for (int spalte = 0; spalte < zellen.size(); ++spalte) {
            auto* zelle = new QTableWidgetItem(zellen[spalte]);
            if (markiert) {
                QFont schrift = zelle->font();
                schrift.setBold(true);
                zelle->setFont(schrift);
                zelle->setBackground(Farben::hellgelb);
                zelle->setForeground(Qt::black);
            }
            liste_->setItem(zeile, spalte, zelle);
        }
    }
    liste_->resizeColumnsToContents();
    liste_->horizontalHeader()->setStretchLastSection(true);
    // All twelve steps at once, without scrolling.
    liste_->setMinimumHeight(liste_->horizontalHeader()->sizeHint().height() +
                             anzahlStufen * liste_->verticalHeader()->defaultSectionSize() +
                             2 * liste_->frameWidth());
    int breite = 2 * liste_->frameWidth();
    for (int spalte = 0; spalte < liste_->columnCount(); ++spalte) breite += liste_->columnWidth(spalte);
    liste_->setMinimumWidth(breite);
    adjustSize();
    if (erreicht > 0) liste_->setCurrentCell(erreicht - 1, 0);
    open();
    liste_->setFocus();
}

}  // namespace bda::fenster
