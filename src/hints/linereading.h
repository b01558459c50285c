#pragma once

#include "program/keywords.h"

#include <QString>
#include <QStringList>
#include <QStringView>

#include <vector>

namespace zimo
{

/// What a coloured stretch of a line is.
enum class SpanKind { Movement, Pen, Figure, Control, Call, Number, Name };

/// A stretch of a line (0-based start, length in characters) and what it is.
struct Span {
    qsizetype start = 0;
    qsizetype length = 0;
    SpanKind kind = SpanKind::Control;
};

/// How a command treats its argument fields.
enum class FieldUse {
    LooksUp, ///< a field that is not a digit string is a name whose value is used
    Amount, ///< read as a signed decimal number, never looked up
    VariableName, ///< the name of a variable the command changes
    Label, ///< the text of a jump label
};

/// Fields first..last (1-based) of the argument text, as one acting command reads them.
struct ArgumentUse {
    int first = 1;
    int last = 1;
    FieldUse use = FieldUse::LooksUp;
};

/// One text the run interprets: the whole line, or a branch of a conditional, which the
/// conditional runs in the line's place. Positions are indexes into the whole line.
struct Reading {
    qsizetype offset = 0;
    qsizetype length = 0;
    bool branch = false;
    /// The text after "citadi", which starts with the word's last two letters.
    bool elseBranch = false;
    /// Some command acts on this text.
    bool acts = false;
    /// The keywords that act, one bit each.
    kw::Mask keys = 0;
    std::vector<ArgumentUse> uses;
    /// Each acting command that reads fields, and where its words end (an index into the
    /// whole line): the fields start only after the last blank, so what stands between is
    /// passed over.
    struct Command {
        kw::Key key;
        qsizetype end = -1;
    };
    std::vector<Command> commands;
    /// The procedures this text calls, as indexes into the program's names.
    std::vector<int> calls;
    /// A counted loop opens here.
    bool opensLoop = false;
    /// A plain "iet uz " acts.
    bool jumps = false;
    /// The conditional acts and its operands can be cut: where they stand.
    bool condition = false;
    qsizetype leftStart = 0, leftLength = 0, rightStart = 0, rightLength = 0;
};

/// What the run finds in one line, worked out from the line alone and the program's
/// procedure names, with the dispatcher's keyword table and gates: the keywords and calls
/// it acts on, the argument fields its commands read, and the branch texts of a
/// conditional, read the same way.
struct LineReading {
    std::vector<Span> spans;
    /// The whole line first, then every branch text, nested ones included.
    std::vector<Reading> readings;
    /// A "procedura " line, which the run passes over: its name and where the name stands.
    bool definition = false;
    QString procedureName;
};

/// Reads line as the run would, with procedures the names registered by the program.
LineReading readLine(QStringView line, const QStringList& procedures);

/// True when some command acts on text, read as a whole line or as a branch text.
bool actsOn(QStringView text, const QStringList& procedures, bool branch);

/// The name a "procedura " line registers: its first field, a digit string as its number.
QString procedureNameOf(QStringView line);

/// The comma-separated fields of the argument text, with the index where each starts.
struct Field {
    qsizetype start = 0;
    QStringView text;
};
std::vector<Field> argumentFields(QStringView text);

} // namespace zimo
