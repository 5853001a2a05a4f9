// The help says what the program does: the keys it lists are the window's, and the worked examples of
// the 30-day reckoning are what the program counts.

#include <QAction>
#include <QFile>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>
#include <QRegularExpression>
#include <QTextDocument>

#include "Datumsdifferenz.h"
#include "Fenstertest.h"

namespace bda::fenster {

namespace {

QString hilfeseite(const QString& name) {
    QFile datei(QStringLiteral(":/hilfe/") + name);
    return datei.open(QIODevice::ReadOnly) ? QString::fromUtf8(datei.readAll()) : QString();
}

QString klartext(const QString& html) {
    QTextDocument dokument;
    dokument.setHtml(html);
    return dokument.toPlainText().simplified();
}

// A caption or menu entry as the help names it: without "&", the leading blanks and a closing " …".
QString name(QString text) {
    text.remove(QLatin1Char('&'));
    if (text.endsWith(QStringLiteral(" …"))) text.chop(2);
    return text.trimmed();
}

using HilfeTest = Fenstertest;

// Every "Alt+…" and "Strg+…" of the contents page names a command with that key, and every command
// button, menu and menu entry with a key is listed.
TEST_F(HilfeTest, TastenDerInhaltsseiteSindDieDesFensters) {
    QStringList imProgramm;
    for (const char* knopf :
         {"Bescheid", "Berechnung", "Grundgehälter", "Übertrag", "RB_Text", "Hilfe", "Schließen"}) {
        const QString text = bauteil<QAbstractButton>(QString::fromUtf8(knopf))->text();
        imProgramm << QKeySequence::mnemonic(text).toString() + QLatin1Char(' ') + name(text);
    }
    for (const QAction* menü : fenster->menüleiste()->actions()) {
        imProgramm << QKeySequence::mnemonic(menü->text()).toString() + QStringLiteral(" Menü ") +
                          name(menü->text());
        for (const QAction* eintrag : menü->menu()->actions()) {
            if (!eintrag->shortcut().isEmpty() &&
                eintrag->shortcut().toString().startsWith(QStringLiteral("Ctrl")))
                imProgramm << eintrag->shortcut().toString() + QLatin1Char(' ') + name(eintrag->text());
        }
    }
    // The list items of the command buttons and of the menus.
    QString text;
    const QRegularExpression punkte(QStringLiteral("<li>((?:Befehlsknöpfe|Menüs).*?)</li>"),
                                    QRegularExpression::DotMatchesEverythingOption);
    for (auto treffer = punkte.globalMatch(hilfeseite(QStringLiteral("inhalt.html"))); treffer.hasNext();)
        text += klartext(treffer.next().captured(1)) + QLatin1Char(' ');
    QStringList inDerHilfe;
    const QRegularExpression taste(QStringLiteral(R"((Alt|Strg)\+(\S+) ([^,.]+))"));
    for (auto treffer = taste.globalMatch(text); treffer.hasNext();) {
        const auto t = treffer.next();
        QString folge = t.captured(1) + QLatin1Char('+') + t.captured(2);
        folge.replace(QStringLiteral("Strg"), QStringLiteral("Ctrl"))
            .replace(QStringLiteral("Umschalt"), QStringLiteral("Shift"));
        inDerHilfe << folge + QLatin1Char(' ') + t.captured(3).trimmed();
    }
    imProgramm.sort();
    inDerHilfe.sort();
    EXPECT_EQ(inDerHilfe.join(QStringLiteral(" | ")), imProgramm.join(QStringLiteral(" | ")));
}

// Each row of the examples table (begin, end, days, months, years) is what the program counts.
TEST(Hilfe, BeispieleDerDreißigTageRechnungStimmen) {
    const QString html = hilfeseite(QStringLiteral("thema3.html"));
    const QRegularExpression zeile(QStringLiteral(
        R"(<tr><td>(\d\d)\.(\d\d)\.(\d{4})</td><td>(\d\d)\.(\d\d)\.(\d{4})</td><td>(\d+)</td><td>(\d+)</td><td>(\d+)</td>)"));
    int zeilen = 0;
    for (auto treffer = zeile.globalMatch(html); treffer.hasNext(); ++zeilen) {
        const auto t = treffer.next();
        const QString anfang = t.captured(1) + '/' + t.captured(2) + '/' + t.captured(3);
        const QString ende = t.captured(4) + '/' + t.captured(5) + '/' + t.captured(6);
        SCOPED_TRACE((anfang + " .. " + ende).toStdString());
        const Zeitspanne spanne = datumsdifferenz(anfang.toStdString(), ende.toStdString());
        EXPECT_EQ(spanne, (Zeitspanne{t.captured(7).toInt(), t.captured(8).toInt(), t.captured(9).toInt()}));
    }
    EXPECT_EQ(zeilen, html.count(QStringLiteral("<tr><td>"))) << "every example row is read";
    EXPECT_GE(zeilen, 2);
}

}  // namespace

}  // namespace bda::fenster
