#include "smalldisk.h"

#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace
{

// The command line as a user meets it: the real program, its exit status and its messages.
struct Headless : testing::Test {
    QTemporaryDir dir;
    int status = -1;
    QString errors;
    QByteArray output;

    QString path(const char* name) const { return dir.filePath(QString::fromLatin1(name)); }
    void SetUp() override
    {
        QFile program(path("prog.zkf"));
        ASSERT_TRUE(program.open(QIODevice::WriteOnly));
        program.write("atkartot 500\r\nuz prieksu 1\r\nlenkis pa labi 1\r\nbeigas\r\n");
    }
    void run(const QStringList& arguments)
    {
        QProcess zimo;
        zimo.start(QStringLiteral(ZIMO_EXECUTABLE), arguments);
        ASSERT_TRUE(zimo.waitForFinished(20000));
        status = zimo.exitStatus() == QProcess::NormalExit ? zimo.exitCode() : -1;
        errors = QString::fromUtf8(zimo.readAllStandardError());
        output = zimo.readAllStandardOutput();
    }
};

TEST_F(Headless, AnOutputThatCannotBeWrittenWholeIsExitTwoWithAMessage)
{
    for (const char* option : { "--trace", "--png" }) {
        run({ QStringLiteral("--run"), path("prog.zkf"), QString::fromLatin1(option),
            QStringLiteral("/dev/full") });
        EXPECT_EQ(status, 2) << option;
        EXPECT_TRUE(errors.contains(u"/dev/full: diskā nepietiek vietas")) << errors.toStdString();
    }
    run({ QStringLiteral("--run"), path("prog.zkf"), QStringLiteral("--trace"),
        path("nav/trase.txt") });
    EXPECT_EQ(status, 2);
    EXPECT_TRUE(errors.contains(u"tādas mapes nav")) << errors.toStdString();

    // A pipe is written directly.
    run({ QStringLiteral("--run"), path("prog.zkf"), QStringLiteral("--trace"),
        QStringLiteral("/dev/stdout") });
    EXPECT_EQ(status, 0) << errors.toStdString();
    EXPECT_TRUE(output.endsWith("end\n"));
}

TEST_F(Headless, AProgramFileThatOpensButCannotBeReadIsExitTwo)
{
    run({ QStringLiteral("--run"), dir.path() });
    EXPECT_EQ(status, 2);
    EXPECT_TRUE(errors.contains(u"tā ir mape, nevis fails")) << errors.toStdString();
    run({ QStringLiteral("--run"), path("nav.zkf") });
    EXPECT_EQ(status, 2);
    EXPECT_TRUE(errors.contains(u"tāda faila nav")) << errors.toStdString();
}

// Every message of the command line is Latvian and names what is wrong.
TEST_F(Headless, ABadCommandLineSaysWhatIsWrongInLatvian)
{
    const struct {
        QStringList arguments;
        const char16_t* says;
    } cases[] = {
        { { QStringLiteral("--max-steps"), QStringLiteral("daudz") },
            u"„daudz” nav vesels skaitlis" },
        { { QStringLiteral("--max-steps"), QStringLiteral("0") }, u"vajag vismaz 1 soli" },
        { { QStringLiteral("--max-steps"), QStringLiteral("-5") }, u"vajag vismaz 1 soli" },
        { { QStringLiteral("--max-steps"), QStringLiteral("99999999999999999999") },
            u"ir par lielu skaitli" },
        { { QStringLiteral("--max-steps") }, u"trūkst soļu skaita" },
        { { QStringLiteral("--png") }, u"Aiz „--png” trūkst faila nosaukuma" },
        { { QStringLiteral("--krasa"), QStringLiteral("5") }, u"Nezināma opcija „--krasa”" },
    };
    for (const auto& c : cases) {
        run(QStringList { QStringLiteral("--run"), path("prog.zkf") } + c.arguments);
        EXPECT_EQ(status, 2) << c.arguments.join(u' ').toStdString();
        EXPECT_TRUE(errors.contains(QStringView(c.says))) << errors.toStdString();
        EXPECT_TRUE(errors.contains(u"Lietošana: zimo --run")) << errors.toStdString();
    }
    run({ QStringLiteral("--png"), path("x.png") });
    EXPECT_EQ(status, 2);
    EXPECT_TRUE(errors.contains(u"Trūkst programmas faila")) << errors.toStdString();
}

TEST_F(Headless, ACheckOfAFileThatCannotBeReadSaysWhyInLatvian)
{
    run({ QStringLiteral("--check"), path("nav.zkf") });
    EXPECT_EQ(status, 2);
    EXPECT_TRUE(errors.contains(u"Nevar nolasīt failu")) << errors.toStdString();
    EXPECT_TRUE(errors.contains(u"tāda faila nav")) << errors.toStdString();
    run({ QStringLiteral("--check"), dir.path() });
    EXPECT_EQ(status, 2);
    EXPECT_TRUE(errors.contains(u"tā ir mape, nevis fails")) << errors.toStdString();
}

TEST_F(Headless, OnAFullDiskNoCutOffTraceOrPictureIsLeft)
{
    SmallDisk disk;
    if (!disk.mounted())
        GTEST_SKIP() << "cannot mount a small file system here (needs the right to mount)";
    const QString trace = disk.path(QStringLiteral("trase.txt"));
    {
        QFile old(trace);
        ASSERT_TRUE(old.open(QIODevice::WriteOnly));
        old.write("end\n");
    }
    disk.fill();
    run({ QStringLiteral("--run"), path("prog.zkf"), QStringLiteral("--trace"), trace,
        QStringLiteral("--png"), disk.path(QStringLiteral("zimejums.png")) });
    EXPECT_EQ(status, 2);
    EXPECT_TRUE(errors.contains(u"trase.txt: diskā nepietiek vietas")) << errors.toStdString();
    EXPECT_TRUE(errors.contains(u"zimejums.png: diskā nepietiek vietas")) << errors.toStdString();
    QFile old(trace);
    ASSERT_TRUE(old.open(QIODevice::ReadOnly));
    EXPECT_EQ(old.readAll(), QByteArray("end\n"));
    EXPECT_EQ(
        disk.entries(), (QStringList { QStringLiteral("pilns"), QStringLiteral("trase.txt") }));
}

} // namespace
