// The teacher's command line: making a task from a program and grading a class's programs,
// run as a teacher runs them, through the real program.

#include "platform/textcodec.h"

#include <QDir>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

// Failures show texts as text.
static void PrintTo(const QString& text, std::ostream* os) { *os << text.toStdString(); }

namespace
{

const char* const Square = "atkartot 4\r\nuz prieksu 100\r\nlenkis pa kreisi 90\r\nbeigas\r\n";
const char* const Lines = "uz prieksu 100\r\nlenkis pa kreisi 90\r\nuz prieksu 100\r\n"
                          "lenkis pa kreisi 90\r\nuz prieksu 100\r\nlenkis pa kreisi 90\r\n"
                          "uz prieksu 100\r\n";
const char* const Short = "atkartot 3\r\nuz prieksu 100\r\nlenkis pa kreisi 90\r\nbeigas\r\n";

struct TaskCommands : testing::Test {
    QTemporaryDir dir;
    int status = -1;
    QString errors;
    QString output;

    QString path(const char* name) const { return dir.filePath(QString::fromUtf8(name)); }
    void write(const char* name, const QByteArray& bytes) const
    {
        QDir().mkpath(QFileInfo(path(name)).absolutePath());
        QFile file(path(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
    QByteArray read(const char* name) const
    {
        QFile file(path(name));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    // Runs zimo in the folder "darbs", which must stay empty: grading writes no work file.
    void run(const QStringList& arguments)
    {
        QDir().mkpath(path("darbs"));
        QProcess zimo;
        zimo.setWorkingDirectory(path("darbs"));
        zimo.start(QStringLiteral(ZIMO_EXECUTABLE), arguments);
        ASSERT_TRUE(zimo.waitForFinished(60000));
        status = zimo.exitStatus() == QProcess::NormalExit ? zimo.exitCode() : -1;
        errors = QString::fromUtf8(zimo.readAllStandardError());
        output = QString::fromUtf8(zimo.readAllStandardOutput());
        EXPECT_TRUE(
            QDir(path("darbs")).isEmpty(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden));
    }
    void makeTask(const QStringList& extra = {})
    {
        write("kvadrats.zkf", Square);
        run(QStringList { QStringLiteral("--make-task"), path("kvadrats.zkf"),
                QStringLiteral("--title"), QStringLiteral("Kvadrāts"), QStringLiteral("--text"),
                QStringLiteral("Uzzīmē kvadrātu ar malu 100."), QStringLiteral("--text"),
                QStringLiteral("Izmanto „atkartot”."), QStringLiteral("-o"), path("kvadrats.zku") }
            + extra);
    }
};

TEST_F(TaskCommands, MakeTaskWritesATaskFileFromAProgram)
{
    makeTask({ QStringLiteral("--require"), QStringLiteral("atkartot"),
        QStringLiteral("--max-lines"), QStringLiteral("4") });
    ASSERT_EQ(status, 0) << errors.toStdString();
    // Every letter fits the Baltic code page, so the file is in it, as program files are.
    const QString text = zimo::decodeWindows1257(read("kvadrats.zku"));
    EXPECT_EQ(text.toStdString(),
        "[nosaukums]\r\nKvadrāts\r\n[uzdevums]\r\nUzzīmē kvadrātu ar malu "
        "100.\r\nIzmanto „atkartot”.\r\n[jāizmanto]\r\natkartot\r\n"
        "[lielākais rindu skaits]\r\n4\r\n[risinājums]\r\n"
            + std::string(Square));
}

TEST_F(TaskCommands, MakeTaskRefusesWithAReason)
{
    makeTask({ QStringLiteral("--require"), QStringLiteral("procedura") });
    EXPECT_EQ(status, 2);
    EXPECT_EQ(errors, QStringLiteral("Risinājumā nav izmantots „procedura”.\n"));
    makeTask({ QStringLiteral("--max-lines"), QStringLiteral("3") });
    EXPECT_EQ(status, 2);
    EXPECT_TRUE(errors.startsWith(u"Risinājumā ir 4 rindas")) << errors.toStdString();
    makeTask({ QStringLiteral("--max-lines"), QStringLiteral("nav") });
    EXPECT_EQ(status, 2);
    EXPECT_TRUE(errors.startsWith(u"Lietošana: zimo --make-task")) << errors.toStdString();
    write("klaida.zkf", "uz prieksu 10\r\nbeigas\r\n");
    run({ QStringLiteral("--make-task"), path("klaida.zkf"), QStringLiteral("--title"),
        QStringLiteral("A"), QStringLiteral("--text"), QStringLiteral("B"), QStringLiteral("-o"),
        path("a.zku") });
    EXPECT_EQ(status, 2);
    EXPECT_TRUE(errors.startsWith(u"Risinājums neizdodas: Kļūda 2. rindā")) << errors.toStdString();
    makeTask({ QStringLiteral("-o"), QStringLiteral("/dev/full") });
    EXPECT_EQ(status, 2);
    EXPECT_TRUE(errors.contains(u"diskā nepietiek vietas")) << errors.toStdString();
    EXPECT_FALSE(QFile::exists(path("a.zku")));
}

TEST_F(TaskCommands, GradePrintsAVerdictPerProgramAndWritesTheTableAndTheSheet)
{
    makeTask({ QStringLiteral("--require"), QStringLiteral("atkartot") });
    ASSERT_EQ(status, 0) << errors.toStdString();
    write("klase/anna.zkf", Square);
    write("klase/juris, 4.b.zkf", Lines);
    write("klase/liga.zkf", Short);
    run({ QStringLiteral("--grade"), path("kvadrats.zku"), path("klase/anna.zkf"),
        path("klase/juris, 4.b.zkf"), path("klase/liga.zkf"), path("klase/nav.zkf"),
        QStringLiteral("--csv"), path("klase.csv"), QStringLiteral("--sheet"), path("klase.png") });
    EXPECT_EQ(status, 1) << errors.toStdString();
    const QStringList lines = output.split(u'\n');
    ASSERT_EQ(lines.size(), 5) << output.toStdString();
    EXPECT_EQ(lines[0], path("klase/anna.zkf") + QStringLiteral("\tizdevās"));
    EXPECT_EQ(lines[1], path("klase/juris, 4.b.zkf") + QStringLiteral("\tizdevās"));
    EXPECT_TRUE(lines[2].startsWith(
        path("klase/liga.zkf") + QStringLiteral("\tneizdevās\ttrūkst daļas (uzzīmēti 7")))
        << lines[2].toStdString();
    EXPECT_EQ(lines[3],
        path("klase/nav.zkf") + QStringLiteral("\tneizdevās\tnevar nolasīt: tāda faila nav"));

    // UTF-8 with the mark that tells spreadsheets so.
    EXPECT_TRUE(read("klase.csv").startsWith("\xEF\xBB\xBF"));
    const QStringList rows = QString::fromUtf8(read("klase.csv")).split(QStringLiteral("\r\n"));
    ASSERT_EQ(rows.size(), 6);
    EXPECT_EQ(rows[0], QStringLiteral("fails,vērtējums,uzzīmēts %,lieks %,rindas,padomi,piezīme"));
    EXPECT_EQ(rows[1], path("klase/anna.zkf") + QStringLiteral(",izdevās,100,0,4,0,"));
    EXPECT_EQ(rows[2],
        u'"' + path("klase/juris, 4.b.zkf")
            + QStringLiteral("\",izdevās,100,0,7,0,nav izmantots „atkartot”"));
    EXPECT_TRUE(rows[3].startsWith(path("klase/liga.zkf") + QStringLiteral(",neizdevās,7")));
    EXPECT_EQ(rows[4],
        path("klase/nav.zkf") + QStringLiteral(",neizdevās,0,0,0,0,nevar nolasīt: tāda faila nav"));

    // Four thumbnails in one row, the solved ones framed in green, the others in red.
    const QImage sheet(path("klase.png"));
    ASSERT_FALSE(sheet.isNull());
    EXPECT_GT(sheet.width(), 4 * 316);
    EXPECT_LT(sheet.height(), 500);
    EXPECT_EQ(sheet.pixelColor(16 + 1, 16 + 40 + 1), QColor(0, 130, 0));
    EXPECT_EQ(sheet.pixelColor(16 + 2 * (322 + 16) + 1, 16 + 40 + 1), QColor(200, 0, 0));
}

TEST_F(TaskCommands, GradeExitsZeroWhenAllSolveAndTwoWhenItCannotGrade)
{
    makeTask();
    write("anna.zkf", Square);
    run({ QStringLiteral("--grade"), path("kvadrats.zku"), path("anna.zkf") });
    EXPECT_EQ(status, 0);
    EXPECT_EQ(output, path("anna.zkf") + QStringLiteral("\tizdevās\n"));

    run({ QStringLiteral("--grade"), path("kvadrats.zku") });
    EXPECT_EQ(status, 2);
    EXPECT_TRUE(errors.startsWith(u"Lietošana: zimo --grade")) << errors.toStdString();
    run({ QStringLiteral("--grade"), path("nav.zku"), path("anna.zkf") });
    EXPECT_EQ(status, 2);
    EXPECT_TRUE(errors.contains(u"nav.zku: tāda faila nav")) << errors.toStdString();
    write("tukss.zku", "[nosaukums]\r\nA\r\n[uzdevums]\r\nB\r\n[risinajums]\r\nlenkis 90\r\n");
    run({ QStringLiteral("--grade"), path("tukss.zku"), path("anna.zkf") });
    EXPECT_EQ(status, 2);
    EXPECT_TRUE(errors.contains(u"Risinājums neko neuzzīmē.")) << errors.toStdString();
    EXPECT_TRUE(output.isEmpty());
    run({ QStringLiteral("--grade"), path("kvadrats.zku"), path("anna.zkf"),
        QStringLiteral("--csv"), QStringLiteral("/dev/full") });
    EXPECT_EQ(status, 2);
    EXPECT_TRUE(errors.contains(u"/dev/full: diskā nepietiek vietas")) << errors.toStdString();
}

} // namespace
