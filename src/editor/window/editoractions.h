#pragma once

#include "editor/page/commandinserter.h"
#include "editor/page/commandrecorder.h"
#include "editor/page/keysteering.h"
#include "editor/pickers/pickerpanels.h"
#include "editor/pickers/pickers.h"

#include <QObject>

namespace zimo
{

class HelpArea;
class Machine;
class PageView;
class ProgramHost;
class ProgramTextBox;
class StatusRow;
class Toolbar;

/// Everything on the main window that writes command lines without typing: the steering
/// keys, the ten sample buttons, the two clearing buttons and the three pickers; and the
/// work file that follows the text box through undo and redo.
///
/// Owns the recorder, the steering state and the picker state for the window's lifetime
/// and connects the toolbar and the picker panels to them. Nothing here acts while a run
/// goes on. What an action could not do is told on the status row, never in a box that
/// takes the keyboard: a work file that cannot follow the text box once a session, a
/// refused line each time.
class EditorActions : public QObject
{
    Q_OBJECT
public:
    /// What the actions work with besides their own state.
    struct Parts {
        /// The program's lines, the turtle, the pen and the page that the actions change.
        Machine& machine;
        /// The program text, and whether a run owns the machine now.
        ProgramHost& program;
        /// Where an appended line is shown and explained, and a notice told.
        ProgramTextBox& text;
        HelpArea& help;
        StatusRow& status;
        /// Shows the steering's overlays over the drawing.
        PageView& page;
        /// The sample and clearing buttons and the pickers' openers.
        Toolbar& toolbar;
        PickerPanels::Panels pickers;
    };

    EditorActions(Parts parts, QObject* parent);

    const KeySteering& steering() const { return m_steering; }
    const PickerState& pickers() const { return m_pickers.state(); }
    /// Which picker panel is open; one at most.
    PanelSwitch& panels() const { return m_panels->panels(); }

    /// Appends line to the program as a line of its own, as the sample buttons append
    /// theirs, and explains it on the help row. Nothing happens while a run goes on.
    void insertLine(const QString& line);
    /// Page mode: a steering key went down, or was let go.
    void keyDown(int vk);
    void keyUp(int vk);
    /// Undo or redo changed the text: the work file follows it.
    void textStepped();

signals:
    /// The machine changed outside a run; the window shows it.
    void machineChanged();

private:
    void connectButtons();
    void connectPickers();
    /// Puts an action's text into the text box and its help on the help row, and tells
    /// the user what the action could not do.
    void apply(const Recorded& recorded);
    /// Shows a notice on the status row; one about the work file only the first time.
    void tell(const QString& notice, bool aboutWorkFile);
    /// Shows the turtle, its side colour and the rubber band as steering left them.
    void showSteering();
    bool running() const;

    Parts m_parts;
    CommandRecorder m_recorder;
    KeySteering m_steering;
    CommandInserter m_inserter;
    Pickers m_pickers;
    PickerPanels* m_panels;
    bool m_workFileTold = false;
};

} // namespace zimo
