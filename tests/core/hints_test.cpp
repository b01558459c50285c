// Hints as data: every tests/hints/<case>.zkf gives exactly the "N: MESSAGE" lines of
// <case>.hints beside it; every tests/hints/silent/<case>.zkf (a correct idiom that looks
// odd) gives none; and programs that do what they mean give none.

#include "hints/hints.h"
#include "platform/textcodec.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QHash>
#include <QRegularExpression>

#include <gtest/gtest.h>

using namespace zimo;

// Case files are named by their path in test output.
QT_BEGIN_NAMESPACE
inline void PrintTo(const QString& text, std::ostream* out) { *out << text.toStdString(); }
QT_END_NAMESPACE

namespace
{

QByteArray readAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QStringList linesOfFile(const QString& path)
{
    return splitWorkFileLines(programTextFromFile(readAll(path)) + QStringLiteral("\r\n"));
}

QString hintLines(const std::vector<Hint>& hints)
{
    QString out;
    for (const Hint& hint : hints)
        out += QStringLiteral("%1: %2\n").arg(hint.line).arg(hint.message);
    return out;
}

QStringList filesUnder(const QString& dir, const QString& pattern, bool deep = true)
{
    QStringList files;
    QDirIterator it(dir, { pattern }, QDir::Files,
        deep ? QDirIterator::Subdirectories : QDirIterator::NoIteratorFlags);
    while (it.hasNext())
        files.append(it.next());
    files.sort();
    return files;
}

std::string caseName(const testing::TestParamInfo<QString>& info)
{
    return QFileInfo(info.param).completeBaseName().toStdString();
}

class HintCases : public testing::TestWithParam<QString>
{
};

TEST_P(HintCases, GiveTheExpectedHints)
{
    QString expectedPath = GetParam();
    expectedPath.replace(QStringLiteral(".zkf"), QStringLiteral(".hints"));
    const QByteArray expected = readAll(expectedPath);
    ASSERT_FALSE(expected.isEmpty()) << "missing " << expectedPath.toStdString();
    EXPECT_EQ(hintLines(hintsFor(linesOfFile(GetParam()))).toStdString(), expected.toStdString());
}

INSTANTIATE_TEST_SUITE_P(Hints, HintCases,
    testing::ValuesIn(filesUnder(QStringLiteral(ZIMO_HINTS_DIR), QStringLiteral("*.zkf"), false)),
    caseName);

class SilentCases : public testing::TestWithParam<QString>
{
};

TEST_P(SilentCases, GiveNoHint)
{
    EXPECT_EQ(hintLines(hintsFor(linesOfFile(GetParam()))).toStdString(), "");
}

INSTANTIATE_TEST_SUITE_P(Hints, SilentCases,
    testing::ValuesIn(
        filesUnder(QStringLiteral(ZIMO_HINTS_DIR "/silent"), QStringLiteral("*.zkf"))),
    caseName);

// The example programs of the README, each a fenced block after a line that ends in ':'.
QStringList readmeExamples()
{
    const QString text = QString::fromUtf8(readAll(QStringLiteral(ZIMO_README)));
    static const QRegularExpression block(
        QStringLiteral(":\\n\\n```\\n(.*?)```"), QRegularExpression::DotMatchesEverythingOption);
    QStringList programs;
    for (auto it = block.globalMatch(text); it.hasNext();)
        programs.append(it.next().captured(1));
    return programs;
}

TEST(Hints, ReadmeExamplesGiveNone)
{
    const QStringList programs = readmeExamples();
    ASSERT_GE(programs.size(), 3);
    for (const QString& program : programs) {
        QStringList lines = program.split(u'\n');
        lines.removeLast();
        EXPECT_EQ(hintLines(hintsFor(lines)).toStdString(), "") << program.toStdString();
    }
}

// The language cases run as meant, except the errors that exist to fail and the lines that
// show a quiet trap on purpose: blanks around an operator, a signed pause, a call the
// replay does not return from, "beigt" on a conditional line, and colours, styles and
// widths outside their range.
TEST(Hints, ProgramsThatRunAsMeantGiveNone)
{
    const QHash<QString, QString> traps {
        { QStringLiteral("conditional_branches.zkf"), QStringLiteral("6: ") },
        { QStringLiteral("speed_and_pause.zkf"), QStringLiteral("4: ") },
        { QStringLiteral("call_from_replay.zkf"), QStringLiteral("3: ") },
        { QStringLiteral("jump_to_label.zkf"), QStringLiteral("4: ") },
        { QStringLiteral("style_and_width.zkf"), QStringLiteral("6: 7: ") },
        { QStringLiteral("colours_and_page.zkf"), QStringLiteral("4: 9: ") },
    };
    const QStringList files
        = filesUnder(QStringLiteral(ZIMO_PROGRAMS_DIR), QStringLiteral("*.zkf"));
    ASSERT_FALSE(files.isEmpty());
    for (const QString& file : files) {
        if (file.contains(QStringLiteral("/errors/")))
            continue;
        const std::vector<Hint> hints = hintsFor(linesOfFile(file));
        QString lines;
        for (const Hint& hint : hints)
            lines += QStringLiteral("%1: ").arg(hint.line);
        EXPECT_EQ(lines.toStdString(), traps.value(QFileInfo(file).fileName()).toStdString())
            << file.toStdString() << "\n"
            << hintLines(hints).toStdString();
    }
}

TEST(Hints, ProposalIsTheWholeLineAndActs)
{
    const std::vector<Hint> hints = hintsFor({ QStringLiteral("atkartot 2"),
        QStringLiteral("uz priekšu 50"), QStringLiteral("beigas") });
    ASSERT_EQ(hints.size(), 1u);
    EXPECT_EQ(hints[0].line, 2);
    EXPECT_EQ(hints[0].proposal, QStringLiteral("uz prieksu 50"));
    EXPECT_TRUE(hintsFor({ hints[0].proposal }).empty());
}

// The run reads no program longer than 1000 lines: the first line too many says so, and
// the lines after it are not worked out.
TEST(Hints, TheLineAfterTheLimitSaysTheProgramIsTooLong)
{
    QStringList lines;
    for (int i = 1; i <= 5000; ++i)
        lines << QStringLiteral("uz prieksu %1")
                     .arg(i % 7 == 0 ? QStringLiteral("1OO") : QStringLiteral("5"));
    lines[3000] = QStringLiteral("uz priekšu 5");
    std::vector<Hint> hints = hintsFor(lines);
    ASSERT_FALSE(hints.empty());
    EXPECT_EQ(hints.back().line, 1001);
    EXPECT_TRUE(hints.back().message.contains(u"1000")) << hints.back().message.toStdString();
    EXPECT_EQ(hintsFor(lines.mid(0, 1000)).size(), hints.size() - 1);

    HintTracker tracker;
    tracker.reset(lines);
    tracker.changeLine(4000, QStringLiteral("zieds"));
    EXPECT_EQ(hintLines(tracker.all()).toStdString(), hintLines(hints).toStdString());
}

// One line's update gives what working out the whole program again gives.
TEST(HintTracker, FollowsEditsLikeAFreshAnalysis)
{
    QStringList lines { QStringLiteral("procedura kvadrats"), QStringLiteral("uz prieksu a"),
        QStringLiteral("proceduras beigas"), QStringLiteral("kvadrats"), QStringLiteral("iet uz 7"),
        QStringLiteral("x") };
    HintTracker tracker;
    tracker.reset(lines);
    const QStringList edits[] = {
        { QStringLiteral("1"), QStringLiteral("procedura kvadrat") },
        { QStringLiteral("6"), QStringLiteral("7 palielinat vertibu a,1") },
        { QStringLiteral("2"), QStringLiteral("uz prieksu 1OO") },
        { QStringLiteral("6"), QStringLiteral("") },
        { QStringLiteral("1"), QStringLiteral("procedura kvadrats") },
        { QStringLiteral("6"), QStringLiteral("77 uz leju 1") },
        { QStringLiteral("6"), QStringLiteral("uz leju 77") },
        // Lines that change the ways of the run: blocks, calls, names and the pen.
        { QStringLiteral("5"), QStringLiteral("atkartot 3") },
        { QStringLiteral("6"), QStringLiteral("kvadrats") },
        { QStringLiteral("6"), QStringLiteral("beigas") },
        { QStringLiteral("2"), QStringLiteral("uz prieksu b") },
        { QStringLiteral("4"), QStringLiteral("palielinat vertibu b,1") },
        { QStringLiteral("4"), QStringLiteral("biezums 3") },
        { QStringLiteral("6"), QStringLiteral("krasot 1,1,1,1") },
        { QStringLiteral("4"), QStringLiteral("biezums 1") },
    };
    for (const QStringList& edit : edits) {
        const int n = edit[0].toInt();
        lines[n - 1] = edit[1];
        tracker.changeLine(n, edit[1]);
        EXPECT_EQ(hintLines(tracker.all()).toStdString(), hintLines(hintsFor(lines)).toStdString())
            << "after line " << n << " became " << edit[1].toStdString();
    }
}

// Typing in any line of any hint case, and a program the fuzzer found where the two once
// disagreed: taking out any one character, as Delete does, gives what working the whole
// program out again gives.
TEST(HintTracker, DeletingAnyCharacterOfTheCasesAgreesWithAFreshAnalysis)
{
    std::vector<QStringList> programs { { QStringLiteral("trums 0"), QStringLiteral("atkartot 3"),
        QStringLiteral("no a=1 lidz 3"), QStringLiteral("pa labi 1"),
        QStringLiteral("a= j2a tad iet uz ara"), QStringLiteral("n&kosais"),
        QStringLiteral("beigas"), QStringLiteral("ara"), QStringLiteral("uz leju 1"), QString() } };
    for (const QString& file : filesUnder(QStringLiteral(ZIMO_HINTS_DIR), QStringLiteral("*.zkf")))
        programs.push_back(linesOfFile(file));
    for (QStringList& lines : programs) {
        HintTracker tracker;
        tracker.reset(lines);
        for (int n = 1; n <= lines.size(); ++n) {
            const QString line = lines[n - 1];
            for (qsizetype at = 0; at < line.size(); ++at) {
                lines[n - 1] = QString(line).remove(at, 1);
                tracker.changeLine(n, lines[n - 1]);
                ASSERT_EQ(hintLines(tracker.all()).toStdString(),
                    hintLines(hintsFor(lines)).toStdString())
                    << "line " << n << " became " << lines[n - 1].toStdString();
            }
            lines[n - 1] = line;
            tracker.changeLine(n, line);
        }
    }
}

} // namespace
