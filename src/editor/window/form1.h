#pragma once

#include "clientarea.h"

#include "files/programhost.h"
#include "run/runloop.h"

#include <QElapsedTimer>
#include <QMainWindow>

#include <memory>

namespace zimo
{

class DrawingExports;
class EditorActions;
class HelpLauncher;
class KeyRouter;
class MainMenus;
class Machine;
class ModeSwitch;
class ProgramFiles;
class RasterPage;
class Recording;
class RunControlActions;
class RunController;
class ViewMenu;
class TaskSession;
class WindowScaler;

/// The main window Form1: the client area with the page, the program text box and their
/// controls, and the menus; it puts the window's parts together and runs the program.
///
/// Owns the whole state of the program: the page, the machine (program, variables, turtle,
/// pen), the recording of what was drawn (the drawing's sink for the window's lifetime) and
/// the run. While a run goes on the worker owns the machine and the window shows
/// the frames it publishes; the text box is read-only and every control that would change
/// the machine is disabled. The whole window is laid out at one of the scales of ScaleSteps;
/// the page's drawing keeps its pixels and is only shown larger.
class Form1 : public QMainWindow, public ProgramHost
{
    Q_OBJECT
public:
    explicit Form1(QWidget* parent = nullptr);
    ~Form1() override;

    // ProgramHost
    QString programText() const override;
    void setProgramText(const QString& text) override;
    void replaceProgram(const QString& text) override;
    void markUnchanged() override;
    bool isRunning() const override;
    void newProgram() override;
    const RasterPage& page() const override;
    QWidget* hostWindow() override { return this; }

    /// The machine, for actions on the window's thread; never while a run goes on.
    Machine& machine() { return *m_machine; }
    /// Shows the page, the sprite, the status labels and the line colour as the machine has
    /// them; whoever changed the machine outside a run calls it.
    void updatePage();
    bool isPageMode() const;

    // The controls, by the names the layout gave them.
    PageView* lapa() const { return m_client->lapa(); }
    ProgramTextBox* ieraksti() const { return m_client->ieraksti(); }
    OutlineRect* lapa_rect() const { return m_client->lapa_rect(); }
    OutlineRect* ieraksti_rect() const { return m_client->ieraksti_rect(); }
    Toolbar* toolbar() const { return m_client->toolbar(); }
    HelpArea* helpArea() const { return m_client->helpArea(); }
    HintPresenter& hints() const { return m_client->hints(); }
    StatusRow* statusRow() const { return m_client->statusRow(); }
    ColourPanel* f_krasas() const { return m_client->f_krasas(); }
    ThicknessPanel* f_linija() const { return m_client->f_linija(); }
    StylePanel* Frame2() const { return m_client->Frame2(); }

    // The menus and the parts that act on the window.
    MainMenus& menus() const { return *m_menus; }
    EditorActions& actions() const { return *m_actions; }
    RunControlActions& runActions() const { return *m_runActions; }
    ProgramFiles& files() const { return *m_files; }
    /// Printing, the exports and copying of the drawing.
    DrawingExports& exports() const { return *m_exports; }
    /// What was drawn since the page was last erased: by runs, steering and the buttons.
    const Recording& recording() const { return *m_recording; }
    HelpLauncher& helpLauncher() const { return *m_helpLauncher; }
    /// The scale the whole window is laid out at.
    WindowScaler& scaler() const { return *m_scaler; }
    /// The view's aids: grid, protractor, ruler, full screen, contrast.
    ViewMenu& view() const { return *m_view; }
    /// The drawing task that may be on.
    TaskSession& tasks() const { return *m_tasks; }

public slots:
    /// The Run button: runs the program of the text box, goes on with a paused run, or stops
    /// the run that goes on.
    void zimet_Click();
    /// Runs the program of the text box; with firstStepOnly it pauses after the first line.
    void startRun(bool firstStepOnly);
    /// Asks a run to stop (Esc, the stop button).
    void stopRun();

signals:
    /// Page mode: a steering key went down (Windows virtual key code; repeated while held).
    void pageKeyDown(int vk);
    /// Page mode: a steering key was let go.
    void pageKeyUp(int vk);
    /// Esc outside a run.
    void escapePressed();
    /// A run ended and the window shows its end.
    void runFinished(const zimo::RunOutcome& outcome);

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void buildParts();
    void connectParts();
    void connectActions();
    void connectTasks();
    void showFrame();
    void setRunning(bool running);
    void showRunEnd(const RunOutcome& outcome);
    /// "Zimo – name", with a star while the text has changes no file holds.
    void showTitle();
    /// What belonged to the program in the box goes with it: its stop marks, a run's error
    /// mark and message, a notice.
    void forgetProgram();

    // The page and the machine outlive the run, which is declared after them.
    std::unique_ptr<RasterPage> m_rasterPage;
    std::unique_ptr<Machine> m_machine;
    std::unique_ptr<Recording> m_recording;
    std::unique_ptr<RunController> m_run;
    bool m_workFileTold = false;
    /// When the run going on started; a stop click right after it is the Run double click.
    QElapsedTimer m_runStarted;
    /// No message is shown for a run that ends because the window closes.
    bool m_closing = false;

    ClientArea* m_client = nullptr;
    KeyRouter* m_keys = nullptr;
    ModeSwitch* m_mode = nullptr;
    ProgramFiles* m_files = nullptr;
    DrawingExports* m_exports = nullptr;
    MainMenus* m_menus = nullptr;
    EditorActions* m_actions = nullptr;
    HelpLauncher* m_helpLauncher = nullptr;
    RunControlActions* m_runActions = nullptr;
    TaskSession* m_tasks = nullptr;
    std::unique_ptr<WindowScaler> m_scaler;
    ViewMenu* m_view = nullptr;
};

} // namespace zimo
