#include "appmessages.h"

namespace zimo::appmsg
{

QString cannotRead(const QString& path, const QString& reason)
{
    return QStringLiteral("Nevar nolasīt failu %1: %2").arg(path, reason);
}

QString cannotWriteTrace(const QString& path, const QString& reason)
{
    return QStringLiteral("Nevar ierakstīt trasi %1: %2").arg(path, reason);
}

QString cannotWritePicture(const QString& path, const QString& reason)
{
    return QStringLiteral("Nevar ierakstīt attēlu %1: %2").arg(path, reason);
}

QString cannotWriteSvg(const QString& path, const QString& reason)
{
    return QStringLiteral("Nevar ierakstīt SVG attēlu %1: %2").arg(path, reason);
}

QString cannotWriteAnimation(const QString& path, const QString& reason)
{
    return QStringLiteral("Nevar ierakstīt animāciju %1: %2").arg(path, reason);
}

QString cannotWritePdf(const QString& path, const QString& reason)
{
    return QStringLiteral("Nevar ierakstīt PDF dokumentu %1: %2").arg(path, reason);
}

QString checkUsage() { return QStringLiteral("Lietošana: zimo --check PROGRAMMA.zkf"); }

QString runUsage()
{
    return QStringLiteral("Lietošana: zimo --run PROGRAMMA.zkf [--png ATTĒLS.png] "
                          "[--svg ATTĒLS.svg] [--gif ANIMĀCIJA.gif] [--pdf DOKUMENTS.pdf] "
                          "[--trace TRASE.txt] [--max-steps N]");
}

QString unknownOption(const QString& option)
{
    return QStringLiteral("Nezināma opcija „%1”.").arg(option);
}

QString missingValue(const QString& option)
{
    if (option == u"--max-steps")
        return QStringLiteral("Aiz „--max-steps” trūkst soļu skaita.");
    return QStringLiteral("Aiz „%1” trūkst faila nosaukuma.").arg(option);
}

QString missingProgram() { return QStringLiteral("Trūkst programmas faila aiz „--run”."); }

QString stepsNotANumber(const QString& value)
{
    return QStringLiteral("„--max-steps” vajag veselu skaitli, bet „%1” nav vesels skaitlis.")
        .arg(value);
}

QString stepsTooFew(const QString& value)
{
    return QStringLiteral("„--max-steps” vajag vismaz 1 soli, bet „%1” ir mazāk.").arg(value);
}

QString stepsTooMany(const QString& value)
{
    return QStringLiteral("„--max-steps” „%1” ir par lielu skaitli.").arg(value);
}

QString stepLimitWithoutOption(long long steps)
{
    return QStringLiteral("Bez --max-steps izpilde apstājas pēc %1 rindu soļiem; lai ļautu vairāk, "
                          "norādi --max-steps N.")
        .arg(steps);
}

} // namespace zimo::appmsg
