#include <QApplication>
#include <QStandardPaths>

#include <gtest/gtest.h>

// Widget tests need one application object for the whole run. The recovery file goes to a
// test folder, never into the user's own data folder.
int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QStandardPaths::setTestModeEnabled(true);
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("zimo_files_tests"));
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
