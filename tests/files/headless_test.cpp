#include "smalldisk.h"

#include <QDir>
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
    void run(const QStringList& arguments, int timeoutMs = 20000)
    {
        QProcess zimo;
        zimo.start(QStringLiteral(ZIMO_EXECUTABLE), arguments);
        ASSERT_TRUE(zimo.waitForFinished(timeoutMs));
        status = zimo.exitStatus() == QProcess::NormalExit ? zimo.exitCode() : -1;
        errors = QString::fromUtf8(zimo.readAllStandardError());
        output = zimo.readAllStandardOutput();
    }
};

TEST_F(Headless, AnOutputThatCannotBeWrittenWholeIsExitTwoWithAMessage)
{
    for (const char* option : { "--trace", "--png", "--svg", "--gif", "--pdf" }) {
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

TEST_F(Headless, ATracedEndlessRunStopsAtAMillionStepsAndNamesTheOption)
{
    QFile endless(path("endless.zkf"));
    ASSERT_TRUE(endless.open(QIODevice::WriteOnly));
    endless.write("a\r\nuz prieksu 1\r\niet uz a\r\n");
    endless.close();
    // A million steps take a while, longer still under the sanitizers.
    run({ QStringLiteral("--run"), path("endless.zkf"), QStringLiteral("--trace"),
            QStringLiteral("/dev/null") },
        180000);
    EXPECT_EQ(status, 1);
    EXPECT_TRUE(errors.contains(u"izpildīja 1000000 soļu")) << errors.toStdString();
    EXPECT_TRUE(errors.contains(u"--max-steps")) << errors.toStdString();

    run({ QStringLiteral("--run"), path("endless.zkf"), QStringLiteral("--trace"),
        QStringLiteral("/dev/null"), QStringLiteral("--max-steps"), QStringLiteral("50") });
    EXPECT_EQ(status, 1);
    EXPECT_TRUE(errors.contains(u"izpildīja 50 soļu")) << errors.toStdString();
    EXPECT_FALSE(errors.contains(u"Bez --max-steps")) << "the user chose the limit";
}

TEST_F(Headless, AnyCharacterRunsAndAHugeFileIsRefused)
{
    QFile program(path("burti.zkf"));
    ASSERT_TRUE(program.open(QIODevice::WriteOnly));
    program.write(QStringLiteral("procedura Ж\r\nuz prieksu 5\r\nproceduras beigas\r\nЖ 😀\r\n")
                      .toUtf8());
    program.close();
    run({ QStringLiteral("--run"), path("burti.zkf") });
    EXPECT_EQ(status, 0) << errors.toStdString();

    QFile huge(path("liels.zkf"));
    ASSERT_TRUE(huge.open(QIODevice::WriteOnly));
    huge.write(QByteArray(2 * 1024 * 1024, 'x'));
    huge.close();
    run({ QStringLiteral("--run"), path("liels.zkf") });
    EXPECT_EQ(status, 2);
    EXPECT_TRUE(errors.contains(u"2048 KB")) << errors.toStdString();
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

TEST_F(Headless, WritesTheDrawingAsSvgAnimationAndPdf)
{
    run({ QStringLiteral("--run"), path("prog.zkf"), QStringLiteral("--svg"), path("z.svg"),
        QStringLiteral("--gif"), path("z.gif"), QStringLiteral("--pdf"), path("z.pdf") });
    ASSERT_EQ(status, 0) << errors.toStdString();
    auto head = [&](const char* name) {
        QFile file(path(name));
        return file.open(QIODevice::ReadOnly) ? file.read(64) : QByteArray();
    };
    EXPECT_TRUE(head("z.svg").contains("<svg") || head("z.svg").startsWith("<?xml"));
    EXPECT_TRUE(head("z.gif").startsWith("GIF89a"));
    EXPECT_TRUE(head("z.pdf").startsWith("%PDF"));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Hidden | QDir::Files).size(), 4)
        << "nothing but the program and the three files";
}

TEST_F(Headless, ExportsToAFullOrReadOnlyDiskLeaveNothingAndSaySo)
{
    for (const bool readOnly : { false, true }) {
        SmallDisk disk(readOnly);
        if (!disk.mounted())
            GTEST_SKIP() << "cannot mount a small file system here (needs the right to mount)";
        if (!readOnly)
            disk.fill();
        run({ QStringLiteral("--run"), path("prog.zkf"), QStringLiteral("--svg"),
            disk.path(QStringLiteral("z.svg")), QStringLiteral("--gif"),
            disk.path(QStringLiteral("z.gif")), QStringLiteral("--pdf"),
            disk.path(QStringLiteral("z.pdf")) });
        EXPECT_EQ(status, 2) << readOnly;
        const QString reason = readOnly ? QStringLiteral("šajā diskā var tikai lasīt, ne rakstīt")
                                        : QStringLiteral("diskā nepietiek vietas");
        for (const char* name : { "z.svg: ", "z.gif: ", "z.pdf: " }) {
            EXPECT_TRUE(errors.contains(QString::fromUtf8(name) + reason))
                << name << errors.toStdString();
        }
        EXPECT_EQ(
            disk.entries(), readOnly ? QStringList() : QStringList { QStringLiteral("pilns") });
    }
}

TEST_F(Headless, AnExportLargerThanTheRoomLeftIsNotLeftCutOff)
{
    SmallDisk disk;
    if (!disk.mounted())
        GTEST_SKIP() << "cannot mount a small file system here (needs the right to mount)";
    // An animation of some 200 KiB and a picture of some 100 KiB for a disk of 64 KiB: the
    // writing starts and fails halfway.
    QFile program(path("big.zkf"));
    ASSERT_TRUE(program.open(QIODevice::WriteOnly));
    program.write("fona krasa 24\r\nlinijas krasa 33\r\nspirale 10,10\r\nkrasot 50,50,33,16\r\n");
    program.close();
    run({ QStringLiteral("--run"), path("big.zkf"), QStringLiteral("--svg"),
        disk.path(QStringLiteral("z.svg")), QStringLiteral("--gif"),
        disk.path(QStringLiteral("z.gif")) });
    EXPECT_EQ(status, 2);
    EXPECT_TRUE(errors.contains(u"z.svg: diskā nepietiek vietas")) << errors.toStdString();
    EXPECT_TRUE(errors.contains(u"z.gif: diskā nepietiek vietas")) << errors.toStdString();
    EXPECT_EQ(disk.entries(), QStringList());
}

} // namespace
