#include <QAction>
#include <QCoreApplication>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>

#include "Fallbefehle.h"
#include "Hauptform.h"

namespace bda::fenster {

namespace {

// One command of the menu bar. A new command is one row here and a handler in Hauptform; the rows of a
// menu appear in their order, a row with an empty text is a separator.
struct Menüeintrag {
    const char* menü;
    const char* text;
    QKeySequence taste;
    void (Hauptform::*befehl)();
};

}  // namespace

void Hauptform::menüAufbauen() {
    const Menüeintrag einträge[] = {
        {"&Fall", "Bescheid&daten …", QKeySequence(Qt::CTRL | Qt::Key_D),
         &Hauptform::bescheiddatenBearbeiten},
        {"&Fall", "&Erfahrungsstufe (ab 2009) …", QKeySequence(Qt::CTRL | Qt::Key_G),
         &Hauptform::erfahrungsstufeBearbeiten},
        {"&Fall", "", {}, nullptr},
        {"&Fall", "Druck&vorschau …", QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_P),
         &Hauptform::druckvorschau},
        {"&Fall", "D&rucken …", QKeySequence(Qt::CTRL | Qt::Key_P), &Hauptform::druckenMitWahl},
        {"&Fall", "Als &PDF speichern …", QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_E),
         &Hauptform::alsPdfSpeichern},
        {"&Fall", "", {}, nullptr},
        {"&Fall", "&Beenden", QKeySequence(Qt::CTRL | Qt::Key_Q), &Hauptform::beenden},
        {"&Hilfe", "&Hilfe", QKeySequence(Qt::Key_F1), &Hauptform::hilfeZeigen},
        {"&Hilfe", "&Über BDA-Rechner", {}, &Hauptform::überBdaRechner},
    };
    // The case-file commands open the "Fall" menu.
    std::map<std::string, QMenu*> menüs{{"&Fall", menüleiste_->addMenu(QStringLiteral("&Fall"))}};
    befehle_->menüFüllen(*menüs["&Fall"]);
    menüs["&Fall"]->addSeparator();
    for (const Menüeintrag& eintrag : einträge) {
        QMenu*& menü = menüs[eintrag.menü];
        if (!menü) menü = menüleiste_->addMenu(QString::fromUtf8(eintrag.menü));
        if (!eintrag.befehl) {
            menü->addSeparator();
            continue;
        }
        QAction* aktion = menü->addAction(QString::fromUtf8(eintrag.text));
        aktion->setShortcut(eintrag.taste);
        connect(aktion, &QAction::triggered, this, eintrag.befehl);
    }
}

void Hauptform::beenden() { close(); }

void Hauptform::überBdaRechner() {
    meldungsfenster(
        QStringLiteral("Über BDA-Rechner"),
        QStringLiteral(
            "BDA-Rechner %1\n\nBerechnet das Besoldungsdienstalter nach §§ 28, 36 und 38 "
            "BBesG und die Erfahrungsstufe nach §§ 27, 28 BBesG (ab 2009) und druckt die Bescheide "
            "mit der Berechnung.")
            .arg(QStringLiteral(BDA_VERSION)));
}

}  // namespace bda::fenster
