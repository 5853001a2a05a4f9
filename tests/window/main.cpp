#include <gtest/gtest.h>

#include <QApplication>
#include <QLocale>
#include <QTemporaryDir>

#include "Benutzerordner.h"

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    // Listing the tests needs no display.
    if (GTEST_FLAG_GET(list_tests)) return RUN_ALL_TESTS();
    const QTemporaryDir ordner;
    bda::eigeneBenutzerordner(ordner);
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("BDA-Rechner"));
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    return RUN_ALL_TESTS();
}
