// The check of one program: the picture decides, requirements only nudge, and every
// verdict comes with one sentence for the child and a reason for the teacher.

#include "tasks/taskcheck.h"
#include "tasks/taskfile.h"

#include <QStringList>

#include <gtest/gtest.h>

// Failures show texts as text.
static void PrintTo(const QString& text, std::ostream* os) { *os << text.toStdString(); }

namespace
{

using zimo::Task;

QString program(const QStringList& lines) { return lines.join(QStringLiteral("\r\n")); }

const QStringList Square { QStringLiteral("atkartot 4"), QStringLiteral("uz prieksu 100"),
    QStringLiteral("lenkis pa kreisi 90"), QStringLiteral("beigas") };

Task squareTask()
{
    Task task;
    task.title = QStringLiteral("Kvadrāts");
    task.instruction = QStringLiteral("Uzzīmē kvadrātu ar malu 100.");
    task.required = { QStringLiteral("atkartot") };
    task.maxLines = 4;
    task.solution = program(Square);
    return task;
}

zimo::TaskVerdict judged(const Task& task, const QString& text)
{
    const zimo::TargetPicture target = zimo::targetPicture(task);
    EXPECT_TRUE(target.ok()) << target.problem.toStdString();
    const zimo::DrawnProgram drawn = zimo::drawProgram(text);
    zimo::PictureCheck check(target.picture);
    return zimo::judgeTask(task, check, drawn.picture, drawn.outcome, text);
}

TEST(TaskCheck, TheSamePictureSolvesTheTaskAndRequirementsOnlyNudge)
{
    const Task task = squareTask();
    const zimo::TaskVerdict own = judged(task, task.solution);
    EXPECT_TRUE(own.solved);
    EXPECT_EQ(own.sentence, QStringLiteral("Izdevās!"));
    EXPECT_TRUE(own.reason.isEmpty());
    EXPECT_TRUE(own.note.isEmpty());

    QStringList written;
    for (int side = 0; side < 4; ++side)
        written << QStringLiteral("uz prieksu 100") << QStringLiteral("lenkis pa kreisi 90");
    const zimo::TaskVerdict withoutLoop = judged(task, program(written));
    EXPECT_TRUE(withoutLoop.solved);
    EXPECT_EQ(
        withoutLoop.sentence, QStringLiteral("Izdevās! Vai vari to pašu uzzīmēt ar „atkartot”?"));
    EXPECT_EQ(withoutLoop.note, QStringLiteral("nav izmantots „atkartot”"));
    EXPECT_EQ(withoutLoop.lines, 8);

    const zimo::TaskVerdict longer
        = judged(task, program(QStringList { QStringLiteral("atrums 0") } + Square));
    EXPECT_TRUE(longer.solved);
    EXPECT_EQ(longer.sentence,
        QStringLiteral("Izdevās! Vai vari to pašu uzzīmēt ne vairāk kā 4 rindās?"));
    EXPECT_EQ(longer.note, QStringLiteral("5 rindas, atļautas 4"));
}

TEST(TaskCheck, ADifferentPictureGetsANudgeAndAReason)
{
    const Task task = squareTask();
    const struct {
        QStringList lines;
        const char* sentence;
        const char* reason;
    } cases[] = {
        { {}, "Lapa vēl ir tukša. Sāc ar pirmo līniju!", "lapa ir tukša" },
        { QStringList { QStringLiteral("linijas krasa 10") } + Square,
            "Zīmējums ir vietā, bet krāsa nav tā: vajag 1 – melna.",
            "cita krāsa, vajag 1 – melna" },
        { { QStringLiteral("atkartot 3"), QStringLiteral("uz prieksu 100"),
              QStringLiteral("lenkis pa kreisi 90"), QStringLiteral("beigas") },
            "Gandrīz! Zilās vietas vēl jāuzzīmē.", "trūkst daļas (uzzīmēti 76 %)" },
        { Square + QStringList { QStringLiteral("uz augsu 100") },
            "Gandrīz! Sarkanās vietas ir liekas.", "ir lieks zīmējums (19 % lieki)" },
        { { QStringLiteral("atkartot 4"), QStringLiteral("uz prieksu 80"),
              QStringLiteral("lenkis pa kreisi 90"), QStringLiteral("beigas") },
            "Vēl nesakrīt: zilās vietas vēl jāuzzīmē, sarkanās ir liekas.",
            "zīmējums atšķiras (uzzīmēti 41 %, 48 % lieki)" },
        { { QStringLiteral("uz prieksu 100"), QStringLiteral("beigas") },
            "Programma apstājās ar kļūdu. Izlabo to un mēģini vēlreiz!", "Kļūda 2. rindā" },
    };
    for (const auto& c : cases) {
        const zimo::TaskVerdict v = judged(task, program(c.lines));
        EXPECT_FALSE(v.solved) << c.reason;
        EXPECT_EQ(v.sentence, QString::fromUtf8(c.sentence));
        EXPECT_TRUE(v.reason.startsWith(QString::fromUtf8(c.reason))) << v.reason.toStdString();
    }
}

TEST(TaskCheck, AReferenceProgramMustMakeAPictureThatMeetsItsOwnRequirements)
{
    Task task = squareTask();
    const struct {
        QString solution;
        int maxLines;
        const char* problem;
    } cases[] = {
        { QStringLiteral("atkartot 4\r\nuz prieksu 10\r\nnakosais"), 0,
            "Risinājums neizdodas: Kļūda 3. rindā" },
        { QStringLiteral("atkartot 2\r\nlenkis 30\r\nbeigas"), 0, "Risinājums neko neuzzīmē." },
        { QStringLiteral("uz prieksu 100"), 0, "Risinājumā nav izmantots „atkartot”." },
        { program(Square), 3, "Risinājumā ir 4 rindas, bet atļautas ne vairāk kā 3." },
    };
    for (const auto& c : cases) {
        task.solution = c.solution;
        task.maxLines = c.maxLines;
        EXPECT_TRUE(zimo::targetPicture(task).problem.startsWith(QString::fromUtf8(c.problem)))
            << zimo::targetPicture(task).problem.toStdString();
        EXPECT_EQ(zimo::taskProblem(task), zimo::targetPicture(task).problem);
    }
    task.title.clear();
    EXPECT_EQ(zimo::taskProblem(task), QStringLiteral("Uzdevumam nav nosaukuma („[nosaukums]”)."));
}

TEST(TaskCheck, TheDifferenceLayerShowsMissingInBlueAndExtraInRed)
{
    const Task task = squareTask();
    // The turtle goes left, down and right from the middle, so the last side, back up, is
    // missing; a line far off to the left is extra.
    const zimo::TaskVerdict v = judged(task,
        program({ QStringLiteral("atkartot 3"), QStringLiteral("uz prieksu 100"),
            QStringLiteral("lenkis pa kreisi 90"), QStringLiteral("beigas"),
            QStringLiteral("koordinatas 100,100"), QStringLiteral("uz leju 50") }));
    const QImage layer = zimo::differenceLayer(v.difference);
    ASSERT_EQ(layer.size(), QSize(789, 613));
    const QColor missing = layer.pixelColor(394, 356);
    EXPECT_GT(missing.blue(), 200);
    EXPECT_LT(missing.red(), 50);
    const QColor extra = layer.pixelColor(100, 125);
    EXPECT_GT(extra.red(), 200);
    EXPECT_LT(extra.blue(), 50);
    EXPECT_EQ(layer.pixelColor(600, 500).alpha(), 0);
    EXPECT_EQ(layer.pixelColor(294, 356).alpha(), 0);
}

} // namespace
