#include "Fallbefehle.h"

#include <QAction>
#include <QClipboard>
#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QSettings>
#include <QStandardPaths>

#include "Datumsfeld.h"
#include "Druckfreigabe.h"
#include "Fallablage.h"
#include "Fallformat.h"
#include "Fallsteuerung.h"
#include "Fallwiedergabe.h"
#include "Hauptform.h"
#include "Protokoll.h"
#include "Zeitraum.h"

namespace bda::fenster {

using druck::fehlendesDruckfeld;
namespace Fallablage = datei::Fallablage;
using datei::abweichungsmeldung;
using datei::Falldatei;
using datei::Falldateifehler;
using datei::falldateiVon;
using datei::falltext;
using datei::Wiedergabe;
using datei::wiedergeben;

namespace {

constexpr int zuletztHöchstens = 8;
const QString zuletztSchlüssel = QStringLiteral("Falldateien/Zuletzt");
const QString übertragSchlüssel = QStringLiteral("Uebertrag/Ordner");
const QString dateifilter = QStringLiteral("Falldateien (*.bda)");

QSettings einstellungen() { return QSettings(QSettings::UserScope, QCoreApplication::applicationName()); }

QString text(const std::string& utf8) { return QString::fromStdString(utf8); }

// A case as the program starts it.
Fall neuerFall() {
    Fall fall;
    Protokoll protokoll;
    Fallsteuerung steuerung(fall, protokoll);
    steuerung.laden();
    return fall;
}

// What a file name may not hold on the usual file systems, taken out of the official's name.
QString dateinamensteil(const std::string& name) {
    QString teil = text(name).simplified();
    for (QChar& c : teil) {
        if (QStringLiteral("/\\:*?\"<>|").contains(c) || c.category() == QChar::Other_Control)
            c = QLatin1Char('_');
    }
    return teil;
}

// The clerk typed more than a birth date: the appointment, a period or a description.
bool hältMehrAlsGeburtstag(const Fall& fall) {
    for (int feld = Feld::ernennung; feld <= zeitraum(anzahlZeiträume).ende; ++feld) {
        if (!istLeer(fall.datum[feld])) return true;
    }
    for (const std::string& eingabe : fall.eingabe) {
        if (!eingabe.empty()) return true;
    }
    return false;
}

}  // namespace

Fallbefehle::Fallbefehle(Hauptform& fenster)
    : fenster_(fenster),
      neu_(new QAction(QStringLiteral("&Neuer Fall"), &fenster)),
      öffnen_(new QAction(QStringLiteral("Ö&ffnen …"), &fenster)),
      speichern_(new QAction(QStringLiteral("&Speichern"), &fenster)),
      speichernUnter_(new QAction(QStringLiteral("Speichern &unter …"), &fenster)),
      zuletzt_(new QMenu(QStringLiteral("&Zuletzt geöffnet"), &fenster)) {
    neu_->setShortcut(QKeySequence::New);
    öffnen_->setShortcut(QKeySequence::Open);
    speichern_->setShortcut(QKeySequence::Save);
    speichernUnter_->setShortcut(QKeySequence(QStringLiteral("Ctrl+Shift+S")));
    for (QAction* aktion : {neu_, öffnen_, speichern_, speichernUnter_}) {
        // Actions of the window: their shortcuts work wherever the focus is in it.
        aktion->setShortcutContext(Qt::WindowShortcut);
        fenster.addAction(aktion);
    }
    QObject::connect(neu_, &QAction::triggered, &fenster, [this] { neuerFallGewählt(); });
    QObject::connect(öffnen_, &QAction::triggered, &fenster, [this] { öffnenGewählt(); });
    QObject::connect(speichern_, &QAction::triggered, &fenster, [this] { speichernGewählt(); });
    QObject::connect(speichernUnter_, &QAction::triggered, &fenster, [this] { speichernUnterGewählt(); });
    // Built when it opens: an entry must not be deleted while its own click is being handled.
    QObject::connect(zuletzt_, &QMenu::aboutToShow, &fenster, [this] { zuletztAufbauen(); });

    if (auto* knopf = fenster.findChild<QPushButton*>(QStringLiteral("Übertrag"))) {
        QObject::connect(knopf, &QPushButton::clicked, &fenster, [this] { übertragen(); });
    }
    // The birth date as it stood before the clerk began to type over it, for "Abbrechen".
    if (auto* feld = fenster.findChild<Datumsfeld*>(QStringLiteral("Datum_0"))) {
        QObject::connect(feld, &Datumsfeld::fokussiert, &fenster,
                         [this] { geburtstag_ = fenster_.fall().datum[Feld::geburtstag]; });
    }
    geburtstag_ = fenster.fall().datum[Feld::geburtstag];
}

void Fallbefehle::menüFüllen(QMenu& menü) {
    menü.addAction(neu_);
    menü.addAction(öffnen_);
    menü.addMenu(zuletzt_);
    menü.addSeparator();
    menü.addAction(speichern_);
    menü.addAction(speichernUnter_);
}

// The case file of `fall` with the window's experience step.
Falldatei Fallbefehle::dateiVon(const Fall& fall) const {
    Falldatei datei = falldateiVon(fall);
    datei.erfahrungsstufe = fenster_.erfahrungsstufe();
    return datei;
}

std::string Fallbefehle::falltextVon(const Fall& fall) const { return falltext(dateiVon(fall)); }

void Fallbefehle::gespeichertMerken(std::string text) {
    gespeichert_ = std::move(text);
    gespeicherteStufe_ = fenster_.erfahrungsstufe();
}

// The experience step is compared by itself too: a file text without it must not hide its changes.
bool Fallbefehle::wieGespeichert(const Fall& fall) const {
    return gespeichert_ && *gespeichert_ == falltextVon(fall) &&
           gespeicherteStufe_ == fenster_.erfahrungsstufe();
}

bool Fallbefehle::geändert() const { return gespeichert_ && !wieGespeichert(fenster_.fall()); }

void Fallbefehle::titelZeigen() {
    // The first rendering after start-up is the case as started.
    if (!gespeichert_) gespeichertMerken(falltextVon(fenster_.fall()));
    // "[*]" in a file name would be taken for the place of the "*"; doubled, Qt shows it as it is.
    const QString name = datei_.isEmpty() ? QStringLiteral("Unbenannt")
                                          : QFileInfo(datei_).fileName().replace(QStringLiteral("[*]"),
                                                                                 QStringLiteral("[*][*]"));
    fenster_.setWindowTitle(name + QStringLiteral("[*] – ") + text(fenster_.fall().titel));
    fenster_.setWindowModified(geändert());
}

bool Fallbefehle::schließenErlaubt() { return ersetzenErlaubt(); }

bool Fallbefehle::neuerGeburtstagErlaubt(Fall& fall) {
    // A date the driver refuses clears nothing.
    if (datumsfehler(fall.datum[Feld::geburtstag])) return true;
    Fall vorher = fall;
    vorher.datum[Feld::geburtstag] = geburtstag_;
    abgleichen(vorher);
    if (!hältMehrAlsGeburtstag(vorher) || !gespeichert_ || wieGespeichert(vorher)) return true;
    switch (fragen()) {
        case Antwort::verwerfen:
            return true;
        case Antwort::speichern: {
            const QString pfad = datei_.isEmpty() ? dateinameErfragen() : datei_;
            if (!pfad.isEmpty() && sichern(pfad, vorher)) return true;
            break;
        }
        case Antwort::abbrechen:
            break;
    }
    fall.datum[Feld::geburtstag] = geburtstag_;
    return false;
}

bool Fallbefehle::ersetzenErlaubt() {
    if (!geändert()) return true;
    switch (fragen()) {
        case Antwort::speichern:
            return speichernGewählt();
        case Antwort::verwerfen:
            return true;
        case Antwort::abbrechen:
            break;
    }
    return false;
}

Fallbefehle::Antwort Fallbefehle::fragen() {
    QMessageBox box(QMessageBox::NoIcon, QCoreApplication::applicationName(),
                    QStringLiteral("Änderungen speichern?"),
                    QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, &fenster_);
    box.setInformativeText(
        (datei_.isEmpty() ? QStringLiteral("Der Fall ist noch nicht gespeichert.")
                          : QStringLiteral("Der Fall in „%1“ hat ungespeicherte Änderungen.").arg(datei_)) +
        QStringLiteral(
            " Speichern sichert ihn, Verwerfen gibt die Änderungen auf, Abbrechen kehrt zum Fall zurück."));
    box.button(QMessageBox::Save)->setText(QStringLiteral("&Speichern"));
    box.button(QMessageBox::Discard)->setText(QStringLiteral("&Verwerfen"));
    box.button(QMessageBox::Cancel)->setText(QStringLiteral("&Abbrechen"));
    box.setDefaultButton(QMessageBox::Save);
    box.setEscapeButton(QMessageBox::Cancel);
    box.exec();
    fenster_.activateWindow();
    const QAbstractButton* gewählt = box.clickedButton();
    if (gewählt == box.button(QMessageBox::Save)) return Antwort::speichern;
    if (gewählt == box.button(QMessageBox::Discard)) return Antwort::verwerfen;
    return Antwort::abbrechen;
}

void Fallbefehle::neuerFallGewählt() {
    if (!ersetzenErlaubt()) return;
    übernehmen(neuerFall(), QString());
}

void Fallbefehle::öffnenGewählt() {
    if (!ersetzenErlaubt()) return;
    const QString ordner = datei_.isEmpty()
                               ? QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation)
                               : QFileInfo(datei_).absolutePath();
    const QString pfad = QFileDialog::getOpenFileName(&fenster_, QStringLiteral("Fall öffnen"), ordner,
                                                      dateifilter + QStringLiteral(";;Alle Dateien (*)"));
    if (!pfad.isEmpty()) öffnen(pfad);
}

bool Fallbefehle::öffnen(const QString& pfad) {
    const QString name = QDir::toNativeSeparators(QFileInfo(pfad).absoluteFilePath());
    Falldatei datei;
    try {
        datei = Fallablage::öffnen(name);
    } catch (const Falldateifehler& fehler) {
        meldung(QString::fromUtf8(fehler.what()));
        return false;
    }
    const Wiedergabe wiedergabe = wiedergeben(datei);
    datei_ = name;
    geburtstag_ = wiedergabe.fall.datum[Feld::geburtstag];
    fenster_.fallErsetzen(wiedergabe.fall, wiedergabe.fokus, datei.erfahrungsstufe);
    // A file whose results the recomputation changes differs from what the window shows: unsaved.
    gespeichertMerken(wiedergabe.abweichungen.empty() ? falltextVon(wiedergabe.fall) : std::string());
    titelZeigen();
    zuletztMerken(name);
    if (!wiedergabe.abweichungen.empty())
        meldung(text(abweichungsmeldung(name.toStdString(), wiedergabe.abweichungen)));
    return true;
}

// A new case: without an experience step.
void Fallbefehle::übernehmen(const Fall& fall, const QString& datei) {
    datei_ = datei;
    geburtstag_ = fall.datum[Feld::geburtstag];
    fenster_.fallErsetzen(fall, Steuerelement::datum(Feld::geburtstag), std::nullopt);
    gespeichertMerken(falltextVon(fall));
    titelZeigen();
}

bool Fallbefehle::speichernGewählt() {
    return datei_.isEmpty() ? speichernUnterGewählt() : speichernUnter(datei_);
}

bool Fallbefehle::speichernUnterGewählt() {
    const QString pfad = dateinameErfragen();
    return !pfad.isEmpty() && speichernUnter(pfad);
}

// The file dialog, starting at the case's file or at "<name>.bda" in the documents folder; empty when
// the clerk cancels. A name without an ending gets ".bda".
QString Fallbefehle::dateinameErfragen() {
    const QString name = dateinamensteil(fenster_.fall().name);
    const QString vorschlag =
        datei_.isEmpty()
            ? QDir(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation))
                  .filePath((name.isEmpty() ? QStringLiteral("Fall") : name) + QStringLiteral(".bda"))
            : datei_;
    QString pfad = QFileDialog::getSaveFileName(&fenster_, QStringLiteral("Fall speichern unter"), vorschlag,
                                                dateifilter);
    if (!pfad.isEmpty() && QFileInfo(pfad).suffix().isEmpty()) pfad += QStringLiteral(".bda");
    return pfad;
}

bool Fallbefehle::speichernUnter(const QString& pfad) { return sichern(pfad, fenster_.fall()); }

bool Fallbefehle::sichern(const QString& pfad, const Fall& fall) {
    const QString name = QDir::toNativeSeparators(QFileInfo(pfad).absoluteFilePath());
    try {
        Fallablage::speichern(name, dateiVon(fall));
    } catch (const Falldateifehler& fehler) {
        meldung(QString::fromUtf8(fehler.what()));
        return false;
    }
    datei_ = name;
    gespeichertMerken(falltextVon(fall));
    zuletztMerken(name);
    titelZeigen();
    return true;
}

// The BDA, the birth date and the appointment for the salary program: on the clipboard, one per line,
// and as a case file in the hand-over folder of the settings.
void Fallbefehle::übertragen() {
    const Fall& fall = fenster_.fall();
    if (const auto fehlt = fehlendesDruckfeld(fall)) {
        meldung(
            QStringLiteral("Zum Übertragen fehlen noch Daten: bitte den Geburtstag und den Tag der Ernennung "
                           "eingeben und jeweils mit der Enter-Taste bestätigen."));
        if (auto* feld = fenster_.findChild<Datumsfeld*>(QStringLiteral("Datum_%1").arg(*fehlt)))
            feld->setFocus();
        return;
    }
    const QString daten = QStringLiteral("BDA: %1\nGeburtstag: %2\nErnennungstag: %3\n")
                              .arg(text(fall.datum[Feld::bda]), text(fall.datum[Feld::geburtstag]),
                                   text(fall.datum[Feld::ernennung]));
    QGuiApplication::clipboard()->setText(daten);

    const QString standard = QDir(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation))
                                 .filePath(QStringLiteral("Übertrag"));
    const QString ordner = einstellungen().value(übertragSchlüssel, standard).toString();
    QString wohin = QStringLiteral("in die Zwischenablage. Bitte im Gehaltsberechnungsprogramm einfügen.");
    if (!ordner.isEmpty()) {
        const QString name = dateinamensteil(fall.name);
        const QString stamm = QStringLiteral("Übertrag ") +
                              QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd hh-mm-ss")) +
                              (name.isEmpty() ? QString() : QStringLiteral(" ") + name);
        QString pfad = QDir(ordner).filePath(stamm + QStringLiteral(".bda"));
        for (int nummer = 2; QFileInfo::exists(pfad); ++nummer) {
            pfad = QDir(ordner).filePath(stamm + QStringLiteral(" (%1).bda").arg(nummer));
        }
        pfad = QDir::toNativeSeparators(pfad);
        try {
            if (!QDir().mkpath(ordner)) {
                throw Falldateifehler(
                    "Der Übertragsordner „" + QDir::toNativeSeparators(ordner).toStdString() +
                    "“ lässt sich nicht anlegen. Bitte in den Einstellungen einen anderen Ordner "
                    "wählen.");
            }
            Fallablage::speichern(pfad, dateiVon(fall));
            wohin = QStringLiteral(
                        "in die Zwischenablage und in die Datei „%1“. Bitte im Gehaltsberechnungsprogramm "
                        "einfügen oder die Datei dort einlesen.")
                        .arg(pfad);
        } catch (const Falldateifehler& fehler) {
            wohin = QStringLiteral(
                        "nur in die Zwischenablage. Bitte im Gehaltsberechnungsprogramm einfügen.\n\n") +
                    QString::fromUtf8(fehler.what());
        }
    }
    meldung(QStringLiteral("Übertragen wurden\n\n") + daten + QStringLiteral("\n") + wohin);
}

void Fallbefehle::zuletztMerken(const QString& pfad) {
    QSettings s = einstellungen();
    QStringList liste = s.value(zuletztSchlüssel).toStringList();
    liste.removeAll(pfad);
    liste.prepend(pfad);
    while (liste.size() > zuletztHöchstens) liste.removeLast();
    s.setValue(zuletztSchlüssel, liste);
}

void Fallbefehle::zuletztAufbauen() {
    zuletzt_->clear();
    const QStringList liste = einstellungen().value(zuletztSchlüssel).toStringList();
    for (int i = 0; i < liste.size(); ++i) {
        const QString pfad = liste[i];
        QAction* aktion = zuletzt_->addAction(QStringLiteral("&%1 %2").arg(i + 1).arg(
            QFileInfo(pfad).fileName().replace(QLatin1Char('&'), QStringLiteral("&&"))));
        aktion->setToolTip(pfad);
        aktion->setStatusTip(pfad);
        aktion->setData(pfad);
        QObject::connect(aktion, &QAction::triggered, &fenster_, [this, pfad] {
            if (!ersetzenErlaubt()) return;
            if (!öffnen(pfad) && !QFileInfo::exists(pfad)) {
                QSettings s = einstellungen();
                QStringList übrige = s.value(zuletztSchlüssel).toStringList();
                übrige.removeAll(pfad);
                s.setValue(zuletztSchlüssel, übrige);
            }
        });
    }
    if (liste.isEmpty()) zuletzt_->addAction(QStringLiteral("(noch keine)"))->setEnabled(false);
}

void Fallbefehle::meldung(const QString& text) {
    fenster_.meldungsfenster(QCoreApplication::applicationName(), text);
}

}  // namespace bda::fenster
