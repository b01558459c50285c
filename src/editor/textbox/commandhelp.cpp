#include "commandhelp.h"

#include <array>

namespace zimo
{

namespace
{

constexpr std::array<QStringView, 5> Movement
    = { u"pa labi", u"pa kreisi", u"uz leju", u"uz augsu", u"uz prieksu" };

constexpr QStringView HowMuch = u"cik daudz";
constexpr QStringView HowBig = u"cik liels";
constexpr QStringView ByHowMuch = u"par cik";
constexpr QStringView Colour = u"1-36";
constexpr QStringView Size = u"vertibas apzimejums, par cik";

const std::array<HelpRule, 29> Rules = { {
    { u"parvietot pa labi", {}, {}, u"parvietot pa labi", HowMuch, {}, {}, {} },
    { u"parvietot pa kreisi", {}, {}, u"parvietot pa kreisi", HowMuch, {}, {}, {} },
    { u"parvietot uz leju", {}, {}, u"parvietot uz leju", HowMuch, {}, {}, {} },
    { u"parvietot uz augsu", {}, {}, u"parvietot uz augsu", HowMuch, {}, {}, {} },
    { u"parvietot uz prieksu", {}, {}, u"parvietot uz prieksu", HowMuch, {}, {}, {} },
    { u"lenkis", {}, {}, u"lenkis", HowBig, {}, {}, {}, true },
    { u"lenkis pa labi", {}, {}, u"lenkis pa labi", ByHowMuch, {}, {}, {} },
    { u"lenkis pa kreisi", {}, {}, u"lenkis pa kreisi", ByHowMuch, {}, {}, {} },
    { u"koordinatas", {}, {}, u"koordinatas", u"x,y", {}, {}, {} },
    { u"linijas krasa", {}, u"fona", u"linijas krasa", Colour, {}, {}, {} },
    { u"fona krasa", {}, {}, u"fona krasa", Colour, {}, {}, {} },
    { u"biezums", {}, {}, u"biezums", HowBig, {}, {}, {} },
    { u"atrums", {}, {}, u"atrums", u"cik liels (jo lielāks,jo lenāk)", {}, {}, {} },
    { u"pauze", {}, {}, u"pauze", u"cik liela", {}, {}, {} },
    { u"zieds", {}, {}, u"zieds", u"ziedlapu skaits, platums, augstums", {}, {},
        u"Piemērs: zieds 5,100,100" },
    { u"daudzsturis", {}, {}, u"daudzsturis", u"stūru skaits, platums, augstums", {}, {},
        u"Piemērs: daudzsturis 5,100,80" },
    { u"sinusoida", {}, {}, u"sinusoida", u"garums, amplitūda, periods", {}, {},
        u"Piemērs: sinusoida 100,50,10" },
    { u"atkartot", {}, {}, u"atkartot", u"cik reizes", {}, {}, {} },
    { u"krasot", {}, {}, u"krasot", u"x, y, robežkrāsa, krāsa", {}, {},
        u"Piemērs: krasot 300,200,1,22" },
    { u"zvaigzne", {}, {}, u"zvaigzne", u"tips (1-3), platums, augstums", {}, {},
        u"Piemērs: zvaigzne 2,50,20" },
    { u"stari", {}, {}, u"stari", u"staru skaits, platums, augstums", {}, {},
        u"Piemērs: stari 5,40,60" },
    { u"spirale", {}, {}, u"spirale", u"periodu skaits, atstarpe", {}, {},
        u"Piemērs: spirale 15,10" },
    { u"no", u"lidz", {}, u"no", u"simbols=lielums", u"lidz", u" lidz cik",
        u"Piemērs: no a=1 lidz 15 solis 2" },
    { u"ja", u"tad", {}, u"ja", u"nosacījums(=;>;<)", u"tad", u" komanda",
        u"Piemērs: ja x>200 tad biezums 5 citadi biezums 3" },
    { u"iet uz", {}, {}, u"iet uz", u"adrese", {}, {},
        u"1.Piemērs: iet uz beigam  |  2.Piemērs: iet uz 15" },
    { u"linijas stils", {}, {}, u"linijas stils", u"kāds", {}, {}, {} },
    { u"palielinat vertibu", {}, {}, u"palielinat vertibu", Size, {}, {}, {} },
    { u"samazinat vertibu", {}, {}, u"samazinat vertibu", Size, {}, {}, {} },
    { u"procedura ", {}, {}, u"procedura", u"nosaukums", {}, {}, {} },
} };

bool matches(const HelpRule& rule, const QString& buffer)
{
    return buffer.contains(rule.text)
        && (rule.alsoNeeded.isEmpty() || buffer.contains(rule.alsoNeeded))
        && (rule.mustLack.isEmpty() || !buffer.contains(rule.mustLack));
}

} // namespace

std::span<const HelpRule> helpRules() { return Rules; }

std::span<const QStringView> movementKeywords() { return Movement; }

void paskaidro(QString& buffer, HelpRow& row)
{
    row.command2.clear();
    row.help2.clear();
    row.example.clear();
    if (!buffer.contains(u"lenkis") && !buffer.contains(u"parvietot")) {
        for (const QStringView keyword : Movement) {
            if (buffer.contains(keyword)) {
                row.command = keyword.toString();
                row.help = MovementHelp.toString();
                buffer.clear();
            }
        }
    }
    for (const HelpRule& rule : Rules) {
        if (!matches(rule, buffer))
            continue;
        row.command = rule.command.toString();
        row.help = rule.help.toString();
        row.command2 = rule.command2.toString();
        row.help2 = rule.help2.toString();
        row.example = rule.example.toString();
        if (!rule.keepsBuffer)
            buffer.clear();
    }
}

} // namespace zimo
