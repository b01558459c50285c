#include "runsession.h"

#include "interpreter/dispatcher.h"
#include "interpreter/machine.h"
#include "interpreter/movementcommands.h"
#include "platform/rasterpage.h"
#include "program/messages.h"
#include "program/runerror.h"
#include "run/runloop.h"
#include "run/stepgate.h"
#include "run/trace.h"
#include "turtle/teesink.h"

namespace zimo
{

RunSession::RunSession(Machine& m, const RunOptions& options)
    : m_machine(m)
    , m_options(options)
    , m_screen(options.screen ? *options.screen : m_quietScreen)
{
    Drawing& d = m.drawing;
    m_previousSink = d.sink;
    if (options.trace && d.sink) {
        m_sinks = std::make_unique<TeeSink>(*options.trace, *d.sink);
        d.sink = m_sinks.get();
    } else if (options.trace) {
        d.sink = options.trace;
    }
    d.pacer = this;
    m.stepper = this;
}

RunSession::~RunSession()
{
    m_machine.drawing.sink = m_previousSink;
    m_machine.drawing.pacer = nullptr;
    m_machine.stepper = nullptr;
}

bool RunSession::stopRequested() const
{
    return m_options.stop && m_options.stop->load(std::memory_order_relaxed);
}

void RunSession::checkStop() const
{
    if (stopRequested())
        throw RunStopped {};
}

void RunSession::lineStep(int& v)
{
    if (m_options.gate)
        m_options.gate->beforeLineStep(m_machine, v, *this);
    checkStop();
    const int line = v;
    if (m_options.maxSteps > 0 && ++m_steps > m_options.maxSteps)
        failAt(line, msg::tooManySteps(m_options.maxSteps));
    m_screen.lineStarted(line);
    struct Nesting {
        int& depth;
        explicit Nesting(int& d)
            : depth(++d)
        {
        }
        ~Nesting() { --depth; }
    } nesting(m_depth);
    atLine(line, [&] {
        if (m_depth > MaxNesting)
            fail(msg::nestedTooDeep(MaxNesting));
        liniju_zimesana(m_machine, v);
        citas_komandas(m_machine, v);
    });
    Drawing& d = m_machine.drawing;
    Turtle& t = d.turtle;
    trissturis(t, t.x, t.y, t.heading);
    t.prevX = t.x;
    t.prevY = t.y;
    d.stepEnded();
    m_screen.present();
    if (m_options.trace)
        m_options.trace->line(line, t, d.page.penWidth(), d.pen.lineColour, d.page.lineStyle());
    wait(fromFixed(d.pen.atrums));
}

void RunSession::figureStep()
{
    checkStop();
    if (m_options.maxSteps > 0 && ++m_figureSteps > 10 * m_options.maxSteps)
        fail(msg::tooManyFigureSteps(10 * m_options.maxSteps));
}

void RunSession::present() { m_screen.present(); }

void RunSession::wait(double units)
{
    if (m_options.trace)
        m_options.trace->wait(units);
    if (units > 0) {
        m_screen.delay(units);
        checkStop();
    }
}

void RunSession::fillLayerStarting() { checkStop(); }

void RunSession::fillLayerDone(double units) { m_screen.fillLayer(units); }

} // namespace zimo
