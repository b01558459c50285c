#include "hints/programblocks.h"

#include <algorithm>

namespace zimo
{

namespace
{

// The lines of one definition's range, or of the main program between definitions.
struct Region {
    std::vector<int> lines;
};

// Definitions as the run passes over them: from a "procedura " line to the next
// "proceduras beigas" line. A definition inside another one's range is registered too,
// but the run passes over the outer range as a whole.
std::vector<Region> findDefinitions(const std::vector<LineRole>& roles, ProgramBlocks& blocks)
{
    const int n = int(roles.size());
    for (int d = 1; d <= n; ++d) {
        if (!roles[size_t(d - 1)].definition)
            continue;
        int e = d + 1;
        while (e <= n && !roles[size_t(e - 1)].procedureEnd)
            ++e;
        blocks.definitionEnd[size_t(d - 1)] = e <= n ? e : -1;
    }
    std::vector<Region> regions(1);
    for (int v = 1; v <= n;) {
        if (!roles[size_t(v - 1)].definition) {
            regions.front().lines.push_back(v);
            ++v;
            continue;
        }
        const int end = blocks.definitionEnd[size_t(v - 1)];
        if (end < 0) {
            blocks.faults[size_t(v - 1)] = BlockFault::ProcedureNotClosed;
        }
        const int last = end < 0 ? n : end;
        Region body;
        for (int b = v; b <= last; ++b) {
            blocks.definition[size_t(b - 1)] = v;
            if (b != v && b != last)
                body.lines.push_back(b);
        }
        regions.push_back(std::move(body));
        v = last + 1;
    }
    return regions;
}

void fault(ProgramBlocks& blocks, int line, BlockFault what, int other = 0)
{
    if (blocks.faults[size_t(line - 1)] != BlockFault::None)
        return;
    blocks.faults[size_t(line - 1)] = what;
    blocks.faultLines[size_t(line - 1)] = other;
}

// Pairs the closing lines of one region with their openings, one stack per kind, in the
// order the dispatcher tests them on a line.
void pairLoops(const std::vector<LineRole>& roles, const Region& region, ProgramBlocks& blocks)
{
    std::vector<int> repeats, fors;
    auto close = [&](int line, std::vector<int>& own, const std::vector<int>& other, bool repeat) {
        if (own.empty()) {
            fault(blocks, line, repeat ? BlockFault::EndWithoutRepeat : BlockFault::NextWithoutFor);
            return;
        }
        const int open = own.back();
        own.pop_back();
        if (!other.empty() && other.back() > open)
            fault(blocks, line, BlockFault::Crossed, other.back());
        blocks.closes[size_t(line - 1)] = int(blocks.loops.size());
        blocks.loops.push_back({ open, line, repeat, -1 });
    };
    for (const int v : region.lines) {
        const LineRole& role = roles[size_t(v - 1)];
        if (role.opensFor)
            fors.push_back(v);
        if (role.closesFor)
            close(v, fors, repeats, false);
        if (role.opensRepeat)
            repeats.push_back(v);
        if (role.closesRepeat)
            close(v, repeats, fors, true);
    }
    for (const int v : fors)
        fault(blocks, v, BlockFault::ForNotClosed);
    for (const int v : repeats)
        fault(blocks, v, BlockFault::RepeatNotClosed);
}

// Each line gets the innermost loop whose body holds it: outer loops first, inner ones
// write over them.
void markBodies(ProgramBlocks& blocks)
{
    std::vector<int> order(blocks.loops.size());
    for (std::size_t i = 0; i < order.size(); ++i)
        order[i] = int(i);
    std::sort(order.begin(), order.end(), [&](int a, int b) {
        const auto& la = blocks.loops[size_t(a)];
        const auto& lb = blocks.loops[size_t(b)];
        return la.open != lb.open ? la.open < lb.open : la.close > lb.close;
    });
    for (const int i : order) {
        ProgramBlocks::Loop& loop = blocks.loops[size_t(i)];
        loop.parent = blocks.innermost[size_t(loop.open - 1)];
        for (int b = loop.open + 1; b < loop.close; ++b)
            blocks.innermost[size_t(b - 1)] = i;
    }
}

} // namespace

ProgramBlocks findBlocks(const std::vector<LineRole>& roles)
{
    const std::size_t n = roles.size();
    ProgramBlocks blocks;
    blocks.innermost.assign(n, -1);
    blocks.closes.assign(n, -1);
    blocks.definition.assign(n, 0);
    blocks.definitionEnd.assign(n, -1);
    blocks.faults.assign(n, BlockFault::None);
    blocks.faultLines.assign(n, 0);
    for (const Region& region : findDefinitions(roles, blocks))
        pairLoops(roles, region, blocks);
    markBodies(blocks);
    return blocks;
}

} // namespace zimo
