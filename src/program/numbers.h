#pragma once

#include "platform/fixedpoint.h"

#include <QString>
#include <QStringView>

#include <cstdint>
#include <optional>

namespace zimo
{

/// The ordinary decimal text of a number: at most 15 significant digits, whole numbers
/// without a decimal point, magnitudes of 1e15 and more (or below 1e-4) in exponent form.
QString numberText(double value);

/// The leading number of a text: blanks (code 32 only) are ignored, then an optional sign, digits, an
/// optional decimal point with digits and an optional exponent; reading stops at the first
/// other character; no number gives 0.
double leadingNumber(QStringView text);

/// A text that is one number as a whole (an optional sign, digits, an optional decimal
/// point, an optional exponent), or nothing.
std::optional<double> parseNumber(QStringView text);

/// The nearest signed 16-bit number; stops the run when the value does not fit.
int toInt16(double value);

/// The fixed-point form (four decimals, halves to even); stops the run when out of range.
Fixed toFixed(double value);

} // namespace zimo
