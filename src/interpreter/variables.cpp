#include "variables.h"

#include "interpreter/arguments.h"
#include "interpreter/machine.h"
#include "program/messages.h"
#include "program/runerror.h"

#include <limits>

namespace zimo
{

void Variables::clear()
{
    for (int i = 0; i <= m_count; ++i) {
        m_names[size_t(i)].clear();
        m_values[size_t(i)] = 0;
    }
    m_count = 0;
}

const Fixed* Variables::find(QStringView name) const
{
    for (int i = 0; i <= m_count; ++i) {
        if (m_names[size_t(i)] == name)
            return &m_values[size_t(i)];
    }
    return nullptr;
}

void Variables::add(const QString& name, Fixed amount)
{
    Fixed* slot = const_cast<Fixed*>(find(name));
    if (!slot) {
        if (m_count >= MaxVariables)
            fail(msg::tooManyVariables());
        ++m_count;
        m_names[size_t(m_count)] = name;
        m_values[size_t(m_count)] = 0;
        slot = &m_values[size_t(m_count)];
    }
    Fixed result = 0;
    if (__builtin_add_overflow(*slot, amount, &result))
        fail(msg::outOfFixedRange(fromFixed(*slot) + fromFixed(amount)));
    *slot = result;
}

const double* stparverst(const Machine& m, const Value& ko)
{
    if (ko.isNumber())
        return nullptr;
    const QString& name = ko.text();
    if (name == u"lenkis")
        return &m.drawing.turtle.heading;
    if (name == u"x")
        return &m.drawing.turtle.x;
    if (name == u"y")
        return &m.drawing.turtle.y;
    return nullptr;
}

double parverst(const Machine& m, const Value& ko)
{
    if (const double* builtIn = stparverst(m, ko))
        return *builtIn;
    // A number never equals a name.
    if (ko.isNumber())
        return 1.0;
    const QString& name = ko.text();
    const ProgramState& p = m.program;
    for (int j = 1; j <= p.forDepth; ++j) {
        if (p.forStack[size_t(j)].name == name)
            return p.forStack[size_t(j)].current;
    }
    if (const Fixed* value = m.variables.find(name))
        return fromFixed(*value);
    return 1.0;
}

double pievieno_vert(const Machine& m, const QString& kada) { return parverst(m, Value(kada)); }

double numericArgument(const Machine& m, int k, int q)
{
    const Value v = lielums(m.program, k, q);
    if (mekle_ciparus(v))
        return v.number();
    return parverst(m, v);
}

void changeVariable(Machine& m, int q, int sign)
{
    const Value name = lielums(m.program, 1, q);
    const Value amountField = lielums(m.program, 2, q);
    double amount = 0;
    if (amountField.isNumber()) {
        amount = amountField.number();
    } else {
        const auto parsed = parseNumber(amountField.text());
        if (!parsed)
            fail(msg::amountNotANumber(amountField.text()));
        amount = *parsed;
    }
    const Fixed fixedAmount = toFixed(amount);
    if (mekle_ciparus(name))
        return;
    if (sign < 0 && fixedAmount == std::numeric_limits<Fixed>::min())
        fail(msg::outOfFixedRange(-amount));
    m.variables.add(name.toText(), sign < 0 ? -fixedAmount : fixedAmount);
}

} // namespace zimo
