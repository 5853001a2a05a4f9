// The legal-remedy texts: the name of the user's file, the shipped record and what the notice prints.

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <algorithm>

#include "Behoerde.h"
#include "Behoerdenplatzhalter.h"
#include "Belehrungsdatei.h"
#include "Druckhilfe.h"

namespace bda::druck {

namespace {

std::string bytesVon(const QString& pfad) {
    QFile datei(pfad);
    return datei.open(QIODevice::ReadOnly) ? datei.readAll().toStdString() : "<missing>";
}

TEST(Belehrungsdatei, DateinameDesBenutzersAufDieserPlattform) {
    const QString daten = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    const struct {
        const char *datenordner, *kennung;
        QString pfad;
    } fälle[] = {
        {"", "       ", daten + "/Belehrung.txt"},
        {"  \\srv\\bda\\  ", "AB12   ", "/srv/bda/AB12/Belehrung.txt"},
        {"Amt", "  7    ", daten + "/Amt  7/Belehrung.txt"},
    };
    for (const auto& f : fälle) {
        EXPECT_EQ(Belehrungsdatei::benutzerdateiname(f.datenordner, FesterText<7>(f.kennung)), f.pfad);
    }
}

// The shipped record: 1000 bytes of Windows-1252 without control characters. The notice prints it without
// wrapping: each line between two "$" must fit the page at column 17 in 8 points, also with the widest
// authority filled in.
TEST(Belehrungsdatei, MitgelieferterSatzPasstZeilenweiseInDieBreiteDesBescheids) {
    const std::string bytes = bytesVon(mitgelieferteDatei());
    EXPECT_EQ(bytes.size(), 1000u);
    EXPECT_TRUE(std::ranges::all_of(bytes, [](unsigned char b) { return b >= 0x20 && b != 0x7F; }));
    EXPECT_NE(bytes.find("k\xF6nnen"), std::string::npos);
    EXPECT_NE(mitgelieferteBelehrung().find("können"), std::string::npos);
    const std::string w(40, 'W');
    const std::string_view b = w;
    const std::string text = behördeEingesetzt(mitgelieferteBelehrung(), behördentext({b, b, b, b}));
    ASSERT_NE(text, mitgelieferteBelehrung());
    for (std::size_t anfang = 0; anfang <= text.size();) {
        const std::size_t ende = std::min(text.find('$', anfang), text.size());
        SCOPED_TRACE(text.substr(anfang, ende - anfang));
        Aufzeichnung a;
        a.auftrag.größeSetzen(8);
        a.auftrag.zuSpalte(17);
        a.auftrag.drucke(text.substr(anfang, ende - anfang));
        EXPECT_LE(a.auftrag.x(), (210.0 - 2 * 5) / 25.4 * 1440);
        anfang = ende + 1;
    }
}

// The user's text whenever it is not blank, as it stands; control characters refuse the notice. The
// notice only reads the file.
TEST(Belehrungsdatei, BescheidDrucktDenTextDesBenutzersWennErNichtLeerIst) {
    QTemporaryDir ordner;
    const QString benutzer = ordner.filePath("Belehrung.txt");
    const std::string mitgeliefert = mitgelieferteBelehrung();
    const struct {
        const char* bytes;  // nullptr: no user's file
        std::string text;
        bool fehler = false;
    } fälle[] = {
        {nullptr, mitgeliefert},
        {"          ", mitgeliefert},
        {"  gegen meinen Text  ", "  gegen meinen Text"},
        {"Gegen f\xC3\xBCr ł", "Gegen für ł"},
        {"Gegen\x01 A", "", true},
    };
    for (const auto& f : fälle) {
        SCOPED_TRACE(f.text);
        QFile::remove(benutzer);
        if (f.bytes) {
            QFile datei(benutzer);
            ASSERT_TRUE(datei.open(QIODevice::WriteOnly));
            datei.write(f.bytes);
        }
        const Druckbelehrung druck = Belehrungsdatei(benutzer).zumDrucken();
        EXPECT_EQ(druck.text, f.text);
        EXPECT_EQ(druck.mitgeliefert, f.text == mitgeliefert);
        EXPECT_EQ(druck.fehler.toStdString(),
                  f.fehler
                      ? "Die Rechtsbehelfsbelehrung in „" + QDir::toNativeSeparators(benutzer).toStdString() +
                            "“ enthält Steuerzeichen oder Binärdaten. Prüfen Sie sie mit „RB-Text“, "
                            "speichern Sie sie mit der Eingabetaste und drucken Sie den Bescheid dann erneut."
                      : "");
        EXPECT_EQ(bytesVon(benutzer), f.bytes ? f.bytes : "<missing>");
    }
}

}  // namespace

}  // namespace bda::druck
