#pragma once

#include "platform/colour.h"

#include <QString>

namespace zimo
{

class CommandInserter;
class KeySteering;
struct Pen;
struct Recorded;

/// What the three picker panels show, kept while they are closed and reopened.
struct PickerState {
    /// Colour number of the last clicked box (1-36); 0 until a box is clicked.
    int chosenColour = 0;
    /// The preview swatch krasa2 and the number its caption shows. The caption starts at
    /// 1 although no box is chosen yet, as the panel is first drawn.
    Colour preview = 0;
    int captionNumber = 1;
    /// The thickness scroll bar's value.
    int thickness = 1;

    /// Caption of the colour preview, "5.krāsa".
    QString colourCaption() const;
};

/// The picker panels' actions without their widgets: colour, thickness and line style.
///
/// Owns the picker state. Only the colour choice acts at once (on the pen's line colour and
/// the rubber band); thickness and style act when the program runs the appended line.
/// Showing and hiding the panels is the widgets' own business.
class Pickers
{
public:
    static constexpr int ColourCount = 36;
    static constexpr int MinThickness = 1;
    static constexpr int MaxThickness = 10;
    static constexpr int StyleCount = 6;

    Pickers(Pen& pen, KeySteering& steering, CommandInserter& inserter);

    const PickerState& state() const { return m_state; }

    /// Colour box index (0-35) clicked: preview its colour and choose its number.
    void k_lauks_Click(int index);
    /// "Labi" of the colour panel: the preview becomes the line colour and the rubber
    /// band's, and a "linijas krasa " line with the chosen number is appended.
    Recorded krasas_ok_Click(const QString& text);
    /// The thickness scroll bar moved to value.
    void HScroll1_Change(int value);
    /// "Labi" of the thickness panel: appends a "biezums " line; steering keeps its width.
    Recorded lin_ok_Click(const QString& text);
    /// Style sample index (0-5) clicked: appends a "linijas stils " line with index + 1.
    Recorded stl_Click(const QString& text, int index);

private:
    Pen& m_pen;
    KeySteering& m_steering;
    CommandInserter& m_inserter;
    PickerState m_state;
};

} // namespace zimo
