// The monkey test: a seeded stream of random keys and clicks on the real main window, every message box
// closed. After every event the controls show what the case holds, the case keeps the rules of
// Fallregeln.h (it is the case its inputs give when replayed from a case file, whatever was typed with
// or without Enter), and exactly the periods that hold two dates but are not credited show their lengths
// in red. The print, close, legal-remedy and help
// commands are left alone, so nothing is printed and the window stays.
//   BDA_AFFENTEST_EREIGNISSE   number of events (default 2000; 20000 for the long run)
//   BDA_AFFENTEST_SAAT         seed of the stream

#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>
#include <cstdio>
#include <deque>
#include <random>

#include "Fallregeln.h"
#include "Fenstertest.h"

namespace bda::fenster {

namespace {

class Affentest : public Fenstertest {
   protected:
    int zahl(int von, int bis) { return std::uniform_int_distribution<int>(von, bis)(zufall_); }
    bool chance(int prozent) { return zahl(1, 100) <= prozent; }

    // One random event; true when it was an Enter in a date field or a click on one of the grades 0 to 3,
    // after which the rows and the BDA must follow the fields.
    bool ereignis() {
        if (QWidget* kalender = QApplication::activePopupWidget()) {
            QWidget* ziel = kalender->focusWidget() ? kalender->focusWidget() : kalender;
            const Qt::Key tasten[] = {Qt::Key_Return,   Qt::Key_Escape, Qt::Key_PageUp,
                                      Qt::Key_PageDown, Qt::Key_Right,  Qt::Key_Down};
            const Qt::Key taste = tasten[zahl(0, 5)];
            protokollieren("Kalender: Taste " + QKeySequence(taste).toString());
            QTest::keyClick(ziel, taste);
            return false;
        }
        if (chance(85)) return taste();
        return klick();
    }

    bool taste() {
        QWidget* ziel = QApplication::focusWidget() ? QApplication::focusWidget() : fenster.get();
        const int wurf = zahl(1, 100);
        Qt::Key taste = Qt::Key_unknown;
        QChar zeichen;
        // As a clerk types: a whole date that fits the field, then mostly Enter.
        if (auto* feld = qobject_cast<Datumsfeld*>(ziel); feld && chance(35)) {
            datumTippen(feld);
            if (chance(20)) return false;
            protokollieren("Taste Return in " + feld->objectName());
            QTest::keyClick(feld, Qt::Key_Return);
            return true;
        }
        if (wurf <= 40) {
            zeichen = QChar('0' + zahl(0, 9));
        } else if (wurf <= 46) {
            zeichen = QChar((chance(50) ? 'a' : 'A') + zahl(0, 25));
        } else if (wurf <= 70) {
            taste = Qt::Key_Return;
        } else if (wurf <= 80) {
            taste = Qt::Key_Tab;
        } else if (wurf <= 87) {
            taste = Qt::Key_Backspace;
        } else if (wurf <= 92) {
            taste = Qt::Key_F3;
        } else if (wurf <= 95) {
            taste = Qt::Key_F2;
        } else if (wurf <= 97) {
            taste = Qt::Key_F4;
        } else {
            taste = Qt::Key_Escape;
        }
        // Enter on a command button would run it.
        if (taste == Qt::Key_Return && qobject_cast<QPushButton*>(ziel)) taste = Qt::Key_Tab;

        const QString name = ziel->objectName();
        if (taste == Qt::Key_unknown) {
            protokollieren("Taste " + QString(zeichen) + " in " + name);
            QTest::keyClick(ziel, zeichen.toLatin1());
            return false;
        }
        protokollieren("Taste " + QKeySequence(taste).toString() + " in " + name);
        QTest::keyClick(ziel, taste);
        return taste == Qt::Key_Return && qobject_cast<Datumsfeld*>(ziel);
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
        protokollieren("F3 und " + QString::fromStdString(text) + " in " + feld->objectName());
        QTest::keyClick(feld, Qt::Key_F3);
        QTest::keyClicks(feld,
                         QString::fromStdString(text.substr(0, 2) + text.substr(3, 2) + text.substr(6)));
    }

    bool klick() {
        std::vector<QWidget*> ziele;
        for (QWidget* w : fenster->findChildren<QWidget*>()) {
            if (!w->isVisible() || !w->isEnabled()) continue;
            const QString name = w->objectName();
            const bool calendarButton =
                qobject_cast<QToolButton*>(w) && qobject_cast<Datumsfeld*>(w->parentWidget());
            if (name.startsWith("Datum_") || name.startsWith("Eingabe_") || name.startsWith("Eingangsamt_") ||
                name == "BDADatum" || name.startsWith("Tag1_") || calendarButton) {
                ziele.push_back(w);
            }
        }
        QWidget* ziel = ziele[static_cast<std::size_t>(zahl(0, static_cast<int>(ziele.size()) - 1))];
        const bool kalenderknopf = qobject_cast<QToolButton*>(ziel) != nullptr;
        const QString name =
            kalenderknopf ? "Kalenderknopf von " + ziel->parentWidget()->objectName() : ziel->objectName();
        protokollieren("Klick auf " + name);
        // On the circle of an option, anywhere in other controls.
        const QPoint ort = qobject_cast<QRadioButton*>(ziel)
                               ? QPoint(6, ziel->height() / 2)
                               : QPoint(zahl(1, std::max(1, ziel->width() - 2)), ziel->height() / 2);
        QTest::mouseClick(ziel, Qt::LeftButton, {}, ort);
        const int option = name.startsWith("Eingangsamt_") ? name.mid(12).toInt() : -1;
        return option >= 0 && option <= 3;
    }

    void protokollieren(const QString& text) {
        letzte_.push_back(text.toStdString());
        if (letzte_.size() > 40) letzte_.pop_front();
    }

    std::string verlauf() const {
        std::string text;
        for (const auto& zeile : letzte_) text += "  " + zeile + "\n";
        return text;
    }

    // The first control whose text is not what the case holds, or "".
    std::string anzeigeAbweichung() const {
        const Fall& fall = fenster->fall();
        std::string abweichung;
        const auto vergleichen = [&](const QString& name, const QString& ist, const std::string& soll) {
            if (abweichung.empty() && ist.toStdString() != soll) {
                abweichung = name.toStdString() + " zeigt \"" + ist.toStdString() + "\", der Fall hält \"" +
                             soll + "\"";
            }
        };
        const auto zeile = [&](const QString& endung, const Zeitspanne& spanne) {
            vergleichen("Tag" + endung, beschriftung("Tag" + endung), std::to_string(spanne.tage));
            vergleichen("Monat" + endung, beschriftung("Monat" + endung), std::to_string(spanne.monate));
            vergleichen("Jahr" + endung, beschriftung("Jahr" + endung), std::to_string(spanne.jahre));
        };
        // The title is the file name, "[*] – " and the case's own title.
        vergleichen("Fenstertitel", fenster->windowTitle().section(QStringLiteral("[*] – "), 1), fall.titel);
        vergleichen("Text_3", beschriftung("Text_3"), fall.text3);
        vergleichen("Label10", beschriftung("Label10"), fall.label10);
        for (int i = 0; i < 5; ++i) {
            const bool gewählt = bauteil<QRadioButton>(QStringLiteral("Eingangsamt_%1").arg(i))->isChecked();
            vergleichen(QStringLiteral("Eingangsamt_%1").arg(i), gewählt ? "gewählt" : "nicht gewählt",
                        i == fall.amtswahl ? "gewählt" : "nicht gewählt");
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
        vergleichen("SSFrame1", bauteil("SSFrame1")->isVisibleTo(fenster.get()) ? "gezeigt" : "verborgen",
                    fall.rahmen1Sichtbar ? "gezeigt" : "verborgen");
        vergleichen("SSFrame2", bauteil("SSFrame2")->isVisibleTo(fenster.get()) ? "gezeigt" : "verborgen",
                    fall.rahmen2Sichtbar ? "gezeigt" : "verborgen");
        for (int i = 0; i < anzahlEingaben; ++i) {
            vergleichen(QStringLiteral("Eingabe_%1").arg(i),
                        bauteil<QLineEdit>(QStringLiteral("Eingabe_%1").arg(i))->text(), fall.eingabe[i]);
            vergleichen(QStringLiteral("Zähler_%1").arg(i), beschriftung(QStringLiteral("Zähler_%1").arg(i)),
                        std::to_string(60 - fallregeln::bedeutsameZeichen(fall.eingabe[i])));
        }
        return abweichung;
    }

    // The first row of a shown frame whose length labels are red when they should not be, or the other
    // way round: red stands for a period that holds two dates but is not credited.
    std::string farbabweichung() const {
        const Fall& fall = fenster->fall();
        for (int k = 1; k <= 8; ++k) {
            const fallregeln::Zeitraumzeile z(k);
            if (!z.rahmenSichtbar(fall)) continue;
            const bool rotSoll = z.hältZweiDaten(fall) && !z.zählt(fall);
            const QString endung = QStringLiteral("%1_%2").arg(z.ersterRahmen ? 1 : 2).arg(z.rahmenzeile);
            for (const char* art : {"Tag", "Monat", "Jahr"}) {
                const QColor farbe = bauteil<QLabel>(art + endung)->palette().color(QPalette::WindowText);
                const bool rot = farbe.red() >= 128 && farbe.green() < 64 && farbe.blue() < 64;
                if (rot != rotSoll) {
                    return art + endung.toStdString() + (rot ? " ist rot" : " ist nicht rot") + " bei " +
                           fall.datum[z.beginn] + " bis " + fall.datum[z.ende] + " in " +
                           fall.datum[z.spanneBeginn] + " bis " + fall.datum[z.spanneEnde];
                }
            }
        }
        return "";
    }

    std::mt19937_64 zufall_{
        static_cast<std::uint64_t>(fallregeln::umgebungszahl("BDA_AFFENTEST_SAAT", 20260801))};
    std::deque<std::string> letzte_;
};

TEST_F(Affentest, ZufaelligeTastenUndKlicksHaltenDieRegeln) {
    const long ereignisse = fallregeln::umgebungszahl("BDA_AFFENTEST_EREIGNISSE", 2000);
    const long saat = fallregeln::umgebungszahl("BDA_AFFENTEST_SAAT", 20260801);
    long regelprüfungen = 0;          // Enters in date fields and grade clicks
    long mitAngerechnetenZeiten = 0;  // events after which the case credits a period
    for (long n = 1; n <= ereignisse; ++n) {
        const bool nachEnter = ereignis();
        QCoreApplication::processEvents();
        ASSERT_EQ(QApplication::activeModalWidget(), nullptr) << "a dialog stayed open after event " << n;

        fallregeln::Verstöße verstöße;
        if (const std::string abweichung = anzeigeAbweichung(); !abweichung.empty()) {
            verstöße.push_back({"die Anzeige zeigt den Fall", abweichung});
        }
        const Fall& fall = fenster->fall();
        fallregeln::zustandPrüfen(fall, verstöße);
        fallregeln::felderPrüfen(fall, verstöße);
        fallregeln::auswertungPrüfen(fall, verstöße);
        fallregeln::eingabenPrüfen(fall, verstöße);
        if (const std::string abweichung = farbabweichung(); !abweichung.empty()) {
            verstöße.push_back({"nicht angerechnete Zeiträume rot", abweichung});
        }
        regelprüfungen += nachEnter;
        for (int k = 1; k <= 8; ++k) {
            const fallregeln::Zeitraumzeile z(k);
            if (z.rahmenSichtbar(fall) && z.zählt(fall)) {
                ++mitAngerechnetenZeiten;
                break;
            }
        }
        ASSERT_TRUE(verstöße.empty())
            << "Regel \"" << verstöße.front().regel << "\" gebrochen nach Ereignis " << n << " (Saat " << saat
            << "): " << verstöße.front().was << "\nDie letzten Ereignisse:\n"
            << verlauf();
    }
    EXPECT_GT(regelprüfungen, ereignisse / 20) << "too few Enters in date fields to check the rows";
    EXPECT_FALSE(meldungen.texte.isEmpty()) << "no message box came up: the stream never reached a refusal";
    EXPECT_GT(mitAngerechnetenZeiten, ereignisse / 20)
        << "the stream rarely reaches a case with credited periods";
    std::printf(
        "%ld Ereignisse, davon %ld Enter oder Amtswahl, %ld mit angerechneten Zeiträumen, %lld Meldungen\n",
        ereignisse, regelprüfungen, mitAngerechnetenZeiten, static_cast<long long>(meldungen.texte.size()));
}

}  // namespace

}  // namespace bda::fenster
