#include "dispatcher.h"

#include "controlflow.h"
#include "keywords.h"
#include "loops.h"
#include "variables.h"

#include "program/machine.h"
#include "program/runloop.h"
#include "turtle/figures.h"
#include "turtle/floodfill.h"
#include "turtle/movement.h"
#include "turtle/pencommands.h"

namespace zimo {

void citas_komandas(Machine& m, int& q)
{
    using namespace kw;
    ProgramState& p = m.program;
    p.jumpFlag = false;
    // Each test reads the entry q names at the moment of the test.
    auto line = [&]() -> QStringView { return p.line(q); };
    auto plain = [&](QStringView keyword) {
        const QStringView l = line();
        return has(l, keyword) && !has(l, Tad);
    };

    if (plain(Sakne))
        sakne(m);
    if (plain(NotiritLapu))
        notirit_lapu(m);
    if (has(line(), Beigt))
        q = p.lineCount;
    if (!has(line(), Tad))
        callProcedures(m, q);
    if (plain(Palielinat))
        changeVariable(m, q, +1);
    if (plain(Samazinat))
        changeVariable(m, q, -1);
    if (has(line(), Paslepts))
        m.turtle.spriteVisible = false;
    if (has(line(), Redzams))
        m.turtle.spriteVisible = true;
    if (plain(LinijasKrasa) && !has(line(), Fona))
        linijas_krasa(m, q);
    if (plain(FonaKrasa))
        fona_krasa(m, q);
    if (plain(Biezums))
        biezums(m, q);
    if (plain(Pauze))
        pauze(m, numericArgument(m, 1, q));
    if (plain(Krasot))
        krasot(m, q);
    if (plain(Lenkis) && !has(line(), Pa))
        setHeading(m, q);
    if (plain(LenkisPaKreisi))
        turnLeft(m, q);
    if (plain(LenkisPaLabi))
        turnRight(m, q);
    if (plain(Koordinatas))
        koordinatas(m, q);
    if (plain(Atrums))
        atrums(m, q);
    if (plain(IetUz))
        ietUz(m, q);
    if (has(line(), Ja) && has(line(), Tad))
        conditional(m, q);
    if (has(line(), No) && has(line(), Lidz))
        openForLoop(m, q);
    if (has(line(), Nakosais))
        nakosais(m, q);
    if (has(line(), Atkartot))
        openRepeat(m, q);
    if (has(line(), Beigas) && !has(line(), Proceduras))
        closeRepeat(m, q);
    if (plain(Zieds))
        zieds(m, q);
    if (plain(Zvaigzne))
        zvaigzne(m, q);
    if (plain(Daudzsturis))
        daudzsturis(m, q);
    if (plain(Stari))
        stari(m, q);
    if (plain(Sinusoida))
        sinusoida(m, q);
    if (plain(Spirale))
        spirale(m, q);
}

} // namespace zimo
