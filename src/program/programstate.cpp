#include "programstate.h"

#include "program/messages.h"
#include "program/runerror.h"

namespace zimo
{

void ProgramState::checkLine(int n)
{
    if (n < 1 || n > MaxLines)
        fail(msg::lineOutsideProgram(n));
}

const QString& ProgramState::line(int n) const
{
    checkLine(n);
    return lines[size_t(n)];
}

void ProgramState::setLine(int n, QString text)
{
    const kw::Mask mask = kw::maskOf(text);
    setLine(n, std::move(text), mask);
}

void ProgramState::setLine(int n, QString text, kw::Mask mask)
{
    checkLine(n);
    lines[size_t(n)] = std::move(text);
    masks[size_t(n)] = mask;
}

void ProgramState::clearLines()
{
    for (int i = 1; i <= lineCount && i <= MaxLines; ++i) {
        lines[size_t(i)].clear();
        masks[size_t(i)] = 0;
    }
    lineCount = 0;
}

} // namespace zimo
