// The task check: one comparison of a learner's page with the target must stay under
// 20 ms, and grading one program (run, compare, hints) must leave a class of 30 under 3 s.

#include "tasks/classgrade.h"
#include "tasks/picturecompare.h"
#include "tasks/taskcheck.h"
#include "tasks/taskfile.h"

#include <QTemporaryDir>

#include <benchmark/benchmark.h>

using namespace zimo;

namespace
{

const QString House = QStringLiteral(
    "koordinatas 300,400\r\nuz augsu 100\r\npa labi 100\r\nuz leju 100\r\npa kreisi 100\r\n"
    "koordinatas 300,300\r\nlenkis 60\r\nuz prieksu 100\r\nlenkis 300\r\nuz prieksu 100\r\n"
    "krasot 350,350,1,16\r\nkrasot 350,270,1,10");
// The same house drawn another way round, with a side a fifth too short.
const QString ShortHouse = QStringLiteral(
    "koordinatas 400,300\r\nlenkis 120\r\nuz prieksu 100\r\nlenkis 240\r\nuz prieksu 100\r\n"
    "uz leju 100\r\npa labi 80\r\nuz augsu 100\r\npa kreisi 100\r\nkrasot 350,350,1,16");

// A check as the window and the grading make it: against a target prepared once.
void compare(benchmark::State& state, const QString& target, const QString& learner)
{
    PictureCheck check(drawProgram(target).picture);
    const QImage l = drawProgram(learner).picture;
    for (auto _ : state)
        benchmark::DoNotOptimize(check.compare(l));
}

void CompareHouses(benchmark::State& state) { compare(state, House, ShortHouse); }

// A first check, which prepares the target too.
void CompareHousesFirstTime(benchmark::State& state)
{
    const QImage t = drawProgram(House).picture;
    const QImage l = drawProgram(ShortHouse).picture;
    for (auto _ : state)
        benchmark::DoNotOptimize(comparePictures(t, l));
}

// The worst case: every pixel of both pages is ink, in other colours.
void CompareFullPages(benchmark::State& state)
{
    compare(state, QStringLiteral("fona krasa 24\r\nstari 90,300,300"),
        QStringLiteral("fona krasa 22\r\nlinijas krasa 10\r\nspirale 10,10"));
}

void GradeOneProgram(benchmark::State& state)
{
    Task task;
    task.title = QStringLiteral("Māja");
    task.instruction = QStringLiteral("Māja");
    task.solution = House;
    PictureCheck target(targetPicture(task).picture);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("maja.zkf"));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(ShortHouse.toLatin1()) < 0)
        state.SkipWithError("cannot write the program file");
    file.close();
    for (auto _ : state)
        benchmark::DoNotOptimize(gradeProgram(task, target, path));
}

} // namespace

BENCHMARK(CompareHouses)->Unit(benchmark::kMillisecond);
BENCHMARK(CompareHousesFirstTime)->Unit(benchmark::kMillisecond);
BENCHMARK(CompareFullPages)->Unit(benchmark::kMillisecond);
BENCHMARK(GradeOneProgram)->Unit(benchmark::kMillisecond);
