#include "editor/textbox/commandhelp.h"

#include <gtest/gtest.h>

using zimo::HelpRow;
using zimo::paskaidro;

namespace
{

// Feeds text one character at a time, as typing does, and returns the row after each.
struct Typist {
    QString buffer;
    HelpRow row { QStringLiteral("..."), QStringLiteral("..."), QStringLiteral("..."), {}, {} };

    void type(const QString& text)
    {
        for (const QChar c : text) {
            buffer.append(c);
            paskaidro(buffer, row);
        }
    }
};

} // namespace

TEST(CommandHelp, FlowerIsRecognisedAtItsLastLetterAndDigitsStayInTheBuffer)
{
    Typist t;
    t.type(QStringLiteral("ziedu"));
    EXPECT_EQ(t.row.command, u"...");
    t = Typist {};
    t.type(QStringLiteral("zieds"));
    EXPECT_EQ(t.row.command, u"zieds");
    EXPECT_EQ(t.row.help, u"ziedlapu skaits, platums, augstums");
    EXPECT_EQ(t.row.example, u"Piemērs: zieds 5,100,100");
    t.type(QStringLiteral(" 5,100,100"));
    EXPECT_EQ(t.buffer, u" 5,100,100");
    EXPECT_TRUE(t.row.example.isEmpty());
}

TEST(CommandHelp, AngleKeepsTheBufferUntilATurnIsRecognised)
{
    Typist t;
    t.type(QStringLiteral("lenkis"));
    EXPECT_EQ(t.row.command, u"lenkis");
    EXPECT_EQ(t.row.help, u"cik liels");
    t.type(QStringLiteral(" pa lab"));
    EXPECT_EQ(t.row.command, u"lenkis");
    t.type(QStringLiteral("i"));
    EXPECT_EQ(t.row.command, u"lenkis pa labi");
    EXPECT_EQ(t.row.help, u"par cik");
    EXPECT_TRUE(t.buffer.isEmpty());
}

TEST(CommandHelp, AnAngleLeftInTheBufferHidesTheMovementGroup)
{
    Typist t;
    t.type(QStringLiteral("pa labi 10\rlenkis 5\rpa kreisi 3"));
    EXPECT_EQ(t.row.command, u"lenkis");
    EXPECT_EQ(t.row.help, u"cik liels");
}

TEST(CommandHelp, UnrecognisedTextStaysAndBlocksALaterLineColour)
{
    Typist t;
    t.type(QStringLiteral("fona 2\rlinijas krasa 5"));
    EXPECT_EQ(t.row.command, u"...");
    EXPECT_TRUE(t.buffer.contains(u"fona"));
}

TEST(CommandHelp, CountedLoopFillsBothHalvesOfTheRow)
{
    Typist t;
    t.type(QStringLiteral("no a=1 lid"));
    EXPECT_EQ(t.row.command, u"...");
    t.type(QStringLiteral("z"));
    EXPECT_EQ(t.row.command, u"no");
    EXPECT_EQ(t.row.help, u"simbols=lielums");
    EXPECT_EQ(t.row.command2, u"lidz");
    EXPECT_EQ(t.row.help2, u" lidz cik");
    EXPECT_EQ(t.row.example, u"Piemērs: no a=1 lidz 15 solis 2");
}

TEST(CommandHelp, InsertedLineIsExplainedAtOnce)
{
    QString buffer = QStringLiteral("biezums 7");
    HelpRow row;
    paskaidro(buffer, row);
    EXPECT_EQ(row.command, u"biezums");
    EXPECT_EQ(row.help, u"cik liels");
    buffer = QStringLiteral("iet uz 15");
    paskaidro(buffer, row);
    EXPECT_EQ(row.example, u"1.Piemērs: iet uz beigam  |  2.Piemērs: iet uz 15");
    buffer = QStringLiteral("procedura");
    paskaidro(buffer, row);
    EXPECT_EQ(row.command, u"iet uz") << "a procedure needs its blank";
}
