#pragma once

#include <QString>

class QWidget;

namespace zimo
{

class RasterPage;

/// What the file operations need from the main window.
class ProgramHost
{
public:
    virtual ~ProgramHost() = default;

    /// The program text box's text, its lines joined with CR LF.
    virtual QString programText() const = 0;
    /// Changes the text box's text (lines joined with CR LF) as one edit that undo takes
    /// back; a text that only grows at its end stays the same program.
    virtual void setProgramText(const QString& text) = 0;
    /// Puts another program into the text box (lines joined with CR LF) as one edit that
    /// undo takes back. What belonged to the program before goes with it (a run's error mark
    /// and message, stop marks), and the box shows the new text from its first line and
    /// column.
    virtual void replaceProgram(const QString& text) = 0;
    /// The text box holds what the program's file holds (or nothing worth keeping): the
    /// title shows no unsaved changes until the next edit.
    virtual void markUnchanged() = 0;
    /// True while a program runs; file actions do nothing then.
    virtual bool isRunning() const = 0;
    /// The window's part of "Jauns": empties the line array and the text box and resets the
    /// interpreter and the turtle. The drawing stays.
    virtual void newProgram() = 0;
    /// The drawing page, for saving the picture.
    virtual const RasterPage& page() const = 0;
    /// The window that dialogs and messages belong to.
    virtual QWidget* hostWindow() = 0;
};

} // namespace zimo
