#include "interpreter/arguments.h"
#include "program/numbers.h"
#include "program/programstate.h"
#include "program/runerror.h"

#include <gtest/gtest.h>

using namespace zimo;

namespace
{

ProgramState programOf(const QString& line)
{
    ProgramState p;
    p.lines[1] = line;
    p.lineCount = 1;
    return p;
}

Value field(const QString& line, int k) { return lielums(programOf(line), k, 1); }

double number(const QString& line, int k)
{
    const Value v = field(line, k);
    EXPECT_TRUE(v.isNumber()) << line.toStdString() << " field " << k;
    return v.number();
}

QString text(const QString& line, int k)
{
    const Value v = field(line, k);
    EXPECT_FALSE(v.isNumber()) << line.toStdString() << " field " << k;
    return v.text();
}

} // namespace

TEST(ArgumentExtraction, FieldsAreTheCommaItemsAfterTheLastBlank)
{
    EXPECT_EQ(number("uz prieksu 50", 1), 50);
    EXPECT_EQ(number("zieds 5,100,100", 1), 5);
    EXPECT_EQ(number("zieds 5,100,100", 3), 100);
    EXPECT_EQ(number("zieds 5,120,100", 2), 120);
    EXPECT_EQ(number("zieds 5,100,130", 4), 130) << "beyond the last field repeats it";
    EXPECT_EQ(number("zieds 5,100,130", 0), 130);
    EXPECT_EQ(number("zieds 5,100,130", -3), 130);
    EXPECT_EQ(number("zieds 5 ,100,100", 1), 0) << "the 5 stands before the last blank";
    EXPECT_EQ(number("zieds 5 ,100,100", 2), 100);
    EXPECT_EQ(text("linijas stils", 1), u"stils");
}

TEST(ArgumentExtraction, DigitsAndColonsAreNumbersEverythingElseIsText)
{
    EXPECT_EQ(number("uz prieksu ", 1), 0) << "the empty field passes the digit test";
    EXPECT_EQ(number("uz prieksu 007", 1), 7);
    EXPECT_EQ(number("uz prieksu 12:30", 1), 12);
    EXPECT_EQ(number("pauze :", 1), 0);
    EXPECT_EQ(number("krasot 300,,1,22", 2), 0);
    EXPECT_EQ(number("zieds 5,", 2), 0);
    EXPECT_EQ(text("uz prieksu -50", 1), u"-50");
    EXPECT_EQ(text("uz prieksu 2.5", 1), u"2.5");
    EXPECT_EQ(text("palielinat vertibu a,5", 1), u"a");
    EXPECT_EQ(number("palielinat vertibu a,5", 2), 5);
    EXPECT_EQ(number("uz prieksu 123456789012345678901", 1), 123456789012345678901.0);
}

TEST(ArgumentExtraction, LabelsStayText)
{
    const ProgramState p = programOf("iet uz 007");
    EXPECT_EQ(str_lielums(p, 1, 1), u"007");
    EXPECT_EQ(str_lielums(programOf("iet uz beigam"), 1, 1), u"beigam");
}

TEST(ArgumentExtraction, ACommaBeforeTheLastBlankStopsTheRun)
{
    EXPECT_THROW(field("koordinatas 100, 200", 1), RunError);
    EXPECT_THROW(field("a,b c", 2), RunError);
    EXPECT_EQ(number("koordinatas 100,200", 2), 200);
}

// The run stops all the same; only the message names the blank a child cannot see.
TEST(ArgumentExtraction, ABlankAtTheEndAfterACommaIsNamedInTheMessage)
{
    auto reason = [](const char* line) {
        try {
            field(line, 1);
        } catch (const RunError& e) {
            return e.reason;
        }
        return QString();
    };
    EXPECT_TRUE(reason("krasot 300,200,1,22 ").contains(u"rindas beigās")) << "a trailing blank";
    EXPECT_TRUE(reason("krasot 300,200,1,22 \t").contains(u"rindas beigās"));
    EXPECT_TRUE(reason("koordinatas 100, 200 ").contains(u"komats")) << "a blank after a comma";
}

TEST(ArgumentExtraction, ALineWithoutBlankIsReadFromItsFirstCharacter)
{
    EXPECT_EQ(number("12,34", 2), 34);
    EXPECT_EQ(text("abc", 1), u"abc");
}

TEST(ArgumentExtraction, TheStoredLineIsNeverChanged)
{
    const ProgramState p = programOf("zieds 5,100,100");
    lielums(p, 3, 1);
    EXPECT_EQ(p.lines[1], u"zieds 5,100,100");
}

TEST(DigitTest, AcceptsDigitsAndColonOnly)
{
    EXPECT_TRUE(mekle_ciparus(QStringView(u"")));
    EXPECT_TRUE(mekle_ciparus(QStringView(u"0123456789:")));
    EXPECT_FALSE(mekle_ciparus(QStringView(u"-5")));
    EXPECT_FALSE(mekle_ciparus(QStringView(u"2.5")));
    EXPECT_FALSE(mekle_ciparus(QStringView(u" 5")));
    EXPECT_FALSE(mekle_ciparus(QStringView(u"@")));
    EXPECT_TRUE(mekle_ciparus(Value(50.0)));
    EXPECT_FALSE(mekle_ciparus(Value(-5.0)));
    EXPECT_FALSE(mekle_ciparus(Value(2.5)));
    EXPECT_TRUE(mekle_ciparus(Value(999999999999999.0)));
    EXPECT_FALSE(mekle_ciparus(Value(1e15))) << "written in exponent form";
}

TEST(NumberText, WritesNumbersAsTheirOrdinaryDecimalForm)
{
    EXPECT_EQ(numberText(0), u"0");
    EXPECT_EQ(numberText(50), u"50");
    EXPECT_EQ(numberText(-5), u"-5");
    EXPECT_EQ(numberText(2.5), u"2.5");
    EXPECT_EQ(numberText(-0.125), u"-0.125");
    EXPECT_EQ(numberText(123456789012345.0), u"123456789012345");
    EXPECT_EQ(numberText(1e15), u"1E+15");
    EXPECT_EQ(numberText(1.5e20), u"1.5E+20");
    EXPECT_EQ(numberText(0.0001), u"0.0001");
    EXPECT_EQ(numberText(0.00001), u"1E-05");
    EXPECT_EQ(numberText(1.0 / 3.0), u"0.333333333333333");
}

TEST(NumberReading, LeadingNumberIgnoresBlanksAndStopsAtTheFirstOtherCharacter)
{
    EXPECT_EQ(leadingNumber(u"15 solis 2"), 15);
    EXPECT_EQ(leadingNumber(u" 1 5 solis"), 15);
    EXPECT_EQ(leadingNumber(u"-3x"), -3);
    EXPECT_EQ(leadingNumber(u"abc"), 0);
    EXPECT_EQ(leadingNumber(u""), 0);
    EXPECT_EQ(leadingNumber(u"1e3"), 1000);
    EXPECT_EQ(leadingNumber(u"1e"), 1);
    EXPECT_EQ(leadingNumber(u".5"), 0.5);
    EXPECT_EQ(leadingNumber(u"2.5.5"), 2.5);
    // Only code 32 is a blank: a TAB or a line end ends the reading.
    EXPECT_EQ(leadingNumber(u"\t3 "), 0);
    EXPECT_EQ(leadingNumber(u"1\t2 "), 1);
    EXPECT_EQ(leadingNumber(u"\r\n7"), 0);
    EXPECT_EQ(leadingNumber(u"1e\t2"), 1);
}

TEST(NumberReading, ParseNumberWantsTheWholeText)
{
    EXPECT_EQ(parseNumber(u"-2"), -2.0);
    EXPECT_EQ(parseNumber(u"2.5"), 2.5);
    EXPECT_EQ(parseNumber(u"1e3"), 1000.0);
    EXPECT_FALSE(parseNumber(u"abc"));
    EXPECT_FALSE(parseNumber(u""));
    EXPECT_FALSE(parseNumber(u"-"));
    EXPECT_FALSE(parseNumber(u"5x"));
}

TEST(NumberReading, WholeNumbersRoundHalfToEvenAndMustFitSixteenBits)
{
    EXPECT_EQ(toInt16(2.5), 2);
    EXPECT_EQ(toInt16(3.5), 4);
    EXPECT_EQ(toInt16(-0.5), 0);
    EXPECT_EQ(toInt16(32767.4), 32767);
    EXPECT_EQ(toInt16(-32768.5), -32768);
    EXPECT_THROW(toInt16(32767.5), RunError);
    EXPECT_THROW(toInt16(-32769), RunError);
    EXPECT_EQ(toFixed(2.00005), 20000) << "four decimals, half to even";
    EXPECT_EQ(toFixed(-2.5), -25000);
    EXPECT_THROW(toFixed(1e16), RunError);
}
