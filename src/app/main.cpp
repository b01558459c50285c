#include "checkrun.h"
#include "commandline.h"
#include "console.h"
#include "graderun.h"
#include "headlessrun.h"
#include "maketaskrun.h"
#include "workfolder.h"

#include "editor/window/form1.h"
#include "editor/window/qttranslation.h"
#include "editor/window/windowscaler.h"
#include "files/programfiles.h"

#include <QApplication>
#include <QFileInfo>
#include <QStringList>

#include <algorithm>

int main(int argc, char** argv)
{
    const QStringList arguments = zimo::programArguments(argc, argv);
    const bool options = std::any_of(arguments.cbegin(), arguments.cend(),
        [](const QString& a) { return a.startsWith(QLatin1String("--")); });
    if (options || arguments.contains(QStringLiteral("-h")))
        zimo::useParentConsole();
    if (const auto status = zimo::answerInfoOption(arguments))
        return *status;
    if (zimo::wantsCheck(arguments))
        return zimo::runCheck(arguments);
    if (zimo::wantsGrade(arguments))
        return zimo::runGrade(arguments);
    if (zimo::wantsMakeTask(arguments))
        return zimo::runMakeTask(arguments);
    // Options belong to the headless run, which also tells about a bad command line.
    if (zimo::wantsHeadless(arguments) || options)
        return zimo::runHeadless(arguments);

    QApplication app(argc, argv);
    QApplication::setStyle(QStringLiteral("Fusion"));
    QGuiApplication::setDesktopFileName(QStringLiteral("lv.zimo.Zimo"));
    // A file named relative to the folder Zimo was started in, before it enters its own.
    const QString opened
        = arguments.isEmpty() ? QString() : QFileInfo(arguments.front()).absoluteFilePath();
    zimo::enterWorkFolder();
    zimo::installLatvianQtTexts(app);
    zimo::Form1 window;
    window.scaler().useStartScale();
    window.show();
    // A program file named on the command line is opened as the menu would open it.
    if (!opened.isEmpty())
        window.files().openAtStart(opened);
    return QApplication::exec();
}
