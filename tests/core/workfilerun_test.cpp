#include "../platform/faultyfilesystem.h"
#include "testrun.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace zimo;
using zimo::test::FaultyFileSystem;
using zimo::test::Session;

namespace
{

// A run as the window makes it: through a work file in a temporary folder.
struct WorkFileRun : testing::Test {
    QTemporaryDir dir;
    Session s;
    FaultyFileSystem faults;
    UseFileSystem use { faults };

    RunOutcome& run(const QString& text)
    {
        s.trace = std::make_unique<Trace>();
        RunOptions options;
        options.trace = s.trace.get();
        options.workFile = dir.filePath(QStringLiteral("komandas.zkf"));
        options.maxSteps = 1000;
        s.outcome = zimet_Click(s.m(), text, options);
        return s.outcome;
    }
};

TEST_F(WorkFileRun, AnyCharacterRunsAndNamesThatDifferOnlyThereStayApart)
{
    // Ж and Ф have no place in the Baltic code page; both as "?" would make one procedure.
    const QString text = QStringLiteral("procedura Ж\r\nuz prieksu 10\r\nproceduras beigas\r\n"
                                        "procedura Ф\r\npa labi 20\r\nproceduras beigas\r\nФ 😀");
    run(QString());
    const double x = s.m().drawing.turtle.x;
    const double y = s.m().drawing.turtle.y;
    const RunOutcome& out = run(text);
    EXPECT_EQ(out.end, RunOutcome::End::Finished) << out.message.toStdString();
    EXPECT_FALSE(out.workFileFailed) << out.workFileProblem.toStdString();
    EXPECT_EQ(s.m().program.lines[7], u"Ф 😀");
    EXPECT_EQ(s.m().drawing.turtle.x, x + 20) << "Ф ran its own body";
    EXPECT_EQ(s.m().drawing.turtle.y, y);
    QFile work(dir.filePath(QStringLiteral("komandas.zkf")));
    ASSERT_TRUE(work.open(QIODevice::ReadOnly));
    EXPECT_EQ(work.readAll(), (text + QStringLiteral("\r\n")).toUtf8());
}

TEST_F(WorkFileRun, AWorkFileThatFailsRunsTheTextInMemoryAndSaysWhy)
{
    struct Fault {
        const char* what;
        void (*inject)(FaultyFileSystem&);
        const char16_t* reason;
    };
    const Fault cases[] = {
        { "disk full", [](FaultyFileSystem& f) { f.spaceLeft = 0; }, u"diskā nepietiek vietas" },
        { "rename fails", [](FaultyFileSystem& f) { f.renameError = EROFS; },
            u"šajā diskā var tikai lasīt, ne rakstīt" },
        { "read fails", [](FaultyFileSystem& f) { f.readableBytes = 0; },
            u"diska kļūda, failu neizdevās nolasīt" },
        { "other bytes come back", [](FaultyFileSystem& f) { f.alterRead = true; },
            u"no faila nolasītais nesakrīt ar ierakstīto" },
    };
    for (const Fault& c : cases) {
        faults = FaultyFileSystem {};
        c.inject(faults);
        const RunOutcome& out = run(QStringLiteral("uz prieksu 50\r\nlenkis 90"));
        EXPECT_EQ(out.end, RunOutcome::End::Finished) << c.what;
        EXPECT_TRUE(out.workFileFailed) << c.what;
        EXPECT_EQ(out.workFileProblem, QString::fromUtf16(c.reason)) << c.what;
        EXPECT_EQ(s.steps(), (QList<int> { 1, 2 })) << c.what;
        EXPECT_EQ(s.m().program.lines[1], u"uz prieksu 50") << c.what;
    }
}

} // namespace
