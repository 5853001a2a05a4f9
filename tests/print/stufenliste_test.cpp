// The list of steps printed into the recording job.

#include "Stufenliste.h"

#include <gtest/gtest.h>

#include "Datumstext.h"
#include "Druckhilfe.h"

namespace bda::druck {

namespace {

const double h10 = arialZeilenhöhe(10), h12 = arialZeilenhöhe(12), h14 = arialZeilenhöhe(14);

TEST(Stufenliste, HochformatMitDerErreichtenStufeFett) {
    Fall fall;
    fall.name = "Erika Mustermann";
    fall.datum[Feld::geburtstag] = "15/06/1970";
    fall.datum[Feld::ernennung] = "01/01/2001";
    fall.datum[Feld::bda] = "01/01/1990";
    fall.amtswahl = Eingangsamt::a13oderA14;
    fall.bescheid.behörde.kopfzeile1 = "Landesamt für Besoldung";
    fall.bescheid.behörde.kopfzeile2 = "  Referat 21";
    const Stufenfolge plan = stufenplan(*datumAusText("01/01/1990"));
    Aufzeichnung a;
    ASSERT_TRUE(stufenlisteDrucken(fall, plan, 6, a.auftrag));
    EXPECT_EQ(a.pdf.pageLayout().orientation(), QPageLayout::Portrait);

    const auto z = zeilen(a.auftrag.protokoll());
    // The letterhead, two heading lines, five of the case, the column heads, 12 steps, two of the note.
    ASSERT_EQ(z.size(), 24u);
    vergleiche(z, 0,
               {
                   {h12, "12B 1500 Landesamt für Besoldung"},
                   {h12, "12B 1500 Referat 21"},
                   {h12 + h14, "14B 1500 Stufen des Grundgehalts"},
                   {h14, "10 1500 nach § 27 Abs. 2 BBesG a.F., Besoldungsordnung A"},
                   {2 * h10, "10 1500 Name: | 10 3000 Erika Mustermann"},
                   {h10, "10 1500 Eingangsamt: | 10 3000 A 13 oder A 14"},
                   {h10, "10 1500 Geburtstag: | 10 3000 15/06/1970"},
                   {h10, "10 1500 Ernennung am: | 10 3000 01/01/2001"},
                   {h10, "10 1500 BDA ab: | 10 3000 01/01/1990"},
                   {2 * h10, "10B 1500 Stufe | 10B 3000 ab | 10B 4800 Abstand"},
                   {h10, "10 1500 1 | 10 3000 01/01/1990 | 10 4800 ab dem BDA"},
                   {h10, "10 1500 2 | 10 3000 01/01/1992 | 10 4800 nach 2 Jahren"},
               });
    vergleiche(
        z, 14,
        {
            {h10, "10 1500 5 | 10 3000 01/01/1998 | 10 4800 nach 8 Jahren"},
            {h10,
             "10B 1500 6 | 10B 3000 01/01/2001 | 10B 4800 nach 11 Jahren | 10B 7200 erreicht am Tag der "
             "Ernennung"},
            {h10, "10 1500 7 | 10 3000 01/01/2004 | 10 4800 nach 14 Jahren"},
        });
    vergleiche(z, 21,
               {
                   {h10, "10 1500 12 | 10 3000 01/01/2022 | 10 4800 nach 32 Jahren"},
                   {2 * h10,
                    "10 1500 Die Liste gilt nur für die Besoldungsordnung A. Die Beträge richten sich nach "
                    "der jeweils"},
                   {h10, "10 1500 geltenden Besoldungstabelle."},
               });
}

}  // namespace

}  // namespace bda::druck
