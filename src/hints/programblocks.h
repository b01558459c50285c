#pragma once

#include "hints/programflow.h"

#include <vector>

namespace zimo
{

/// The program's blocks as the run meets them: the procedure definitions it passes over,
/// and the loops whose closing lines replay their bodies, each closing line paired with
/// the opening it closes (the innermost open one of its kind, counted within the main
/// program or within one procedure's body).
struct ProgramBlocks {
    struct Loop {
        int open = 0;
        int close = 0;
        bool repeat = false;
        /// The loop whose body holds this one, as an index into loops; -1 for none.
        int parent = -1;
    };
    std::vector<Loop> loops;
    /// Per line (index 0 for line 1): the innermost loop whose body holds it (-1 none), the
    /// loop a closing line closes (-1 none), and the definition line whose range holds it
    /// (0 none).
    std::vector<int> innermost;
    std::vector<int> closes;
    std::vector<int> definition;
    /// Per definition line: the "proceduras beigas" line that ends it, -1 when none does.
    std::vector<int> definitionEnd;
    std::vector<BlockFault> faults;
    std::vector<int> faultLines;
};

ProgramBlocks findBlocks(const std::vector<LineRole>& roles);

} // namespace zimo
