#pragma once

#include <QStringView>

#include <optional>

namespace zimo
{

/// The variable name of a counted loop's opening line (between "no " and "="), or nothing
/// when the line cannot be cut that way.
std::optional<QStringView> forLoopName(QStringView st);

class Machine;

/// "no a=1 lidz 15 solis 2": opens a counted loop on line q.
void openForLoop(Machine& m, int q);
/// "nakosais": replays the innermost counted loop's body, then closes it.
void nakosais(Machine& m, int q);
/// "atkartot n": opens a repeat block on line q.
void openRepeat(Machine& m, int q);
/// "beigas": replays the innermost repeat block's body, then closes it.
void closeRepeat(Machine& m, int q);

} // namespace zimo
