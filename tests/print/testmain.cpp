// Runs the print tests inside a QApplication on the offscreen platform (also when the build lists the
// tests), with the per-user data folder of the tests apart from the real user's files.

#include <gtest/gtest.h>

#include <QApplication>
#include <QStandardPaths>

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    ::testing::InitGoogleTest(&argc, argv);
    QApplication anwendung(argc, argv);
    QApplication::setApplicationName(QStringLiteral("BDA-Rechner"));
    QStandardPaths::setTestModeEnabled(true);
    return RUN_ALL_TESTS();
}
