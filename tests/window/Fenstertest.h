#pragma once
// The main window as the clerk meets it: shown, active, with no stored placement. Keys go to the widget
// that has the focus, as they do at the keyboard.

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QSettings>
#include <QTest>
#include <QTimer>
#include <functional>
#include <initializer_list>
#include <memory>

#include "Datumsfeld.h"
#include "Hauptform.h"

namespace bda::fenster {

// Closes every message box that comes up and records its text and title, so tests need no hand on
// the keyboard. `nurOk` stays true while every box had an OK button only and no icon. A question (a box
// with several buttons) is answered with `antwort` and recorded in `fragen` instead.
class Meldungsfaenger {
   public:
    Meldungsfaenger() {
        uhr_.setInterval(5);
        QObject::connect(&uhr_, &QTimer::timeout, [this] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!box) return;
            if (box->buttons().size() > 1) {
                fragen << box->text();
                QAbstractButton* knopf = box->button(antwort);
                if (!knopf)
                    knopf = box->button(box->button(QMessageBox::No) ? QMessageBox::No : QMessageBox::Cancel);
                knopf->click();
                return;
            }
            texte << box->text();
            titel << box->windowTitle();
            nurOk = nurOk && box->standardButton(box->buttons().first()) == QMessageBox::Ok &&
                    box->icon() == QMessageBox::NoIcon;
            box->accept();
        });
        uhr_.start();
    }
    void leeren() {
        texte.clear();
        titel.clear();
        fragen.clear();
    }

    // The one message shown since `leeren`, when it contains `teil`.
    ::testing::AssertionResult einzig(const QString& teil) const {
        if (texte.size() == 1 && texte[0].contains(teil)) return ::testing::AssertionSuccess();
        return ::testing::AssertionFailure() << texte.join(" | ").toStdString();
    }

    QStringList texte, titel, fragen;
    bool nurOk = true;
    // The button a question is answered with; a question without it gets "Nein", else "Abbrechen".
    QMessageBox::StandardButton antwort = QMessageBox::Cancel;

   private:
    QTimer uhr_;
};

class Fenstertest : public ::testing::Test {
   public:
    Fenstertest() {
        QSettings(QSettings::UserScope, QCoreApplication::applicationName()).clear();
        neuesFenster();
    }
    // A window like the one the clerk starts, replacing the one before.
    void neuesFenster() {
        fenster = std::make_unique<Hauptform>();
        fenster->show();
        EXPECT_TRUE(QTest::qWaitForWindowActive(fenster.get()));
    }
    // Back in the window after a message box or a dialog (the offscreen platform activates none).
    void zurück() {
        fenster->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(fenster.get()));
    }

    template <class T = QWidget>
    T* bauteil(const QString& name) const {
        T* gefunden = fenster->findChild<T*>(name);
        EXPECT_NE(gefunden, nullptr) << name.toStdString();
        return gefunden;
    }
    Datumsfeld* datum(int index) const { return bauteil<Datumsfeld>(QStringLiteral("Datum_%1").arg(index)); }
    QLineEdit* eingabe(int index) const {
        return bauteil<QLineEdit>(QStringLiteral("Eingabe_%1").arg(index));
    }
    QString beschriftung(const QString& name) const { return bauteil<QLabel>(name)->text(); }

    static QString fokus() {
        QWidget* widget = QApplication::focusWidget();
        return widget ? widget->objectName() : QStringLiteral("(keiner)");
    }
    // A key in the control that has the focus; the events it leaves are handled before the test goes on.
    static void taste(QKeyCombination k) {
        ASSERT_NE(QApplication::focusWidget(), nullptr);
        QTest::keyClick(QApplication::focusWidget(), k.key(), k.keyboardModifiers());
        QCoreApplication::processEvents();
    }
    static void tippen(const QString& text) {
        ASSERT_NE(QApplication::focusWidget(), nullptr);
        QTest::keyClicks(QApplication::focusWidget(), text);
    }
    static void enter() { taste(Qt::Key_Return); }
    // Types each text into the control that has the focus and presses Enter behind it.
    static void eingeben(std::initializer_list<const char*> texte) {
        for (const char* text : texte) {
            tippen(text);
            enter();
        }
    }
    // Field `index` emptied with F3 and `text` typed into it, with Enter behind it or not.
    void feldTippen(int index, const char* text, bool mitEnter = true) {
        datum(index)->setFocus();
        QTest::keyClick(datum(index), Qt::Key_F3);
        tippen(text);
        if (mitEnter) enter();
    }
    // Types any text, umlauts included, as key events that carry it.
    static void zeichenTippen(const QString& text, QWidget* ziel = QApplication::focusWidget()) {
        for (const QChar z : text) {
            const auto taste = z.unicode() < 0x80 ? Qt::Key(z.toUpper().unicode()) : Qt::Key_unknown;
            QTest::sendKeyEvent(QTest::Click, ziel, taste, QString(z), Qt::NoModifier);
        }
    }
    // Born 15/06/1970, appointed 15/06/2008 as A 1 to A 12, 2002 credited in the quarter-rule span: a
    // quarter of 3 years and half of 3 years put the regular BDA 01/06/1991 back to 01/09/1993.
    void beispielfallTippen() {
        eingeben({"15061970", "15062008", "01012002", "31122002"});
        ASSERT_EQ(beschriftung(QStringLiteral("BDADatum")), QStringLiteral("01/09/1993."));
    }
    // Presses `k` in the main window and runs `schritte` in the modal window it opens, closed by Esc after
    // (an open cell first). A question that comes first is left to the message catcher.
    void imDialog(QKeyCombination k, const std::function<void(QWidget*)>& schritte) {
        zurück();
        bool gesehen = false;
        std::function<void()> suchen = [&] {
            QWidget* dialog = QApplication::activeModalWidget();
            if (qobject_cast<QMessageBox*>(dialog)) return QTimer::singleShot(10, suchen);
            if (!(gesehen = dialog != nullptr)) return;
            // The modal window counts as active at once; keys reach it once it really is.
            EXPECT_TRUE(QTest::qWaitFor([dialog] { return QApplication::activeWindow() == dialog; }));
            schritte(dialog);
            for (int i = 0; i < 3 && dialog->isVisible(); ++i) taste(Qt::Key_Escape);
        };
        QTimer::singleShot(0, suchen);
        taste(k);
        EXPECT_TRUE(gesehen) << "no dialog opened";
        zurück();
    }
    // A mouse click near the left edge: on the circle of an option, at the start of a field.
    void klicken(const QString& name) {
        QWidget* ziel = bauteil(name);
        QTest::mouseClick(ziel, Qt::LeftButton, {}, QPoint(6, ziel->height() / 2));
        QCoreApplication::processEvents();
    }

    Meldungsfaenger meldungen;
    std::unique_ptr<Hauptform> fenster;
};

}  // namespace bda::fenster
