#include "hints/programflow.h"

#include "hints/programblocks.h"

#include <QHash>

#include <deque>

namespace zimo
{

namespace
{

using Bits = std::vector<std::uint64_t>;

void setBit(Bits& bits, qsizetype index) { bits[size_t(index / 64)] |= 1ull << (index % 64); }
void clearBit(Bits& bits, qsizetype index)
{
    bits[size_t(index / 64)] &= ~(1ull << (index % 64));
}

// What the run may bring to a line: variables that have a value, counted loops open and
// ended, and the pen width (-1 unreached, 0 differs on different ways, else the width).
struct State {
    Bits assigned, open, ended;
    int width = -1;

    // Joins another way in; true when this state grew.
    bool join(const State& other)
    {
        bool grew = false;
        auto unite = [&](Bits& into, const Bits& from) {
            for (std::size_t i = 0; i < into.size(); ++i) {
                grew = grew || (from[i] & ~into[i]);
                into[i] |= from[i];
            }
        };
        unite(assigned, other.assigned);
        unite(open, other.open);
        unite(ended, other.ended);
        const int joined = width < 0 ? other.width
            : other.width < 0 || other.width == width ? width
                                                      : 0;
        grew = grew || joined != width;
        width = joined;
        return grew;
    }
};

// Where the run can go from each line, and what each line does to the state.
class Flow
{
public:
    Flow(const QStringList& lines, const std::vector<LineRole>& roles, const QStringList& names,
        const QStringList& procedures)
        : m_lines(lines)
        , m_roles(roles)
        , m_blocks(findBlocks(roles))
        , m_n(int(roles.size()))
        , m_words(std::size_t((names.size() + 63) / 64))
    {
        for (qsizetype i = 0; i < names.size(); ++i)
            m_nameIndex.insert(names[i], i);
        m_definitions.resize(size_t(procedures.size()));
        m_callers.resize(size_t(procedures.size()));
        for (int v = 1; v <= m_n; ++v) {
            const LineRole& role = roles[size_t(v - 1)];
            if (role.definition) {
                const qsizetype k = procedures.indexOf(role.procedure);
                if (k >= 0)
                    m_definitions[size_t(k)].push_back(v);
            }
            for (const int k : role.calls)
                m_callers[size_t(k)].push_back(v);
        }
    }

    std::vector<LineContext> run()
    {
        std::vector<State> in(size_t(m_n), empty());
        std::deque<int> work;
        if (const int start = skip(1)) {
            in[size_t(start - 1)].width = 1;
            work.push_back(start);
        }
        while (!work.empty()) {
            const int v = work.front();
            work.pop_front();
            const State out = transfer(v, in[size_t(v - 1)]);
            for (const int s : successors(v)) {
                if (in[size_t(s - 1)].join(out))
                    work.push_back(s);
            }
        }
        std::vector<LineContext> contexts(static_cast<std::size_t>(m_n));
        for (int v = 1; v <= m_n; ++v)
            contexts[size_t(v - 1)] = contextOf(v, in[size_t(v - 1)]);
        return contexts;
    }

private:
    State empty() const
    {
        State s;
        s.assigned.assign(m_words, 0);
        s.open.assign(m_words, 0);
        s.ended.assign(m_words, 0);
        return s;
    }

    const LineRole& role(int v) const { return m_roles[size_t(v - 1)]; }

    // The line the run steps on when it comes to line v: definitions are passed over. 0 when
    // the run ends there.
    int skip(int v) const
    {
        while (v >= 1 && v <= m_n && role(v).definition) {
            const int end = m_blocks.definitionEnd[size_t(v - 1)];
            if (end < 0)
                return 0;
            v = end + 1;
        }
        return v >= 1 && v <= m_n ? v : 0;
    }

    // The last line that begins with the label, as "iet uz" finds it; 0 for none.
    int jumpTarget(const QString& label) const
    {
        if (label.isEmpty())
            return 0;
        for (int i = m_n; i >= 1; --i) {
            if (m_lines[i - 1].startsWith(label))
                return i;
        }
        return 0;
    }

    std::vector<int> successors(int v) const;
    State transfer(int v, const State& in) const;
    LineContext contextOf(int v, const State& in) const;

    const QStringList& m_lines;
    const std::vector<LineRole>& m_roles;
    ProgramBlocks m_blocks;
    int m_n;
    std::size_t m_words;
    QHash<QString, qsizetype> m_nameIndex;
    /// Per procedure name: its definition lines, and the lines that call it.
    std::vector<std::vector<int>> m_definitions;
    std::vector<std::vector<int>> m_callers;
};

std::vector<int> Flow::successors(int v) const
{
    std::vector<int> next;
    auto add = [&](int line) {
        if (line >= 1 && line <= m_n)
            next.push_back(line);
    };
    const LineRole& r = role(v);
    // A jump or "beigt" in a replayed body ends the replay (or its pass) early.
    for (int loop = m_blocks.innermost[size_t(v - 1)]; loop >= 0;
         loop = m_blocks.loops[size_t(loop)].parent) {
        const ProgramBlocks::Loop& l = m_blocks.loops[size_t(loop)];
        if (r.ends)
            add(l.open + 1);
        if (r.jumps || r.branchJump)
            add(skip(l.close + 1));
    }
    if (const int loop = m_blocks.closes[size_t(v - 1)]; loop >= 0)
        add(m_blocks.loops[size_t(loop)].open + 1);
    if (r.procedureEnd) {
        // The return, to every line after a call of a procedure this line ends; a line
        // reached without a pending call runs on.
        for (std::size_t k = 0; k < m_definitions.size(); ++k) {
            for (const int d : m_definitions[k]) {
                if (m_blocks.definitionEnd[size_t(d - 1)] != v)
                    continue;
                for (const int c : m_callers[k])
                    add(skip(c + 1));
            }
        }
    }
    if (!r.calls.empty()) {
        for (const int k : r.calls) {
            for (const int d : m_definitions[size_t(k)])
                add(d + 1);
        }
    } else if (r.jumps) {
        const int target = jumpTarget(r.label);
        add(skip(target ? target + 1 : v + 1));
    } else if (!r.ends) {
        add(skip(v + 1));
    }
    if (r.procedureEnd)
        add(skip(v + 1));
    return next;
}

State Flow::transfer(int v, const State& in) const
{
    State out = in;
    const LineRole& r = role(v);
    for (const QString& name : r.assigns) {
        if (const auto it = m_nameIndex.constFind(name); it != m_nameIndex.cend())
            setBit(out.assigned, *it);
    }
    if (const int loop = m_blocks.closes[size_t(v - 1)]; loop >= 0 && r.closesFor) {
        const ProgramBlocks::Loop& closed = m_blocks.loops[size_t(loop)];
        const auto it = m_nameIndex.constFind(role(closed.open).forName);
        bool stillOpen = false;
        for (int outer = closed.parent; outer >= 0; outer = m_blocks.loops[size_t(outer)].parent) {
            const ProgramBlocks::Loop& o = m_blocks.loops[size_t(outer)];
            stillOpen = stillOpen || (!o.repeat && role(o.open).forName == role(closed.open).forName);
        }
        if (it != m_nameIndex.cend() && !closed.repeat) {
            setBit(out.ended, *it);
            if (!stillOpen)
                clearBit(out.open, *it);
        }
    }
    if (r.opensFor) {
        if (const auto it = m_nameIndex.constFind(r.forName); it != m_nameIndex.cend())
            setBit(out.open, *it);
    }
    if (r.widthVaries)
        out.width = 0;
    else if (r.width > 0)
        out.width = r.width;
    return out;
}

LineContext Flow::contextOf(int v, const State& in) const
{
    // Only what the line can use is kept, so that a change elsewhere leaves the contexts
    // of most lines as they were.
    LineContext c;
    const LineRole& r = role(v);
    c.reached = in.width >= 0;
    if (c.reached && r.usesNames) {
        c.known = in.assigned;
        for (std::size_t i = 0; i < m_words; ++i)
            c.known[i] |= in.open[i];
        c.ended = in.ended;
    }
    if (c.reached && r.fills)
        c.penWidth = in.width;
    if (const int loop = m_blocks.innermost[size_t(v - 1)]; loop >= 0) {
        const ProgramBlocks::Loop& l = m_blocks.loops[size_t(loop)];
        c.loop = l.open;
        const int count = role(l.open).repeatCount;
        c.repeats = !l.repeat || count < 0 || count > 1;
    }
    if (const int d = m_blocks.definition[size_t(v - 1)]; d > 0 && d != v) {
        for (std::size_t k = 0; k < m_definitions.size(); ++k) {
            for (const int line : m_definitions[k]) {
                if (line == d)
                    c.procedure = int(k) + 1;
            }
        }
    }
    c.fault = m_blocks.faults[size_t(v - 1)];
    c.faultLine = m_blocks.faultLines[size_t(v - 1)];
    return c;
}

} // namespace

std::vector<LineContext> analyseFlow(const QStringList& lines, const std::vector<LineRole>& roles,
    const QStringList& names, const QStringList& procedures)
{
    return Flow(lines, roles, names, procedures).run();
}

} // namespace zimo
