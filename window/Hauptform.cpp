#include "Hauptform.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QGridLayout>
#include <QMenuBar>
#include <QMessageBox>
#include <QVBoxLayout>

#include "Bauplan.h"
#include "Briefkopf.h"
#include "Datumsfeld.h"
#include "Fallbefehle.h"
#include "Fensterplatz.h"
#include "Hilfefenster.h"
#include "Leitertext.h"
#include "Rechtsmitteleditor.h"
#include "Rueckfrage.h"

namespace bda::fenster {

using druck::Belehrungsdatei;

Hauptform::Hauptform(QWidget* eltern)
    : QWidget(eltern), steuerung_(fall_, *this), skalierer_(QSize(fensterbreite, fensterhöhe)) {
    setObjectName(QStringLiteral("Hauptform"));
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
    befehle_ = std::make_unique<Fallbefehle>(*this);
    menüAufbauen();
    const QSize menü(0, menüleiste_->sizeHint().height());
    setMinimumSize(skalierer_.kleinsteGröße(punkte(Schrift::arial825), mindestpunkte) + menü);
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

// Made when first needed: the first frame does not show it.
Rechtsmitteleditor* Hauptform::rechtsmittel() {
    if (!rechtsmittel_) {
        rechtsmittel_ = new Rechtsmitteleditor(
            entwurf_, Belehrungsdatei::standard(),
            [this](const QString& text) { meldungsfenster(QCoreApplication::applicationName(), text); },
            [this](const QString& text) { return jaNeinFrage(text); });
    }
    return rechtsmittel_;
}

int Hauptform::titelbreite(const QString& titel) {
    // Window managers draw titles in a bold font up to a quarter larger than the application's, beside
    // an icon and three buttons.
    QFont titelschrift = QApplication::font();
    titelschrift.setBold(true);
    titelschrift.setPointSizeF(titelschrift.pointSizeF() * 1.25);
    const int knöpfe = 4 * 2 * QFontMetrics(titelschrift).height();
    return QFontMetrics(titelschrift).horizontalAdvance(titel) + knöpfe;
}

int Hauptform::hilfethema() const { return fall_.amtswahl == Eingangsamt::professor ? 6 : 3; }

bool Hauptform::eventFilter(QObject* objekt, QEvent* ereignis) {
    if (objekt == entwurf_ && ereignis->type() == QEvent::Resize) {
        skalierer_.anpassen(entwurf_->size());
        lückenbeschriftungenSetzen();
        if (rechtsmittel_ && rechtsmittel_->istOffen()) rechtsmittel_->setGeometry(rechtsmittelbereich());
    }
    return QWidget::eventFilter(objekt, ereignis);
}

// "ein Viertel" and "die Hälfte" stand in the gap of blanks in "Das BDA wird um ... davon". The gap
// grows with the font, the label's place with the width, so it is centred in the gap as measured.
void Hauptform::lückenbeschriftungenSetzen() {
    for (const auto& [zeile, lücke] : {std::pair{"Label3_0", "Label16"}, std::pair{"Label3_1", "Label17"}}) {
        const auto* satz = static_cast<const Leitertext*>(bauteil<QLabel>(zeile));
        auto* wort = bauteil<QLabel>(lücke);
        const QString text = satz->text();
        const int anfang =
            satz->x() + satz->textanfang(static_cast<int>(text.indexOf(QStringLiteral(" um ")) + 4));
        const int ende =
            satz->x() + satz->textanfang(static_cast<int>(text.indexOf(QStringLiteral("davon"))));
        QFont schrift = wort->font();
        const int abstand = QFontMetrics(satz->font()).horizontalAdvance(QLatin1Char(' '));
        while (schrift.pixelSize() > 1 &&
               QFontMetrics(schrift).horizontalAdvance(wort->text()) > ende - anfang - 2 * abstand) {
            schrift.setPixelSize(schrift.pixelSize() - 1);
        }
        wort->setFont(schrift);
        const int breite = QFontMetrics(schrift).horizontalAdvance(wort->text()) + 2;
        wort->setGeometry(anfang + (ende - anfang - breite) / 2, wort->y(), breite, wort->height());
    }
}

void Hauptform::closeEvent(QCloseEvent* ereignis) {
    if (!befehle_->schließenErlaubt()) {
        ereignis->ignore();
        return;
    }
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
    // A message box is as wide as its text; a short text would cut the title in the title bar. QMessageBox
    // keeps its own width, so an invisible spacer across its grid holds the room.
    if (auto* gitter = qobject_cast<QGridLayout*>(box.layout())) {
        gitter->addItem(new QSpacerItem(titelbreite(titel), 0, QSizePolicy::Minimum, QSizePolicy::Fixed),
                        gitter->rowCount(), 0, 1, gitter->columnCount());
    }
    box.exec();
    // The clerk goes on in this window, whatever the window manager activates after the box.
    activateWindow();
}

bool Hauptform::jaNeinFrage(const QString& text) { return jaNeinBox(this, text); }

void Hauptform::fallErsetzen(const Fall& fall, std::optional<Steuerelement> ziel,
                             std::optional<Stufenfall> stufe) {
    const Bescheiddaten bisher = fall_.bescheid;
    fall_ = fall;
    erfahrungsstufe_ = std::move(stufe);
    Briefkopf::übernehmen(bisher, fall_.bescheid);
    darstellen();
    fokus(ziel.value_or(Steuerelement::datum(Feld::geburtstag)));
}

void Hauptform::fokus(Steuerelement ziel) {
    QWidget* bauteil = ziel.art == Steuerelement::Art::Datum ? static_cast<QWidget*>(datum_.at(ziel.index))
                                                             : eingabe_.at(ziel.index);
    bauteil->setFocus(Qt::OtherFocusReason);
}

}  // namespace bda::fenster
