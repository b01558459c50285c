#pragma once

#include "interpreter/variables.h"
#include "program/programstate.h"
#include "program/runerror.h"
#include "program/screen.h"
#include "turtle/pen.h"
#include "turtle/turtle.h"

#include <atomic>
#include <cstdint>
#include <vector>

namespace zimo
{

class RasterPage;
class StepGate;
class Trace;

/// A pixel on the fill's frontier.
struct FillPoint {
    int x, y;
};

/// What a run reports to and how it is bounded.
struct RunContext {
    Trace* trace = nullptr;
    Screen* screen = nullptr;
    const std::atomic<bool>* stop = nullptr;
    /// Passed before every line step: the window pauses and single-steps runs there.
    StepGate* gate = nullptr;
    /// Line steps allowed (0: no limit); figure steps are allowed ten times as many.
    std::int64_t maxSteps = 0;
    std::int64_t steps = 0;
    std::int64_t figureSteps = 0;
    /// Line steps under way inside one another (loop replays nest them).
    int depth = 0;
};

/// The whole interpreter state of the main window, without any widget: the program and
/// its tables, the variables, the turtle, the pen and the page it draws on.
///
/// Everything here is touched by one thread at a time: the run's worker while a run goes
/// on, the window's thread otherwise.
class Machine
{
public:
    /// Line steps may nest this deep. Loops nest at most 200 deep; only a closing line that
    /// is reached again from its own replay (through "beigt" or a jump) nests further, and
    /// would do so without end.
    static constexpr int MaxNesting = 1000;

    explicit Machine(RasterPage& page);

    RasterPage& page;
    ProgramState program;
    Variables variables;
    Turtle turtle;
    Pen pen;
    RunContext run;
    /// The fill's two frontier lists, kept between fills so their memory is reused.
    std::vector<FillPoint> fillCurrent;
    std::vector<FillPoint> fillNext;

    Screen& screen() { return run.screen ? *run.screen : m_quietScreen; }
    /// Stops the run when the user asked for it.
    void checkStop() const
    {
        if (run.stop && run.stop->load(std::memory_order_relaxed))
            throw RunStopped {};
    }
    /// Counts one figure step against the run's bound.
    void countFigureStep();

private:
    Screen m_quietScreen;
};

} // namespace zimo
