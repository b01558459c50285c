// Hints as data: every tests/hints/<case>.zkf gives exactly the "N: MESSAGE" lines of
// <case>.hints beside it; and programs that do what they mean give none.

#include "hints/hints.h"
#include "platform/textcodec.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QRegularExpression>

#include <gtest/gtest.h>

using namespace zimo;

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

QStringList filesUnder(const char* dir, const QString& pattern)
{
    QStringList files;
    QDirIterator it(QString::fromUtf8(dir), { pattern }, QDir::Files, QDirIterator::Subdirectories);
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
    testing::ValuesIn(filesUnder(ZIMO_HINTS_DIR, QStringLiteral("*.zkf"))), caseName);

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

// The language cases run as meant, except the errors that exist to fail and two lines that
// show a quiet trap on purpose.
TEST(Hints, ProgramsThatRunAsMeantGiveNone)
{
    const QStringList files = filesUnder(ZIMO_PROGRAMS_DIR, QStringLiteral("*.zkf"));
    ASSERT_FALSE(files.isEmpty());
    for (const QString& file : files) {
        if (file.contains(QStringLiteral("/errors/")))
            continue;
        QString expected;
        if (file.endsWith(QStringLiteral("conditional_branches.zkf")))
            expected = QStringLiteral("6: ");
        else if (file.endsWith(QStringLiteral("speed_and_pause.zkf")))
            expected = QStringLiteral("4: ");
        const std::vector<Hint> hints = hintsFor(linesOfFile(file));
        QString lines;
        for (const Hint& hint : hints)
            lines += QStringLiteral("%1: ").arg(hint.line);
        EXPECT_EQ(lines.toStdString(), expected.toStdString()) << file.toStdString();
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
    };
    for (const QStringList& edit : edits) {
        const int n = edit[0].toInt();
        lines[n - 1] = edit[1];
        tracker.changeLine(n, edit[1]);
        EXPECT_EQ(hintLines(tracker.all()).toStdString(), hintLines(hintsFor(lines)).toStdString())
            << "after line " << n << " became " << edit[1].toStdString();
    }
}

} // namespace
