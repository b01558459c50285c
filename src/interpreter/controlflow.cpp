#include "controlflow.h"

#include "interpreter/arguments.h"
#include "interpreter/dispatcher.h"
#include "interpreter/machine.h"
#include "interpreter/movementcommands.h"
#include "program/keywords.h"
#include "program/messages.h"
#include "program/numbers.h"
#include "program/runerror.h"

#include <optional>

namespace zimo
{

void callProcedures(Machine& m, int& q)
{
    ProgramState& p = m.program;
    // The text is taken once: a second name in it calls again from the first body.
    const QString text = p.line(q);
    for (int k = 1; k <= p.procedureCount; ++k) {
        const ProgramState::Procedure& procedure = p.procedures[size_t(k)];
        if (!kw::has(text, procedure.name))
            continue;
        p.inProcedure = true;
        p.returnLine = q + 1;
        q = procedure.line;
    }
}

void ietUz(Machine& m, int& q)
{
    ProgramState& p = m.program;
    p.jumpFlag = true;
    const QString label = str_lielums(p, 1, q);
    if (label.isEmpty())
        return;
    for (int i = 1; i <= p.lineCount; ++i) {
        if (p.line(i).startsWith(label))
            q = i;
    }
}

// The positions are counted from 1 here, as they usually are in the description of the
// conditional, and returned from 0.
ConditionLayout conditionLayout(QStringView st)
{
    ConditionLayout at;
    const qsizetype n = st.size();
    const qsizetype j = st.indexOf(kw::Ja) + 1;
    const qsizetype t = st.indexOf(kw::Tad) + 1;
    qsizetype c = st.indexOf(kw::Citadi) + 1 - 2;
    if (c <= 0)
        c = n;
    for (qsizetype i = j + 3; i <= n; ++i) {
        const QChar ch = st[i - 1];
        if (ch == u'=' || ch == u'>' || ch == u'<') {
            at.op = i - 1;
            break;
        }
    }
    if (at.op >= 0) {
        const qsizetype op = at.op + 1;
        at.leftStart = j + 2;
        at.leftLength = op - j - 3;
        at.rightStart = op;
        at.rightLength = t - 2 - op;
    }
    // The then text runs from the blank after "tad" to position c.
    at.thenStart = t + 2;
    at.thenLength = c - (t + 3) + 1;
    at.elseStart = c + 6 <= n ? c + 5 : -1;
    return at;
}

namespace
{

struct Condition {
    QString left;
    QString right;
    QChar op;
    /// Nothing when "citadi " stands before "tad " and the then text cannot be cut.
    std::optional<QString> branchIfTrue;
    QString branchIfFalse;
};

// Cuts the operands and the two branch texts out of the line at their fixed positions.
Condition parseCondition(const QString& st)
{
    const ConditionLayout at = conditionLayout(st);
    if (at.op < 0 || at.rightLength < 0)
        fail(msg::conditionWithoutOperator());
    Condition cond;
    cond.op = st[at.op];
    cond.left = st.mid(at.leftStart, at.leftLength);
    cond.right = st.mid(at.rightStart, at.rightLength);
    cond.branchIfFalse = at.elseStart >= 0 ? st.mid(at.elseStart) : QString();
    if (at.thenLength >= 0)
        cond.branchIfTrue = st.mid(at.thenStart, at.thenLength);
    return cond;
}

bool holds(const Machine& m, const Condition& cond)
{
    const double right = mekle_ciparus(QStringView(cond.right)) ? leadingNumber(cond.right)
                                                                : parverst(m, Value(cond.right));
    double left = pievieno_vert(m, cond.left);
    if (cond.left == u"lenkis")
        left -= 180.0;
    if (cond.op == u'=')
        return left == right;
    if (cond.op == u'>')
        return left > right;
    return left < right;
}

} // namespace

void conditional(Machine& m, int q)
{
    ProgramState& p = m.program;
    const QString saved = p.line(q);
    const kw::Mask savedMask = p.mask(q);
    const Condition cond = parseCondition(saved);
    const bool chosen = holds(m, cond);
    if (chosen && !cond.branchIfTrue)
        fail(msg::branchUnreadable());
    p.setLine(q, chosen ? *cond.branchIfTrue : cond.branchIfFalse);
    // The branch runs on copies of the line number: a jump or call in it moves nothing.
    struct Restore {
        ProgramState& p;
        int q;
        const QString& text;
        kw::Mask mask;
        ~Restore() { p.setLine(q, text, mask); }
    } restore { p, q, saved, savedMask };
    int copy = q;
    liniju_zimesana(m, copy);
    copy = q;
    citas_komandas(m, copy);
}

} // namespace zimo
