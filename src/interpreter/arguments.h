#pragma once

#include "program/value.h"

#include <QStringView>

namespace zimo
{

struct ProgramState;

/// Field kurs (1-based) of the text after the last blank of line q, split at commas: a
/// number when it passes the digit test, otherwise its text. A field index beyond the last
/// field (or below 1) gives the last field. A comma before the last blank stops the run.
Value lielums(const ProgramState& program, int kurs, int q);

/// The same field as text, never converted (labels).
QString str_lielums(const ProgramState& program, int kurs, int q);

/// Where the argument text of a line starts: right after its last blank (0 without one).
qsizetype argumentStart(QStringView line);
/// True when a comma stands before the last blank, so the fields cannot be cut.
bool commaBeforeBlank(QStringView line);

/// The digit test: every character is a digit or a colon (the empty text passes). A number
/// is tested through its ordinary decimal text.
bool mekle_ciparus(QStringView text);
bool mekle_ciparus(const Value& value);

/// The number a passing field spells: its digits up to the first colon (empty gives 0).
double digitsValue(QStringView field);

} // namespace zimo
