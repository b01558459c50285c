#pragma once

#include "program/keywords.h"

#include <QString>

#include <array>

namespace zimo
{

/// The program being run and the interpreter's tables between lines.
///
/// Lines are numbered from 1; entries behind the line count hold empty text during a run.
/// Each stack is a fixed table with a depth: pushing raises the depth and fills the top
/// entry, popping only lowers the depth. Calls do not nest: one return line, one flag.
struct ProgramState {
    static constexpr int MaxLines = 1000;
    static constexpr int MaxProcedures = 100;
    static constexpr int MaxOpenLoops = 100;

    struct Procedure {
        QString name;
        int line = 0;
    };
    struct ForLoop {
        int line = 0;
        int start = 0;
        int end = 0;
        QString name;
        int current = 0;
        int step = 1;
    };
    struct RepeatBlock {
        int line = 0;
        int count = 0;
        /// Which pass of the body runs: 1 for the pass in sequence, then one more per
        /// replay. Only shown; the run never reads it.
        int pass = 1;
    };

    /// The text of line n; a line number outside the array stops the run.
    const QString& line(int n) const;
    /// The keywords line n holds (kept by setLine; a run stores every line through it).
    kw::Mask mask(int n) const
    {
        checkLine(n);
        return masks[size_t(n)];
    }
    bool holds(int n, kw::Key key) const { return (mask(n) & kw::bit(key)) != 0; }
    void setLine(int n, QString text);
    void setLine(int n, QString text, kw::Mask mask);
    /// Empties entries 1..line count and sets the count to 0.
    void clearLines();

    std::array<QString, MaxLines + 1> lines;
    std::array<kw::Mask, MaxLines + 1> masks {};
    int lineCount = 0;

    std::array<Procedure, MaxProcedures + 1> procedures;
    int procedureCount = 0;
    int returnLine = 0;
    bool inProcedure = false;
    bool jumpFlag = false;

    std::array<ForLoop, MaxOpenLoops + 1> forStack;
    int forDepth = 0;
    std::array<RepeatBlock, MaxOpenLoops + 1> repeatStack;
    int repeatDepth = 0;

private:
    static void checkLine(int n);
};

} // namespace zimo
