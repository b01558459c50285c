// Task files: what a teacher writes by hand, what Zimo writes, and what goes wrong.

#include "platform/textcodec.h"
#include "tasks/taskfile.h"
#include "tasks/taskprogress.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

// Failures show texts as text.
static void PrintTo(const QString& text, std::ostream* os) { *os << text.toStdString(); }

namespace
{

using zimo::Task;

Task house()
{
    Task task;
    task.title = QStringLiteral("Māja ar jumtu");
    task.instruction
        = QStringLiteral("Uzzīmē māju!\nSienas – kvadrāts ar malu 100, krāsa 10 – sarkana.");
    task.required = { QStringLiteral("atkartot"), QStringLiteral("palielinat vertibu") };
    task.maxLines = 12;
    task.solution = QStringLiteral("linijas krasa 10\r\n[nosaukums]\r\n  atkartot 4\r\n"
                                   "uz prieksu 100 \r\n\r\nlenkis pa kreisi 90\r\nbeigas");
    return task;
}

TEST(TaskFile, ComesBackAsItWasWritten)
{
    const Task task = house();
    const zimo::TaskBytes bytes = zimo::taskFileBytes(task);
    ASSERT_TRUE(bytes.problem.isEmpty());
    // The Baltic code page holds every letter here, so the file is in it, as programs are.
    EXPECT_TRUE(bytes.bytes.contains("M\xE2ja")) << bytes.bytes.toStdString();
    EXPECT_TRUE(bytes.bytes.endsWith("beigas\r\n"));
    const zimo::TaskRead read = zimo::parseTask(bytes.bytes);
    ASSERT_TRUE(read.ok()) << read.problem.toStdString();
    EXPECT_EQ(read.task, task);

    // A character the code page cannot hold makes the file UTF-8, which reads back too.
    Task arrows = task;
    arrows.instruction = QStringLiteral("Ej → pa labi un ← atpakaļ.");
    const zimo::TaskBytes utf8 = zimo::taskFileBytes(arrows);
    EXPECT_TRUE(utf8.bytes.contains("→"));
    EXPECT_EQ(zimo::parseTask(utf8.bytes).task, arrows);
}

TEST(TaskFile, ReadsWhatATeacherWritesByHand)
{
    // UTF-8 with a byte-order mark, LF line ends, section names without Latvian letters
    // and in other case, blank lines and blanks around the texts.
    const QByteArray text = "\xEF\xBB\xBF\n[ Nosaukums ]\n  Kvadr\xC4\x81ts  \n\n[uzdevums]\n\n"
                            "Uzz\xC4\xAB"
                            "m\xC4\x93 kvadr\xC4\x81tu.\n  Malas 100.\n\n"
                            "[JAIZMANTO]\natkartot, lenkis\n[lielakais rindu skaits]\n 4 \n"
                            "[risinajums]\natkartot 4\nuz prieksu 100\n[uzdevums]\nbeigas\n\n\n";
    const zimo::TaskRead read = zimo::parseTask(text);
    ASSERT_TRUE(read.ok()) << read.problem.toStdString();
    EXPECT_EQ(read.task.title, QStringLiteral("Kvadrāts"));
    EXPECT_EQ(read.task.instruction, QStringLiteral("Uzzīmē kvadrātu.\nMalas 100."));
    EXPECT_EQ(
        read.task.required, (QStringList { QStringLiteral("atkartot"), QStringLiteral("lenkis") }));
    EXPECT_EQ(read.task.maxLines, 4);
    // The reference program runs to the end as it stands, section names and all.
    EXPECT_EQ(
        read.task.solution, QStringLiteral("atkartot 4\r\nuz prieksu 100\r\n[uzdevums]\r\nbeigas"));

    // The same file in the Baltic code page, as an older editor saves it.
    const QByteArray baltic = zimo::encodeWindows1257(
        QString::fromUtf8(text.mid(3)).replace(u'\n', QStringLiteral("\r\n")))
                                  .bytes;
    EXPECT_EQ(zimo::parseTask(baltic).task, read.task);
}

TEST(TaskFile, SaysWhyAFileIsNoTask)
{
    const struct {
        const char* text;
        const char* problem;
    } cases[] = {
        { "Kvadrāts\n[risinājums]\npa labi 10", "1. rindā ir teksts pirms pirmās sadaļas" },
        { "[nosaukums]\nA\n[nosaukums]\nB", "Sadaļa „[nosaukums]” ir divreiz" },
        { "[uzdevums]\nTeksts\n[risinājums]\npa labi 10", "nav nosaukuma" },
        { "[nosaukums]\nA\n[risinājums]\npa labi 10", "nav apraksta" },
        { "[nosaukums]\nA\n[uzdevums]\nTeksts\n[risinājums]\n\n  \n", "nav risinājuma" },
        { "[nosaukums]\nA\n[uzdevums]\nT\n[lielākais rindu skaits]\ndaudz\n[risinājums]\npa labi 1",
            "nevis „daudz”" },
        { "[nosaukums]\nA\n[uzdevums]\nT\n[lielākais rindu skaits]\n0\n[risinājums]\npa labi 1",
            "nevis „0”" },
    };
    for (const auto& c : cases) {
        const zimo::TaskRead read = zimo::parseTask(QByteArray(c.text));
        EXPECT_TRUE(read.problem.contains(QString::fromUtf8(c.problem)))
            << c.text << " -> " << read.problem.toStdString();
    }
    EXPECT_EQ(zimo::readTaskFile(QStringLiteral("/nav/tada.zku")).problem,
        QStringLiteral("tāda faila nav"));
}

TEST(TaskFile, WritesNoTextThatWouldReadAsASection)
{
    Task task = house();
    task.instruction = QStringLiteral("Pirmā rinda\n[Risinājums]");
    EXPECT_TRUE(zimo::taskFileBytes(task).problem.contains(u"[Risinājums]"));
    EXPECT_TRUE(zimo::taskFileBytes(task).bytes.isEmpty());
}

TEST(TaskFile, RequirementsAreWholeWordsOfTheProgram)
{
    Task task;
    task.required = { QStringLiteral("atkartot"), QStringLiteral("kvadrats"),
        QStringLiteral("palielinat vertibu") };
    const QString program = QStringLiteral("atkartoti 4\r\nkvadrats\r\nx palielinat vertibu a,1");
    EXPECT_EQ(zimo::unmetRequirements(task, program), QStringList { QStringLiteral("atkartot") });
    EXPECT_TRUE(
        zimo::unmetRequirements(task, program + QStringLiteral("\r\natkartot 2")).isEmpty());
    EXPECT_EQ(zimo::programLineCount(QStringLiteral("a\r\n\r\n   \r\nb\r\n")), 2);
}

TEST(TaskProgress, KeepsTheMarksOfSolvedTasksForTheNextSession)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("zimo/atrisinatie.txt"));
    Task other = house();
    other.title = QStringLiteral("Cita māja");
    {
        zimo::TaskProgress progress(path);
        EXPECT_FALSE(progress.isSolved(house()));
        EXPECT_EQ(progress.markSolved(house()), QString());
        EXPECT_EQ(progress.markSolved(other), QString());
    }
    const zimo::TaskProgress later(path);
    EXPECT_TRUE(later.isSolved(house()));
    EXPECT_TRUE(later.isSolved(other));
    // Another picture is another task, whatever its title.
    Task changed = house();
    changed.solution += QStringLiteral("\r\npa labi 10");
    EXPECT_FALSE(later.isSolved(changed));

    // A file that cannot be written says why; the mark holds for this session.
    zimo::TaskProgress stuck(path + QStringLiteral("/atrisinatie.txt"));
    EXPECT_EQ(stuck.markSolved(house()), QStringLiteral("ceļā ir fails, nevis mape"));
    EXPECT_TRUE(stuck.isSolved(house()));
}

} // namespace
