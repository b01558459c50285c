#pragma once

#include "turtle/pen.h"
#include "turtle/turtle.h"

#include <QImage>
#include <QPointF>
#include <QRect>
#include <QString>

#include <deque>
#include <optional>

namespace zimo
{

class CommandRecorder;
class Machine;

/// Takes back the steps that keyboard steering recorded, newest first: the step's lines
/// leave the program, and the turtle, the pen and the drawing go back to what they were
/// before the step, exactly.
///
/// Before a key release draws and records, it keeps the turtle, the pen, the page's pen
/// and the pixels the step's line can touch (a small patch, not the whole page); after the
/// release it keeps what the step left: the program text, the line count, a checksum of the
/// whole page and the turtle's place. A step is taken back only while all of these are
/// still as the step left them: once a run, a typed line, a cleared page or anything else
/// has changed them, the kept steps no longer describe the page and are dropped. The
/// patches are bounded (MaxSteps steps, MaxBytes of pixels); the oldest go first.
class StepBack
{
public:
    static constexpr size_t MaxSteps = 500;
    static constexpr qsizetype MaxBytes = 32 * 1024 * 1024;

    /// How a take-back went.
    enum class Result {
        Done,
        /// No step was kept.
        Nothing,
        /// The program or the drawing changed since the step: the steps were dropped.
        Stale,
    };

    StepBack(Machine& machine, CommandRecorder& recorder);

    /// Before a key release is drawn and recorded; text is the program text now.
    void beforeRelease(const QString& text);
    /// After it: the step is kept when it appended lines; text is the program text now.
    void afterRelease(bool appended, const QString& text);

    /// A step can be taken back from the program text text now.
    bool canTakeBack(const QString& text) const;
    /// Takes back the newest step; on Done, text() is the program text to go back to.
    Result takeBack(const QString& text);
    /// The program text of the step taken back last.
    const QString& text() const { return m_text; }

    size_t size() const { return m_steps.size(); }
    void clear() { m_steps.clear(); }

private:
    struct Step {
        Turtle turtle;
        Pen pen;
        int pageWidth = 1;
        QPointF pageCurrent;
        QRect patchRect;
        QImage patch;
        int lineCount = 0;
        std::optional<int> lastAngle;
        QString textBefore;
        // What the step left.
        QString textAfter;
        int lineCountAfter = 0;
        size_t pageSum = 0;
        double x = 0;
        double y = 0;
    };

    size_t pageSum() const;
    bool stillAsLeft(const Step& step, const QString& text) const;
    QRect stepRect() const;
    void keepWithinBounds();

    Machine& m_machine;
    CommandRecorder& m_recorder;
    std::deque<Step> m_steps;
    std::optional<Step> m_pending;
    qsizetype m_bytes = 0;
    QString m_text;
};

} // namespace zimo
