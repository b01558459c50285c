#include <QApplication>
#include <QDir>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <gtest/gtest.h>

// Widget tests need one application object for the whole run.
int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM",
        qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
    QApplication app(argc, argv);
    // The remembered scale must come from, and go to, a settings folder of the test's own.
    QStandardPaths::setTestModeEnabled(true);
    const QTemporaryDir settings;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settings.path());
    // The recovery history too: tests of other checkouts may run at the same time.
    QApplication::setApplicationName(
        QStringLiteral("zimo_editor_tests_%1").arg(QCoreApplication::applicationPid()));
    const QString data = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    ::testing::InitGoogleTest(&argc, argv);
    const int result = RUN_ALL_TESTS();
    QDir(data).removeRecursively();
    return result;
}
