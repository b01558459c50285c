#pragma once

#include <QString>
#include <QStringList>

#include <cstdint>
#include <vector>

namespace zimo
{

struct LineReading;

/// What one line does to the way the run goes and to the names that have values, read
/// from the line as the run reads it.
struct LineRole {
    /// A "procedura " line, which the run passes over; and a "proceduras beigas" line.
    bool definition = false;
    bool procedureEnd = false;
    /// The name a definition registers.
    QString procedure;
    bool opensRepeat = false;
    bool closesRepeat = false;
    bool opensFor = false;
    bool closesFor = false;
    /// The name of the counted loop opened here.
    QString forName;
    /// The count of "atkartot" when it is a digit string; -1 when it is a name.
    int repeatCount = -1;
    /// "beigt": the run ends here (a replayed pass ends).
    bool ends = false;
    /// Procedures the line calls (indexes into the program's names), and whether a branch
    /// of a condition names one.
    std::vector<int> calls;
    bool branchCall = false;
    /// A plain jump and its label; a jump in a branch of a condition.
    bool jumps = false;
    QString label;
    bool branchJump = false;
    /// Names "palielinat/samazinat vertibu" give a value, in the line or in a branch.
    QStringList assigns;
    /// "biezums N" with a digit string on the line itself: the width it sets (0: none);
    /// a width the analysis cannot know (a name, or a branch that may not run).
    int width = 0;
    bool widthVaries = false;
    /// "krasot" acts on the line or in a branch.
    bool fills = false;
    /// Some command looks a name up: the names known here matter to the line.
    bool usesNames = false;
    bool operator==(const LineRole&) const = default;
};

/// The role of a line, with procedures the program's names (as the reading's calls count).
LineRole roleOf(QStringView line, const LineReading& reading);

/// A fault of the blocks a line opens or closes.
enum class BlockFault : std::uint8_t {
    None,
    RepeatNotClosed,
    ForNotClosed,
    EndWithoutRepeat,
    NextWithoutFor,
    ProcedureNotClosed,
    /// The closing line closes its block while a block of the other kind opened inside is
    /// still open.
    Crossed,
};

/// What the run brings to one line, worked out from every way it can reach it.
struct LineContext {
    /// Some way of the run reaches the line.
    bool reached = false;
    /// Names (as bits in the order of the program's names) that have a value on some way
    /// to the line: variables given one before, and counted loops open here.
    std::vector<std::uint64_t> known;
    /// Names of counted loops that have ended on some way to the line.
    std::vector<std::uint64_t> ended;
    /// The pen width every way to the line gives; 0 when they differ or one cannot be known.
    int penWidth = 0;
    /// The opening line of the innermost loop whose body holds the line; 0 for none. Its
    /// passes may run more than once when repeats is true.
    int loop = 0;
    bool repeats = false;
    /// The procedure whose body holds the line (1-based index of the program's names), or 0.
    int procedure = 0;
    BlockFault fault = BlockFault::None;
    /// The other line of the fault (the block opened inside for Crossed).
    int faultLine = 0;
    bool operator==(const LineContext&) const = default;
};

/// The contexts of lines 1..roles.size(); names are the program's names with values (loop
/// and table variables), in a fixed order; procedures the names of its procedures.
/// lines are the program's lines, for the targets of its jumps.
std::vector<LineContext> analyseFlow(const QStringList& lines, const std::vector<LineRole>& roles,
    const QStringList& names, const QStringList& procedures);

/// Whether bit index of a name set is on.
inline bool hasName(const std::vector<std::uint64_t>& set, qsizetype index)
{
    const auto word = std::size_t(index / 64);
    return word < set.size() && ((set[word] >> (index % 64)) & 1u);
}

} // namespace zimo
