// The print tests run inside a QApplication on the offscreen platform, with user folders of their own.

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
