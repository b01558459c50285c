#pragma once

#include <QObject>

class QAbstractButton;

namespace zimo
{

class ColourPanel;
class PanelSwitch;
class Pickers;
class PictureBox;
class StylePanel;
class ThicknessPanel;

/// The three picker panels at work: the toolbar's openers show them one at a time, their
/// boxes and scroll bar show a choice while it is being made, and their "Labi" and style
/// samples hand the choice on, to be written as a command line.
///
/// Owns which panel is open; the picker state is the given Pickers'. The panels close on
/// "Atcelt" and Esc without a choice.
class PickerPanels : public QObject
{
    Q_OBJECT
public:
    struct Panels {
        ColourPanel& colours;
        ThicknessPanel& thickness;
        StylePanel& styles;
    };
    /// The toolbar's controls that open the panels.
    struct Openers {
        PictureBox& colours;
        QAbstractButton& thickness;
        QAbstractButton& styles;
    };

    PickerPanels(Pickers& pickers, Panels panels, Openers openers, QObject* parent);

    /// Which panel is open; one at most.
    PanelSwitch& panels() const { return *m_switch; }

signals:
    /// "Labi" of the colour panel, after the panel closed.
    void colourChosen();
    /// "Labi" of the thickness panel, before the panel closes.
    void thicknessChosen();
    /// Style sample index (0-5) clicked, before the panel closes.
    void styleChosen(int index);

private:
    void connectColourPanel(PictureBox& opener);
    void connectThicknessPanel(QAbstractButton& opener);
    void connectStylePanel(QAbstractButton& opener);

    Pickers& m_pickers;
    Panels m_panels;
    PanelSwitch* m_switch;
};

} // namespace zimo
