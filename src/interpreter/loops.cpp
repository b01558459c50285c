#include "loops.h"

#include "interpreter/arguments.h"
#include "interpreter/linestepper.h"
#include "interpreter/machine.h"
#include "program/keywords.h"
#include "program/messages.h"
#include "program/numbers.h"
#include "program/runerror.h"

namespace zimo
{

namespace
{

// Field 1 of line q as a whole number without name lookup: a text must spell a number.
int plainInt16Field(const ProgramState& p, int q)
{
    const Value field = lielums(p, 1, q);
    if (field.isNumber())
        return toInt16(field.number());
    const auto parsed = parseNumber(field.text());
    if (!parsed)
        fail(msg::notANumber(field.text()));
    return toInt16(*parsed);
}

// Replays lines from..to with the line step; returns false when a jump left the body.
bool replay(Machine& m, int from, int to)
{
    for (int b = from; b <= to; ++b) {
        m.stepper->lineStep(b);
        if (m.program.jumpFlag)
            return false;
    }
    return true;
}

// A body that closes more loops than it opens may already have popped the entry; the
// depth never goes below empty.
void closeLoop(int& depth)
{
    if (depth > 0)
        --depth;
}

} // namespace

std::optional<QStringView> forLoopName(QStringView st)
{
    const qsizetype e = st.indexOf(u'=') + 1;
    const qsizetype n = st.indexOf(QStringView(u"no")) + 1;
    const qsizetype l = st.indexOf(kw::Lidz) + 1;
    // The name stands between "no " and "=", the start value between "=" and "lidz".
    const qsizetype nameLength = e - n - 3;
    const qsizetype startLength = l - e - 1;
    if (nameLength < 0 || startLength < 0)
        return std::nullopt;
    return st.mid(n + 2, nameLength);
}

void openForLoop(Machine& m, int q)
{
    ProgramState& p = m.program;
    if (p.forDepth >= ProgramState::MaxOpenLoops)
        fail(msg::tooManyForLoops());
    const QString st = p.line(q);
    ProgramState::ForLoop loop;
    loop.line = q;
    const std::optional<QStringView> name = forLoopName(st);
    if (!name)
        fail(msg::loopNameUnreadable());
    loop.name = name->toString();
    const qsizetype e = st.indexOf(u'=') + 1;
    const qsizetype l = st.indexOf(kw::Lidz) + 1;
    const qsizetype startLength = l - e - 1;
    if (p.holds(q, kw::KSolis)) {
        loop.end = toInt16(leadingNumber(QStringView(st).mid(l + 4)));
        loop.step = plainInt16Field(p, q);
    } else {
        loop.end = plainInt16Field(p, q);
        loop.step = 1;
    }
    loop.start = toInt16(leadingNumber(QStringView(st).mid(e, startLength)));
    loop.current = loop.start;
    ++p.forDepth;
    p.forStack[size_t(p.forDepth)] = loop;
}

void nakosais(Machine& m, int q)
{
    ProgramState& p = m.program;
    if (p.forDepth < 1)
        fail(msg::nextWithoutLoop());
    const int d = p.forDepth;
    const ProgramState::ForLoop& loop = p.forStack[size_t(d)];
    // The counter's bounds and step are fixed when it starts; the body's first line is read
    // again for every pass.
    const long s = loop.start < loop.end ? loop.step : -loop.step;
    const long first = loop.start;
    const long last = long(loop.end) - 1;
    if (s == 0 && first <= last && loop.line + 1 > q - 1)
        fail(msg::emptyLoopWithZeroStep());
    for (long k = first; s >= 0 ? k <= last : k >= last; k += s) {
        ProgramState::ForLoop& top = p.forStack[size_t(d)];
        top.current = toInt16(double(top.current) + double(s));
        if (!replay(m, top.line + 1, q - 1))
            break;
    }
    closeLoop(p.forDepth);
}

void openRepeat(Machine& m, int q)
{
    ProgramState& p = m.program;
    if (p.repeatDepth >= ProgramState::MaxOpenLoops)
        fail(msg::tooManyRepeatBlocks());
    const int count = toInt16(numericArgument(m, 1, q));
    ++p.repeatDepth;
    p.repeatStack[size_t(p.repeatDepth)] = { q, count, 1 };
}

void closeRepeat(Machine& m, int q)
{
    ProgramState& p = m.program;
    if (p.repeatDepth < 1)
        fail(msg::endWithoutRepeat());
    const int d = p.repeatDepth;
    const int count = p.repeatStack[size_t(d)].count;
    for (int k = 1; k <= count - 1; ++k) {
        p.repeatStack[size_t(d)].pass = k + 1;
        if (!replay(m, p.repeatStack[size_t(d)].line + 1, q - 1))
            break;
    }
    closeLoop(p.repeatDepth);
}

} // namespace zimo
