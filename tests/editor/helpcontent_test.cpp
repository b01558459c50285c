#include "editor/help/helpcontent.h"
#include "editor/textbox/commandhelp.h"
#include "program/keywords.h"
#include "platform/rasterpage.h"
#include "interpreter/machine.h"
#include "run/runloop.h"

#include <QRegularExpression>

#include <gtest/gtest.h>

#include <memory>

using zimo::helpContent;
using zimo::HelpEntry;

namespace
{

const HelpEntry* entryTitled(const QString& title)
{
    for (const HelpEntry& e : helpContent().commands) {
        if (e.title == title)
            return &e;
    }
    return nullptr;
}

QString titleFor(const QString& line, const QStringList& procedures = {})
{
    const int i = zimo::entryForLine(helpContent().commands, line, procedures);
    return i < 0 ? QStringLiteral("<none>") : helpContent().commands[i].title;
}

// Runs a program headless as the pictures are drawn; the outcome and whether it drew.
struct Drawn {
    zimo::RunOutcome outcome;
    bool inked = false;
};
Drawn drawn(const QStringList& lines)
{
    auto page = std::make_unique<zimo::RasterPage>();
    auto machine = std::make_unique<zimo::Machine>(*page);
    Drawn result;
    result.outcome = zimo::zimet_Click(
        *machine, lines.join(QStringLiteral("\r\n")), zimo::RunOptions { std::nullopt, 200'000 });
    for (int y = 0; y < page->height() && !result.inked; ++y) {
        for (int x = 0; x < page->width() && !result.inked; ++x)
            result.inked = page->pixel(x, y) != zimo::rgb(255, 255, 255);
    }
    return result;
}

} // namespace

TEST(HelpContent, HasItsFourSectionsWithTheCommandsInTheSecond)
{
    const zimo::HelpContent& content = helpContent();
    QStringList titles;
    for (const zimo::HelpSection& s : content.sections)
        titles << s.title;
    EXPECT_EQ(titles,
        QStringList({ QStringLiteral("Pirmie soļi"), QStringLiteral("Komandas"),
            QStringLiteral("Tastatūra"), QStringLiteral("Padomi") }));
    EXPECT_EQ(content.commandSection, 1);
    for (const zimo::HelpSection& s : content.sections)
        EXPECT_FALSE(s.markdown.trimmed().isEmpty()) << s.title.toStdString();
}

TEST(HelpContent, EveryCommandOfTheHelpRowHasAnEntry)
{
    for (const QStringView keyword : zimo::movementKeywords())
        EXPECT_NE(entryTitled(keyword.toString()), nullptr) << keyword.toString().toStdString();
    for (const zimo::HelpRule& rule : zimo::helpRules())
        EXPECT_NE(entryTitled(rule.command.toString()), nullptr)
            << rule.command.toString().toStdString();
}

TEST(HelpContent, EveryKeywordOfTheLanguageIsInAnExample)
{
    zimo::kw::Mask covered = 0;
    for (const HelpEntry& e : helpContent().commands) {
        for (const QString& example : e.examples)
            covered |= zimo::kw::maskOf(example);
    }
    for (unsigned k = 0; k < zimo::kw::KeyCount; ++k)
        EXPECT_TRUE(covered & zimo::kw::Mask(1) << k) << "keyword " << k << " has no example";
}

// The help row and the help window explain a command with the same words and examples.
TEST(HelpContent, EntriesAgreeWithTheHelpRow)
{
    for (const HelpEntry& e : helpContent().commands) {
        if (e.arguments.isEmpty())
            continue;
        SCOPED_TRACE(e.title.toStdString());
        QString buffer = e.title + u' ';
        if (!e.command2.isEmpty())
            buffer += e.command2 + u' ';
        zimo::HelpRow row;
        zimo::paskaidro(buffer, row);
        EXPECT_EQ(row.command, e.title);
        EXPECT_EQ(row.help, e.arguments);
        EXPECT_EQ(row.command2, e.command2);
        EXPECT_EQ(row.help2.trimmed(), e.arguments2);
        if (row.example.isEmpty())
            continue;
        QString rest = row.example;
        for (const QString& example : e.examples) {
            const qsizetype at = rest.indexOf(QStringLiteral("Piemērs: ") + example);
            EXPECT_GE(at, 0) << example.toStdString();
            rest = rest.mid(at + 1);
        }
    }
}

TEST(HelpContent, EveryEntryExplainsItselfWithAnExampleAndAPictureOfIt)
{
    for (const HelpEntry& e : helpContent().commands) {
        SCOPED_TRACE(e.title.toStdString());
        EXPECT_FALSE(e.text.isEmpty());
        ASSERT_FALSE(e.examples.isEmpty());
        EXPECT_TRUE(e.picture.contains(e.examples.front()));
        // F1 on the example line opens this very entry.
        const QStringList procedures = zimo::procedureNames(e.picture.join(u'\n'));
        EXPECT_EQ(titleFor(e.examples.front(), procedures), e.title);
    }
}

TEST(HelpContent, ALineOpensTheCommandThatStandsFirstAndLongest)
{
    EXPECT_EQ(titleFor(QStringLiteral("lenkis pa labi 45")), u"lenkis pa labi");
    EXPECT_EQ(titleFor(QStringLiteral("lenkis 90")), u"lenkis");
    EXPECT_EQ(titleFor(QStringLiteral("parvietot uz prieksu 5")), u"parvietot uz prieksu");
    EXPECT_EQ(titleFor(QStringLiteral("ja x>200 tad biezums 5 citadi biezums 3")), u"ja");
    EXPECT_EQ(titleFor(QStringLiteral("no a=1 lidz 15 solis 2")), u"no");
    EXPECT_EQ(titleFor(QStringLiteral("fona krasa 5")), u"fona krasa");
    EXPECT_EQ(titleFor(QStringLiteral("proceduras beigas")), u"proceduras beigas");
    EXPECT_EQ(titleFor(QStringLiteral("  15 uz prieksu 50")), u"uz prieksu");
    // The keyword's blank belongs to it, and case counts, as in a run.
    EXPECT_EQ(titleFor(QStringLiteral("uz prieksu")), u"<none>");
    EXPECT_EQ(titleFor(QStringLiteral("Zieds 5,100,100")), u"<none>");
    EXPECT_EQ(
        titleFor(QStringLiteral("maja"), { QStringLiteral("maja") }), u"(procedūras nosaukums)");
    EXPECT_EQ(titleFor(QStringLiteral("maja")), u"<none>");
}

TEST(HelpContent, ProcedureNamesAreTheWordsAfterTheDefinitions)
{
    EXPECT_EQ(
        zimo::procedureNames(QStringLiteral(
            "procedura maja\r\nuz prieksu 5\r\nproceduras beigas\r\nprocedura  koks\r\nmaja")),
        QStringList({ QStringLiteral("maja"), QStringLiteral("koks") }));
}

// Every picture and every program of the first steps runs to its end and draws.
TEST(HelpContent, ThePicturesAndTheTutorialRunAndDraw)
{
    for (const HelpEntry& e : helpContent().commands) {
        SCOPED_TRACE(e.title.toStdString());
        const Drawn d = drawn(e.picture);
        EXPECT_EQ(d.outcome.end, zimo::RunOutcome::End::Finished)
            << d.outcome.message.toStdString();
        EXPECT_TRUE(d.inked);
    }
    for (const zimo::HelpSection& section : helpContent().sections) {
        for (const QStringList& lines : section.pictures) {
            SCOPED_TRACE(lines.join(u'|').toStdString());
            const Drawn d = drawn(lines);
            EXPECT_EQ(d.outcome.end, zimo::RunOutcome::End::Finished);
            EXPECT_TRUE(d.inked);
        }
        EXPECT_EQ(section.markdown.count(u"](zimejums"), section.pictures.size());
    }
    EXPECT_GE(helpContent().sections.front().pictures.size(), 6);
    const QString tutorial = helpContent().sections.front().markdown;
    static const QRegularExpression Code(
        QStringLiteral("((?:^    \\S.*\\n)+)"), QRegularExpression::MultilineOption);
    int programs = 0;
    for (auto it = Code.globalMatch(tutorial); it.hasNext(); ++programs) {
        QStringList lines = it.next().captured(1).split(u'\n', Qt::SkipEmptyParts);
        for (QString& line : lines)
            line = line.trimmed();
        SCOPED_TRACE(lines.join(u'|').toStdString());
        const Drawn d = drawn(lines);
        EXPECT_EQ(d.outcome.end, zimo::RunOutcome::End::Finished);
        // Two of the steps only set the pen or move it.
        if (!lines.front().startsWith(u"linijas") && !lines.front().startsWith(u"parvietot")) {
            EXPECT_TRUE(d.inked);
        }
    }
    EXPECT_GE(programs, 6);
}
