#include "testrun.h"

#include <gtest/gtest.h>

using namespace zimo;
using zimo::test::Session;

TEST(RunLoop, AnEmptyTextRunsOneEmptyLine)
{
    Session s;
    s.run({ "" });
    EXPECT_EQ(s.steps(), QList<int> { 1 });
    EXPECT_EQ(s.events("wait").size(), 1);
    EXPECT_EQ(s.text().substr(s.text().size() - 4), "end\n");
}

TEST(RunLoop, ATrailingLineEndGivesOneMoreEmptyLine)
{
    Session s;
    s.run({ "uz augsu 5", "" });
    EXPECT_EQ(s.steps(), (QList<int> { 1, 2 }));
}

TEST(RunLoop, ALoneLineFeedIsPartOfTheLine)
{
    Session s;
    RunOptions options;
    zimet_Click(s.m(), QStringLiteral("uz augsu 5\nuz leju 2\r\r\nx"), options);
    EXPECT_EQ(s.m().program.lineCount, 3);
    EXPECT_EQ(s.m().program.lines[1], u"uz augsu 5\nuz leju 2");
    EXPECT_EQ(s.m().program.lines[2], u"");
}

TEST(RunLoop, ProceduresArePassedOverAndCalledByName)
{
    Session s;
    s.run({ "uz augsu 1", "procedura zvirbulis", "uz augsu 2", "uz augsu 3", "proceduras beigas",
        "uz augsu 4", "zvirbulis", "uz augsu 5" });
    EXPECT_EQ(s.steps(), (QList<int> { 1, 6, 7, 3, 4, 8 }));
    EXPECT_FALSE(s.m().program.inProcedure);
}

TEST(RunLoop, DefinitionsInARowAreAllPassedOver)
{
    Session s;
    s.run({ "procedura a1", "uz augsu 1", "proceduras beigas", "procedura b2", "uz augsu 2",
        "proceduras beigas", "uz leju 3" });
    EXPECT_EQ(s.steps(), QList<int> { 7 });
}

TEST(RunLoop, ACallOnTheLastLineReturnsBehindTheProgram)
{
    Session s;
    s.run({ "procedura kvadrats", "uz augsu 1", "proceduras beigas", "kvadrats" });
    EXPECT_EQ(s.steps(), (QList<int> { 4, 2, 5 }));
    EXPECT_FALSE(s.failed());
}

TEST(RunLoop, ACallInsideAProcedureOverwritesTheReturnLine)
{
    Session s;
    s.run({ "rr", "beigt", "procedura rr", "uz augsu 1", "qq", "proceduras beigas", "procedura qq",
        "uz augsu 2", "proceduras beigas" });
    // qq returns into rr; rr's own end then finds the flag cleared and runs as a plain line,
    // and the skip of qq's definition lands just behind the program.
    EXPECT_EQ(s.steps(), (QList<int> { 1, 4, 5, 8, 6, 10 }));
    EXPECT_FALSE(s.failed());
}

TEST(RunLoop, EndOnAnEarlyLineRunsOnlyTheLaterTestsOfTheLastLine)
{
    QStringList program;
    for (int i = 1; i <= 10; ++i)
        program.append(QStringLiteral("uz augsu %1").arg(i));
    program[2] = QStringLiteral("beigt");
    program[9] = QStringLiteral("uz augsu 10 biezums 4");
    Session s;
    s.run(program);
    EXPECT_EQ(s.steps(), (QList<int> { 1, 2, 3 }));
    EXPECT_EQ(s.m().drawing.page.penWidth(), 4) << "test 11 reads the last line";
    EXPECT_EQ(s.m().drawing.turtle.y, 306.5 - 3) << "its movement is not carried out";
}

TEST(RunLoop, AThousandLinesRunAndOneMoreIsRefusedBeforeAnything)
{
    QStringList program(1000, QStringLiteral("uz augsu 0"));
    Session s;
    s.run(program);
    EXPECT_EQ(s.steps().size(), 1000);
    program.append(QStringLiteral("uz augsu 0"));
    s.run(program);
    ASSERT_TRUE(s.failed());
    EXPECT_EQ(s.outcome.line, 1001);
    EXPECT_TRUE(s.steps().isEmpty());
    EXPECT_TRUE(s.text().starts_with("error 1001 Kļūda 1001. rindā"));
}

TEST(RunLoop, TheHundredAndFirstProcedureStopsAtItsLine)
{
    QStringList program;
    for (int i = 1; i <= 101; ++i)
        program.append(QStringLiteral("procedura p%1").arg(i));
    program.append(QStringLiteral("proceduras beigas"));
    Session s;
    s.run(program);
    ASSERT_TRUE(s.failed());
    EXPECT_EQ(s.outcome.line, 101);
}

TEST(RunLoop, ADefinitionWithoutEndStopsAtTheDefinition)
{
    Session s;
    s.run({ "uz augsu 1", "procedura aa", "uz augsu 2" });
    ASSERT_TRUE(s.failed());
    EXPECT_EQ(s.outcome.line, 2);
    EXPECT_EQ(s.steps(), QList<int> { 1 });
}

TEST(RunLoop, ADefinitionEndingInABlankRegistersTheNameZero)
{
    Session s;
    s.run({ "procedura ", "uz augsu 1", "proceduras beigas", "uz leju 10", "uz augsu 2" });
    EXPECT_EQ(s.m().program.procedures[1].name, u"0");
    // "uz leju 10" holds a 0 and calls the procedure.
    EXPECT_EQ(s.steps(), (QList<int> { 4, 2, 5 }));
}

TEST(RunLoop, ARunLeavesNoStateForTheNext)
{
    Session s;
    s.run({ "atkartot 3", "procedura pp", "beigt", "proceduras beigas", "pp" });
    s.run({ "no a=1 lidz 3", "beigt" });
    s.run({ "uz augsu 1" });
    EXPECT_EQ(s.m().program.repeatDepth, 0);
    EXPECT_EQ(s.m().program.forDepth, 0);
    EXPECT_FALSE(s.m().program.inProcedure);
    EXPECT_EQ(s.m().program.procedureCount, 0);
}

TEST(RunLoop, ASecondRunDrawsOverTheFirstFromTheMiddle)
{
    Session s;
    s.run({ "uz augsu 100" });
    s.run({ "pa labi 100" });
    EXPECT_EQ(s.m().drawing.page.pixel(394, 250), 0u);
    EXPECT_EQ(s.m().drawing.page.pixel(450, 306), 0u);
}

TEST(RunLoop, EntriesOfALongerEarlierProgramNeverRun)
{
    Session s;
    s.run({ "uz augsu 1", "uz augsu 1", "fona krasa 10" });
    s.run({ "procedura kk", "proceduras beigas" });
    EXPECT_EQ(s.steps(), QList<int> { 3 });
    EXPECT_TRUE(s.events("bg").isEmpty());
}

TEST(RunLoop, TheStepLimitStopsBeforeTheStepThatWouldExceedIt)
{
    Session s;
    s.run({ "atrums 0", "iet uz atrums" }, 5);
    ASSERT_TRUE(s.failed());
    EXPECT_EQ(s.steps(), (QList<int> { 1, 2, 2, 2, 2 }));
    EXPECT_EQ(s.outcome.line, 2);
    EXPECT_TRUE(s.events("error").first().startsWith(u"error 2 Kļūda 2. rindā: "));
}
