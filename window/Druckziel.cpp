#include "Druckziel.h"

#include <cups/cups.h>

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLibrary>
#include <QPaintEngine>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QPrinterInfo>
#include <QToolBar>
#include <optional>
#include <type_traits>

#include "Druckauftrag.h"
#include "Pdfdatei.h"

namespace bda::fenster {

using druck::Seitenwahl;

using druck::Druckauftrag;
using druck::pdfSchreiben;

namespace {

const QString fehlgeschlagen = QStringLiteral("Der Druck ist fehlgeschlagen.");

// The calls into libcups that ask for a queue's state, named as in libcups. The library is loaded when a
// printer is first asked for, not at start-up: it brings some twenty libraries of its own that the window
// does not need before it prints.
struct Cups {
    decltype(&::cupsGetNamedDest) cupsGetNamedDest;
    decltype(&::cupsGetOption) cupsGetOption;
    decltype(&::cupsFreeDests) cupsFreeDests;
    decltype(&::cupsDoRequest) cupsDoRequest;
    decltype(&::ippNewRequest) ippNewRequest;
    decltype(&::ippAddString) ippAddString;
    decltype(&::ippAddStrings) ippAddStrings;
    decltype(&::ippFindAttribute) ippFindAttribute;
    decltype(&::ippGetString) ippGetString;
    decltype(&::ippGetBoolean) ippGetBoolean;
    decltype(&::ippGetInteger) ippGetInteger;
    decltype(&::ippDelete) ippDelete;
};

// libcups, or nullptr when it cannot be loaded (then Qt cannot print to a queue either).
const Cups* cupsLaden() {
    static const std::optional<Cups> geladen = []() -> std::optional<Cups> {
        QLibrary bibliothek(QStringLiteral("cups"), 2);
        if (!bibliothek.load()) return std::nullopt;
        bool vollständig = true;
        const auto holen = [&](auto& aufruf, const char* name) {
            aufruf = reinterpret_cast<std::remove_reference_t<decltype(aufruf)>>(bibliothek.resolve(name));
            vollständig = vollständig && aufruf;
        };
        Cups c{};
        holen(c.cupsGetNamedDest, "cupsGetNamedDest");
        holen(c.cupsGetOption, "cupsGetOption");
        holen(c.cupsFreeDests, "cupsFreeDests");
        holen(c.cupsDoRequest, "cupsDoRequest");
        holen(c.ippNewRequest, "ippNewRequest");
        holen(c.ippAddString, "ippAddString");
        holen(c.ippAddStrings, "ippAddStrings");
        holen(c.ippFindAttribute, "ippFindAttribute");
        holen(c.ippGetString, "ippGetString");
        holen(c.ippGetBoolean, "ippGetBoolean");
        holen(c.ippGetInteger, "ippGetInteger");
        holen(c.ippDelete, "ippDelete");
        if (!vollständig) return std::nullopt;
        return c;
    }();
    return geladen ? &*geladen : nullptr;
}

// The pages of `angebot` that the page range of the print dialog leaves.
Seitenwahl seitenbereich(const QPrinter& drucker, Seitenwahl angebot) {
    if (drucker.printRange() != QPrinter::PageRange) return angebot;
    int wahl = 0;
    for (const Seitenwahl seite : {Seitenwahl::bescheid, Seitenwahl::berechnung}) {
        const int nummer = static_cast<int>(seite);
        if (drucker.fromPage() <= nummer && nummer <= drucker.toPage()) wahl |= nummer;
    }
    return static_cast<Seitenwahl>(wahl & static_cast<int>(angebot));
}

// The preview paints into pictures and keeps one page format for all pages.
bool istVorschau(QPrinter& drucker) {
    return drucker.paintEngine() && drucker.paintEngine()->type() == QPaintEngine::Picture;
}

}  // namespace

Druckziel::Druckziel(QWidget* fenster, Auftrag auftrag) : fenster_(fenster), auftrag_(std::move(auftrag)) {}

void Druckziel::standarddrucker(Seitenwahl wahl, const QString& name) {
    const QPrinterInfo standard = QPrinterInfo::defaultPrinter();
    if (standard.isNull()) {
        auftrag_.melden(QStringLiteral("Es ist kein Drucker eingerichtet."));
        return;
    }
    QPrinter drucker(standard, QPrinter::HighResolution);
    drucker.setDocName(name);
    aufDrucker(drucker, wahl);
}

void Druckziel::druckerwahl() {
    QPrinter drucker(QPrinter::HighResolution);
    drucker.setDocName(auftrag_.dokumentname);
    QPrintDialog dialog(&drucker, fenster_);
    dialog.setWindowTitle(QStringLiteral("Drucken"));
    dialog.setMinMax(1, 2);
    dialog.setOption(QAbstractPrintDialog::PrintPageRange);
    if (dialog.exec() != QDialog::Accepted) return;
    aufDrucker(drucker, seitenbereich(drucker, Seitenwahl::beide));
}

void Druckziel::vorschau() {
    QPrinter drucker(QPrinter::HighResolution);
    drucker.setDocName(auftrag_.dokumentname);
    QPrintPreviewDialog dialog(&drucker, fenster_);
    dialog.setWindowTitle(QStringLiteral("Druckvorschau"));
    auto* seiten = new QComboBox;
    seiten->setObjectName(QStringLiteral("Seitenwahl"));
    seiten->addItem(QStringLiteral("Bescheid und Berechnung"), static_cast<int>(Seitenwahl::beide));
    seiten->addItem(QStringLiteral("Bescheid (Seite 1)"), static_cast<int>(Seitenwahl::bescheid));
    seiten->addItem(QStringLiteral("Berechnung (Seite 2)"), static_cast<int>(Seitenwahl::berechnung));
    // First in the tool bar, so a narrow window does not push it out of sight.
    if (auto* leiste = dialog.findChild<QToolBar*>(); leiste && !leiste->actions().isEmpty()) {
        QAction* erste = leiste->actions().first();
        auto* beschriftung = new QLabel(QStringLiteral(" &Seiten: "));
        beschriftung->setBuddy(seiten);
        leiste->insertWidget(erste, beschriftung);
        leiste->insertWidget(erste, seiten);
        leiste->insertSeparator(erste);
    }
    if (fenster_) dialog.resize(fenster_->size().expandedTo(QSize(900, 700)));
    if (auto* ansicht = dialog.findChild<QPrintPreviewWidget*>()) {
        QObject::connect(seiten, &QComboBox::currentIndexChanged, ansicht,
                         &QPrintPreviewWidget::updatePreview);
    }
    QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog, [&](QPrinter* ziel) {
        const auto wahl = static_cast<Seitenwahl>(seiten->currentData().toInt());
        if (!istVorschau(*ziel)) {
            aufDrucker(*ziel, seitenbereich(*ziel, wahl));
            return;
        }
        Druckauftrag auftrag(*ziel, Druckauftrag::Umfang::mehrereDokumente);
        auftrag.einheitlichesSeitenformat();
        auftrag_.drucken(auftrag, wahl);
    });
    dialog.exec();
}

bool Druckziel::pdf(const QString& datei) {
    if (!auftrag_.freigeben(Seitenwahl::beide)) return false;
    QString fehler;
    const bool geschrieben = pdfSchreiben(
        datei, auftrag_.dokumentname,
        [this](Druckauftrag& auftrag) { return auftrag_.drucken(auftrag, Seitenwahl::beide); }, fehler);
    if (!geschrieben) auftrag_.melden(fehler);
    return geschrieben;
}

bool Druckziel::aufDrucker(QPrinter& drucker, Seitenwahl wahl) {
    if (wahl == Seitenwahl::keine) {
        auftrag_.melden(
            QStringLiteral("Es ist keine Seite gewählt. Bitte Seite 1 (Bescheid), Seite 2 "
                           "(Berechnung) oder beide wählen."));
        return false;
    }
    if (drucker.outputFormat() == QPrinter::NativeFormat) {
        const QString hindernis = druckerhindernis(drucker.printerName());
        if (!hindernis.isEmpty()) {
            auftrag_.melden(fehlgeschlagen + QLatin1Char('\n') + hindernis);
            return false;
        }
    }
    if (!auftrag_.freigeben(wahl)) return false;
    Druckauftrag auftrag(drucker, Druckauftrag::Umfang::mehrereDokumente);
    if (auftrag_.drucken(auftrag, wahl)) return true;
    auftrag_.melden(auftrag.fehler().isEmpty() ? fehlgeschlagen
                                               : fehlgeschlagen + QLatin1Char('\n') + auftrag.fehler());
    return false;
}

QString Druckziel::druckerhindernis(const QString& drucker) {
    // A printer instance ("Queue/Instance") is printed by its queue.
    const QByteArray warteschlange = drucker.section(QLatin1Char('/'), 0, 0).toLocal8Bit();
    const Cups* const cups = cupsLaden();
    if (!cups) return {};
    cups_dest_t* ziel = cups->cupsGetNamedDest(CUPS_HTTP_DEFAULT, warteschlange.constData(), nullptr);
    if (!ziel) {
        return QStringLiteral("Den Drucker „%1“ gibt es nicht (mehr). Bitte einen anderen Drucker wählen.")
            .arg(drucker);
    }
    const QByteArray adresse = cups->cupsGetOption("printer-uri-supported", ziel->num_options, ziel->options);
    cups->cupsFreeDests(1, ziel);

    // The queue's own state, as the scheduler has it now, with the message its administrator left.
    ipp_t* anfrage = cups->ippNewRequest(IPP_OP_GET_PRINTER_ATTRIBUTES);
    cups->ippAddString(anfrage, IPP_TAG_OPERATION, IPP_TAG_URI, "printer-uri", nullptr, adresse.constData());
    static const char* const merkmale[] = {"printer-state", "printer-state-message",
                                           "printer-is-accepting-jobs"};
    cups->ippAddStrings(anfrage, IPP_TAG_OPERATION, IPP_TAG_KEYWORD, "requested-attributes",
                        std::size(merkmale), nullptr, merkmale);
    ipp_t* antwort = cups->cupsDoRequest(CUPS_HTTP_DEFAULT, anfrage, "/");
    if (!antwort) return {};
    ipp_attribute_t* zustand = cups->ippFindAttribute(antwort, "printer-state", IPP_TAG_ENUM);
    ipp_attribute_t* nachricht = cups->ippFindAttribute(antwort, "printer-state-message", IPP_TAG_TEXT);
    ipp_attribute_t* annahme = cups->ippFindAttribute(antwort, "printer-is-accepting-jobs", IPP_TAG_BOOLEAN);
    const QString text =
        nachricht ? QString::fromUtf8(cups->ippGetString(nachricht, 0, nullptr)).trimmed() : QString();
    const QString grund = text.isEmpty() ? QString() : QStringLiteral(" (%1)").arg(text);
    QString hindernis;
    if (annahme && !cups->ippGetBoolean(annahme, 0)) {
        hindernis =
            QStringLiteral("Der Drucker „%1“ nimmt keine Aufträge an%2. Bitte einen anderen Drucker wählen.")
                .arg(drucker, grund);
    } else if (zustand && cups->ippGetInteger(zustand, 0) == IPP_PSTATE_STOPPED) {
        hindernis = QStringLiteral(
                        "Die Warteschlange des Druckers „%1“ ist angehalten%2. Bitte sie freigeben lassen "
                        "oder einen anderen Drucker wählen.")
                        .arg(drucker, grund);
    }
    cups->ippDelete(antwort);
    return hindernis;
}

}  // namespace bda::fenster
