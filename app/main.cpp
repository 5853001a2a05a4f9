#include <QApplication>
#include <QIcon>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include "ErstesBild.h"
#include "Fallbefehle.h"
#include "Hauptform.h"

using namespace bda::fenster;

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("BDA-Rechner"));
    // The installed desktop entry and icon carry this id; from the build folder the resource serves.
    QApplication::setDesktopFileName(QStringLiteral(BDA_ANWENDUNGS_ID));
    QApplication::setWindowIcon(
        QIcon::fromTheme(QStringLiteral(BDA_ANWENDUNGS_ID), QIcon(QStringLiteral(":/bilder/bda.svg"))));
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    QTranslator übersetzung;
    if (übersetzung.load(QLocale(), QStringLiteral("qtbase"), QStringLiteral("_"),
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QApplication::installTranslator(&übersetzung);
    }
    Hauptform fenster;
    // For measuring start-up only (bench/start_vergleich.sh): end after the first frame.
    if (QCoreApplication::arguments().contains(QStringLiteral("--nach-start-beenden")))
        new NachErstemBild(&fenster);
    fenster.show();
    // bda-rechner DATEI.bda opens the case file.
    if (QApplication::arguments().size() > 1) fenster.befehle().öffnen(QApplication::arguments().at(1));
    return QApplication::exec();
}
