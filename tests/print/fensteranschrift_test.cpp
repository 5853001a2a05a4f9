// The address field of the notice measured on the PDF, as poppler's pdftotext reads the words off the
// page: for DIN 5008 form A and B, the sender line and the address lie inside the window of the form.

#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "Anschriftfeld.h"
#include "Bescheid.h"
#include "Druckhilfe.h"
#include "Pdfdatei.h"
#include "Pdfwoerter.h"

namespace bda::druck {

namespace {

TEST(Fensteranschrift, AbsenderUndAnschriftImFensterDerForm) {
    for (const Anschriftform form : {Anschriftform::a, Anschriftform::b}) {
        SCOPED_TRACE(anschriftfeld(form).oben);
        Fall fall = beispielfall();
        fall.bescheid.anschriftfeld = form;
        QTemporaryDir ordner;
        const QString datei = ordner.filePath(QStringLiteral("bescheid.pdf"));
        QString fehler;
        ASSERT_TRUE(pdfSchreiben(
            datei, QStringLiteral("Bescheid"),
            [&](Druckauftrag& a) {
                return bescheidDrucken(fall, "Gegen diesen Bescheid …", std::chrono::year{2024} / 6 / 3, a);
            },
            fehler))
            << fehler.toStdString();
        anschriftImFenster(datei, form,
                           "Landesamt für Besoldung und Versorgung, Musterstraße 12, 80333 München",
                           "Frau Erika Mustermann Lindenstraße 5 12345 Musterstadt");
    }
}

}  // namespace

}  // namespace bda::druck
