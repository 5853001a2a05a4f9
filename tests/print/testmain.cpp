// Runs the print tests inside a QApplication: documents need fonts, the editor needs widgets. CTest
// sets the offscreen platform; the fallback lets the test list be read during the build, too.

#include <gtest/gtest.h>

#include <QApplication>
#include <QStandardPaths>

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    ::testing::InitGoogleTest(&argc, argv);
    QApplication anwendung(argc, argv);
    QApplication::setApplicationName(QStringLiteral("BDA-Rechner"));
    // Keeps the per-user data folder of the tests apart from the real user's files.
    QStandardPaths::setTestModeEnabled(true);
    return RUN_ALL_TESTS();
}
