#pragma once

namespace zimo
{

/// The line step, as the run makes it: what a loop's closing line replays its body with.
/// The run implements it; the interpreter only calls it, so it never reaches up to the run.
class LineStepper
{
public:
    virtual ~LineStepper() = default;

    /// The whole line step for line v: movement, every other command, the sprite, the page
    /// shown and the delay. v may change.
    virtual void lineStep(int& v) = 0;
};

} // namespace zimo
