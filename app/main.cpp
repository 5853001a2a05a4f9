#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include "Hauptform.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("BDA-Rechner"));
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    QTranslator übersetzung;
    if (übersetzung.load(QLocale(), QStringLiteral("qtbase"), QStringLiteral("_"),
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QApplication::installTranslator(&übersetzung);
    }
    Hauptform fenster;
    fenster.show();
    return QApplication::exec();
}
