#include "Hauptform.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QMessageBox>
#include <QPlainTextEdit>

#include "Bauplan.h"
#include "Datumsfeld.h"
#include "Fensterplatz.h"
#include "Hilfefenster.h"
#include "Rechtsmitteleditor.h"

Hauptform::Hauptform(QWidget* eltern)
    : QWidget(eltern), steuerung_(fall_, *this), skalierer_(QSize(fensterbreite, fensterhöhe)) {
    setObjectName(QStringLiteral("Hauptform"));
    setWindowIcon(QIcon(QStringLiteral(":/bilder/bda.svg")));
    aufbauen();
    rechtsmittel_ = new Rechtsmitteleditor(this, Belehrungsdatei::standard(), [this](const QString& text) {
        meldungsfenster(QCoreApplication::applicationName(), text);
    });
    // Below half the design size the captions would no longer be readable.
    setMinimumSize(skalierer_.entwurfsgröße() / 2);
    verbinden();
    steuerung_.laden();
    darstellen();
    Fensterplatz::wiederherstellen(*this, skalierer_.entwurfsgröße());
    datum_[Feld::geburtstag]->setFocus();
}

Hauptform::~Hauptform() {
    // The controls outlive the case while QWidget deletes them; their signals must not reach it any more.
    for (QObject* kind : findChildren<QObject*>()) kind->disconnect(this);
}

int Hauptform::hilfethema() const { return fall_.amtswahl == Eingangsamt::professor ? 6 : 3; }

void Hauptform::resizeEvent(QResizeEvent* ereignis) {
    QWidget::resizeEvent(ereignis);
    skalierer_.anpassen(size());
    if (rechtsmittel_->istOffen()) rechtsmittel_->setGeometry(rechtsmittelbereich());
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
