#pragma once

#include "hints/linereading.h"
#include "hints/programflow.h"

#include <QSet>
#include <QString>
#include <QStringList>

#include <vector>

namespace zimo
{

/// Something a line will quietly do other than its writer probably meant, found without
/// running the program. Hints never change what runs.
struct Hint {
    /// 1-based, as the run counts lines.
    int line = 0;
    QString message;
    /// The whole line with the fix put in place; empty when there is none to offer.
    QString proposal;
};

/// What the whole program tells about the names its lines use.
struct ProgramFacts {
    /// The names of "procedura " lines, in line order, each once.
    QStringList procedures;
    /// Names of counted loops, names changed by "palielinat/samazinat vertibu", labels of
    /// "iet uz".
    QSet<QString> loopVariables;
    QSet<QString> tableVariables;
    QSet<QString> labels;
    /// The loop and table variables, sorted: a line's context names them by this order.
    QStringList valueNames;

    /// A built-in name, a loop variable or a variable of the program.
    bool knows(const QString& name) const;
    /// The line begins with some label: a jump may go to it.
    bool labelStarts(const QString& line) const;
    bool operator==(const ProgramFacts&) const = default;
};

/// The most lines a program may have; the run stops at the next one.
constexpr int MostLines = 1000;

/// The hints of line n (1-based) of lines, read as reading, in the context the run brings
/// to it.
std::vector<Hint> hintsOfLine(int n, const QStringList& lines, const ProgramFacts& facts,
    const LineReading& reading, const LineContext& context);

/// Every hint of a program, in line order. The editor and the command line share it.
std::vector<Hint> hintsFor(const QStringList& lines);

/// The hints of a program kept up to date line by line: a change of one line reads that
/// line again and works out again the lines whose context it changes (the ways the run
/// goes, the names with values there); every line only when the change alters the
/// program's facts (a procedure, a loop or variable name, a label).
class HintTracker
{
public:
    void reset(const QStringList& lines);
    /// Line n (1-based, within the program) now reads text. True when the procedure names
    /// changed and every line was read again.
    bool changeLine(int n, const QString& text);

    const QStringList& lines() const { return m_lines; }
    const ProgramFacts& facts() const { return m_facts; }
    /// The hints of line n; none for a line outside the program.
    const std::vector<Hint>& hintsOf(int n) const;
    std::vector<Hint> all() const;

private:
    struct LineFacts {
        QString procedure;
        QStringList loopVariables;
        QStringList variables;
        QStringList labels;
        bool jumps = false;
        bool operator==(const LineFacts&) const = default;
    };
    static LineFacts factsOf(const QString& line);
    /// Lines the analysis reads: the run reads no further than one line past the limit.
    int analysed() const;
    void gather();
    void readLineAt(int n);
    /// Works the ways of the run out again; rehints the lines whose context changed.
    void flow(bool rehintAll);
    void rehint(int n);

    QStringList m_lines;
    std::vector<LineFacts> m_lineFacts;
    std::vector<LineReading> m_readings;
    std::vector<LineRole> m_roles;
    std::vector<LineContext> m_contexts;
    std::vector<std::vector<Hint>> m_hints;
    ProgramFacts m_facts;
};

} // namespace zimo
