#pragma once

#include "interpreter/variables.h"
#include "program/programstate.h"
#include "turtle/drawing.h"

namespace zimo
{

class LineStepper;
class RasterPage;

/// The whole interpreter state of the main window, without any widget: the program and
/// its tables, the variables, and the drawing model (turtle, pen and the page they draw on).
///
/// Everything here is touched by one thread at a time: the run's worker while a run goes
/// on, the window's thread otherwise.
class Machine
{
public:
    explicit Machine(RasterPage& page)
        : drawing(page)
    {
    }

    ProgramState program;
    Variables variables;
    Drawing drawing;
    /// The run's line step, for loop replays; set while a run goes on.
    LineStepper* stepper = nullptr;
};

} // namespace zimo
