#include "dispatcher.h"

#include "interpreter/controlflow.h"
#include "interpreter/figurecommands.h"
#include "interpreter/loops.h"
#include "interpreter/machine.h"
#include "interpreter/movementcommands.h"
#include "interpreter/pencommands.h"
#include "program/keywords.h"

namespace zimo
{

void citas_komandas(Machine& m, int& q)
{
    using namespace kw;
    ProgramState& p = m.program;
    p.jumpFlag = false;
    // Each test reads the entry q names at the moment of the test.
    auto on = [&](Key key) { return p.holds(q, key); };
    auto plain = [&](Key key) {
        const Mask mask = p.mask(q);
        return (mask & bit(key)) && !(mask & bit(KTad));
    };

    if (plain(KSakne))
        sakne(m);
    if (plain(KNotiritLapu))
        notirit_lapu(m);
    if (on(KBeigt))
        q = p.lineCount;
    if (!on(KTad))
        callProcedures(m, q);
    if (plain(KPalielinat))
        changeVariable(m, q, +1);
    if (plain(KSamazinat))
        changeVariable(m, q, -1);
    if (on(KPaslepts))
        m.drawing.turtle.spriteVisible = false;
    if (on(KRedzams))
        m.drawing.turtle.spriteVisible = true;
    if (plain(KLinijasKrasa) && !on(KFona))
        linijas_krasa(m, q);
    if (plain(KFonaKrasa))
        fona_krasa(m, q);
    if (plain(KBiezums))
        biezums(m, q);
    if (plain(KPauze))
        pauseCommand(m, q);
    if (plain(KKrasot))
        krasot(m, q);
    if (plain(KLenkis) && !on(KPa))
        setHeading(m, q);
    if (plain(KLenkisPaKreisi))
        turnLeft(m, q);
    if (plain(KLenkisPaLabi))
        turnRight(m, q);
    if (plain(KKoordinatas))
        koordinatas(m, q);
    if (plain(KAtrums))
        atrums(m, q);
    if (plain(KIetUz))
        ietUz(m, q);
    if (on(KJa) && on(KTad))
        conditional(m, q);
    if (on(KNo) && on(KLidz))
        openForLoop(m, q);
    if (on(KNakosais))
        nakosais(m, q);
    if (on(KAtkartot))
        openRepeat(m, q);
    if (on(KBeigas) && !on(KProceduras))
        closeRepeat(m, q);
    if (plain(KZieds))
        zieds(m, q);
    if (plain(KZvaigzne))
        zvaigzne(m, q);
    if (plain(KDaudzsturis))
        daudzsturis(m, q);
    if (plain(KStari))
        stari(m, q);
    if (plain(KSinusoida))
        sinusoida(m, q);
    if (plain(KSpirale))
        spirale(m, q);
}

} // namespace zimo
