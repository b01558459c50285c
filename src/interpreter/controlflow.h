#pragma once

#include <QStringView>

namespace zimo
{

/// Where a conditional line's parts stand (0-based), cut at the positions the conditional
/// uses: the first "ja ", the first operator after it, the first "tad " and "citadi ".
struct ConditionLayout {
    qsizetype leftStart = 0;
    qsizetype leftLength = 0;
    /// The operator's index; -1 when none follows "ja ".
    qsizetype op = -1;
    qsizetype rightStart = 0;
    /// Negative when the operator stands after "tad ": the operand cannot be cut.
    qsizetype rightLength = -1;
    qsizetype thenStart = 0;
    /// Negative when "citadi " stands before "tad ".
    qsizetype thenLength = -1;
    /// -1 when the line has no else text.
    qsizetype elseStart = -1;
};
ConditionLayout conditionLayout(QStringView st);

class Machine;

/// Calls every registered procedure whose name occurs in line q (one return line: calls
/// do not nest).
void callProcedures(Machine& m, int& q);

/// "iet uz": moves q to the last line that begins with the label; sets the jump flag.
void ietUz(Machine& m, int& q);

/// "ja ... tad ... citadi ...": runs the chosen branch text in line q's place, on a copy
/// of q.
void conditional(Machine& m, int q);

} // namespace zimo
