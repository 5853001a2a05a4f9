#include "Fensterplatz.h"

#include <QCoreApplication>
#include <QSettings>
#include <QSize>
#include <QWidget>

namespace bda::fenster {

namespace {

const QString schlüssel = QStringLiteral("Hauptform/Geometrie");

}  // namespace

namespace Fensterplatz {

void wiederherstellen(QWidget& fenster, QSize entwurf) {
    const QSettings einstellungen(QSettings::UserScope, QCoreApplication::applicationName());
    const QByteArray geometrie = einstellungen.value(schlüssel).toByteArray();
    if (geometrie.isEmpty() || !fenster.restoreGeometry(geometrie)) fenster.resize(entwurf);
}

void sichern(const QWidget& fenster) {
    QSettings einstellungen(QSettings::UserScope, QCoreApplication::applicationName());
    einstellungen.setValue(schlüssel, fenster.saveGeometry());
}

}  // namespace Fensterplatz

}  // namespace bda::fenster
