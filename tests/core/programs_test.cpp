// Language behaviour as data: every tests/programs/<feature>/<case>.zkf runs headless and
// its trace must equal <case>.trace beside it.

#include "platform/rasterpage.h"
#include "platform/textcodec.h"
#include "interpreter/machine.h"
#include "run/runloop.h"
#include "run/trace.h"
#include "stepper.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>

#include <gtest/gtest.h>

#include <memory>

using namespace zimo;

namespace
{

QStringList programFiles()
{
    QStringList files;
    QDirIterator it(QStringLiteral(ZIMO_PROGRAMS_DIR), { QStringLiteral("*.zkf") }, QDir::Files,
        QDirIterator::Subdirectories);
    while (it.hasNext())
        files.append(it.next());
    files.sort();
    return files;
}

QByteArray readAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

std::string runToTrace(const QString& path)
{
    auto page = std::make_unique<RasterPage>();
    auto machine = std::make_unique<Machine>(*page);
    Trace trace;
    RunOptions options;
    options.trace = &trace;
    options.maxSteps = 10'000'000;
    zimet_Click(*machine, programTextFromFile(readAll(path)), options);
    return trace.text();
}

class Programs : public testing::TestWithParam<QString>
{
};

TEST_P(Programs, TraceMatchesTheExpectedOne)
{
    const QString program = GetParam();
    QString expectedPath = program;
    expectedPath.replace(QStringLiteral(".zkf"), QStringLiteral(".trace"));
    const QByteArray expected = readAll(expectedPath);
    ASSERT_FALSE(expected.isEmpty()) << "missing " << expectedPath.toStdString();
    EXPECT_EQ(runToTrace(program), expected.toStdString());
}

// Stepping shows a run line by line; it must never change what the run does.
TEST_P(Programs, SteppedToItsEndGivesTheSameTrace)
{
    const QString program = GetParam();
    const QString text = programTextFromFile(readAll(program));
    test::Stepper stepper;
    stepper.start(text, true);
    const QList<int> pauses = stepper.stepToEnd();
    EXPECT_EQ(stepper.trace.text(), runToTrace(program));
    // Every finished line step but the first was paused before.
    const QString trace = QString::fromStdString(stepper.trace.text());
    const qsizetype steps
        = trace.count(QLatin1String("\nline ")) + (trace.startsWith(u"line ") ? 1 : 0);
    EXPECT_GE(pauses.size(), steps - 1);
}

std::string caseName(const testing::TestParamInfo<QString>& info)
{
    QString name = QDir(QStringLiteral(ZIMO_PROGRAMS_DIR)).relativeFilePath(info.param);
    name.chop(4);
    name.replace(u'/', u'_');
    return name.toStdString();
}

INSTANTIATE_TEST_SUITE_P(Language, Programs, testing::ValuesIn(programFiles()), caseName);

} // namespace
