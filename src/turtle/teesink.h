#pragma once

#include "turtle/drawingsink.h"

namespace zimo
{

/// Hands every drawing event to two sinks, first to first: a run's trace beside a
/// recording that was already listening.
class TeeSink final : public DrawingSink
{
public:
    TeeSink(DrawingSink& first, DrawingSink& second)
        : m_first(first)
        , m_second(second)
    {
    }

    void segment(
        float x1, float y1, float x2, float y2, Colour colour, int width, int style) override
    {
        m_first.segment(x1, y1, x2, y2, colour, width, style);
        m_second.segment(x1, y1, x2, y2, colour, width, style);
    }
    void background(Colour colour) override
    {
        m_first.background(colour);
        m_second.background(colour);
    }
    void erased() override
    {
        m_first.erased();
        m_second.erased();
    }
    void fillLayer(const std::vector<FillPoint>& painted, Colour fill, int penWidth) override
    {
        m_first.fillLayer(painted, fill, penWidth);
        m_second.fillLayer(painted, fill, penWidth);
    }
    void stepEnded() override
    {
        m_first.stepEnded();
        m_second.stepEnded();
    }
    void filled(double x, double y, Colour border, Colour fill, long long count) override
    {
        m_first.filled(x, y, border, fill, count);
        m_second.filled(x, y, border, fill, count);
    }

private:
    DrawingSink& m_first;
    DrawingSink& m_second;
};

} // namespace zimo
