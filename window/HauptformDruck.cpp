#include <QCoreApplication>
#include <QDate>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QPushButton>
#include <QStandardPaths>

#include "Bescheid.h"
#include "Datumsfeld.h"
#include "Druckfreigabe.h"
#include "Druckziel.h"
#include "Hauptform.h"
#include "Platzhalterangebot.h"
#include "Rechtsmitteleditor.h"
#include "Stufendialog.h"
#include "Stufenliste.h"

namespace bda::fenster {

using druck::Seitenwahl;

using druck::bescheidPasstAufEineSeite;
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
    ausgeben([this](Druckziel& ziel) { pdfSpeichern(this, ziel, QStringLiteral("BDA-Bescheid")); });
}

// The file the clerk chooses, proposed as "<stamm> <Name> <JJJJ-MM-TT>.pdf" in the documents folder; nothing
// when she cancels.
void Hauptform::pdfSpeichern(QWidget* über, Druckziel& ziel, const QString& stamm) const {
    QString datei = QFileDialog::getSaveFileName(über, QStringLiteral("Als PDF speichern"),
                                                 pdfVorschlag(stamm), QStringLiteral("PDF-Dateien (*.pdf)"));
    if (datei.isEmpty()) return;
    if (!datei.endsWith(QStringLiteral(".pdf"), Qt::CaseInsensitive)) datei += QStringLiteral(".pdf");
    ziel.pdf(datei);
}

// What every print command shares: the editor hidden, no print without a BDA, the legal-remedy text read
// once (an old text offered the placeholder), and the documents printed from the case as it stands.
void Hauptform::ausgeben(const std::function<void(Druckziel&)>& ziel) {
    if (!druckVorbereiten()) return;
    Druckbelehrung belehrung = rechtsmittel()->datei().zumDrucken();
    if (!belehrung.fehler.isEmpty()) {
        meldung(belehrung.fehler.toStdString());
        return;
    }
    if (!belehrung.mitgeliefert) {
        belehrung.text = Platzhalterangebot::anbieten(
            belehrung.text, rechtsmittel()->datei(),
            [this](const QString& text) { return jaNeinFrage(text); },
            [this](const QString& text) { meldungsfenster(QCoreApplication::applicationName(), text); });
    }
    Druckziel druckziel(
        this,
        {[&](Druckauftrag& auftrag, Seitenwahl wahl) {
             return mappeDrucken(fall_, belehrung.text, heute(), wahl, auftrag);
         },
         [&](Seitenwahl wahl) {
             return !enthält(wahl, Seitenwahl::bescheid) ||
                    bescheidFreigeben(bescheidPasstAufEineSeite(fall_, belehrung.text),
                                      [this](const QString& text) { return jaNeinFrage(text); });
         },
         [this](const QString& meldung) { meldungsfenster(QCoreApplication::applicationName(), meldung); }});
    ziel(druckziel);
    activateWindow();
}

// The step schedule for the BDA shown, the step of the day of appointment marked; printed on request.
void Hauptform::stufenGeklickt() {
    if (!druckVorbereiten()) return;
    if (!hatStufenplan(fall_.amtswahl)) {
        const std::string_view amt = eingangsamtnamen.at(static_cast<std::size_t>(fall_.amtswahl));
        meldungsfenster(
            QCoreApplication::applicationName(),
            QStringLiteral("Die Stufenliste folgt %1, und gilt daher nur für die Eingangsämter A 1 bis A 12 "
                           "und A 13 oder A 14. Für das Eingangsamt „%2“ kennt das Programm die Stufenfolge "
                           "nicht; bitte die Stufen nach den dafür geltenden Vorschriften bestimmen.")
                .arg(text(stufenregel), text(amt)));
        return;
    }
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
    stufen_->zeigen(plan, erreicht, text(fall_.datum[Feld::bda]), text(fall_.datum[Feld::ernennung]),
                    text(eingangsamtnamen.at(static_cast<std::size_t>(fall_.amtswahl))));
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

// A notice that would name the authority incompletely (its sender line and its legal-remedy instruction
// need the letterhead and the address) or would not fit on one page goes out only when the clerk says so.
bool Hauptform::bescheidFreigeben(bool passtAufEineSeite, const std::function<bool(const QString&)>& frage) {
    if (const std::string fehlt = fehlendeBehördenangaben(fall_.bescheid.behörde); !fehlt.empty()) {
        const bool trotzdem =
            frage(QStringLiteral(
                      "Der Bescheid nennt die Behörde nicht vollständig. In den Bescheiddaten fehlt: "
                      "%1.\n\nEine Rechtsbehelfsbelehrung ohne die Behörde und ihren Sitz verlängert die "
                      "Widerspruchsfrist auf ein Jahr (§ 58 Abs. 2 VwGO). Trotzdem drucken?")
                      .arg(text(fehlt)));
        if (!trotzdem) return false;
    }
    if (!passtAufEineSeite) {
        return frage(
            QStringLiteral("Der Bescheid passt nicht auf eine Seite, sein Ende käme auf ein zweites Blatt. "
                           "Kürzen Sie die Rechtsbehelfsbelehrung mit „RB-Text“ oder wählen Sie in den "
                           "Bescheiddaten das Anschriftfeld Form A. Trotzdem drucken?"));
    }
    return true;
}

// "<stamm> <Name> <JJJJ-MM-TT>.pdf" in the documents folder, dated as the notice is.
QString Hauptform::pdfVorschlag(QString stamm) const {
    QDate datum = QDate::fromString(QString::fromStdString(fall_.bescheid.bescheiddatum.text()).trimmed(),
                                    QStringLiteral("dd.MM.yyyy"));
    if (!datum.isValid()) datum = QDate::currentDate();
    QString name = QString::fromStdString(fall_.name).simplified();
    for (const QChar verboten : {QLatin1Char('/'), QLatin1Char('\\'), QLatin1Char(':')})
        name.replace(verboten, '-');
    stamm += QLatin1Char(' ');
    if (!name.isEmpty()) stamm += name + QLatin1Char(' ');
    const QString dokumente = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return QDir(QFileInfo(dokumente).isDir() ? dokumente : QDir::homePath())
        .filePath(stamm + datum.toString(QStringLiteral("yyyy-MM-dd")) + QStringLiteral(".pdf"));
}

void Hauptform::rechtsmittelUmschalten() { rechtsmittel()->umschalten(rechtsmittelbereich()); }

// The editor covers the design area below the row of command buttons.
QRect Hauptform::rechtsmittelbereich() const {
    const int oben = bauteil<QPushButton>("Schließen")->height();
    return QRect(0, oben, entwurf_->width(), entwurf_->height() - oben);
}

}  // namespace bda::fenster
