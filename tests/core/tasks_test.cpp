// The bundled tasks: enough of them at every level, each one solvable by its own reference
// program, hint-free, and with an instruction that states what the picture needs.

#include "hints/hints.h"
#include "platform/textcodec.h"
#include "tasks/taskcheck.h"
#include "tasks/taskfile.h"
#include "tasks/taskmessages.h"

#include <QDir>
#include <QRegularExpression>

#include <gtest/gtest.h>

namespace
{

struct BundledTask {
    std::string level;
    std::string file;
    QString path() const
    {
        return QDir(QStringLiteral(ZIMO_TASKS_DIR))
            .filePath(QString::fromStdString(level + '/' + file));
    }
};

// A failure names the task's file rather than the bytes of its parameter.
void PrintTo(const BundledTask& task, std::ostream* out) { *out << task.level << '/' << task.file; }

std::vector<BundledTask> bundled()
{
    std::vector<BundledTask> found;
    const QDir root(QStringLiteral(ZIMO_TASKS_DIR));
    for (const QString& level : root.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name)) {
        for (const QString& file :
            QDir(root.filePath(level)).entryList({ QStringLiteral("*.zku") }))
            found.push_back({ level.toStdString(), file.toStdString() });
    }
    return found;
}

// The numbers a solution's line gives the turtle, which the instruction must state: every
// whole number except a loop's start ("k=1") and a fill's seed point, which may be anywhere
// inside the area.
QStringList statedNumbers(const QString& line)
{
    static const QRegularExpression Number(QStringLiteral("(?<![=\\w])\\d+"));
    QString text = line;
    if (text.startsWith(QLatin1String("krasot ")))
        text = text.section(u',', 2);
    QStringList numbers;
    for (const auto& match : Number.globalMatch(text))
        numbers.append(match.captured());
    return numbers;
}

// The colours a line uses, by number.
QList<int> coloursOf(const QString& line)
{
    if (line.startsWith(QLatin1String("linijas krasa "))
        || line.startsWith(QLatin1String("fona krasa ")))
        return { line.section(u' ', -1).toInt() };
    if (line.startsWith(QLatin1String("krasot ")))
        return { line.section(u',', 2, 2).toInt(), line.section(u',', 3, 3).toInt() };
    return {};
}

class Bundled : public testing::TestWithParam<BundledTask>
{
};

TEST_P(Bundled, IsSolvedByItsOwnSolutionWithoutHints)
{
    const zimo::TaskRead read = zimo::readTaskFile(GetParam().path());
    ASSERT_TRUE(read.ok()) << read.problem.toStdString();
    const zimo::Task& task = read.task;
    // The menu shows the file's name; the window shows the title inside.
    EXPECT_EQ(QString::fromStdString(GetParam().file).mid(3).chopped(4), task.title);
    ASSERT_EQ(zimo::taskProblem(task), QString());
    const zimo::TargetPicture target = zimo::targetPicture(task);
    const zimo::DrawnProgram drawn = zimo::drawProgram(task.solution);
    zimo::PictureCheck check(target.picture);
    const zimo::TaskVerdict verdict
        = zimo::judgeTask(task, check, drawn.picture, drawn.outcome, task.solution);
    EXPECT_TRUE(verdict.solved);
    EXPECT_EQ(verdict.sentence, QStringLiteral("Izdevās!"));
    const QStringList lines = zimo::splitWorkFileLines(task.solution + QStringLiteral("\r\n"));
    for (const zimo::Hint& hint : zimo::hintsFor(lines))
        ADD_FAILURE() << "line " << hint.line << ": " << hint.message.toStdString();
}

TEST_P(Bundled, TheInstructionStatesEveryNumberAndColour)
{
    const zimo::Task task = zimo::readTaskFile(GetParam().path()).task;
    const QString text = task.instruction;
    for (const QString& line : zimo::splitWorkFileLines(task.solution)) {
        for (const QString& number : statedNumbers(line)) {
            const QRegularExpression stated(QStringLiteral("(?<!\\d)%1(?!\\d)").arg(number));
            EXPECT_TRUE(text.contains(stated))
                << number.toStdString() << " of „" << line.toStdString() << "”";
        }
        for (const int colour : coloursOf(line)) {
            EXPECT_TRUE(text.contains(zimo::taskmsg::colourName(colour)))
                << zimo::taskmsg::colourName(colour).toStdString();
        }
    }
    for (const QString& word : task.required)
        EXPECT_TRUE(text.contains(word) || word == u"procedura") << word.toStdString();
}

INSTANTIATE_TEST_SUITE_P(Tasks, Bundled, testing::ValuesIn(bundled()),
    [](const testing::TestParamInfo<BundledTask>& task) {
        return "level" + task.param.level.substr(0, 2) + "_task" + task.param.file.substr(0, 2);
    });

TEST(Bundled, ThereAreThirtyTasksInFiveLevels)
{
    const auto all = bundled();
    EXPECT_GE(all.size(), 30u);
    std::set<std::string> levels;
    for (const BundledTask& t : all)
        levels.insert(t.level);
    EXPECT_GE(levels.size(), 5u);
}

} // namespace
