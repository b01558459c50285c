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

QString signedNumber(const QString& field, const QString& proposal)
{
    return QStringLiteral("Šeit der tikai skaitļi bez zīmes: „%1” būs vārds, un tā vērtība būs 1.")
               .arg(field)
        + meant(proposal);
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

QString unknownWord(const QString& word, const QString& proposal)
{
    return QStringLiteral("Vārdu „%1” programma nepazīst un izlaiž, tāpēc rinda dara ko citu.")
               .arg(word)
        + meant(proposal);
}

QString foreignCommand(const QString& word, const QString& latvian, const QString& proposal)
{
    return QStringLiteral("Šajā rindā nav nevienas komandas: „%1” šeit raksta „%2”.")
               .arg(word, latvian)
        + meant(proposal);
}

QString foreignBack(const QString& word, const QString& amount)
{
    return QStringLiteral("Šajā rindā nav nevienas komandas, un „%1” šeit nav: pagriezies ar "
                          "„lenkis pa labi 180” un tad ej „uz prieksu %2”.")
        .arg(word, amount.isEmpty() ? QStringLiteral("50") : amount);
}

QString foreignPenUp(const QString& word)
{
    return QStringLiteral("Šajā rindā nav nevienas komandas, un „%1” šeit nav: lai ietu "
                          "nezīmējot, raksti „parvietot” kustības rindā, piemēram „parvietot uz "
                          "prieksu 50”.")
        .arg(word);
}

QString foreignPenDown(const QString& word)
{
    return QStringLiteral("Šajā rindā nav nevienas komandas, un „%1” šeit nevajag: kustības "
                          "zīmē pašas, nezīmē tikai rindas ar „parvietot”.")
        .arg(word);
}

QString foreignRepeat(const QString& proposal)
{
    return QStringLiteral("Šajā rindā nav nevienas komandas: „repeat” šeit raksta „atkartot”, "
                          "un bloka beigās raksti rindu „beigas”.")
        + meant(proposal);
}

QString foreignHeading(const QString& word, const QString& proposal)
{
    return QStringLiteral("Šajā rindā nav nevienas komandas: „%1” šeit raksta „lenkis”, un 0 "
                          "ir pa labi, 90 uz augšu.")
               .arg(word)
        + meant(proposal);
}

QString repeatNotClosed()
{
    return QStringLiteral("Blokam „atkartot” trūkst rindas „beigas”, tāpēc tā rindas "
                          "izpildās tikai vienu reizi.");
}

QString forNotClosed()
{
    return QStringLiteral("Ciklam „no” trūkst rindas „nakosais”, tāpēc tā rindas izpildās "
                          "tikai vienu reizi.");
}

QString endWithoutRepeat()
{
    return QStringLiteral("„beigas” bez atvērta bloka „atkartot”: programma šeit apstāsies.");
}

QString nextWithoutFor()
{
    return QStringLiteral("„nakosais” bez atvērta cikla „no”: programma šeit apstāsies.");
}

QString procedureNotClosed()
{
    return QStringLiteral("Procedūrai trūkst rindas „proceduras beigas”, tāpēc programma "
                          "šeit apstāsies.");
}

QString endCrossesFor(int forLine)
{
    return QStringLiteral("„beigas” aizver bloku „atkartot”, bet %1. rindā atvērtais cikls "
                          "„no” vēl nav aizvērts: vispirms raksti „nakosais”.")
        .arg(forLine);
}

QString nextCrossesRepeat(int repeatLine)
{
    return QStringLiteral("„nakosais” aizver ciklu „no”, bet %1. rindā atvērtais bloks "
                          "„atkartot” vēl nav aizvērts: vispirms raksti „beigas”.")
        .arg(repeatLine);
}

QString callInLoop(const QString& name)
{
    return QStringLiteral("Cikla atkārtojumos procedūra „%1” neatgriežas atpakaļ ciklā, tāpēc "
                          "pareizi tā izpildās tikai pirmajā reizē. Raksti „%1” vairākās "
                          "rindās bez cikla.")
        .arg(name);
}

QString callInProcedure(const QString& name, const QString& outer)
{
    return QStringLiteral("Procedūra „%1”, izsaukta procedūrā „%2”, aizņem vienīgo "
                          "atgriešanās vietu: pēc „%2” programma neatgriezīsies tur, kur to "
                          "izsauca.")
        .arg(name, outer);
}

QString callInsideWord(const QString& name, const QString& word)
{
    return QStringLiteral("Procedūras vārds „%1” ir arī vārdā „%2”, tāpēc šī rinda izsauc "
                          "arī „%1”. Dod procedūrām vārdus, kas neietver cits citu.")
        .arg(name, word);
}

QString severalCalls(const QString& names)
{
    return QStringLiteral("Šajā rindā ir vairāku procedūru vārdi (%1): tās tiek izsauktas "
                          "visas, un programma neatgriežas pareizi.")
        .arg(names);
}

QString callInBranch()
{
    return QStringLiteral("Aiz „tad” vai „citadi” procedūru izsaukt nevar: tās rindas "
                          "neizpildīsies.");
}

QString jumpInBranch()
{
    return QStringLiteral("Aiz „tad” vai „citadi” „iet uz” nekur neaizved: programma "
                          "turpinās ar nākamo rindu.");
}

QString actsWhatever(const QString& keyword)
{
    return QStringLiteral("„%1” šajā rindā darbojas arī tad, ja nosacījums neizpildās.")
        .arg(keyword);
}

QString endsWhatever()
{
    return QStringLiteral("„beigt” šajā rindā darbojas arī tad, ja nosacījums neizpildās: "
                          "programma vienmēr beigsies šeit.");
}

QString thenMissing(const QString& proposal)
{
    return QStringLiteral("Nosacījumam trūkst vārda „tad”, tāpēc šīs rindas komandas "
                          "izpildās vienmēr.")
        + meant(proposal);
}

QString colourOutOfRange(const QString& value, int used)
{
    return QStringLiteral("Krāsu numuri ir no 1 līdz 36, tāpēc %1 šeit būs %2.")
        .arg(value)
        .arg(used);
}

QString styleOutOfRange(const QString& value)
{
    return QStringLiteral("Līniju stili ir no 1 līdz 6, tāpēc %1 šeit būs 1 (vienlaidu "
                          "līnija).")
        .arg(value);
}

QString widthBelowOne(const QString& value)
{
    return QStringLiteral("Biezums nevar būt mazāks par 1, tāpēc %1 šeit būs 1.").arg(value);
}

QString fillWithWidePen(int width)
{
    return QStringLiteral("Ar biezumu %1 „krasot” nokrāso tikai mazu punktu: pirms "
                          "krāsošanas raksti „biezums 1”.")
        .arg(width);
}

QString colourByName(const QString& name, int number, const QString& proposal)
{
    return QStringLiteral("Krāsu šeit raksta ar numuru, nevis vārdu: „%1” būs 1. Šai krāsai "
                          "der numurs %2.")
               .arg(name)
               .arg(number)
        + meant(proposal);
}

QString signedMove(const QString& field)
{
    return signedNumber(field)
        + QStringLiteral(" Lai ietu atpakaļ, pagriezies ar „lenkis pa labi 180”.");
}

QString passedOver(
    const QString& command, const QString& field, const QString& skipped, const QString& proposal)
{
    return QStringLiteral("Komanda „%1” ņem tikai to, kas aiz pēdējās atstarpes („%2”), un "
                          "„%3” izlaiž.")
               .arg(command, field, skipped)
        + meant(proposal);
}

QString nothingAfterBlank(const QString& command, const QString& proposal)
{
    return QStringLiteral("Rindas beigās ir lieka atstarpe, tāpēc komanda „%1” saņem 0.")
               .arg(command)
        + meant(proposal);
}

QString blankAtEnd(const QString& proposal)
{
    return QStringLiteral("Rindas beigās ir lieka atstarpe, un programma šeit apstāsies.")
        + meant(proposal);
}

QString valueOnlyLater(const QString& name)
{
    return QStringLiteral("Vārdam „%1” vērtību dod tikai vēlākas rindas, tāpēc šeit tā "
                          "vērtība būs 1.")
        .arg(name);
}

QString loopAlreadyEnded(const QString& name)
{
    return QStringLiteral("Cikls „%1” šeit jau ir beidzies, tāpēc „%1” vērtība būs 1.").arg(name);
}

QString loopNotYetStarted(const QString& name)
{
    return QStringLiteral("Cikls „%1” šeit vēl nav sācies, tāpēc „%1” vērtība būs 1.").arg(name);
}

QString unknownNameMeant(const QString& name, const QString& proposal)
{
    return unknownName(name) + meant(proposal);
}

QString numberOnTheLeft(const QString& left, const QString& proposal)
{
    return QStringLiteral("Nosacījuma kreisajā pusē jābūt vārdam, piemēram „x”: „%1” tur būs "
                          "1.")
               .arg(left)
        + meant(proposal);
}

QString howToBegin() { return QStringLiteral("Raksti komandu, tad spied „Startēt”."); }

QString howToBeginExample() { return QStringLiteral("Piemērs: uz prieksu 100"); }

QString tooManyLines()
{
    return QStringLiteral("Programmā var būt ne vairāk kā 1000 rindu, tāpēc tā neizpildīsies: "
                          "šī ir 1001. rinda.");
}

} // namespace zimo::hintmsg
