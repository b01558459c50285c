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
