#pragma once

namespace zimo
{

class Machine;

/// The ready-made figures of line q, each traced step by step from its formula with fixed
/// step sizes and end tests; every step draws one segment, moves the sprite and waits.
void zieds(Machine& m, int q);
void zvaigzne(Machine& m, int q);
void daudzsturis(Machine& m, int q);
void stari(Machine& m, int q);
void sinusoida(Machine& m, int q);
void spirale(Machine& m, int q);

} // namespace zimo
