#include "commandline.h"

#include <cstdio>

namespace zimo
{

namespace
{

constexpr const char* Usage = R"(Lietošana:
  zimo                        atver Zimo logu
  zimo PROGRAMMA.zkf          atver logu ar šo programmu
  zimo --run PROGRAMMA.zkf [--png ATTĒLS.png] [--svg ATTĒLS.svg] [--gif ANIMĀCIJA.gif]
                          [--pdf DOKUMENTS.pdf] [--trace TRASE.txt] [--max-steps N]
                              izpilda programmu bez loga un pilnā ātrumā:
                              --png saglabā zīmējumu PNG attēlā,
                              --svg saglabā zīmējumu kā vektorattēlu (SVG),
                              --gif saglabā, kā zīmējums tapa, kā animāciju (GIF),
                              --pdf saglabā zīmējumu un programmas tekstu PDF dokumentā,
                              --trace ieraksta, ko darīja katra rinda,
                              --max-steps aptur pēc N rindu soļiem (bez tās pēc
                              10 000 000, ar --trace pēc 1 000 000)
  zimo --check PROGRAMMA.zkf  parāda padomus par programmas rindām, to neizpildot
  zimo UZDEVUMS.zku           atver logu ar šo uzdevumu
  zimo --make-task RISINĀJUMS.zkf --title NOSAUKUMS --text TEKSTS [--text TEKSTS]...
       [--require VĀRDS]... [--max-lines N] -o UZDEVUMS.zku
                              izveido uzdevumu no programmas: katrs --text ir viena
                              apraksta rinda, --require vārds, kas programmā jāizmanto,
                              --max-lines lielākais atļautais rindu skaits
  zimo --grade UZDEVUMS.zku PROGRAMMA.zkf... [--csv TABULA.csv] [--sheet ATTĒLS.png]
                              pārbauda, vai programmas izpilda uzdevumu: katrai programmai
                              rinda „fails<TAB>izdevās” vai „fails<TAB>neizdevās<TAB>kāpēc”;
                              --csv saglabā tabulu, --sheet attēlu ar visiem zīmējumiem
  zimo --help                 parāda šo palīdzību
  zimo --version              parāda Zimo versiju

Palaista no izvēlnes, Zimo strādā mapē „Zimo” lietotāja dokumentu mapē;
palaista no termināļa, tā strādā pašreizējā mapē.

Izejas kods: 0 izdevās, 1 programma apstājās ar kļūdu (--check: ir padomi;
--grade: kāda programma neizdevās), 2 nepareiza komandrinda, failu nevar nolasīt
vai kādu no failiem nevar ierakstīt.
)";

} // namespace

std::optional<int> answerInfoOption(const QStringList& arguments)
{
    if (arguments.size() != 1)
        return std::nullopt;
    if (arguments.front() == u"--help" || arguments.front() == u"-h") {
        std::fputs(Usage, stdout);
        return 0;
    }
    if (arguments.front() == u"--version") {
        std::printf("zimo %s\n", ZIMO_VERSION);
        return 0;
    }
    return std::nullopt;
}

} // namespace zimo
