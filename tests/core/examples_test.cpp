// The example programs that ship with Zimo: each is stored as the program saves files, runs to
// its end and draws. A check that every example must pass is one more TEST_P here.

#include "hints/hints.h"
#include "platform/rasterpage.h"
#include "platform/textcodec.h"
#include "interpreter/machine.h"
#include "run/runloop.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>

#include <gtest/gtest.h>

#include <memory>
#include <ostream>

using namespace zimo;

// A failing case names its file, not the characters of the path.
static void PrintTo(const QString& text, std::ostream* os) { *os << text.toStdString(); }

namespace
{

/// Line steps an example may take; each is meant to draw in well under a second.
constexpr std::int64_t StepBudget = 200'000;

QStringList exampleFiles()
{
    QStringList files;
    QDirIterator it(QStringLiteral(ZIMO_EXAMPLES_DIR), { QStringLiteral("*.zkf") }, QDir::Files,
        QDirIterator::Subdirectories);
    while (it.hasNext())
        files.append(it.next());
    files.sort();
    return files;
}

class Examples : public testing::TestWithParam<QString>
{
protected:
    QByteArray bytes() const
    {
        QFile file(GetParam());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    /// The program text, as opening the file in the window gives it.
    QString text() const { return programTextFromFile(bytes()); }
};

TEST(ExampleFolder, HoldsTwoDozenProgramsInGroups)
{
    const QStringList files = exampleFiles();
    EXPECT_GE(files.size(), 24);
    QStringList groups;
    for (const QString& file : files) {
        const QString group = QFileInfo(file).dir().dirName();
        if (!groups.contains(group))
            groups.append(group);
    }
    EXPECT_GE(groups.size(), 8);
}

TEST_P(Examples, IsStoredAsTheProgramSavesIt)
{
    const QByteArray stored = bytes();
    ASSERT_FALSE(stored.isEmpty());
    // Windows-1257 with CR LF line ends and one CR LF at the end: saving the text it opens
    // as gives the same bytes back.
    const Encoded saved = encodeWindows1257(text() + QStringLiteral("\r\n"));
    ASSERT_TRUE(saved.ok());
    EXPECT_EQ(saved.bytes, stored);
    EXPECT_FALSE(text().endsWith(QStringLiteral("\r\n"))) << "an empty line at the end";
}

TEST_P(Examples, RunsToItsEndAndDraws)
{
    auto page = std::make_unique<RasterPage>();
    auto machine = std::make_unique<Machine>(*page);
    RunOptions options;
    options.maxSteps = StepBudget;
    const RunOutcome outcome = zimet_Click(*machine, text(), options);
    ASSERT_EQ(outcome.end, RunOutcome::End::Finished)
        << outcome.line << ": " << outcome.message.toStdString();

    const Colour white = rgb(255, 255, 255);
    std::int64_t drawn = 0;
    for (int y = 0; y < page->height(); ++y) {
        for (int x = 0; x < page->width(); ++x)
            drawn += page->pixel(x, y) != white;
    }
    // More than a stray line: a picture.
    EXPECT_GT(drawn, 500);
}

TEST_P(Examples, DrawsNoHint)
{
    // What the editor would mark and `zimo --check` would print: a shipped program is a model
    // to copy, so none of its lines may do less than it says.
    QString all;
    for (const Hint& hint : hintsFor(splitWorkFileLines(text() + QStringLiteral("\r\n"))))
        all += QString::number(hint.line) + QStringLiteral(": ") + hint.message + u'\n';
    EXPECT_TRUE(all.isEmpty()) << all.toStdString();
}

std::string caseName(const testing::TestParamInfo<QString>& info)
{
    // Test names are ASCII letters, digits and underscores: "01 Pirmie soļi/02 Māja.zkf"
    // becomes 01_Pirmie_soli_02_Maja.
    const QString relative = QDir(QStringLiteral(ZIMO_EXAMPLES_DIR)).relativeFilePath(info.param);
    std::string name;
    for (const QChar c : relative.chopped(4).normalized(QString::NormalizationForm_D)) {
        if (c.unicode() < 128 && c.isLetterOrNumber())
            name += char(c.unicode());
        else if (c == u' ' || c == u'/')
            name += '_';
    }
    return name;
}

INSTANTIATE_TEST_SUITE_P(Shipped, Examples, testing::ValuesIn(exampleFiles()), caseName);

} // namespace
