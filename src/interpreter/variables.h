#pragma once

#include "program/numbers.h"
#include "program/value.h"

#include <QString>

#include <array>

namespace zimo
{

class Machine;

/// The variable table: up to 100 named fixed-point values in slots 1..count. Slot 0 keeps
/// the empty name and the value 0 and is searched like the others.
class Variables
{
public:
    static constexpr int MaxVariables = 100;

    /// Empties every slot up to the count and sets the count to 0.
    void clear();
    /// The value of the first slot (0..count) named name, if any.
    const Fixed* find(QStringView name) const;
    /// Adds amount to the variable name, creating it at 0 first; stops the run when the
    /// table is full or the result leaves the fixed-point range.
    void add(const QString& name, Fixed amount);
    int count() const { return m_count; }
    /// The name and value in slot (0..count).
    const QString& name(int slot) const { return m_names.at(size_t(slot)); }
    Fixed value(int slot) const { return m_values.at(size_t(slot)); }

private:
    std::array<QString, MaxVariables + 1> m_names;
    std::array<Fixed, MaxVariables + 1> m_values {};
    int m_count = 0;
};

/// The built-in names: "lenkis" (the heading), "x", "y"; nothing for any other name.
const double* stparverst(const Machine& m, const Value& ko);
/// The value of a name: built-in, then the open counted loops (outermost first), then the
/// variable table; 1 for any other name.
double parverst(const Machine& m, const Value& ko);
/// The value of a condition's left operand.
double pievieno_vert(const Machine& m, const QString& kada);

/// Argument k of line q as a number: the field itself when it is a digit string,
/// otherwise the value of that name.
double numericArgument(const Machine& m, int k, int q);

/// "palielinat vertibu" (sign +1) and "samazinat vertibu" (sign -1) on line q.
void changeVariable(Machine& m, int q, int sign);

} // namespace zimo
