#include "taskcheck.h"

#include "platform/rasterpage.h"
#include "run/headless.h"
#include "taskfile.h"
#include "taskmessages.h"
#include "turtle/pen.h"

namespace zimo
{

namespace
{

void tellDifference(TaskVerdict& v)
{
    const PictureDifference& d = v.difference;
    if (d.learnerInk == 0) {
        v.sentence = taskmsg::pageEmpty();
        v.reason = taskmsg::reasonEmpty();
    } else if (d.wrongColour()) {
        v.sentence = taskmsg::wrongColour(colourNumberOf(d.mostMissing));
        v.reason = taskmsg::reasonColour(colourNumberOf(d.mostMissing));
    } else if (d.missing > 0 && d.extra > 0) {
        v.sentence = taskmsg::partsMissingAndExtra();
        v.reason = taskmsg::reasonMissingAndExtra(d.drawnPercent(), d.extraPercent());
    } else if (d.missing > 0) {
        v.sentence = taskmsg::partsMissing();
        v.reason = taskmsg::reasonMissing(d.drawnPercent());
    } else {
        v.sentence = taskmsg::partsExtra();
        v.reason = taskmsg::reasonExtra(d.extraPercent());
    }
}

void tellSolved(TaskVerdict& v, const Task& task, const QString& program)
{
    v.solved = true;
    const QStringList unmet = unmetRequirements(task, program);
    if (!unmet.isEmpty()) {
        v.sentence = taskmsg::solvedButUse(unmet.front());
        v.note = taskmsg::noteUse(unmet.front());
    } else if (task.maxLines > 0 && v.lines > task.maxLines) {
        v.sentence = taskmsg::solvedButShorter(task.maxLines);
        v.note = taskmsg::noteShorter(v.lines, task.maxLines);
    } else {
        v.sentence = taskmsg::solved();
    }
}

} // namespace

DrawnProgram drawProgram(const QString& program)
{
    RunOptions options;
    options.maxSteps = CheckSteps;
    const HeadlessRun run = runWithoutWindow(program, options);
    DrawnProgram drawn;
    run.page->copyTo(drawn.picture);
    drawn.outcome = run.outcome;
    return drawn;
}

TargetPicture targetPicture(const Task& task)
{
    const DrawnProgram drawn = drawProgram(task.solution);
    if (drawn.outcome.end != RunOutcome::End::Finished)
        return { {}, taskmsg::solutionFails(drawn.outcome.message) };
    if (const QStringList unmet = unmetRequirements(task, task.solution); !unmet.isEmpty())
        return { {}, taskmsg::solutionMissesWord(unmet.front()) };
    if (const int lines = programLineCount(task.solution);
        task.maxLines > 0 && lines > task.maxLines)
        return { {}, taskmsg::solutionTooLong(lines, task.maxLines) };
    if (inkPixels(drawn.picture) == 0)
        return { {}, taskmsg::solutionDrawsNothing() };
    return { drawn.picture, {} };
}

QString taskProblem(const Task& task)
{
    if (task.title.trimmed().isEmpty())
        return taskmsg::noTitle();
    if (task.instruction.trimmed().isEmpty())
        return taskmsg::noInstruction();
    if (task.solution.trimmed().isEmpty())
        return taskmsg::noSolution();
    return targetPicture(task).problem;
}

TaskVerdict judgeTask(const Task& task, PictureCheck& target, const QImage& page,
    const RunOutcome& outcome, const QString& program)
{
    TaskVerdict v;
    v.lines = programLineCount(program);
    v.difference = target.compare(page);
    if (outcome.end != RunOutcome::End::Finished) {
        v.sentence = taskmsg::runFailed();
        v.reason = outcome.message;
    } else if (v.difference.same() && v.difference.learnerInk > 0) {
        tellSolved(v, task, program);
    } else {
        tellDifference(v);
    }
    return v;
}

} // namespace zimo
