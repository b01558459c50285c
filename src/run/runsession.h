#pragma once

#include "interpreter/linestepper.h"
#include "run/screen.h"
#include "turtle/drawingsink.h"

#include <cstdint>
#include <memory>

namespace zimo
{

class Machine;
struct RunOptions;

/// One run's line step and pacing: what the interpreter replays loop bodies with and what
/// paces the drawing model's figures and fills.
///
/// Attaches itself (and the trace, as the drawing's sink) to the machine while it lives and
/// detaches on destruction. Owns the run's counters: line steps and figure steps against
/// their bound, and how deep line steps nest.
class RunSession final : public LineStepper, public DrawingPacer
{
public:
    /// Line steps may nest this deep. Loops nest at most 200 deep; only a closing line that
    /// is reached again from its own replay (through "beigt" or a jump) nests further, and
    /// would do so without end.
    static constexpr int MaxNesting = 1000;

    RunSession(Machine& m, const RunOptions& options);
    ~RunSession() override;
    RunSession(const RunSession&) = delete;
    RunSession& operator=(const RunSession&) = delete;

    void lineStep(int& v) override;

    void figureStep() override;
    void present() override;
    void wait(double units) override;
    void fillLayerStarting() override;
    void fillLayerDone(double units) override;

    Screen& screen() { return m_screen; }
    bool stopRequested() const;
    /// True once the run has taken more steps than RunOptions::maxSteps allows.
    bool overStepLimit() const;
    /// Line steps under way inside one another (loop replays nest them).
    int depth() const { return m_depth; }

private:
    void checkStop() const;

    Machine& m_machine;
    const RunOptions& m_options;
    Screen m_quietScreen;
    Screen& m_screen;
    std::unique_ptr<DrawingSink> m_sinks;
    DrawingSink* m_previousSink = nullptr;
    std::int64_t m_steps = 0;
    std::int64_t m_figureSteps = 0;
    int m_depth = 0;
};

} // namespace zimo
