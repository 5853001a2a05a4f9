// The monkey test: a seeded stream of random keys and clicks on the real main window, every message box
// closed. After every event the controls show what the case holds, the case keeps the rules of
// Fallregeln.h, and exactly the periods that hold two dates but are not credited show their lengths in
// red. The print, close, legal-remedy and help commands are left alone.
//   BDA_AFFENTEST_EREIGNISSE   number of events (default 2000; 20000 for the long run)
//   BDA_AFFENTEST_SAAT         seed of the stream

#include <QRadioButton>
#include <QToolButton>
#include <algorithm>
#include <random>
#include <ranges>

#include "Fallregeln.h"
#include "Fenstertest.h"

namespace bda::fenster {

namespace {

class Affentest : public Fenstertest {
   protected:
    int zahl(int von, int bis) { return std::uniform_int_distribution<int>(von, bis)(zufall_); }
    bool chance(int prozent) { return zahl(1, 100) <= prozent; }
    // One random event; true when it was an Enter in a date field or a click on one of the grades 0 to 3.
    bool ereignis() {
        if (QWidget* kalender = QApplication::activePopupWidget()) {
            const Qt::Key tasten[] = {Qt::Key_Return,   Qt::Key_Escape, Qt::Key_PageUp,
                                      Qt::Key_PageDown, Qt::Key_Right,  Qt::Key_Down};
            QTest::keyClick(kalender->focusWidget() ? kalender->focusWidget() : kalender, tasten[zahl(0, 5)]);
            return false;
        }
        QWidget* ziel = QApplication::focusWidget() ? QApplication::focusWidget() : fenster.get();
        auto* feld = qobject_cast<Datumsfeld*>(ziel);
        if (!chance(85)) return mausklick();
        // As a clerk types: a whole date that fits the field, then mostly Enter.
        if (feld && chance(35)) {
            datumTippen(feld);
            if (chance(20)) return false;
            QTest::keyClick(feld, Qt::Key_Return);
            return true;
        }
        // A digit or a letter in 46 of 100 events, else a key, Enter most often.
        const Qt::Key tasten[] = {Qt::Key_Return, Qt::Key_Return, Qt::Key_Return,    Qt::Key_Return,
                                  Qt::Key_Tab,    Qt::Key_Tab,    Qt::Key_Backspace, Qt::Key_F3,
                                  Qt::Key_F2,     Qt::Key_Escape};
        const int wurf = zahl(1, 100);
        if (wurf <= 46) {
            QTest::keyClick(
                ziel, wurf <= 40 ? char('0' + zahl(0, 9)) : char((chance(50) ? 'a' : 'A') + zahl(0, 25)));
            return false;
        }
        Qt::Key taste = wurf <= 48 ? Qt::Key_F4 : tasten[zahl(0, 9)];
        // Enter on a command button would run it.
        if (taste == Qt::Key_Return && qobject_cast<QPushButton*>(ziel)) taste = Qt::Key_Tab;
        QTest::keyClick(ziel, taste);
        return taste == Qt::Key_Return && feld;
    }

    // F3 and the eight digits of a date that fits the field: a birth date, an appointment 16 to 56
    // years later, a period date inside its frame's span or close to it.
    void datumTippen(Datumsfeld* feld) {
        using kalendermodell::Tag;
        const Fall& fall = fenster->fall();
        const int index = feld->objectName().mid(6).toInt();
        const auto zwischen = [&](Tag von, Tag bis) {
            const long a = kalendermodell::tagzahl(von), b = kalendermodell::tagzahl(bis);
            return kalendermodell::ausTagzahl(
                std::uniform_int_distribution<long>(std::min(a, b) - 3, std::max(a, b) + 3)(zufall_));
        };
        Tag tag = zwischen({1950, 1, 1}, {2040, 12, 31});
        const auto geburt = kalendermodell::lesen(fall.datum[Feld::geburtstag]);
        if (index == Feld::geburtstag) {
            tag = zwischen({1930, 1, 1}, {1990, 12, 31});
        } else if (index == Feld::ernennung && geburt) {
            tag = zwischen({geburt->jahr + 16, 1, 1}, {std::min(geburt->jahr + 56, 2040), 12, 31});
        } else if (index >= 3 && index <= 18) {
            const fallregeln::Zeitraumzeile z((index - 1) / 2);
            const auto von = kalendermodell::lesen(fall.datum[z.spanneBeginn]);
            const auto bis = kalendermodell::lesen(fall.datum[z.spanneEnde]);
            if (von && bis) tag = zwischen(*von, *bis);
        } else {
            tag.tag = 1;
        }
        const std::string text = kalendermodell::text(tag);
        QTest::keyClick(feld, Qt::Key_F3);
        QTest::keyClicks(feld,
                         QString::fromStdString(text.substr(0, 2) + text.substr(3, 2) + text.substr(6)));
    }

    // A click on a date field, a description, a grade, the result or a calendar button.
    bool mausklick() {
        std::vector<QWidget*> ziele;
        for (QWidget* w : fenster->findChildren<QWidget*>()) {
            const QString name = w->objectName();
            if (w->isVisible() && w->isEnabled() &&
                (name.startsWith("Datum_") || name.startsWith("Eingabe_") ||
                 name.startsWith("Eingangsamt_") || name == "BDADatum" || name.startsWith("Tag1_") ||
                 (qobject_cast<QToolButton*>(w) && qobject_cast<Datumsfeld*>(w->parentWidget())))) {
                ziele.push_back(w);
            }
        }
        QWidget* ziel = ziele[static_cast<std::size_t>(zahl(0, static_cast<int>(ziele.size()) - 1))];
        // On the circle of an option, anywhere in other controls.
        const int x = qobject_cast<QRadioButton*>(ziel) ? 6 : zahl(1, std::max(1, ziel->width() - 2));
        QTest::mouseClick(ziel, Qt::LeftButton, {}, QPoint(x, ziel->height() / 2));
        const int option =
            ziel->objectName().startsWith("Eingangsamt_") ? ziel->objectName().mid(12).toInt() : -1;
        return option >= 0 && option <= 3;
    }

    // Each control whose text is not what the case holds, and each row of a shown frame whose lengths are
    // red when they should not be or the other way round: red stands for a period that holds two dates
    // but is not credited.
    void anzeigePrüfen(fallregeln::Verstöße& verstöße) const {
        const Fall& fall = fenster->fall();
        const auto vergleichen = [&](const QString& name, const QString& ist, const std::string& soll) {
            if (ist.toStdString() != soll)
                verstöße.push_back({"die Anzeige zeigt den Fall", name.toStdString() + " zeigt \"" +
                                                                      ist.toStdString() +
                                                                      "\", der Fall hält \"" + soll + "\""});
        };
        const auto zeile = [&](const QString& endung, const Zeitspanne& spanne) {
            vergleichen("Tag" + endung, beschriftung("Tag" + endung), std::to_string(spanne.tage));
            vergleichen("Monat" + endung, beschriftung("Monat" + endung), std::to_string(spanne.monate));
            vergleichen("Jahr" + endung, beschriftung("Jahr" + endung), std::to_string(spanne.jahre));
        };
        const auto ja = [](bool b) { return std::string(b ? "ja" : "nein"); };
        // The title is the file name, "[*] – " and the case's own title.
        vergleichen("Fenstertitel", fenster->windowTitle().section(QStringLiteral("[*] – "), 1), fall.titel);
        vergleichen("Text_3", beschriftung("Text_3"), fall.text3);
        vergleichen("Label10", beschriftung("Label10"), fall.label10);
        for (int i = 0; i < 5; ++i) {
            const QString name = QStringLiteral("Eingangsamt_%1").arg(i);
            vergleichen(name, QString::fromStdString(ja(bauteil<QRadioButton>(name)->isChecked())),
                        ja(i == fall.amtswahl));
        }
        for (int i = 0; i < Feld::anzahl; ++i)
            vergleichen(QStringLiteral("Datum_%1").arg(i), datum(i)->displayText(), fall.datum[i]);
        zeile("0", fall.überschritten);
        for (int z = 0; z < anzahlZeitraumzeilen; ++z) {
            zeile(QStringLiteral("1_%1").arg(z), fall.rahmen1[z]);
            zeile(QStringLiteral("2_%1").arg(z), fall.rahmen2[z]);
        }
        zeile("3", fall.gesamt);
        vergleichen("BDADatum", beschriftung("BDADatum"), fall.bdaDatum);
        for (const auto& [rahmen, sichtbar] :
             {std::pair{"SSFrame1", fall.rahmen1Sichtbar}, {"SSFrame2", fall.rahmen2Sichtbar}})
            vergleichen(rahmen, QString::fromStdString(ja(bauteil(rahmen)->isVisibleTo(fenster.get()))),
                        ja(sichtbar));
        for (int i = 0; i < anzahlEingaben; ++i) {
            vergleichen(QStringLiteral("Eingabe_%1").arg(i), eingabe(i)->text(), fall.eingabe[i]);
            vergleichen(QStringLiteral("Zähler_%1").arg(i), beschriftung(QStringLiteral("Zähler_%1").arg(i)),
                        std::to_string(60 - fallregeln::bedeutsameZeichen(fall.eingabe[i])));
        }
        for (int k = 1; k <= 8; ++k) {
            const fallregeln::Zeitraumzeile z(k);
            if (!z.rahmenSichtbar(fall)) continue;
            const QString endung = QStringLiteral("%1_%2").arg(z.ersterRahmen ? 1 : 2).arg(z.rahmenzeile);
            for (const char* art : {"Tag", "Monat", "Jahr"}) {
                const QColor farbe = bauteil<QLabel>(art + endung)->palette().color(QPalette::WindowText);
                const bool rot = farbe.red() >= 128 && farbe.green() < 64 && farbe.blue() < 64;
                if (rot != (z.hältZweiDaten(fall) && !z.zählt(fall)))
                    verstöße.push_back({"nicht angerechnete Zeiträume rot",
                                        art + endung.toStdString() + " rot: " + ja(rot) + " bei Zeitraum " +
                                            std::to_string(z.k) + ": " + fall.datum[z.beginn] + " bis " +
                                            fall.datum[z.ende]});
            }
        }
    }

    std::mt19937_64 zufall_{
        static_cast<std::uint64_t>(fallregeln::umgebungszahl("BDA_AFFENTEST_SAAT", 20260801))};
};

TEST_F(Affentest, ZufaelligeTastenUndKlicksHaltenDieRegeln) {
    const long ereignisse = fallregeln::umgebungszahl("BDA_AFFENTEST_EREIGNISSE", 2000);
    long regelprüfungen = 0;          // Enters in date fields and grade clicks
    long mitAngerechnetenZeiten = 0;  // events after which the case credits a period
    for (long n = 1; n <= ereignisse; ++n) {
        regelprüfungen += ereignis();
        QCoreApplication::processEvents();
        ASSERT_EQ(QApplication::activeModalWidget(), nullptr) << "a dialog stayed open after event " << n;
        const Fall& fall = fenster->fall();
        fallregeln::Verstöße verstöße;
        anzeigePrüfen(verstöße);
        fallregeln::zustandPrüfen(fall, verstöße);
        fallregeln::felderPrüfen(fall, verstöße);
        fallregeln::auswertungPrüfen(fall, verstöße);
        fallregeln::eingabenPrüfen(fall, verstöße);
        mitAngerechnetenZeiten += std::ranges::any_of(std::views::iota(1, 9), [&](int k) {
            return fallregeln::Zeitraumzeile(k).rahmenSichtbar(fall) &&
                   fallregeln::Zeitraumzeile(k).zählt(fall);
        });
        ASSERT_TRUE(verstöße.empty()) << "Regel \"" << verstöße.front().regel << "\" gebrochen nach Ereignis "
                                      << n << ": " << verstöße.front().was;
    }
    // The stream reaches what it is meant to test.
    EXPECT_GT(regelprüfungen, ereignisse / 20) << "too few Enters in date fields to check the rows";
    EXPECT_FALSE(meldungen.texte.isEmpty()) << "the stream never reached a refusal";
    EXPECT_GT(mitAngerechnetenZeiten, ereignisse / 20) << "the stream rarely reaches a credited period";
}

}  // namespace

}  // namespace bda::fenster
