#include "hintmessages.h"

namespace zimo::hintmsg
{

namespace
{

QString meant(const QString& proposal)
{
    return proposal.isEmpty() ? QString() : QStringLiteral(" Vai domāji „%1”?").arg(proposal);
}

} // namespace

QString noCommand(const QString& proposal)
{
    if (proposal.isEmpty())
        return QStringLiteral("Šajā rindā nav nevienas komandas, tāpēc tā neko nedara.");
    return QStringLiteral("Šajā rindā nav nevienas komandas.") + meant(proposal);
}

QString noCommandAfterThen(const QString& proposal)
{
    return QStringLiteral("Aiz „tad” nav nevienas komandas.") + meant(proposal);
}

QString noCommandAfterElse(const QString& proposal)
{
    return QStringLiteral("Aiz „citadi” nav nevienas komandas.") + meant(proposal);
}

QString keywordAtEnd(const QString& keyword, const QString& needs)
{
    return QStringLiteral("Aiz „%1” trūkst atstarpes un %2, tāpēc komanda netiek atrasta.")
        .arg(keyword, needs);
}

QString needsNumber() { return QStringLiteral("skaitļa"); }
QString needsCommand() { return QStringLiteral("komandas"); }
QString needsCondition() { return QStringLiteral("nosacījuma"); }
QString needsLabel() { return QStringLiteral("adreses"); }
QString needsName() { return QStringLiteral("nosaukuma"); }

QString signedNumber(const QString& field)
{
    return QStringLiteral("Šeit der tikai skaitļi bez zīmes: „%1” būs vārds, un tā vērtība būs 1.")
        .arg(field);
}

QString fractionalNumber(const QString& field)
{
    return QStringLiteral("Šeit der tikai veseli skaitļi: „%1” būs vārds, un tā vērtība būs 1.")
        .arg(field);
}

QString letterInNumber(const QString& field, const QString& proposal)
{
    return QStringLiteral("„%1” izskatās pēc skaitļa, bet tajā ir burts, tāpēc tā vērtība būs 1.")
               .arg(field)
        + meant(proposal);
}

QString unknownName(const QString& name)
{
    return QStringLiteral("Vārdam „%1” programma nekur nedod vērtību, tāpēc tā vērtība būs 1.")
        .arg(name);
}

QString blanksInCondition(const QString& operand, const QString& proposal)
{
    return QStringLiteral("Nosacījumā neliec atstarpes ap zīmi: „%1” nav tas pats, kas „%2”.")
               .arg(operand, operand.trimmed())
        + meant(proposal);
}

QString blankAfterComma(const QString& lastPart, const QString& proposal)
{
    return QStringLiteral("Aiz komata nedrīkst būt atstarpe: komanda saņemtu tikai „%1”, un "
                          "programma šeit apstāsies.")
               .arg(lastPart)
        + meant(proposal);
}

QString noSuchLabel(const QString& label)
{
    return QStringLiteral("Neviena rinda nesākas ar „%1”, tāpēc „iet uz %1” nekur neaizved.")
        .arg(label);
}

} // namespace zimo::hintmsg
