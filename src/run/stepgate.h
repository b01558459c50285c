#pragma once

namespace zimo
{

class Machine;
class RunSession;

/// A gate every line step passes before any of it is done, in the run loop and in the loop
/// replays alike. The window's run control pauses the run here; a run without a gate (the
/// command line, the tests) goes straight on.
class StepGate
{
public:
    virtual ~StepGate() = default;

    /// The line step for line is about to begin (run thread). It may block until the run may
    /// go on; it returns at once when the run's stop flag is set.
    virtual void beforeLineStep(const Machine& m, int line, RunSession& session) = 0;
};

} // namespace zimo
