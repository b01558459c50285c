#include "pickers.h"

#include "editor/page/commandinserter.h"
#include "editor/page/commandrecorder.h"
#include "editor/page/keysteering.h"
#include "editor/page/recordingmessages.h"
#include "program/keywords.h"
#include "turtle/pen.h"

#include <algorithm>

namespace zimo
{

QString PickerState::colourCaption() const { return recordingmsg::colourCaption(captionNumber); }

Pickers::Pickers(Pen& pen, KeySteering& steering, CommandInserter& inserter)
    : m_pen(pen)
    , m_steering(steering)
    , m_inserter(inserter)
{
}

void Pickers::k_lauks_Click(int index)
{
    if (index < 0 || index >= ColourCount)
        return;
    m_state.preview = ColourTable[size_t(index)];
    m_state.captionNumber = index + 1;
    m_state.chosenColour = index + 1;
}

Recorded Pickers::krasas_ok_Click(const QString& text)
{
    m_pen.lineColour = m_state.preview;
    m_steering.setRubberBandColour(m_state.preview);
    const QString line = kw::LinijasKrasa.toString() + QString::number(m_state.chosenColour);
    return m_inserter.insert(text, line);
}

void Pickers::HScroll1_Change(int value)
{
    m_state.thickness = std::clamp(value, MinThickness, MaxThickness);
}

Recorded Pickers::lin_ok_Click(const QString& text)
{
    return m_inserter.insert(text, kw::Biezums.toString() + QString::number(m_state.thickness));
}

Recorded Pickers::stl_Click(const QString& text, int index)
{
    if (index < 0 || index >= StyleCount)
        return Recorded { text, false, {} };
    // The interpreter's keyword has no blank of its own; the line needs one before the number.
    const QString line
        = kw::LinijasStils.toString() + QLatin1Char(' ') + QString::number(index + 1);
    return m_inserter.insert(text, line);
}

} // namespace zimo
