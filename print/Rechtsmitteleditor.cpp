#include "Rechtsmitteleditor.h"

#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QWidget>
#include <string>

namespace {

QString alsText(const Belehrungssatz& satz) { return QString::fromStdString(satz.text()); }

// The text as the file keeps it: one line, "$" where the editor holds a line break (pasted text), a
// blank for any other control character.
std::string alsSatz(const QString& text) {
    QString satz;
    satz.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar zeichen = text.at(i);
        if (zeichen == QLatin1Char('\r') && i + 1 < text.size() && text.at(i + 1) == QLatin1Char('\n'))
            continue;
        if (zeichen == QLatin1Char('\n') || zeichen == QLatin1Char('\r') || zeichen == QChar::LineSeparator ||
            zeichen == QChar::ParagraphSeparator) {
            satz += QLatin1Char('$');
        } else if (zeichen.category() == QChar::Other_Control) {
            satz += QLatin1Char(' ');
        } else {
            satz += zeichen;
        }
    }
    return satz.toStdString();
}

}  // namespace

Rechtsmitteleditor::Rechtsmitteleditor(QWidget* fenster, Belehrungsdatei datei, Meldung meldung)
    : QObject(fenster),
      editor_(new QPlainTextEdit(fenster)),
      datei_(std::move(datei)),
      meldung_(std::move(meldung)) {
    editor_->setObjectName(QStringLiteral("Rechtsmittel"));
    editor_->hide();
    editor_->installEventFilter(this);
}

bool Rechtsmitteleditor::istOffen() const { return !editor_->isHidden(); }

void Rechtsmitteleditor::umschalten(const QRect& bereich) {
    if (istOffen()) {
        verbergen();
    } else {
        öffnen(bereich);
    }
}

void Rechtsmitteleditor::verbergen() { editor_->hide(); }

bool Rechtsmitteleditor::speichern() {
    QString fehler;
    if (!datei_.schreiben(alsSatz(editor_->toPlainText()), fehler)) {
        meldung_(fehler);
        return false;
    }
    verbergen();
    return true;
}

bool Rechtsmitteleditor::eventFilter(QObject* objekt, QEvent* ereignis) {
    if (objekt == editor_ && ereignis->type() == QEvent::KeyPress) {
        const int taste = static_cast<QKeyEvent*>(ereignis)->key();
        if (taste == Qt::Key_Return || taste == Qt::Key_Enter) {
            speichern();
            return true;
        }
    }
    return QObject::eventFilter(objekt, ereignis);
}

void Rechtsmitteleditor::öffnen(const QRect& bereich) {
    const Belehrungslesung benutzer = datei_.lesen();
    if (!benutzer.fehler.isEmpty()) {
        meldung_(benutzer.fehler);
        return;
    }
    if (istBelehrung(benutzer.inhalt.text())) {
        editor_->setPlainText(alsText(benutzer.inhalt));
    } else {
        const Belehrungslesung vorgabe = datei_.vorgabeLesen();
        if (!vorgabe.fehler.isEmpty()) meldung_(vorgabe.fehler);
        editor_->setPlainText(alsText(vorgabe.inhalt));
        QString fehler;
        if (!datei_.schreiben(vorgabe.inhalt.text(), fehler)) meldung_(fehler);
    }
    editor_->setGeometry(bereich);
    editor_->show();
    editor_->raise();
    editor_->setFocus();
}
