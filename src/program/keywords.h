#pragma once

#include <QString>
#include <QStringView>

#include <cstdint>

/// The keywords of the command language, exactly as they are searched for in a line.
/// A trailing blank is part of a keyword that takes arguments.
namespace zimo::kw
{

constexpr QStringView Tad = u"tad ";
constexpr QStringView Sakne = u"sakne";
constexpr QStringView NotiritLapu = u"notirit lapu";
constexpr QStringView Beigt = u"beigt";
constexpr QStringView Palielinat = u"palielinat vertibu";
constexpr QStringView Samazinat = u"samazinat vertibu";
constexpr QStringView Paslepts = u"brunurupucis paslepts";
constexpr QStringView Redzams = u"brunurupucis redzams";
constexpr QStringView LinijasKrasa = u"linijas krasa ";
constexpr QStringView Fona = u"fona ";
constexpr QStringView FonaKrasa = u"fona krasa ";
constexpr QStringView Biezums = u"biezums ";
constexpr QStringView Pauze = u"pauze ";
constexpr QStringView Krasot = u"krasot ";
constexpr QStringView Lenkis = u"lenkis ";
constexpr QStringView Pa = u"pa ";
constexpr QStringView LenkisPaKreisi = u"lenkis pa kreisi ";
constexpr QStringView LenkisPaLabi = u"lenkis pa labi ";
constexpr QStringView Koordinatas = u"koordinatas ";
constexpr QStringView Atrums = u"atrums ";
constexpr QStringView IetUz = u"iet uz ";
constexpr QStringView Ja = u"ja ";
constexpr QStringView Citadi = u"citadi ";
constexpr QStringView No = u"no ";
constexpr QStringView Lidz = u"lidz ";
constexpr QStringView Solis = u"solis";
constexpr QStringView Nakosais = u"nakosais";
constexpr QStringView Atkartot = u"atkartot ";
constexpr QStringView Beigas = u"beigas";
constexpr QStringView Proceduras = u"proceduras";
constexpr QStringView Procedura = u"procedura ";
constexpr QStringView ProcedurasBeigas = u"proceduras beigas";
constexpr QStringView Zieds = u"zieds ";
constexpr QStringView Zvaigzne = u"zvaigzne ";
constexpr QStringView Daudzsturis = u"daudzsturis ";
constexpr QStringView Stari = u"stari ";
constexpr QStringView Sinusoida = u"sinusoida ";
constexpr QStringView Spirale = u"spirale ";
constexpr QStringView LinijasStils = u"linijas stils";
constexpr QStringView UzAugsu = u"uz augsu ";
constexpr QStringView UzLeju = u"uz leju ";
constexpr QStringView PaLabi = u"pa labi ";
constexpr QStringView PaKreisi = u"pa kreisi ";
constexpr QStringView UzPrieksu = u"uz prieksu ";
constexpr QStringView Parvietot = u"parvietot ";

/// Every keyword a line is tested for, as a bit of the line's keyword mask.
enum Key : unsigned {
    KTad,
    KSakne,
    KNotiritLapu,
    KBeigt,
    KPalielinat,
    KSamazinat,
    KPaslepts,
    KRedzams,
    KLinijasKrasa,
    KFona,
    KFonaKrasa,
    KBiezums,
    KPauze,
    KKrasot,
    KLenkis,
    KPa,
    KLenkisPaKreisi,
    KLenkisPaLabi,
    KKoordinatas,
    KAtrums,
    KIetUz,
    KJa,
    KNo,
    KLidz,
    KSolis,
    KNakosais,
    KAtkartot,
    KBeigas,
    KProceduras,
    KProcedura,
    KProcedurasBeigas,
    KZieds,
    KZvaigzne,
    KDaudzsturis,
    KStari,
    KSinusoida,
    KSpirale,
    KLinijasStils,
    KUzAugsu,
    KUzLeju,
    KPaLabi,
    KPaKreisi,
    KUzPrieksu,
    KParvietot,
    KeyCount
};
static_assert(KeyCount <= 64);

/// Which keywords a line holds, one bit per Key. Lines are tested for some forty keywords
/// at every step, so each line is searched once when it is stored.
using Mask = std::uint64_t;
constexpr Mask bit(Key key) { return Mask(1) << key; }
Mask maskOf(QStringView line);
/// The text of a keyword, exactly as it is searched for.
QStringView textOf(Key key);

/// Case-sensitive substring search anywhere in the line. Every line step makes some forty
/// of these on short lines, where a plain scan for the first character beats a general
/// search.
inline bool has(QStringView line, QStringView keyword)
{
    const qsizetype m = keyword.size();
    const qsizetype n = line.size();
    if (m == 0)
        return true;
    if (m > n)
        return false;
    const char16_t* text = line.utf16();
    const char16_t* word = keyword.utf16();
    const char16_t first = word[0];
    const char16_t* last = text + (n - m);
    for (const char16_t* p = text; p <= last; ++p) {
        if (*p != first)
            continue;
        qsizetype i = 1;
        while (i < m && p[i] == word[i])
            ++i;
        if (i == m)
            return true;
    }
    return false;
}

} // namespace zimo::kw
