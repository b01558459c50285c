#include "filemessages.h"

#include "platform/textcodec.h"

#include <array>

namespace zimo::filemsg
{

QString messageTitle() { return QStringLiteral("Zimo"); }
QString saveCaption() { return QStringLiteral("Saglabāt"); }
QString openCaption() { return QStringLiteral("Ielādēt"); }
QString nameLabel() { return QStringLiteral("Faila nosaukums"); }
QString saveButton() { return QStringLiteral("Saglabāt"); }
QString loadButton() { return QStringLiteral("Ielādēt"); }
QString cancelButton() { return QStringLiteral("Atcelt"); }
QString okButton() { return QStringLiteral("Labi"); }
QString replaceButton() { return QStringLiteral("Aizstāt"); }
QString commandsCaption() { return QStringLiteral("Komandas"); }
QString pictureCaption() { return QStringLiteral("Saglabāt attēlu"); }
QString pictureFilter() { return QStringLiteral("PNG attēli (*.png)"); }
QString pictureLookIn() { return QStringLiteral("Mape:"); }
QString pictureFileName() { return QStringLiteral("Faila nosaukums:"); }
QString pictureFileType() { return QStringLiteral("Faila veids:"); }
QString pictureDefaultName() { return QStringLiteral("zimejums"); }
QString homeDrive(const QString& path) { return QStringLiteral("Mājas mape (%1)").arg(path); }

QString workFileNotWritten(const QString& path, const QString& reason)
{
    return QStringLiteral("Darba failu „%1” neizdevās ierakstīt: %2. Programma netika "
                          "saglabāta, tās teksts paliek logā.")
        .arg(path, reason);
}

QString programNotSaved(const QString& path, const QString& reason)
{
    return QStringLiteral("Programmu neizdevās saglabāt failā „%1”: %2. Tās teksts paliek "
                          "logā, un fails diskā nav mainīts.")
        .arg(path, reason);
}

QString cannotHold(const QString& character, int line)
{
    return QStringLiteral("Programmu nevar saglabāt: %1. rindā ir rakstzīme „%2” (%3), ko "
                          "programmas failā nevar ierakstīt. Nomaini vai izdzēs to un saglabā "
                          "vēlreiz. Nekas netika mainīts.")
        .arg(line)
        .arg(character, codePointText(character));
}

QString programNotLoaded(const QString& path, const QString& reason)
{
    return QStringLiteral("Failu „%1” neizdevās ielādēt: %2. Programmas teksts nav mainīts.")
        .arg(path, reason);
}

QString noFileChosen() { return QStringLiteral("Vispirms izvēlies sarakstā failu, ko ielādēt."); }

QString nameHasCharacter(QStringView character)
{
    return QStringLiteral("Faila nosaukumā nedrīkst būt rakstzīme „%1”.").arg(character.toString());
}

QString nameNotAllowed(const QString& name)
{
    return QStringLiteral("„%1” nevar būt faila nosaukums.").arg(name);
}

QString pictureNotSaved(const QString& path, const QString& reason)
{
    return QStringLiteral("Attēlu neizdevās saglabāt failā „%1”: %2.").arg(path, reason);
}

QString replacePicture(const QString& path)
{
    return QStringLiteral("Fails „%1” jau ir. Vai aizstāt to ar šo attēlu?").arg(path);
}

QString recoveryNotRead(const QString& path, const QString& reason)
{
    return QStringLiteral("Iepriekšējo programmu neizdevās atjaunot no faila „%1”: %2. "
                          "Programmas teksts nav mainīts.")
        .arg(path, reason);
}

QString recoveryNotKept(const QString& path, const QString& reason)
{
    return QStringLiteral("Programmas rezerves kopiju neizdevās ierakstīt failā „%1”: %2. "
                          "Teksts paliek logā; saglabā to, lai tas nepazustu.")
        .arg(path, reason);
}

QString examplesMenu() { return QStringLiteral("Pie&mēri"); }
QString noExamples() { return QStringLiteral("Piemēru mape nav atrasta"); }

QString commandsIntro()
{
    return QStringLiteral("Katru komandu raksta savā rindā. Skaitļus aiz komandas atdala ar "
                          "komatu bez atstarpēm.");
}

QString columnCommand() { return QStringLiteral("Komanda"); }
QString columnArguments() { return QStringLiteral("Ko raksta aiz tās"); }
QString columnExample() { return QStringLiteral("Piemērs"); }
QString columnMeaning() { return QStringLiteral("Ko tā dara"); }

namespace
{

constexpr std::array<CommandText, 34> Commands = { {
    { u"uz prieksu", u"uz prieksu 50", u"iet uz priekšu un zīmē līniju" },
    { u"uz augsu", u"uz augsu 30", u"iet uz augšu un zīmē līniju" },
    { u"uz leju", u"uz leju 30", u"iet uz leju un zīmē līniju" },
    { u"pa labi", u"pa labi 40", u"iet pa labi un zīmē līniju" },
    { u"pa kreisi", u"pa kreisi 40", u"iet pa kreisi un zīmē līniju" },
    { u"parvietot pa labi", u"parvietot pa labi 40", u"pārvietojas pa labi, nezīmējot" },
    { u"parvietot pa kreisi", u"parvietot pa kreisi 40", u"pārvietojas pa kreisi, nezīmējot" },
    { u"parvietot uz leju", u"parvietot uz leju 30", u"pārvietojas uz leju, nezīmējot" },
    { u"parvietot uz augsu", u"parvietot uz augsu 30", u"pārvietojas uz augšu, nezīmējot" },
    { u"parvietot uz prieksu", u"parvietot uz prieksu 50", u"pārvietojas uz priekšu, nezīmējot" },
    { u"lenkis", u"lenkis 90", u"pagriež bruņurupuci: 0 – pa labi, 90 – uz augšu" },
    { u"lenkis pa labi", u"lenkis pa labi 45", u"pagriež bruņurupuci pa labi" },
    { u"lenkis pa kreisi", u"lenkis pa kreisi 45", u"pagriež bruņurupuci pa kreisi" },
    { u"koordinatas", u"koordinatas 100,200", u"pārceļ bruņurupuci uz punktu x, y, nezīmējot" },
    { u"linijas krasa", u"linijas krasa 10", u"līniju krāsa no 36 krāsām" },
    { u"fona krasa", u"fona krasa 5", u"nokrāso visu lapu; zīmējums pazūd" },
    { u"biezums", u"biezums 3", u"līnijas biezums" },
    { u"atrums", u"atrums 100", u"cik ātri zīmē: 0 – uzreiz, 300 – kā sākumā" },
    { u"pauze", u"pauze 10000", u"pagaida; 10000 ir viena sekunde" },
    { u"zieds", {}, u"zīmē ziedu" },
    { u"daudzsturis", {}, u"zīmē daudzstūri" },
    { u"sinusoida", {}, u"zīmē sinusoīdu" },
    { u"atkartot", u"atkartot 4", u"atkārto rindas līdz rindai „beigas” tik reižu, cik norādīts" },
    { u"krasot", {}, u"nokrāso laukumu ap punktu x, y līdz robežkrāsas līnijai" },
    { u"zvaigzne", {}, u"zīmē zvaigzni" },
    { u"stari", {}, u"zīmē starus" },
    { u"spirale", {}, u"zīmē spirāli" },
    { u"no", {},
        u"skaita: rindas līdz rindai „nakosais” atkārto katrai vērtībai; „solis” – par "
        u"cik mainās vērtība" },
    { u"ja", {},
        u"ja nosacījums ir patiess, izpilda komandu aiz „tad”, citādi – komandu aiz "
        u"„citadi”" },
    { u"iet uz", {}, u"turpina aiz rindas, kas sākas ar šo adresi" },
    { u"linijas stils", u"linijas stils 2",
        u"1 – vienlaidu līnija, 2 līdz 5 – raustītas līnijas, 6 – neredzama līnija" },
    { u"palielinat vertibu", u"palielinat vertibu a,5", u"palielina vērtību" },
    { u"samazinat vertibu", u"samazinat vertibu a,5", u"samazina vērtību" },
    { u"procedura", u"procedura maja",
        u"sāk procedūru ar šo nosaukumu; tā beidzas ar rindu „proceduras beigas”" },
} };

constexpr std::array<ExtraCommand, 9> Extras = { {
    { u"sakne", {}, u"sakne", u"atgriež bruņurupuci lapas vidū" },
    { u"notirit lapu", {}, u"notirit lapu", u"notīra zīmējumu" },
    { u"brunurupucis paslepts", {}, u"brunurupucis paslepts", u"paslēpj bruņurupuci" },
    { u"brunurupucis redzams", {}, u"brunurupucis redzams", u"atkal parāda bruņurupuci" },
    { u"nakosais", {}, u"nakosais", u"skaitīšanas („no ... lidz”) beigas" },
    { u"beigas", {}, u"beigas", u"atkārtošanas („atkartot”) beigas" },
    { u"proceduras beigas", {}, u"proceduras beigas", u"procedūras beigas" },
    { u"(procedūras nosaukums)", {}, u"maja",
        u"izpilda procedūras rindas un turpina nākamajā rindā" },
    { u"beigt", {}, u"beigt", u"beidz programmu" },
} };

} // namespace

CommandText commandText(QStringView command)
{
    for (const CommandText& text : Commands) {
        if (text.command == command)
            return text;
    }
    return {};
}

std::span<const ExtraCommand> extraCommands() { return Extras; }

} // namespace zimo::filemsg
