#pragma once
// The main window as the clerk meets it: shown, active, with no stored placement. Keys go to the widget
// that has the focus, as they do at the keyboard.

#include <gtest/gtest.h>

#include <QApplication>
#include <QCoreApplication>
#include <QLabel>
#include <QMessageBox>
#include <QSettings>
#include <QTest>
#include <QTimer>
#include <memory>

#include "Datumsfeld.h"
#include "Hauptform.h"

// QString in readable form in the failure messages.
inline void PrintTo(const QString& text, std::ostream* aus) { *aus << '"' << text.toStdString() << '"'; }

// The window title with paragraph 28 or 36 and no official's name.
inline QString titel(const char* paragraph) {
    return QStringLiteral("Berechnung des Besoldungsdienstalters nach § ") + paragraph +
           QStringLiteral(" BBesG für ");
}
// Text(3) and Label10 as the entry-grade rules build them around the year of life.
inline QString text3(const char* lebensjahr) {
    return QStringLiteral("Am Tag der Ernennung war die Vollendung des    ") + lebensjahr +
           QStringLiteral(".    Lebensj. überschritten um . . . . . . . . . . . . . . . . . . . . . . .");
}
inline QString label10(const char* lebensjahr) {
    return QStringLiteral("Davon entfallen auf die Zeit ab Vollendung des    ") + lebensjahr +
           QStringLiteral(".    Lebensjahres . . . . . . . . . . . . . . . . . . . . . . . . . . . . . . .");
}

// Closes every message box that comes up and records its text, so tests need no hand on the keyboard.
class Meldungsfaenger {
   public:
    Meldungsfaenger() {
        uhr_.setInterval(5);
        QObject::connect(&uhr_, &QTimer::timeout, [this] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!box) return;
            texte << box->text();
            titel << box->windowTitle();
            nurOk = nurOk && box->buttons().size() == 1 &&
                    box->standardButton(box->buttons().first()) == QMessageBox::Ok;
            ohneSymbol = ohneSymbol && box->icon() == QMessageBox::NoIcon;
            box->accept();
        });
        uhr_.start();
    }

    QStringList texte;
    QStringList titel;
    bool nurOk = true;
    bool ohneSymbol = true;

   private:
    QTimer uhr_;
};

class Fenstertest : public ::testing::Test {
   public:
    Fenstertest() {
        QSettings(QSettings::UserScope, QCoreApplication::applicationName()).clear();
        fenster = std::make_unique<Hauptform>();
        fenster->show();
        EXPECT_TRUE(QTest::qWaitForWindowActive(fenster.get()));
    }

    template <class T = QWidget>
    T* bauteil(const QString& name) const {
        T* gefunden = fenster->findChild<T*>(name);
        EXPECT_NE(gefunden, nullptr) << name.toStdString();
        return gefunden;
    }
    Datumsfeld* datum(int index) const { return bauteil<Datumsfeld>(QStringLiteral("Datum_%1").arg(index)); }
    QString beschriftung(const QString& name) const { return bauteil<QLabel>(name)->text(); }

    static QString fokus() {
        QWidget* widget = QApplication::focusWidget();
        return widget ? widget->objectName() : QStringLiteral("(keiner)");
    }
    // Types into the control that has the focus.
    static void tippen(const QString& text) {
        ASSERT_NE(QApplication::focusWidget(), nullptr);
        QTest::keyClicks(QApplication::focusWidget(), text);
    }
    // Enter in the control that has the focus; the events it leaves (a window activated again after a
    // message box) are handled before the test goes on.
    static void enter() {
        ASSERT_NE(QApplication::focusWidget(), nullptr);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QCoreApplication::processEvents();
    }
    // Gives the focus to `name` by a mouse click, types `text` and presses Enter.
    void eingeben(const QString& name, const QString& text) {
        QWidget* ziel = bauteil(name);
        QTest::mouseClick(ziel, Qt::LeftButton, {}, QPoint(3, ziel->height() / 2));
        tippen(text);
        enter();
    }

    Meldungsfaenger meldungen;
    std::unique_ptr<Hauptform> fenster;
};
