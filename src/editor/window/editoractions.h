#pragma once

#include "editor/page/commandinserter.h"
#include "editor/page/commandrecorder.h"
#include "editor/page/keysteering.h"
#include "editor/pickers/pickers.h"

#include <QObject>

namespace zimo
{

class Form1;
class PanelSwitch;

/// Everything on the main window that writes command lines without typing: the steering
/// keys, the ten sample buttons, the two clearing buttons and the three pickers; and the
/// work file that follows the text box through undo and redo.
///
/// Owns the recorder, the steering state and the picker state for the window's lifetime
/// and connects the window's controls to them. Nothing here acts while a run goes on. What
/// an action could not do is told on the status row, never in a box that takes the
/// keyboard: a work file that cannot follow the text box once a session, a refused line
/// each time.
class EditorActions : public QObject
{
public:
    explicit EditorActions(Form1& form);

    const KeySteering& steering() const { return m_steering; }
    const PickerState& pickers() const { return m_pickers.state(); }
    /// Which picker panel is open; one at most.
    PanelSwitch& panels() const { return *m_panels; }

    /// Appends line to the program as a line of its own, as the sample buttons append
    /// theirs, and explains it on the help row. Nothing happens while a run goes on.
    void insertLine(const QString& line);

private:
    void connectSteering();
    void connectButtons();
    void connectColourPanel();
    void connectThicknessPanel();
    void connectStylePanel();
    void connectHistory();
    /// Puts an action's text into the text box and its help on the help row, and tells
    /// the user what the action could not do.
    void apply(const Recorded& recorded);
    /// Shows a notice on the status row; one about the work file only the first time.
    void tell(const QString& notice, bool aboutWorkFile);
    /// Shows the turtle, its side colour and the rubber band as steering left them.
    void showSteering();
    bool running() const;

    Form1& m_form;
    CommandRecorder m_recorder;
    KeySteering m_steering;
    CommandInserter m_inserter;
    Pickers m_pickers;
    PanelSwitch* m_panels;
    bool m_workFileTold = false;
};

} // namespace zimo
