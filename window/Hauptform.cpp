#include "Hauptform.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QMenuBar>
#include <QMessageBox>
#include <QVBoxLayout>

#include "Bauplan.h"
#include "Briefkopf.h"
#include "Datumsfeld.h"
#include "Fensterplatz.h"
#include "Hilfefenster.h"
#include "Rechtsmitteleditor.h"

Hauptform::Hauptform(QWidget* eltern)
    : QWidget(eltern), steuerung_(fall_, *this), skalierer_(QSize(fensterbreite, fensterhöhe)) {
    setObjectName(QStringLiteral("Hauptform"));
    setWindowIcon(QIcon(QStringLiteral(":/bilder/bda.svg")));
    entwurf_ = new QWidget(this);
    entwurf_->setObjectName(QStringLiteral("Entwurf"));
    entwurf_->installEventFilter(this);
    menüleiste_ = new QMenuBar(this);
    auto* anordnung = new QVBoxLayout(this);
    anordnung->setContentsMargins(0, 0, 0, 0);
    anordnung->setSpacing(0);
    anordnung->setMenuBar(menüleiste_);
    anordnung->addWidget(entwurf_);
    aufbauen();
    menüAufbauen();
    rechtsmittel_ = new Rechtsmitteleditor(
        entwurf_, Belehrungsdatei::standard(),
        [this](const QString& text) { meldungsfenster(QCoreApplication::applicationName(), text); });
    const QSize menü(0, menüleiste_->sizeHint().height());
    // Below half the design size the captions would no longer be readable.
    setMinimumSize(skalierer_.entwurfsgröße() / 2 + menü);
    verbinden();
    steuerung_.laden();
    Briefkopf::laden(fall_.bescheid);
    darstellen();
    Fensterplatz::wiederherstellen(*this, skalierer_.entwurfsgröße() + menü);
    datum_[Feld::geburtstag]->setFocus();
}

Hauptform::~Hauptform() {
    // The controls outlive the case while QWidget deletes them; their signals must not reach it any more.
    for (QObject* kind : findChildren<QObject*>()) kind->disconnect(this);
}

int Hauptform::hilfethema() const { return fall_.amtswahl == Eingangsamt::professor ? 6 : 3; }

bool Hauptform::eventFilter(QObject* objekt, QEvent* ereignis) {
    if (objekt == entwurf_ && ereignis->type() == QEvent::Resize) {
        skalierer_.anpassen(entwurf_->size());
        if (rechtsmittel_ && rechtsmittel_->istOffen()) {
            rechtsmittel_->setGeometry(rechtsmittelbereich());
        }
    }
    return QWidget::eventFilter(objekt, ereignis);
}

void Hauptform::closeEvent(QCloseEvent* ereignis) {
    Fensterplatz::sichern(*this);
    if (hilfe_) hilfe_->close();
    ereignis->accept();
}

void Hauptform::meldung(std::string_view text) {
    meldungsfenster(QCoreApplication::applicationName(),
                    QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
}

void Hauptform::meldungsfenster(const QString& titel, const QString& text) {
    QMessageBox box(QMessageBox::NoIcon, titel, text, QMessageBox::Ok, this);
    box.setTextFormat(Qt::PlainText);
    box.exec();
    // The clerk goes on in this window, whatever the window manager activates after the box.
    activateWindow();
}

void Hauptform::fokus(Steuerelement ziel) {
    QWidget* bauteil = ziel.art == Steuerelement::Art::Datum ? static_cast<QWidget*>(datum_.at(ziel.index))
                                                             : eingabe_.at(ziel.index);
    bauteil->setFocus(Qt::OtherFocusReason);
}
