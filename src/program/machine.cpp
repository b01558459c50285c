#include "machine.h"

#include "messages.h"
#include "runerror.h"

#include "platform/rasterpage.h"

namespace zimo
{

Machine::Machine(RasterPage& p)
    : page(p)
{
}

void Machine::countFigureStep()
{
    checkStop();
    if (run.maxSteps > 0 && ++run.figureSteps > 10 * run.maxSteps)
        fail(msg::tooManyFigureSteps(10 * run.maxSteps));
}

} // namespace zimo
