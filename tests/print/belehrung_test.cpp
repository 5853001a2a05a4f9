// The legal-remedy texts: the name of the user's file, the shipped text inside the program and what the
// notice prints.

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <algorithm>

#include "Behoerde.h"
#include "Behoerdenplatzhalter.h"
#include "Belehrungsdatei.h"
#include "Druckhilfe.h"
#include "Windows1252.h"

namespace bda::druck {

namespace {

std::string bytesVon(const QString& pfad) {
    QFile datei(pfad);
    return datei.open(QIODevice::ReadOnly) ? datei.readAll().toStdString() : "<missing>";
}

void schreibeBytes(const QString& pfad, const std::string& bytes) {
    QDir().mkpath(QFileInfo(pfad).absolutePath());
    QFile datei(pfad);
    ASSERT_TRUE(datei.open(QIODevice::WriteOnly));
    datei.write(bytes.data(), static_cast<qint64>(bytes.size()));
}

// A record as the file holds it: the text in Windows-1252, padded with blanks to 1000 bytes.
std::string satz(const std::string& utf8) {
    const std::string bytes = nachWindows1252(utf8);
    return bytes + std::string(1000 - bytes.size(), ' ');
}

// The shipped text, one printed line a part.
const std::string zeile1 =
    "Gegen diesen Bescheid können Sie innerhalb eines Monats nach seiner Bekanntgabe Widerspruch einlegen.";
const std::string zeile2 =
    "Der Widerspruch ist schriftlich, in elektronischer Form nach § 3a Abs. 2 des "
    "Verwaltungsverfahrensgesetzes";
const std::string zeile3 =
    "oder zur Niederschrift bei der Behörde zu erheben, die diesen Bescheid erlassen hat";
const std::string zeile4 =
    "Die Frist gilt auch dann als gewahrt, wenn der Widerspruch fristgemäß bei der Widerspruchsbehörde "
    "eingeht.";
const std::string mitgeliefert = zeile1 + "$" + zeile2 + "$" + zeile3 + ":$[Behörde mit Anschrift]$" + zeile4;

TEST(Belehrungsdatei, DateinameDesBenutzersAufDieserPlattform) {
    const QString daten = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    // clang-format off
    const struct {
        const char *name, *datenordner, *kennung;
        QString pfad;
    } fälle[] = {
        {"Anfangswerte",                     "",             "       ", daten + "/Belehrung.txt"},
        {"Ordner mit Backslash und Kennung", "/srv/bda\\",   "AB12   ", "/srv/bda/AB12/Belehrung.txt"},
        {"Blanks um den Ordner",             "  \\srv\\bda  ", "       ", "/srv/bda/Belehrung.txt"},
        {"relativer Ordner im Datenordner",  "Amt",          "  7    ", daten + "/Amt  7/Belehrung.txt"},
    };
    // clang-format on
    for (const auto& f : fälle) {
        SCOPED_TRACE(f.name);
        EXPECT_EQ(Belehrungsdatei::benutzerdateiname(f.datenordner, FesterText<7>(f.kennung)), f.pfad);
    }
}

TEST(Belehrungsdatei, MitgelieferterTextIstImProgrammEinSatzVonTausendBytes) {
    EXPECT_EQ(mitgelieferteDatei().left(2), ":/") << "a resource, not a file beside the program";
    EXPECT_EQ(bytesVon(mitgelieferteDatei()), satz(mitgeliefert));
    // No control characters; 0x80 to 0x9F hold Windows-1252 letters such as „ “ –.
    const std::string bytes = bytesVon(mitgelieferteDatei());
    EXPECT_TRUE(std::ranges::all_of(bytes, [](unsigned char b) { return b >= 0x20 && b != 0x7F; }));
}

// The notice prints the text without wrapping: each line between two "$" must fit the page at column 17
// in 8 points, also with the widest authority filled in.
TEST(Belehrungsdatei, JedeZeileDesMitgeliefertenTextsPasstInDieBreiteDesBescheids) {
    const double seitenbreite = (210.0 - 2 * 5) / 25.4 * 1440;
    const std::string w(40, 'W');
    const std::string_view breit = w;
    const Behörde breiteste{breit, breit, breit, breit};
    const std::string text = behördeEingesetzt(mitgelieferteBelehrung(), behördentext(breiteste));
    ASSERT_NE(text, mitgelieferteBelehrung());
    std::size_t anfang = 0;
    while (anfang <= text.size()) {
        const std::size_t ende = std::min(text.find('$', anfang), text.size());
        const std::string zeile = text.substr(anfang, ende - anfang);
        SCOPED_TRACE(zeile);
        Aufzeichnung a;
        a.auftrag.größeSetzen(8);
        a.auftrag.zuSpalte(17);
        a.auftrag.drucke(zeile);
        EXPECT_LE(a.auftrag.x(), seitenbreite);
        anfang = ende + 1;
    }
}

TEST(Belehrungsdatei, BescheidDrucktDenTextDesBenutzersWennErNichtLeerIst) {
    QTemporaryDir ordner;
    const QString benutzer = ordner.filePath("Belehrung.txt");
    const Belehrungsdatei datei(benutzer);
    const QString pfad = QDir::toNativeSeparators(benutzer);
    const struct {
        const char* name;
        const char* bytes;  // nullptr: no user's file
        std::string text;
        bool mitgeliefert;
        QString fehler{};  // empty: none
    } fälle[] = {
        {"noch keine Datei des Benutzers", nullptr, mitgeliefert, true},
        {"leerer Satz", "          ", mitgeliefert, true},
        {"Belehrung des Benutzers", "  Gegen meinen Text  ", "  Gegen meinen Text", false},
        {"kleingeschriebenes anderes erstes Wort", "gegen den Bescheid", "gegen den Bescheid", false},
        {"UTF-8 aus einem anderen Editor", "Gegen f\xC3\xBCr ł", "Gegen für ł", false},
        {"Steuerzeichen", "Gegen\x01 A", "", false,
         "Die Rechtsbehelfsbelehrung in „" + pfad +
             "“ enthält Steuerzeichen oder Binärdaten. Prüfen Sie sie mit „RB-Text“, speichern Sie sie mit "
             "der "
             "Eingabetaste und drucken Sie den Bescheid dann erneut."},
    };
    for (const auto& f : fälle) {
        SCOPED_TRACE(f.name);
        QFile::remove(benutzer);
        if (f.bytes) schreibeBytes(benutzer, f.bytes);
        const Druckbelehrung druck = datei.zumDrucken();
        EXPECT_EQ(druck.text, f.text);
        EXPECT_EQ(druck.mitgeliefert, f.mitgeliefert);
        EXPECT_EQ(druck.fehler.toStdString(), f.fehler.toStdString());
        EXPECT_EQ(bytesVon(benutzer), f.bytes ? f.bytes : "<missing>") << "the notice only reads";
    }
}

}  // namespace

}  // namespace bda::druck
