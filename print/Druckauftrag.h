#pragma once
// The print job both documents write into: a print position in twips from the top-left corner of the
// printable area, print columns and a font state, drawn with a QPainter on a paged device (a QPrinter
// or a QPdfWriter). Every printed text is also recorded, so a layout can be checked without pixels.

#include <QFont>
#include <QFontMetricsF>
#include <QPainter>
#include <QString>
#include <string>
#include <string_view>
#include <vector>

class QPagedPaintDevice;
class QPdfWriter;

namespace bda::druck {

enum class Seitenausrichtung { hochformat = 1, querformat = 2 };

// One printed text as it stands on the page.
struct Druckposten {
    std::string text;  // UTF-8
    double x = 0;      // twips from the left edge of the printable area
    double y = 0;      // twips from the top of the printable area to the top of the text
    int seite = 1;     // counted from 1
    std::string schriftart;
    double größe = 0;  // points
    bool fett = false;
    bool unterstrichen = false;
    bool durchgestrichen = false;
};

class Druckauftrag {
   public:
    // One document, which dokumentBeenden() hands over; or several in one job (the notice and the sheet
    // in one PDF file or print job): each begins on a new page in its own orientation and font state,
    // and abschließen() hands the job over after the last.
    enum class Umfang { einDokument, mehrereDokumente };

    // The device must outlive the job. Nothing is drawn before the first text.
    explicit Druckauftrag(QPagedPaintDevice& gerät, Umfang umfang = Umfang::einDokument);
    ~Druckauftrag();
    Druckauftrag(const Druckauftrag&) = delete;
    Druckauftrag& operator=(const Druckauftrag&) = delete;

    // Only before the first text of a document; later calls have no effect.
    void ausrichtungSetzen(Seitenausrichtung ausrichtung);
    // For a device that shows all pages in one format (the print preview): the first document sets it,
    // a later one in the other orientation is drawn turned by a quarter onto it, as a printer puts a
    // landscape page on portrait paper.
    void einheitlichesSeitenformat() { einheitlich_ = true; }

    void schriftartSetzen(std::string_view name);
    void größeSetzen(double punkte);
    void fettSetzen(bool an);
    void unterstrichenSetzen(bool an);
    void durchgestrichenSetzen(bool an);

    void xSetzen(double twips);
    // A negative amount moves up.
    void yVerschieben(double twips);
    // x := start of column n (column 1 at x = 0); when x already lies beyond it, the line ends first.
    void zuSpalte(int spalte);
    // Draws the text with its top at y from x on; x grows by its width. A text whose line would reach
    // below the printable area goes to the top of a new page (y = 0), the font state kept.
    void drucke(std::string_view text);
    // x := 0; y grows by the height of the current font.
    void zeilenende();
    // The next text begins at the top of a new page (y = 0), the font state kept; before the document's
    // first text it has no effect.
    void seitenumbruch();
    // Fails the job with `grund` (German, for the user) before or while printing; nothing more is drawn.
    void abbrechen(const QString& grund);
    // Finishes the document; a job of one document is handed over with it. False when the job failed at
    // any point; fehler() says why.
    bool dokumentBeenden();
    // Hands the job over; for a job of several documents after the last one. False as dokumentBeenden().
    bool abschließen();

    double x() const { return x_; }
    // The current font size, in points.
    double größe() const { return schrift_.pointSizeF(); }
    double y() const { return y_; }
    int seite() const { return seite_; }
    // Width of a print column: the average character width of the current font, in twips.
    double zeichenbreite() const;
    // Height of a line of the current font, in twips.
    double zeilenhöhe() const;
    // Height of the printable area of the current document's pages, in twips: no line reaches below it.
    double seitenhöhe() const;
    // How far `text` would move x in the current font, in twips.
    double textbreite(std::string_view text) const;
    // Where the printable area begins on the sheet (the printer's margins), in twips from the top and
    // the left edge of the page as the document sees it: what a position measured on paper is less.
    double randOben() const;
    double randLinks() const;

    const std::vector<Druckposten>& protokoll() const { return protokoll_; }
    // German text of the first failure, empty while the job is sound.
    const QString& fehler() const { return fehler_; }

   private:
    struct Maße {
        double zeichenbreite = 0;
        double zeilenhöhe = 0;
        double oberlänge = 0;
    };

    const Maße& maße() const;
    bool beginnen();
    bool neueSeite();
    void seiteEinrichten();
    void scheitern(const QString& grund);
    double inGerät(double twips, bool waagerecht) const;
    double inTwips(double punkte, bool waagerecht) const;

    QPagedPaintDevice& gerät_;
    Umfang umfang_;
    QPainter painter_;
    QFont schrift_;
    mutable QFontMetricsF metrik_;
    mutable Maße maße_;
    mutable bool maßeGültig_ = false;
    bool schriftGesetzt_ = false;
    bool begonnen_ = false;
    bool beendet_ = false;
    bool dokumentWechsel_ = false;  // a document has ended; the next text begins a new page
    bool umbruch_ = false;          // the next text begins a new page
    bool gedreht_ = false;          // the current page is drawn turned by a quarter
    bool einheitlich_ = false;
    double seitenhöhe_ = 0;
    double x_ = 0;
    double y_ = 0;
    int seite_ = 1;
    std::vector<Druckposten> protokoll_;
    QString fehler_;
};

// A4 at 1200 dpi with 5 mm margins on every side, close to the printable area of an office printer.
void pdfEinrichten(QPdfWriter& pdf);

}  // namespace bda::druck
