#include <QCoreApplication>
#include <QDate>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QPushButton>
#include <QStandardPaths>

#include "Datumsfeld.h"
#include "Druckfreigabe.h"
#include "Druckziel.h"
#include "Hauptform.h"
#include "Rechtsmitteleditor.h"
#include "Stufendialog.h"
#include "Stufenliste.h"

namespace bda::fenster {

using druck::Seitenwahl;

using druck::Druckauftrag;
using druck::Druckbelehrung;
using druck::druckverweigerungText;
using druck::druckverweigerungTitel;
using druck::enthält;
using druck::fehlendesDruckfeld;
using druck::heute;
using druck::mappeDrucken;
using druck::stufenlisteDrucken;

namespace {

QString text(std::string_view utf8) {
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

}  // namespace

void Hauptform::bescheidGeklickt() {
    ausgeben(
        [](Druckziel& ziel) { ziel.standarddrucker(Seitenwahl::bescheid, QStringLiteral("BDA-Bescheid")); });
}

void Hauptform::berechnungGeklickt() {
    ausgeben([](Druckziel& ziel) {
        ziel.standarddrucker(Seitenwahl::berechnung, QStringLiteral("BDA-Berechnung"));
    });
}

void Hauptform::druckvorschau() {
    ausgeben([](Druckziel& ziel) { ziel.vorschau(); });
}

void Hauptform::druckenMitWahl() {
    ausgeben([](Druckziel& ziel) { ziel.druckerwahl(); });
}

void Hauptform::alsPdfSpeichern() {
    ausgeben([this](Druckziel& ziel) {
        QString datei = QFileDialog::getSaveFileName(this, QStringLiteral("Als PDF speichern"),
                                                     pdfVorschlag(), QStringLiteral("PDF-Dateien (*.pdf)"));
        if (datei.isEmpty()) return;
        if (!datei.endsWith(QStringLiteral(".pdf"), Qt::CaseInsensitive)) datei += QStringLiteral(".pdf");
        ziel.pdf(datei);
    });
}

// What every print command shares: the editor hidden, no print without a BDA, the legal-remedy text read
// once, and the documents printed from the case as it stands.
void Hauptform::ausgeben(const std::function<void(Druckziel&)>& ziel) {
    if (!druckVorbereiten()) return;
    const Druckbelehrung belehrung = rechtsmittel()->datei().zumDrucken(fall_.bescheid.kopfzeile1.text(),
                                                                        fall_.bescheid.kopfzeile2.text());
    if (!belehrung.fehler.isEmpty()) {
        meldung(belehrung.fehler.toStdString());
        return;
    }
    Druckziel druckziel(
        this,
        {[&](Druckauftrag& auftrag, Seitenwahl wahl) {
             return mappeDrucken(fall_, belehrung.text, heute(), wahl, auftrag);
         },
         [&](Seitenwahl wahl) {
             return !enthält(wahl, Seitenwahl::bescheid) || !belehrung.mitgeliefert || ohneBehördeDrucken();
         },
         [this](const QString& meldung) { meldungsfenster(QCoreApplication::applicationName(), meldung); }});
    ziel(druckziel);
    activateWindow();
}

// The step schedule for the BDA shown, the step of the day of appointment marked; printed on request.
void Hauptform::stufenGeklickt() {
    if (!druckVorbereiten()) return;
    const auto bda = datumAusText(fall_.datum[Feld::bda]);
    const auto ernennung = datumAusText(fall_.datum[Feld::ernennung]);
    if (!bda) return;
    const Stufenfolge plan = stufenplan(*bda);
    const int erreicht = ernennung ? stufeAm(plan, *ernennung) : 0;
    if (!stufen_) {
        stufen_ = new Stufendialog(this, [this] {
            Druckziel druckziel(this, {[this](Druckauftrag& auftrag, Seitenwahl) {
                                           return stufenlisteDrucken(fall_, stufen_->plan(),
                                                                     stufen_->erreichteStufe(), auftrag);
                                       },
                                       [](Seitenwahl) { return true; },
                                       [this](const QString& meldung) {
                                           meldungsfenster(QCoreApplication::applicationName(), meldung);
                                       }});
            druckziel.standarddrucker(Seitenwahl::beide, QStringLiteral("BDA-Stufen"));
        });
    }
    stufen_->zeigen(plan, erreicht, text(fall_.datum[Feld::bda]), text(fall_.datum[Feld::ernennung]));
}

// All print commands hide the legal-remedy editor and refuse while a date they print is missing.
bool Hauptform::druckVorbereiten() {
    if (rechtsmittel_) rechtsmittel_->verbergen();
    const auto fehlendesFeld = fehlendesDruckfeld(fall_);
    if (!fehlendesFeld) return true;
    meldungsfenster(text(druckverweigerungTitel), text(druckverweigerungText));
    datum_[*fehlendesFeld]->setFocus();
    return false;
}

// The shipped legal-remedy text names the authority from the letterhead; with both lines blank the
// notice would name none, so the clerk decides.
bool Hauptform::ohneBehördeDrucken() {
    if (!fall_.bescheid.kopfzeile1.istLeer() || !fall_.bescheid.kopfzeile2.istLeer()) return true;
    QMessageBox frage(
        QMessageBox::NoIcon, QCoreApplication::applicationName(),
        QStringLiteral("Der Briefkopf ist leer: der Bescheid nennt keine Behörde. Trotzdem drucken?"),
        QMessageBox::Yes | QMessageBox::No, this);
    frage.button(QMessageBox::Yes)->setText(QStringLiteral("&Ja"));
    frage.button(QMessageBox::No)->setText(QStringLiteral("&Nein"));
    frage.setDefaultButton(QMessageBox::No);
    const bool ja = frage.exec() == QMessageBox::Yes;
    activateWindow();
    return ja;
}

// "BDA-Bescheid <Name> <JJJJ-MM-TT>.pdf" in the documents folder, dated as the notice is.
QString Hauptform::pdfVorschlag() const {
    QDate datum = QDate::fromString(QString::fromStdString(fall_.bescheid.bescheiddatum.text()).trimmed(),
                                    QStringLiteral("dd.MM.yyyy"));
    if (!datum.isValid()) datum = QDate::currentDate();
    QString name = QString::fromStdString(fall_.name).simplified();
    for (const QChar verboten : {QLatin1Char('/'), QLatin1Char('\\'), QLatin1Char(':')})
        name.replace(verboten, '-');
    QString stamm = QStringLiteral("BDA-Bescheid ");
    if (!name.isEmpty()) stamm += name + QLatin1Char(' ');
    const QString dokumente = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return QDir(QFileInfo(dokumente).isDir() ? dokumente : QDir::homePath())
        .filePath(stamm + datum.toString(QStringLiteral("yyyy-MM-dd")) + QStringLiteral(".pdf"));
}

void Hauptform::rechtsmittelUmschalten() {
    rechtsmittel()->umschalten(rechtsmittelbereich(), fall_.bescheid.kopfzeile1.text(),
                               fall_.bescheid.kopfzeile2.text());
}

// The editor covers the design area below the row of command buttons.
QRect Hauptform::rechtsmittelbereich() const {
    const int oben = bauteil<QPushButton>("Schließen")->height();
    return QRect(0, oben, entwurf_->width(), entwurf_->height() - oben);
}

}  // namespace bda::fenster
