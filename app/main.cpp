#include <QApplication>
#include <QCommandLineParser>
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
    QApplication::setApplicationVersion(QStringLiteral(BDA_VERSION));
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

    // bda-rechner [DATEI.bda]; --help and --version answer on the terminal.
    QCommandLineParser aufruf;
    aufruf.setApplicationDescription(
        QStringLiteral("Berechnet das Besoldungsdienstalter und druckt den Bescheid."));
    aufruf.addHelpOption();
    aufruf.addVersionOption();
    aufruf.addPositionalArgument(QStringLiteral("datei"),
                                 QStringLiteral("Eine Falldatei (.bda), die geöffnet wird."),
                                 QStringLiteral("[DATEI.bda]"));
    // For measuring start-up only (bench/start_vergleich.sh): end after the first frame.
    QCommandLineOption nachStartBeenden(QStringLiteral("nach-start-beenden"));
    nachStartBeenden.setFlags(QCommandLineOption::HiddenFromHelp);
    aufruf.addOption(nachStartBeenden);
    aufruf.process(app);

    Hauptform fenster;
    if (aufruf.isSet(nachStartBeenden)) new NachErstemBild(&fenster);
    fenster.show();
    if (!aufruf.positionalArguments().isEmpty())
        fenster.befehle().öffnen(aufruf.positionalArguments().first());
    return QApplication::exec();
}
