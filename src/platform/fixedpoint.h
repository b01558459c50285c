#pragma once

#include <cmath>
#include <cstdint>

namespace zimo
{

/// A fixed-point number: a count of ten-thousandths (speed and variable values).
using Fixed = std::int64_t;
constexpr Fixed FixedScale = 10000;

inline double fromFixed(Fixed value) { return double(value) / double(FixedScale); }

/// The nearest whole number, halves to the even neighbour (the default rounding mode).
inline double roundHalfEven(double value) { return std::nearbyint(value); }

} // namespace zimo
