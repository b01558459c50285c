#include "keywords.h"

#include <array>

namespace zimo::kw
{

namespace
{

// In the order of Key.
constexpr std::array<QStringView, KeyCount> Texts = { Tad, Sakne, NotiritLapu, Beigt, Palielinat,
    Samazinat, Paslepts, Redzams, LinijasKrasa, Fona, FonaKrasa, Biezums, Pauze, Krasot, Lenkis, Pa,
    LenkisPaKreisi, LenkisPaLabi, Koordinatas, Atrums, IetUz, Ja, No, Lidz, Solis, Nakosais,
    Atkartot, Beigas, Proceduras, Procedura, ProcedurasBeigas, Zieds, Zvaigzne, Daudzsturis, Stari,
    Sinusoida, Spirale, LinijasStils, UzAugsu, UzLeju, PaLabi, PaKreisi, UzPrieksu, Parvietot };

} // namespace

Mask maskOf(QStringView line)
{
    Mask mask = 0;
    if (line.isEmpty())
        return mask;
    for (unsigned k = 0; k < KeyCount; ++k) {
        if (has(line, Texts[k]))
            mask |= Mask(1) << k;
    }
    return mask;
}

QStringView textOf(Key key) { return Texts[key]; }

} // namespace zimo::kw
