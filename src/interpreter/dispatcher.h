#pragma once

namespace zimo
{

class Machine;

/// Interprets line q: every command except the movement commands, as a fixed sequence of
/// keyword tests. Every test is made on every call and reads the line q names at that
/// moment; a section may move q, and the later tests then read the new line.
void citas_komandas(Machine& m, int& q);

} // namespace zimo
