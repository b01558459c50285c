#include "headlessrun.h"

#include <QCoreApplication>
#include <QStringList>

int main(int argc, char** argv)
{
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    if (zimo::wantsHeadless(arguments))
        return zimo::runHeadless(arguments);
    return zimo::runHeadless({});
}
