#include "Hilfefenster.h"

Hilfefenster::Hilfefenster(QWidget* eltern) : QTextBrowser(eltern) {
    setWindowFlags(Qt::Window);
    setObjectName(QStringLiteral("Hilfefenster"));
    setWindowTitle(QStringLiteral("Hilfe zum BDA-Rechner"));
    setOpenLinks(true);
    resize(620, 560);
}

QUrl Hilfefenster::adresse(int thema) { return QUrl(QStringLiteral("qrc:/hilfe/thema%1.html").arg(thema)); }

void Hilfefenster::zeigen(int thema) {
    thema_ = thema;
    setSource(adresse(thema));
    show();
    raise();
    activateWindow();
}
