#include "linereading.h"

#include "interpreter/arguments.h"
#include "interpreter/controlflow.h"
#include "interpreter/loops.h"
#include "program/keywords.h"
#include "program/numbers.h"

namespace zimo
{

namespace
{

using namespace kw;

// The figure commands in dispatcher order, with the number of fields each reads.
struct FigureCommand {
    Key key;
    int fields;
};
constexpr FigureCommand Figures[] = { { KZieds, 3 }, { KZvaigzne, 3 }, { KDaudzsturis, 3 },
    { KStari, 3 }, { KSinusoida, 3 }, { KSpirale, 2 } };

// Reads one text (the line, or a branch of it) with the tests of the movement procedure
// and the dispatcher in their order, and their gates. It notes what acts; it changes
// nothing.
class Reader
{
public:
    Reader(const QStringList& procedures, LineReading& out)
        : m_procedures(procedures)
        , m_out(out)
    {
    }

    void read(
        QStringView line, qsizetype offset, qsizetype length, bool branch, bool elseBranch = false)
    {
        m_text = line.mid(offset, length);
        m_offset = offset;
        m_mask = maskOf(m_text);
        m_reading = Reading {};
        m_reading.offset = offset;
        m_reading.length = length;
        m_reading.branch = branch;
        m_reading.elseBranch = elseBranch;
        if (!branch && on(KProcedura)) {
            readDefinition();
            return;
        }
        if (!branch && on(KProcedurasBeigas))
            act(KProcedurasBeigas, SpanKind::Control);
        readMovement();
        readCommands();
        colourFields();
        const std::size_t index = m_out.readings.size();
        m_out.readings.push_back(m_reading);
        if (on(KJa) && on(KTad))
            readCondition(line, index);
    }

private:
    bool on(Key key) const { return (m_mask & bit(key)) != 0; }
    bool plain(Key key) const { return on(key) && !on(KTad); }

    // The first place the run finds the keyword; returns where it ends in the whole line.
    qsizetype mark(QStringView word, SpanKind kind)
    {
        const qsizetype at = m_text.indexOf(word);
        if (at < 0)
            return -1;
        m_out.spans.push_back({ m_offset + at, word.size(), kind });
        return m_offset + at + word.size();
    }

    void act(Key key, SpanKind kind, int fields = 0, FieldUse use = FieldUse::LooksUp)
    {
        m_reading.acts = true;
        m_reading.keys |= bit(key);
        const qsizetype end = mark(textOf(key), kind);
        if (fields > 0) {
            m_reading.uses.push_back({ 1, fields, use });
            m_reading.commands.push_back({ key, end });
        }
    }

    void readDefinition()
    {
        m_reading.acts = true;
        m_out.definition = true;
        m_out.procedureName = procedureNameOf(m_text);
        mark(Procedura, SpanKind::Control);
        const qsizetype start = argumentStart(m_text);
        const qsizetype comma = m_text.indexOf(u',', start);
        const qsizetype length = (comma < 0 ? m_text.size() : comma) - start;
        if (length > 0)
            m_out.spans.push_back({ m_offset + start, length, SpanKind::Call });
        m_out.readings.push_back(m_reading);
    }

    void readMovement()
    {
        if (plain(KLinijasStils))
            act(KLinijasStils, SpanKind::Pen, 1);
        bool moves = false;
        if (!on(KLenkis)) {
            for (Key key : { KUzAugsu, KUzLeju, KPaLabi, KPaKreisi }) {
                if (plain(key)) {
                    act(key, SpanKind::Movement, 1);
                    moves = true;
                }
            }
        }
        if (plain(KUzPrieksu)) {
            act(KUzPrieksu, SpanKind::Movement, 1);
            moves = true;
        }
        // "parvietot " only lifts the pen of a move on the same line.
        if (moves && !on(KLenkis) && on(KParvietot))
            mark(Parvietot, SpanKind::Movement);
    }

    void readCommands()
    {
        if (plain(KSakne))
            act(KSakne, SpanKind::Pen);
        if (plain(KNotiritLapu))
            act(KNotiritLapu, SpanKind::Pen);
        if (on(KBeigt))
            act(KBeigt, SpanKind::Control);
        if (!on(KTad))
            readCalls();
        for (Key key : { KPalielinat, KSamazinat }) {
            if (plain(key)) {
                act(key, SpanKind::Control, 1, FieldUse::VariableName);
                m_reading.uses.push_back({ 2, 2, FieldUse::Amount });
            }
        }
        for (Key key : { KPaslepts, KRedzams }) {
            if (on(key))
                act(key, SpanKind::Pen);
        }
        if (plain(KLinijasKrasa) && !on(KFona))
            act(KLinijasKrasa, SpanKind::Pen, 1);
        for (Key key : { KFonaKrasa, KBiezums, KPauze }) {
            if (plain(key))
                act(key, SpanKind::Pen, 1);
        }
        if (plain(KKrasot))
            act(KKrasot, SpanKind::Figure, 4);
        if (plain(KLenkis) && !on(KPa))
            act(KLenkis, SpanKind::Movement, 1);
        for (Key key : { KLenkisPaKreisi, KLenkisPaLabi }) {
            if (plain(key))
                act(key, SpanKind::Movement, 1);
        }
        if (plain(KKoordinatas))
            act(KKoordinatas, SpanKind::Movement, 2);
        if (plain(KAtrums))
            act(KAtrums, SpanKind::Pen, 1);
        if (plain(KIetUz)) {
            act(KIetUz, SpanKind::Control, 1, FieldUse::Label);
            m_reading.jumps = !m_reading.branch;
        }
        if (on(KJa) && on(KTad)) {
            act(KJa, SpanKind::Control);
            mark(Tad, SpanKind::Control);
            mark(Citadi, SpanKind::Control);
        }
        readLoops();
        for (const FigureCommand& figure : Figures) {
            if (plain(figure.key))
                act(figure.key, SpanKind::Figure, figure.fields);
        }
    }

    void readCalls()
    {
        for (qsizetype k = 0; k < m_procedures.size(); ++k) {
            const QString& name = m_procedures[k];
            if (has(m_text, name)) {
                m_reading.acts = true;
                m_reading.calls.push_back(int(k));
                mark(name, SpanKind::Call);
            }
        }
    }

    void readLoops()
    {
        if (on(KNo) && on(KLidz)) {
            act(KNo, SpanKind::Control, 1, FieldUse::Amount);
            m_reading.opensLoop = true;
            // The field is the end value, or the step after "solis".
            qsizetype end = mark(Lidz, SpanKind::Control);
            if (on(KSolis))
                end = std::max(end, mark(Solis, SpanKind::Control));
            m_reading.commands.back().end = end;
            if (const auto name = forLoopName(m_text); name && !name->isEmpty())
                m_out.spans.push_back(
                    { m_offset + (name->data() - m_text.data()), name->size(), SpanKind::Name });
        }
        if (on(KNakosais))
            act(KNakosais, SpanKind::Control);
        if (on(KAtkartot))
            act(KAtkartot, SpanKind::Control, 1);
        if (on(KBeigas) && !on(KProceduras))
            act(KBeigas, SpanKind::Control);
    }

    // Numbers in one colour, names in another, for the fields some acting command reads.
    void colourFields()
    {
        if (m_reading.uses.empty() || commaBeforeBlank(m_text))
            return;
        const std::vector<Field> fields = argumentFields(m_text);
        int last = 0;
        for (const ArgumentUse& u : m_reading.uses)
            last = std::max(last, std::min(u.last, int(fields.size())));
        for (int i = 0; i < last; ++i) {
            const Field& f = fields[size_t(i)];
            if (f.text.isEmpty())
                continue;
            const bool number
                = mekle_ciparus(f.text) || (usedAsAmount(i + 1) && parseNumber(f.text));
            m_out.spans.push_back(
                { m_offset + f.start, f.text.size(), number ? SpanKind::Number : SpanKind::Name });
        }
    }

    bool usedAsAmount(int field) const
    {
        for (const ArgumentUse& u : m_reading.uses) {
            if (u.use == FieldUse::Amount && field >= u.first && field <= u.last)
                return true;
        }
        return false;
    }

    // The operands, and each branch text read in the line's place as the conditional does.
    void readCondition(QStringView line, std::size_t index)
    {
        const qsizetype offset = m_offset;
        const QStringView text = m_text;
        const ConditionLayout at = conditionLayout(text);
        if (at.op >= 0 && at.rightLength >= 0) {
            Reading& r = m_out.readings[index];
            r.condition = true;
            r.leftStart = offset + at.leftStart;
            r.leftLength = at.leftLength;
            r.rightStart = offset + at.rightStart;
            r.rightLength = at.rightLength;
            if (at.leftLength > 0)
                m_out.spans.push_back({ r.leftStart, r.leftLength, SpanKind::Name });
            const QStringView right = text.mid(at.rightStart, at.rightLength);
            if (!right.isEmpty())
                m_out.spans.push_back({ r.rightStart, r.rightLength,
                    mekle_ciparus(right) ? SpanKind::Number : SpanKind::Name });
        }
        if (at.thenLength > 0)
            read(line, offset + at.thenStart, at.thenLength, true);
        if (at.elseStart >= 0)
            read(line, offset + at.elseStart, text.size() - at.elseStart, true, true);
    }

    const QStringList& m_procedures;
    LineReading& m_out;
    QStringView m_text;
    qsizetype m_offset = 0;
    Mask m_mask = 0;
    Reading m_reading;
};

} // namespace

LineReading readLine(QStringView line, const QStringList& procedures)
{
    LineReading out;
    Reader(procedures, out).read(line, 0, line.size(), false);
    return out;
}

bool actsOn(QStringView text, const QStringList& procedures, bool branch)
{
    LineReading out;
    Reader(procedures, out).read(text, 0, text.size(), branch);
    return out.readings.front().acts;
}

QString procedureNameOf(QStringView line)
{
    if (commaBeforeBlank(line))
        return {};
    const std::vector<Field> fields = argumentFields(line);
    const QStringView field = fields.front().text;
    if (mekle_ciparus(field))
        return numberText(digitsValue(field));
    return field.toString();
}

std::vector<Field> argumentFields(QStringView text)
{
    std::vector<Field> fields;
    qsizetype from = argumentStart(text);
    for (;;) {
        const qsizetype comma = text.indexOf(u',', from);
        const qsizetype end = comma < 0 ? text.size() : comma;
        fields.push_back({ from, text.mid(from, end - from) });
        if (comma < 0)
            return fields;
        from = comma + 1;
    }
}

} // namespace zimo
