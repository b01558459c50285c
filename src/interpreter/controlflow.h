#pragma once

namespace zimo
{

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
