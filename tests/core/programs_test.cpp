// Language behaviour as data: every tests/programs/<feature>/<case>.zkf runs headless and
// its trace must equal <case>.trace beside it.

#include "platform/rasterpage.h"
#include "platform/textcodec.h"
#include "program/machine.h"
#include "program/runloop.h"
#include "program/trace.h"

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
    machine->run.trace = &trace;
    RunOptions options;
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

std::string caseName(const testing::TestParamInfo<QString>& info)
{
    QString name = QDir(QStringLiteral(ZIMO_PROGRAMS_DIR)).relativeFilePath(info.param);
    name.chop(4);
    name.replace(u'/', u'_');
    return name.toStdString();
}

INSTANTIATE_TEST_SUITE_P(Language, Programs, testing::ValuesIn(programFiles()), caseName);

} // namespace
