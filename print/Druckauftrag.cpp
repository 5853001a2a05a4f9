#include "Druckauftrag.h"

#include <QMarginsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPagedPaintDevice>
#include <QPdfWriter>
#include <QPrinter>

namespace bda::druck {

namespace {

constexpr double twipsJeZoll = 1440;
constexpr double millimeterJeZoll = 25.4;

// Share of each lower-case letter and the blank in running text, in thousandths: the classic
// definition of a font's average character width, by which Arial's is 904/2048 of an em. Fonts with a
// newer OS/2 table report an average over all glyphs instead (Liberation Sans: 1187/2048), which
// would put every print column a third further right than on Arial.
constexpr struct {
    char zeichen;
    int anteil;
} zeichenanteile[] = {
    {'a', 64}, {'b', 14}, {'c', 27}, {'d', 35}, {'e', 100}, {'f', 20}, {'g', 14}, {'h', 42}, {'i', 63},
    {'j', 3},  {'k', 6},  {'l', 35}, {'m', 20}, {'n', 56},  {'o', 56}, {'p', 17}, {'q', 4},  {'r', 49},
    {'s', 56}, {'t', 71}, {'u', 31}, {'v', 10}, {'w', 18},  {'x', 3},  {'y', 18}, {'z', 2},  {' ', 166},
};

QFont anfangsschrift() {
    QFont schrift(QStringLiteral("arial"));
    schrift.setPointSizeF(12);
    schrift.setBold(false);
    schrift.setUnderline(false);
    schrift.setStrikeOut(false);
    // Design widths at every resolution and no pair kerning: a text is as wide as the font's metrics say.
    schrift.setHintingPreference(QFont::PreferNoHinting);
    schrift.setKerning(false);
    return schrift;
}

}  // namespace

Druckauftrag::Druckauftrag(QPagedPaintDevice& gerät, Umfang umfang)
    : gerät_(gerät), umfang_(umfang), schrift_(anfangsschrift()), metrik_(schrift_, &gerät) {}

Druckauftrag::~Druckauftrag() {
    if (painter_.isActive()) painter_.end();
}

void Druckauftrag::ausrichtungSetzen(Seitenausrichtung ausrichtung) {
    if (begonnen_ && !dokumentWechsel_) return;
    const auto seitenlage =
        ausrichtung == Seitenausrichtung::querformat ? QPageLayout::Landscape : QPageLayout::Portrait;
    if (einheitlich_ && begonnen_) {
        gedreht_ = gerät_.pageLayout().orientation() != seitenlage;
    } else {
        gedreht_ = !gerät_.setPageOrientation(seitenlage) && gerät_.pageLayout().orientation() != seitenlage;
    }
    maßeGültig_ = false;
}

void Druckauftrag::schriftartSetzen(std::string_view name) {
    schrift_.setFamily(QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size())));
    maßeGültig_ = false;
    schriftGesetzt_ = false;
}

void Druckauftrag::größeSetzen(double punkte) {
    schrift_.setPointSizeF(punkte);
    maßeGültig_ = false;
    schriftGesetzt_ = false;
}

void Druckauftrag::fettSetzen(bool an) {
    schrift_.setBold(an);
    maßeGültig_ = false;
    schriftGesetzt_ = false;
}

void Druckauftrag::unterstrichenSetzen(bool an) {
    schrift_.setUnderline(an);
    schriftGesetzt_ = false;
}

void Druckauftrag::durchgestrichenSetzen(bool an) {
    schrift_.setStrikeOut(an);
    schriftGesetzt_ = false;
}

void Druckauftrag::xSetzen(double twips) { x_ = twips; }

void Druckauftrag::yVerschieben(double twips) { y_ += twips; }

void Druckauftrag::zuSpalte(int spalte) {
    const double anfang = (spalte - 1) * zeichenbreite();
    if (x_ > anfang) zeilenende();
    x_ = anfang;
}

void Druckauftrag::drucke(std::string_view text) {
    if (text.empty() || !beginnen()) return;
    if (dokumentWechsel_) {
        // The empty lines the new document began with stay above its first text.
        dokumentWechsel_ = false;
        umbruch_ = false;
        if (!neueSeite()) return;
    }
    const Maße& m = maße();
    if (umbruch_ || (y_ > 0 && y_ + m.zeilenhöhe > seitenhöhe_)) {
        umbruch_ = false;
        if (!neueSeite()) return;
        y_ = 0;
    }
    if (!schriftGesetzt_) {
        painter_.setFont(schrift_);
        schriftGesetzt_ = true;
    }
    const QString inhalt = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
    painter_.drawText(QPointF(inGerät(x_, true), inGerät(y_ + m.oberlänge, false)), inhalt);
    protokoll_.push_back({std::string(text), x_, y_, seite_, schrift_.family().toStdString(),
                          schrift_.pointSizeF(), schrift_.bold(), schrift_.underline(),
                          schrift_.strikeOut()});
    x_ += inTwips(metrik_.horizontalAdvance(inhalt), true);
}

void Druckauftrag::zeilenende() {
    x_ = 0;
    y_ += zeilenhöhe();
}

void Druckauftrag::seitenumbruch() {
    if (begonnen_ && !dokumentWechsel_) umbruch_ = true;
}

void Druckauftrag::abbrechen(const QString& grund) { scheitern(grund); }

bool Druckauftrag::dokumentBeenden() {
    if (umfang_ == Umfang::einDokument) return abschließen();
    // The next document starts as a job of its own would: at the top, in the initial font.
    dokumentWechsel_ = begonnen_;
    umbruch_ = false;
    x_ = 0;
    y_ = 0;
    schrift_ = anfangsschrift();
    schriftGesetzt_ = false;
    maßeGültig_ = false;
    return fehler_.isEmpty();
}

bool Druckauftrag::abschließen() {
    if (beendet_) return fehler_.isEmpty();
    if (beginnen() && !painter_.end()) {
        scheitern(QStringLiteral("Der Druckauftrag konnte nicht abgeschlossen werden."));
    }
    beendet_ = true;
    if (const auto* drucker = dynamic_cast<const QPrinter*>(&gerät_);
        drucker && drucker->printerState() == QPrinter::Error) {
        scheitern(QStringLiteral("Der Drucker „%1“ meldet einen Fehler.").arg(drucker->printerName()));
    }
    return fehler_.isEmpty();
}

double Druckauftrag::zeichenbreite() const { return maße().zeichenbreite; }

double Druckauftrag::zeilenhöhe() const { return maße().zeilenhöhe; }

// As seiteEinrichten() measures it, from the orientation the document has set.
double Druckauftrag::seitenhöhe() const {
    return gedreht_ ? inTwips(gerät_.width(), true) : inTwips(gerät_.height(), false);
}

double Druckauftrag::textbreite(std::string_view text) const {
    maße();
    return inTwips(
        metrik_.horizontalAdvance(QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()))), true);
}

// A turned page has its top at the device's left edge and its left at the device's bottom.
double Druckauftrag::randOben() const {
    const QMarginsF rand = gerät_.pageLayout().margins(QPageLayout::Millimeter);
    return (gedreht_ ? rand.left() : rand.top()) / millimeterJeZoll * twipsJeZoll;
}

double Druckauftrag::randLinks() const {
    const QMarginsF rand = gerät_.pageLayout().margins(QPageLayout::Millimeter);
    return (gedreht_ ? rand.bottom() : rand.left()) / millimeterJeZoll * twipsJeZoll;
}

const Druckauftrag::Maße& Druckauftrag::maße() const {
    if (!maßeGültig_) {
        metrik_ = QFontMetricsF(schrift_, &gerät_);
        double summe = 0;
        for (const auto& [zeichen, anteil] : zeichenanteile) {
            summe += anteil * metrik_.horizontalAdvance(QChar(zeichen));
        }
        maße_ = {inTwips(summe / 1000, true), inTwips(metrik_.height(), false),
                 inTwips(metrik_.ascent(), false)};
        maßeGültig_ = true;
    }
    return maße_;
}

bool Druckauftrag::beginnen() {
    if (begonnen_ || !fehler_.isEmpty()) return fehler_.isEmpty();
    begonnen_ = true;
    if (!painter_.begin(&gerät_)) {
        scheitern(
            QStringLiteral("Der Druckauftrag konnte nicht begonnen werden: Der Drucker oder die "
                           "Zieldatei ist nicht verfügbar."));
        return false;
    }
    seiteEinrichten();
    return true;
}

bool Druckauftrag::neueSeite() {
    if (!gerät_.newPage()) {
        scheitern(QStringLiteral("Eine weitere Seite konnte nicht begonnen werden."));
        return false;
    }
    ++seite_;
    seiteEinrichten();
    return true;
}

// A turned page has its top at the left edge of the device's page and runs upward from its bottom.
void Druckauftrag::seiteEinrichten() {
    painter_.resetTransform();
    if (gedreht_) {
        painter_.translate(0, gerät_.height());
        painter_.rotate(-90);
        seitenhöhe_ = inTwips(gerät_.width(), true);
    } else {
        seitenhöhe_ = inTwips(gerät_.height(), false);
    }
}

void Druckauftrag::scheitern(const QString& grund) {
    if (fehler_.isEmpty()) fehler_ = grund;
    if (painter_.isActive()) painter_.end();
}

double Druckauftrag::inGerät(double twips, bool waagerecht) const {
    return twips * (waagerecht ? gerät_.logicalDpiX() : gerät_.logicalDpiY()) / twipsJeZoll;
}

double Druckauftrag::inTwips(double punkte, bool waagerecht) const {
    return punkte * twipsJeZoll / (waagerecht ? gerät_.logicalDpiX() : gerät_.logicalDpiY());
}

void pdfEinrichten(QPdfWriter& pdf) {
    pdf.setResolution(1200);
    pdf.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(5, 5, 5, 5),
                                  QPageLayout::Millimeter));
}

}  // namespace bda::druck
