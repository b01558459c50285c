#include <QApplication>
#include <QDir>
#include <QStandardPaths>

#include <gtest/gtest.h>

// Widget tests need one application object for the whole run. The recovery history goes to
// a test folder, never into the user's own data folder.
int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QStandardPaths::setTestModeEnabled(true);
    QApplication app(argc, argv);
    // Tests of other checkouts may run at the same time: each process keeps its own data.
    QApplication::setApplicationName(
        QStringLiteral("zimo_files_tests_%1").arg(QCoreApplication::applicationPid()));
    ::testing::InitGoogleTest(&argc, argv);
    const int result = RUN_ALL_TESTS();
    QDir(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation)).removeRecursively();
    return result;
}
