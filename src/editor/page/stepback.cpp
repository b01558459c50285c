#include "stepback.h"

#include "commandrecorder.h"

#include "interpreter/machine.h"
#include "platform/rasterpage.h"

#include <QHashFunctions>

#include <cstring>

namespace zimo
{

StepBack::StepBack(Machine& machine, CommandRecorder& recorder)
    : m_machine(machine)
    , m_recorder(recorder)
{
}

size_t StepBack::pageSum() const
{
    const RasterPage& page = m_machine.drawing.page;
    const auto* first = reinterpret_cast<const char*>(page.row(0));
    const auto* end = reinterpret_cast<const char*>(page.row(RasterPage::Height - 1) + RasterPage::Width);
    return qHashBits(first, size_t(end - first));
}

// The pixels the release's line can touch: the line's box widened by the pen on all sides.
QRect StepBack::stepRect() const
{
    const Turtle& t = m_machine.drawing.turtle;
    const int reach = m_machine.drawing.pen.steeringThickness + 2;
    const QRect box = QRectF(QPointF(t.prevX, t.prevY), QPointF(t.x, t.y)).normalized().toAlignedRect();
    return box.adjusted(-reach, -reach, reach, reach)
        .intersected(QRect(0, 0, RasterPage::Width, RasterPage::Height));
}

void StepBack::beforeRelease(const QString& text)
{
    const Drawing& d = m_machine.drawing;
    Step step;
    // Before the step the turtle stood where the step began, facing as it faces now: turns
    // are never recorded, so taking the step back keeps them.
    step.turtle = d.turtle;
    step.turtle.x = d.turtle.prevX;
    step.turtle.y = d.turtle.prevY;
    trissturis(step.turtle, step.turtle.x, step.turtle.y, step.turtle.heading);
    step.pen = d.pen;
    step.pageWidth = d.page.penWidth();
    step.pageCurrent = d.page.currentPoint();
    step.patchRect = stepRect();
    step.patch = QImage(step.patchRect.size(), QImage::Format_RGB32);
    for (int y = 0; y < step.patchRect.height(); ++y)
        std::memcpy(step.patch.scanLine(y), d.page.row(step.patchRect.top() + y) + step.patchRect.left(),
            size_t(step.patchRect.width()) * 4);
    step.lineCount = m_machine.program.lineCount;
    step.lastAngle = m_recorder.lastRecordedAngle();
    step.textBefore = text;
    m_pending = std::move(step);
}

void StepBack::afterRelease(bool appended, const QString& text)
{
    if (!m_pending || !appended) {
        m_pending.reset();
        return;
    }
    Step& step = *m_pending;
    step.textAfter = text;
    step.lineCountAfter = m_machine.program.lineCount;
    step.pageSum = pageSum();
    step.x = m_machine.drawing.turtle.x;
    step.y = m_machine.drawing.turtle.y;
    m_bytes += step.patch.sizeInBytes();
    m_steps.push_back(std::move(step));
    m_pending.reset();
    keepWithinBounds();
}

void StepBack::keepWithinBounds()
{
    while (!m_steps.empty() && (m_steps.size() > MaxSteps || m_bytes > MaxBytes)) {
        m_bytes -= m_steps.front().patch.sizeInBytes();
        m_steps.pop_front();
    }
}

bool StepBack::stillAsLeft(const Step& step, const QString& text) const
{
    const Turtle& t = m_machine.drawing.turtle;
    return text == step.textAfter && m_machine.program.lineCount == step.lineCountAfter
        && t.x == step.x && t.y == step.y && pageSum() == step.pageSum;
}

bool StepBack::canTakeBack(const QString& text) const
{
    return !m_steps.empty() && stillAsLeft(m_steps.back(), text);
}

StepBack::Result StepBack::takeBack(const QString& text)
{
    if (m_steps.empty())
        return Result::Nothing;
    if (!stillAsLeft(m_steps.back(), text)) {
        m_steps.clear();
        m_bytes = 0;
        return Result::Stale;
    }
    Step step = std::move(m_steps.back());
    m_steps.pop_back();
    m_bytes -= step.patch.sizeInBytes();
    Drawing& d = m_machine.drawing;
    for (int y = 0; y < step.patchRect.height(); ++y)
        std::memcpy(d.page.row(step.patchRect.top() + y) + step.patchRect.left(), step.patch.constScanLine(y),
            size_t(step.patchRect.width()) * 4);
    d.page.setPenWidth(step.pageWidth);
    d.page.setCurrentPoint(step.pageCurrent);
    d.turtle = step.turtle;
    d.pen = step.pen;
    ProgramState& program = m_machine.program;
    for (int n = step.lineCount + 1; n <= program.lineCount; ++n)
        program.setLine(n, QString());
    program.lineCount = step.lineCount;
    m_recorder.setLastRecordedAngle(step.lastAngle);
    m_text = step.textBefore;
    return Result::Done;
}

} // namespace zimo
