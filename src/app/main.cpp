#include "headlessrun.h"

#include "editor/form1.h"
#include "editor/qttranslation.h"
#include "files/programfiles.h"

#include <QApplication>
#include <QStringList>

#include <algorithm>

int main(int argc, char** argv)
{
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    // Options belong to the headless run, which also tells about a bad command line.
    const bool options = std::any_of(arguments.cbegin(), arguments.cend(),
        [](const QString& a) { return a.startsWith(QLatin1String("--")); });
    if (zimo::wantsHeadless(arguments) || options)
        return zimo::runHeadless(arguments);

    QApplication app(argc, argv);
    QApplication::setStyle(QStringLiteral("Fusion"));
    zimo::installLatvianQtTexts(app);
    zimo::Form1 window;
    window.useStartScale();
    window.show();
    // A program file named on the command line is opened as the menu would open it.
    if (!arguments.isEmpty())
        window.files().openAtStart(arguments.front());
    return QApplication::exec();
}
