#include "hints/programflow.h"

#include "hints/linereading.h"
#include "interpreter/arguments.h"
#include "interpreter/loops.h"
#include "program/keywords.h"

#include <algorithm>
#include <cmath>

namespace zimo
{

namespace
{

using namespace kw;

// Field 1 of a text, when its fields can be cut.
QStringView firstField(QStringView text)
{
    if (commaBeforeBlank(text))
        return {};
    return argumentFields(text).front().text;
}

// What a "biezums " line sets: the width the page gets, at least 1; 0 when a name decides.
int widthOf(QStringView field)
{
    if (!mekle_ciparus(field))
        return 0;
    const double value = std::nearbyint(digitsValue(field));
    return value < 1 ? 1 : int(std::min(value, 32767.0));
}

// Whether a reading looks up a name: an operand of its condition, or a field that is not a
// digit string.
bool looksUp(QStringView line, const Reading& r)
{
    if (r.condition)
        return true;
    const QStringView text = line.mid(r.offset, r.length);
    if (r.uses.empty() || commaBeforeBlank(text))
        return false;
    const std::vector<Field> fields = argumentFields(text);
    for (const ArgumentUse& use : r.uses) {
        if (use.use != FieldUse::LooksUp)
            continue;
        for (int i = use.first; i <= std::min(use.last, int(fields.size())); ++i) {
            if (!mekle_ciparus(fields[size_t(i - 1)].text))
                return true;
        }
    }
    return false;
}

void readBranches(LineRole& role, QStringView line, const LineReading& reading)
{
    for (const Reading& r : reading.readings) {
        // A text no command acts on may be mended into one that looks names up.
        role.usesNames = role.usesNames || !r.acts || looksUp(line, r);
        role.fills = role.fills || (r.keys & bit(KKrasot));
    }
    for (std::size_t i = 1; i < reading.readings.size(); ++i) {
        const Reading& r = reading.readings[i];
        role.branchCall = role.branchCall || !r.calls.empty();
        role.branchJump = role.branchJump || (r.keys & bit(KIetUz));
        role.widthVaries = role.widthVaries || (r.keys & bit(KBiezums));
        if (r.keys & (bit(KPalielinat) | bit(KSamazinat))) {
            const QStringView name = firstField(line.mid(r.offset, r.length));
            if (!name.isEmpty() && !mekle_ciparus(name))
                role.assigns.append(name.toString());
        }
    }
}

} // namespace

LineRole roleOf(QStringView line, const LineReading& reading)
{
    LineRole role;
    role.procedureEnd = has(line, ProcedurasBeigas);
    if (reading.definition) {
        role.definition = true;
        role.procedure = reading.procedureName;
        return role;
    }
    const Reading& whole = reading.readings.front();
    const Mask keys = whole.keys;
    role.opensRepeat = keys & bit(KAtkartot);
    role.closesRepeat = keys & bit(KBeigas);
    role.opensFor = keys & bit(KNo);
    role.closesFor = keys & bit(KNakosais);
    role.ends = keys & bit(KBeigt);
    role.calls = whole.calls;
    role.jumps = whole.jumps;
    const QStringView field = firstField(line);
    if (role.opensFor) {
        if (const auto name = forLoopName(line))
            role.forName = name->toString();
    }
    if (role.opensRepeat && mekle_ciparus(field))
        role.repeatCount = int(std::min(digitsValue(field), 32767.0));
    if (role.jumps)
        role.label = field.toString();
    if (keys & bit(KBiezums)) {
        role.width = widthOf(field);
        role.widthVaries = role.width == 0;
    }
    if ((keys & (bit(KPalielinat) | bit(KSamazinat))) && !field.isEmpty() && !mekle_ciparus(field))
        role.assigns.append(field.toString());
    readBranches(role, line, reading);
    return role;
}

} // namespace zimo
