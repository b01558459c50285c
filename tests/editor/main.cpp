#include <QApplication>
#include <QFile>
#include <QDir>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace
{

// The offscreen platform's screens: a large one the windows open on, so that every scale
// fits, and a school laptop's 1366 x 768 beside it for what must fit a small screen.
constexpr char Screens[] = R"({ "screens": [
    { "name": "large", "x": 0, "y": 0, "width": 3840, "height": 2160, "logicalDpi": 96 },
    { "name": "laptop", "x": 3840, "y": 0, "width": 1366, "height": 768, "logicalDpi": 96 } ] })";

QByteArray offscreenWithScreens(const QTemporaryDir& dir)
{
    const QString path = dir.filePath(QStringLiteral("screens.json"));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(Screens) < 0)
        return "offscreen";
    return "offscreen:configfile=" + path.toLocal8Bit();
}

} // namespace

// Widget tests need one application object for the whole run.
int main(int argc, char** argv)
{
    const QTemporaryDir settings;
    const QByteArray platform = qgetenv("QT_QPA_PLATFORM");
    if (platform.isEmpty() || platform == "offscreen")
        qputenv("QT_QPA_PLATFORM", offscreenWithScreens(settings));
    QApplication app(argc, argv);
    // The remembered scale must come from, and go to, a settings folder of the test's own.
    QStandardPaths::setTestModeEnabled(true);
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
