// Runs the print tests inside a QApplication on the offscreen platform (also when the build lists the
// tests), with user folders of the test process's own.

#include <gtest/gtest.h>

#include <QApplication>
#include <QTemporaryDir>

#include "Benutzerordner.h"

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    ::testing::InitGoogleTest(&argc, argv);
    const QTemporaryDir ordner;
    bda::eigeneBenutzerordner(ordner);
    QApplication anwendung(argc, argv);
    QApplication::setApplicationName(QStringLiteral("BDA-Rechner"));
    return RUN_ALL_TESTS();
}
