#include "samplecommands.h"

#include "commandinserter.h"
#include "commandrecorder.h"

#include "turtle/drawing.h"
#include "program/programstate.h"

#include <array>

namespace zimo
{

QString sampleLine(int index)
{
    // In the order of the toolbar's buttons and their tooltips.
    static constexpr std::array<QStringView, SampleCount> Lines {
        u"zieds 3,50,50",
        u"zieds 5,50,50",
        u"daudzsturis 4,50,50",
        u"daudzsturis 5,50,50",
        u"daudzsturis 6,50,50",
        u"sinusoida 100,50,5",
        u"zvaigzne 1,150,150",
        u"zvaigzne 2,150,150",
        u"stari 30,150,150",
        u"spirale 10,10",
    };
    if (index < 0 || index >= SampleCount)
        return {};
    return Lines[size_t(index)].toString();
}

Recorded com_Click(CommandInserter& inserter, const QString& text, int index)
{
    const QString line = sampleLine(index);
    if (line.isEmpty())
        return Recorded { text, false, {} };
    return inserter.insert(text, line);
}

void Command2_Click(Drawing& drawing) { drawing.setBackground(rgb(255, 255, 255)); }

void Command4_Click(ProgramState& program) { program.clearLines(); }

} // namespace zimo
