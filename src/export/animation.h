#pragma once

#include <cstddef>

namespace zimo
{

class OutputFile;
class Recording;

/// How the steps of a drawing become the frames of its animation.
struct AnimationTiming {
    /// Steps shown together in one frame.
    std::size_t stepsPerFrame = 1;
    /// How long each frame but the last stays, in hundredths of a second.
    int delay = 0;

    /// A step's own time, when the whole animation has room for it.
    static constexpr int StepDelay = 10;
    /// The shortest time every viewer keeps a frame.
    static constexpr int ShortestDelay = 2;
    /// The last frame, the finished drawing, stays this long before the loop begins again.
    static constexpr int HoldDelay = 300;
    /// The whole animation with its last frame lasts at most this long.
    static constexpr int LongestAnimation = 2000;

    /// The timing for steps steps after the first frame (the page before them).
    static AnimationTiming forSteps(std::size_t steps);
};

/// Writes the animation of how the recording's page was drawn as a looping GIF: the page as
/// the recording began, then a frame for each step that changed it (a line step, a figure's
/// step, a fill layer), several steps to a frame where there are many, and the finished
/// page held at the end. False when the file could not be written whole.
bool writeAnimation(const Recording& recording, OutputFile& out);

} // namespace zimo
