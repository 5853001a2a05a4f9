#include "Hilfefenster.h"

#include <QKeyEvent>

namespace bda::fenster {

Hilfefenster::Hilfefenster(QWidget* eltern) : QTextBrowser(eltern) {
    setWindowFlags(Qt::Window);
    setObjectName(QStringLiteral("Hilfefenster"));
    setWindowTitle(QStringLiteral("Hilfe zum BDA-Rechner"));
    setAccessibleName(QStringLiteral("Hilfe zum BDA-Rechner"));
    setAccessibleDescription(QStringLiteral("F1: Inhalt der Hilfe, Esc: Hilfe schließen"));
    setOpenLinks(true);
    resize(620, 560);
}

QUrl Hilfefenster::adresse(int thema) { return QUrl(QStringLiteral("qrc:/hilfe/thema%1.html").arg(thema)); }

QUrl Hilfefenster::inhaltsadresse() { return QUrl(QStringLiteral("qrc:/hilfe/inhalt.html")); }

void Hilfefenster::zeigen(int thema) {
    thema_ = thema;
    setSource(adresse(thema));
    show();
    raise();
    activateWindow();
}

void Hilfefenster::inhaltZeigen() { setSource(inhaltsadresse()); }

// F1 here belongs to the help itself, not to the main window's shortcut for the topic of the entry grade.
bool Hilfefenster::event(QEvent* ereignis) {
    if (ereignis->type() == QEvent::ShortcutOverride) {
        auto* taste = static_cast<QKeyEvent*>(ereignis);
        if (taste->key() == Qt::Key_F1 && taste->modifiers() == Qt::NoModifier) {
            taste->accept();
            return true;
        }
    }
    return QTextBrowser::event(ereignis);
}

void Hilfefenster::keyPressEvent(QKeyEvent* ereignis) {
    if (ereignis->key() == Qt::Key_F1 && ereignis->modifiers() == Qt::NoModifier) {
        inhaltZeigen();
    } else if (ereignis->matches(QKeySequence::Cancel)) {
        close();
    } else {
        QTextBrowser::keyPressEvent(ereignis);
    }
}

}  // namespace bda::fenster
