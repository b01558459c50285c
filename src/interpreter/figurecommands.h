#pragma once

namespace zimo
{

class Machine;

/// The figure sections of the dispatcher, each for line q: the arguments read, then the
/// figure drawn around the turtle.
void zieds(Machine& m, int q);
void zvaigzne(Machine& m, int q);
void daudzsturis(Machine& m, int q);
void stari(Machine& m, int q);
void sinusoida(Machine& m, int q);
void spirale(Machine& m, int q);

/// "krasot x,y,border,colour" on line q: the line colour becomes the border colour, then
/// the region around the seed is filled.
void krasot(Machine& m, int q);

} // namespace zimo
