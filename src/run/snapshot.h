#pragma once

#include "program/numbers.h"
#include "platform/colour.h"
#include "program/programstate.h"

#include <QString>

#include <cstdint>
#include <vector>

namespace zimo
{

class Machine;

/// A copy of what the state inspector shows, taken between two line steps.
///
/// Plain values only: once taken, it shares nothing with the machine that another thread
/// could change, so the window may read it while the run goes on.
struct StateSnapshot {
    struct Variable {
        QString name;
        Fixed value = 0;
    };

    /// The line whose step comes next (0 before a run).
    int line = 0;
    /// Line steps made so far in this run.
    std::int64_t steps = 0;

    double x = 0;
    double y = 0;
    double displayAngle = 0;
    bool penDown = true;
    int penWidth = 1;
    Colour lineColour = 0;
    /// The colour's number 1..36 in the colour table, 0 for a colour the table lacks.
    int colourNumber = 0;
    int lineStyle = 0;
    Fixed speed = 0;

    std::vector<Variable> variables;
    /// Open counted loops and repeat blocks, outermost first.
    std::vector<ProgramState::ForLoop> forLoops;
    std::vector<ProgramState::RepeatBlock> repeatBlocks;

    bool inProcedure = false;
    int returnLine = 0;
};

/// Copies the state of m as it stands before the step of line into into, reusing its memory.
void captureSnapshot(const Machine& m, int line, std::int64_t steps, StateSnapshot& into);

} // namespace zimo
