#pragma once

namespace zimo
{

class Machine;

/// Pen and page sections of the dispatcher, each for line q.
void linijas_krasa(Machine& m, int q);
void fona_krasa(Machine& m, int q);
void biezums(Machine& m, int q);
void atrums(Machine& m, int q);
/// "pauze n": one delay of n units.
void pauseCommand(Machine& m, int q);
void notirit_lapu(Machine& m);
/// The turtle back to the middle of the page, heading 360.
void sakne(Machine& m);

} // namespace zimo
