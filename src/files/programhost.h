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
    /// Replaces the program text box's text (lines joined with CR LF).
    virtual void setProgramText(const QString& text) = 0;
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
