#include "headlessrun.h"

#include "editor/form1.h"
#include "files/programfiles.h"

#include <QApplication>
#include <QStringList>

int main(int argc, char** argv)
{
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    if (zimo::wantsHeadless(arguments))
        return zimo::runHeadless(arguments);

    QApplication app(argc, argv);
    QApplication::setStyle(QStringLiteral("Fusion"));
    zimo::Form1 window;
    window.show();
    // A program file named on the command line is opened as the menu would open it.
    if (!arguments.isEmpty())
        window.files().openAtStart(arguments.front());
    return QApplication::exec();
}
