#include "taskmessages.h"

#include <array>

namespace zimo::taskmsg
{

namespace
{

// Latvian counts take the singular after 1, 21, 31, ... but not after 11.
bool singular(int n) { return n % 10 == 1 && n % 100 != 11; }
QString lines(int n) { return singular(n) ? QStringLiteral("rinda") : QStringLiteral("rindas"); }
QString inLines(int n) { return singular(n) ? QStringLiteral("rindā") : QStringLiteral("rindās"); }

} // namespace

QString titleSection() { return QStringLiteral("nosaukums"); }
QString instructionSection() { return QStringLiteral("uzdevums"); }
QString requiredSection() { return QStringLiteral("jāizmanto"); }
QString maxLinesSection() { return QStringLiteral("lielākais rindu skaits"); }
QString solutionSection() { return QStringLiteral("risinājums"); }

QString textBeforeSection(int line)
{
    return QStringLiteral("%1. rindā ir teksts pirms pirmās sadaļas; faila sākumā jābūt, "
                          "piemēram, „[nosaukums]”.")
        .arg(line);
}

QString sectionTwice(const QString& section)
{
    return QStringLiteral("Sadaļa „[%1]” ir divreiz.").arg(section);
}

QString noTitle() { return QStringLiteral("Uzdevumam nav nosaukuma („[nosaukums]”)."); }
QString noInstruction() { return QStringLiteral("Uzdevumam nav apraksta („[uzdevums]”)."); }
QString noSolution() { return QStringLiteral("Uzdevumam nav risinājuma („[risinājums]”)."); }

QString badMaxLines(const QString& text)
{
    return QStringLiteral("Lielākajam rindu skaitam jābūt skaitlim no 1 līdz 1000, nevis „%1”.")
        .arg(text);
}

QString sectionInText(const QString& line)
{
    return QStringLiteral("Teksta rinda „%1” izskatās pēc sadaļas nosaukuma; pārraksti to.")
        .arg(line);
}

QString solutionFails(const QString& runMessage)
{
    return QStringLiteral("Risinājums neizdodas: %1").arg(runMessage);
}

QString solutionDrawsNothing() { return QStringLiteral("Risinājums neko neuzzīmē."); }

QString solutionMissesWord(const QString& word)
{
    return QStringLiteral("Risinājumā nav izmantots „%1”.").arg(word);
}

QString solutionTooLong(int count, int most)
{
    return QStringLiteral("Risinājumā ir %1 %2, bet atļautas ne vairāk kā %3.")
        .arg(count)
        .arg(lines(count))
        .arg(most);
}

QString colourName(int number)
{
    static const std::array<const char*, 36> Names { "melna", "tumši pelēka", "pelēka",
        "gaiši pelēka", "ļoti gaiši pelēka", "balta", "ļoti tumši sarkana", "tumši sarkana",
        "ķiršsarkana", "sarkana", "gaiši sarkana", "sārta", "brūngana", "brūna", "sarkanbrūna",
        "oranža", "gaiši oranža", "krēmkrāsas", "tumši olīvzaļa", "olīvzaļa", "tumši dzeltena",
        "dzeltena", "gaiši dzeltena", "bāli dzeltena", "tumši zaļa", "zaļa", "spilgti zaļa",
        "tumši zilganzaļa", "zilganzaļa", "tirkīza", "tumši zila", "vidēji zila", "zila",
        "tumši violeta", "violeta", "rozā" };
    if (number < 1 || number > int(Names.size()))
        return QString::number(number);
    return QStringLiteral("%1 – %2").arg(number).arg(QString::fromUtf8(Names[size_t(number - 1)]));
}

QString solved() { return QStringLiteral("Izdevās!"); }

QString solvedButUse(const QString& word)
{
    return QStringLiteral("Izdevās! Vai vari to pašu uzzīmēt ar „%1”?").arg(word);
}

QString solvedButShorter(int most)
{
    return QStringLiteral("Izdevās! Vai vari to pašu uzzīmēt ne vairāk kā %1 %2?")
        .arg(most)
        .arg(inLines(most));
}

QString runFailed()
{
    return QStringLiteral("Programma apstājās ar kļūdu. Izlabo to un mēģini vēlreiz!");
}

QString pageEmpty() { return QStringLiteral("Lapa vēl ir tukša. Sāc ar pirmo līniju!"); }

QString wrongColour(int number)
{
    return QStringLiteral("Zīmējums ir vietā, bet krāsa nav tā: vajag %1.").arg(colourName(number));
}

QString partsMissing() { return QStringLiteral("Gandrīz! Zilās vietas vēl jāuzzīmē."); }
QString partsExtra() { return QStringLiteral("Gandrīz! Sarkanās vietas ir liekas."); }

QString partsMissingAndExtra()
{
    return QStringLiteral("Vēl nesakrīt: zilās vietas vēl jāuzzīmē, sarkanās ir liekas.");
}

QString verdictSolved() { return QStringLiteral("izdevās"); }
QString verdictNotSolved() { return QStringLiteral("neizdevās"); }
QString reasonEmpty() { return QStringLiteral("lapa ir tukša"); }

QString reasonColour(int number)
{
    return QStringLiteral("cita krāsa, vajag %1").arg(colourName(number));
}

QString reasonMissing(int drawnPercent)
{
    return QStringLiteral("trūkst daļas (uzzīmēti %1 %)").arg(drawnPercent);
}

QString reasonExtra(int extraPercent)
{
    return QStringLiteral("ir lieks zīmējums (%1 % lieki)").arg(extraPercent);
}

QString reasonMissingAndExtra(int drawnPercent, int extraPercent)
{
    return QStringLiteral("zīmējums atšķiras (uzzīmēti %1 %, %2 % lieki)")
        .arg(drawnPercent)
        .arg(extraPercent);
}

QString reasonUnreadable(const QString& problem)
{
    return QStringLiteral("nevar nolasīt: %1").arg(problem);
}

QString noteUse(const QString& word) { return QStringLiteral("nav izmantots „%1”").arg(word); }

QString noteShorter(int count, int most)
{
    return QStringLiteral("%1 %2, atļautas %3").arg(count).arg(lines(count)).arg(most);
}

QString sheetTitle(const QString& task, int solved, int programs)
{
    return QStringLiteral("%1: izdevās %2 no %3").arg(task).arg(solved).arg(programs);
}

QString csvHeader()
{
    return QStringLiteral("fails,vērtējums,uzzīmēts %,lieks %,rindas,padomi,piezīme");
}

} // namespace zimo::taskmsg
