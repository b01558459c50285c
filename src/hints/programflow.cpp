#include "hints/programflow.h"

#include "hints/programblocks.h"

#include <QHash>

#include <algorithm>

namespace zimo
{

namespace
{

using Word = std::uint64_t;

// What a line does to the state the run brings to it, worked out once per analysis.
struct Effect {
    std::vector<qsizetype> assigns;
    /// The counted loop opened here; the one this line ends, and whether its name stops
    /// being a loop variable (it does not while an outer loop of that name is open).
    qsizetype opens = -1;
    qsizetype ends = -1;
    bool closesName = false;
    int width = 0;
    bool widthVaries = false;
};

// What the run may bring to each line, along every way it can go: the variables that have
// a value, the counted loops open and ended (three sets of name bits per line), and the pen
// width (-1 unreached, 0 when ways differ, else the width). Where the run can go from each
// line is fixed before the ways are followed.
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
        findCalls(procedures);
        m_effects.resize(size_t(m_n) + 1);
        m_next.resize(size_t(m_n) + 1);
        for (int v = 1; v <= m_n; ++v) {
            m_effects[size_t(v)] = effectOf(v);
            m_next[size_t(v)] = successors(v);
        }
        addReturns();
    }

    std::vector<LineContext> run();

private:
    const LineRole& role(int v) const { return m_roles[size_t(v - 1)]; }
    qsizetype nameIndex(const QString& name) const { return m_nameIndex.value(name, -1); }
    Word* bitsOf(int v) { return m_bits.data() + size_t(v) * 3 * m_words; }

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

    void findCalls(const QStringList& procedures);
    Effect effectOf(int v) const;
    std::vector<int> successors(int v) const;
    void addReturns();
    bool joinInto(int s, const Word* bits, int width);
    LineContext contextOf(int v);

    const QStringList& m_lines;
    const std::vector<LineRole>& m_roles;
    ProgramBlocks m_blocks;
    int m_n;
    std::size_t m_words;
    QHash<QString, qsizetype> m_nameIndex;
    /// Per procedure name: its definition lines, and the lines that call it.
    std::vector<std::vector<int>> m_definitions;
    std::vector<std::vector<int>> m_callers;
    /// Per line (index 0 unused): what it does, and the lines the run may go on with.
    std::vector<Effect> m_effects;
    std::vector<std::vector<int>> m_next;
    std::vector<Word> m_bits;
    std::vector<int> m_width;
};

void Flow::findCalls(const QStringList& procedures)
{
    m_definitions.resize(size_t(procedures.size()));
    m_callers.resize(size_t(procedures.size()));
    for (int v = 1; v <= m_n; ++v) {
        const LineRole& r = role(v);
        if (r.definition) {
            const qsizetype k = procedures.indexOf(r.procedure);
            if (k >= 0)
                m_definitions[size_t(k)].push_back(v);
        }
        for (const int k : r.calls)
            m_callers[size_t(k)].push_back(v);
    }
}

Effect Flow::effectOf(int v) const
{
    const LineRole& r = role(v);
    Effect e;
    for (const QString& name : r.assigns) {
        if (const qsizetype i = nameIndex(name); i >= 0)
            e.assigns.push_back(i);
    }
    if (r.opensFor)
        e.opens = nameIndex(r.forName);
    if (const int loop = m_blocks.closes[size_t(v - 1)]; loop >= 0 && r.closesFor) {
        const ProgramBlocks::Loop& closed = m_blocks.loops[size_t(loop)];
        const QString& name = role(closed.open).forName;
        e.ends = closed.repeat ? -1 : nameIndex(name);
        e.closesName = true;
        for (int outer = closed.parent; outer >= 0; outer = m_blocks.loops[size_t(outer)].parent) {
            const ProgramBlocks::Loop& o = m_blocks.loops[size_t(outer)];
            if (!o.repeat && role(o.open).forName == name)
                e.closesName = false;
        }
    }
    e.width = r.width;
    e.widthVaries = r.widthVaries;
    return e;
}

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
    if (!r.calls.empty()) {
        for (const int k : r.calls) {
            for (const int d : m_definitions[size_t(k)])
                add(d + 1);
        }
    } else if (r.jumps) {
        const int target = jumpTarget(r.label);
        add(skip(target ? target + 1 : v + 1));
    } else if (!r.ends || r.procedureEnd) {
        // A "proceduras beigas" line reached without a pending call runs on.
        add(skip(v + 1));
    }
    return next;
}

// The return: from the line that ends a procedure to the line after every call of it.
void Flow::addReturns()
{
    for (std::size_t k = 0; k < m_definitions.size(); ++k) {
        for (const int d : m_definitions[k]) {
            const int end = m_blocks.definitionEnd[size_t(d - 1)];
            if (end < 0)
                continue;
            for (const int c : m_callers[k]) {
                if (const int back = skip(c + 1))
                    m_next[size_t(end)].push_back(back);
            }
        }
    }
}

bool Flow::joinInto(int s, const Word* bits, int width)
{
    Word* into = bitsOf(s);
    bool grew = false;
    for (std::size_t i = 0; i < 3 * m_words; ++i) {
        grew = grew || (bits[i] & ~into[i]);
        into[i] |= bits[i];
    }
    int& w = m_width[size_t(s)];
    const int joined = w < 0 ? width : width < 0 || width == w ? w : 0;
    grew = grew || joined != w;
    w = joined;
    return grew;
}

// Sweeps the lines in order, each one whose state grew, until no state grows: the sets only
// grow and the width only goes from unreached to known to differing, so this ends.
std::vector<LineContext> Flow::run()
{
    m_bits.assign((size_t(m_n) + 1) * 3 * m_words, 0);
    m_width.assign(size_t(m_n) + 1, -1);
    std::vector<char> dirty(size_t(m_n) + 1, 0);
    bool again = false;
    if (const int start = skip(1)) {
        m_width[size_t(start)] = 1;
        dirty[size_t(start)] = 1;
        again = true;
    }
    std::vector<Word> out(3 * m_words);
    while (again) {
        again = false;
        for (int v = 1; v <= m_n; ++v) {
            if (!dirty[size_t(v)])
                continue;
            dirty[size_t(v)] = 0;
            std::copy_n(bitsOf(v), out.size(), out.begin());
            const Effect& e = m_effects[size_t(v)];
            Word* assigned = out.data();
            Word* open = assigned + m_words;
            Word* ended = open + m_words;
            auto set = [](Word* bits, qsizetype i) { bits[i / 64] |= Word(1) << (i % 64); };
            for (const qsizetype i : e.assigns)
                set(assigned, i);
            if (e.ends >= 0) {
                set(ended, e.ends);
                if (e.closesName)
                    open[e.ends / 64] &= ~(Word(1) << (e.ends % 64));
            }
            if (e.opens >= 0)
                set(open, e.opens);
            const int width = e.widthVaries ? 0 : e.width > 0 ? e.width : m_width[size_t(v)];
            for (const int s : m_next[size_t(v)]) {
                if (joinInto(s, out.data(), width)) {
                    dirty[size_t(s)] = 1;
                    again = again || s <= v;
                }
            }
        }
    }
    std::vector<LineContext> contexts;
    contexts.reserve(size_t(m_n));
    for (int v = 1; v <= m_n; ++v)
        contexts.push_back(contextOf(v));
    return contexts;
}

LineContext Flow::contextOf(int v)
{
    // Only what the line can use is kept, so that a change elsewhere leaves the contexts
    // of most lines as they were.
    LineContext c;
    const LineRole& r = role(v);
    const Word* bits = bitsOf(v);
    c.reached = m_width[size_t(v)] >= 0;
    if (c.reached && r.usesNames) {
        c.known.assign(bits, bits + m_words);
        for (std::size_t i = 0; i < m_words; ++i)
            c.known[i] |= bits[m_words + i];
        c.ended.assign(bits + 2 * m_words, bits + 3 * m_words);
    }
    if (c.reached && r.fills)
        c.penWidth = m_width[size_t(v)];
    if (const int loop = m_blocks.innermost[size_t(v - 1)]; loop >= 0) {
        const ProgramBlocks::Loop& l = m_blocks.loops[size_t(loop)];
        c.loop = l.open;
        const int count = role(l.open).repeatCount;
        c.repeats = !l.repeat || count < 0 || count > 1;
    }
    if (const int d = m_blocks.definition[size_t(v - 1)]; d > 0 && d != v) {
        for (std::size_t k = 0; k < m_definitions.size() && !c.procedure; ++k) {
            if (std::find(m_definitions[k].cbegin(), m_definitions[k].cend(), d)
                != m_definitions[k].cend())
                c.procedure = int(k) + 1;
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
