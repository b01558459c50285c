#include "programstate.h"

#include "messages.h"
#include "runerror.h"

namespace zimo {

const QString& ProgramState::line(int n) const
{
    if (n < 1 || n > MaxLines)
        fail(msg::lineOutsideProgram(n));
    return lines[size_t(n)];
}

void ProgramState::setLine(int n, QString text)
{
    if (n < 1 || n > MaxLines)
        fail(msg::lineOutsideProgram(n));
    lines[size_t(n)] = std::move(text);
}

void ProgramState::clearLines()
{
    for (int i = 1; i <= lineCount && i <= MaxLines; ++i)
        lines[size_t(i)].clear();
    lineCount = 0;
}

} // namespace zimo
