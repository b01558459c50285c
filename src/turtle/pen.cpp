#include "pen.h"

#include <cmath>

namespace zimo
{

const std::array<Colour, 36> ColourTable = {
    rgb(0, 0, 0),
    rgb(64, 64, 64),
    rgb(128, 128, 128),
    rgb(192, 192, 192),
    rgb(224, 224, 224),
    rgb(255, 255, 255),
    rgb(64, 0, 0),
    rgb(128, 0, 0),
    rgb(192, 0, 0),
    rgb(255, 0, 0),
    rgb(255, 128, 128),
    rgb(255, 192, 192),
    rgb(128, 64, 64),
    rgb(128, 64, 0),
    rgb(192, 64, 0),
    rgb(255, 128, 0),
    rgb(255, 192, 128),
    rgb(255, 224, 192),
    rgb(64, 64, 0),
    rgb(128, 128, 0),
    rgb(192, 192, 0),
    rgb(255, 255, 0),
    rgb(255, 255, 128),
    rgb(255, 255, 192),
    rgb(0, 128, 0),
    rgb(0, 192, 0),
    rgb(0, 255, 0),
    rgb(0, 64, 64),
    rgb(0, 128, 128),
    rgb(0, 192, 192),
    rgb(0, 0, 128),
    rgb(0, 0, 192),
    rgb(0, 0, 255),
    rgb(128, 0, 128),
    rgb(192, 0, 192),
    rgb(255, 128, 255),
};

Colour colourOfNumber(double number)
{
    if (number > 36)
        number = 36;
    if (!(number >= 1))
        number = 1;
    return ColourTable[size_t(roundHalfEven(number - 1))];
}

int colourNumberOf(Colour colour)
{
    for (size_t i = 0; i < ColourTable.size(); ++i) {
        if (ColourTable[i] == colour)
            return int(i) + 1;
    }
    return 0;
}

} // namespace zimo
