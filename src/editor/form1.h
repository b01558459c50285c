#pragma once

#include "editor/commandhelp.h"
#include "files/programhost.h"
#include "run/runloop.h"

#include <QElapsedTimer>
#include <QMainWindow>

#include <memory>

class QAction;
class QTimer;
class QActionGroup;

namespace zimo
{

class ColourPanel;
class EditorActions;
class ExamplesMenu;
class HelpArea;
class HelpLauncher;
class HintPresenter;
class KeyRouter;
class Machine;
class OutlineRect;
class PageView;
class ProgramFiles;
class ProgramHistory;
class ProgramTextBox;
class RasterPage;
class RunControlActions;
class RunController;
class StatusRow;
class StylePanel;
class ThicknessPanel;
class Toolbar;

/// The main window Form1: the page, the program text box with its command help, the
/// toolbar, the status row, the picker panels and the menus.
///
/// Owns the whole state of the program: the page, the machine (program, variables, turtle,
/// pen), the help buffer and the run. While a run goes on the worker owns the machine and
/// the window shows the frames it publishes; the text box is read-only and every control that
/// would change the machine is disabled. The window is in page mode (keys steer the turtle)
/// or text mode (keys go to the text box only). The whole window is laid out at one of
/// the scales of ScaleSteps; the page's drawing keeps its pixels and is only shown larger.
class Form1 : public QMainWindow, public ProgramHost
{
    Q_OBJECT
public:
    explicit Form1(QWidget* parent = nullptr);
    ~Form1() override;

    // ProgramHost
    QString programText() const override;
    void replaceProgram(const QString& text) override;
    void markUnchanged() override;
    bool isRunning() const override;
    void newProgram() override;
    const RasterPage& page() const override;
    QWidget* hostWindow() override { return this; }

    /// Changes the text box's text as one edit that undo takes back; a text that grows only
    /// at its end keeps the stop marks.
    void setProgramText(const QString& text);
    /// The machine, for actions on the window's thread; never while a run goes on.
    Machine& machine() { return *m_machine; }
    /// Shows the page, the sprite, the status labels and the line colour as the machine has
    /// them; whoever changed the machine outside a run calls it.
    void updatePage();

    bool isPageMode() const { return m_pageMode; }
    /// The help buffer and row that paskaidro works on; showHelp() puts the row on screen.
    QString& helpBuffer() { return m_helpBuffer; }
    HelpRow& helpRow() { return m_helpRow; }
    void showHelp();

    PageView* lapa() const { return m_page; }
    ProgramTextBox* ieraksti() const { return m_text; }
    Toolbar* toolbar() const { return m_toolbar; }
    HelpArea* helpArea() const { return m_help; }
    HintPresenter& hints() const { return *m_hints; }
    StatusRow* statusRow() const { return m_status; }
    OutlineRect* lapa_rect() const { return m_pageFrame; }
    OutlineRect* ieraksti_rect() const { return m_textFrame; }
    ColourPanel* f_krasas() const { return m_colourPanel; }
    ThicknessPanel* f_linija() const { return m_thicknessPanel; }
    StylePanel* Frame2() const { return m_stylePanel; }
    QAction* jauns() const { return m_newAction; }
    QAction* ieladet() const { return m_loadAction; }
    QAction* saglabat() const { return m_saveAction; }
    QAction* iziet() const { return m_quitAction; }
    QAction* palidziba() const { return m_helpAction; }
    /// "Saglabāt kā...": always the save dialog.
    QAction* saveAsAction() const { return m_saveAsAction; }
    /// The menu "Programma": "Startēt" (F5) and "Apturēt" (Esc, Shift+F5) of a run.
    QAction* startAction() const { return m_startAction; }
    QAction* stopAction() const { return m_stopAction; }
    /// The step of the menu "Skats", "Mērogs" that shows percent; null for no step.
    QAction* scaleAction(int percent) const;
    QAction* zoomInAction() const { return m_zoomInAction; }
    QAction* zoomOutAction() const { return m_zoomOutAction; }

    /// The window's scale in per cent.
    int scale() const;
    /// Lays the whole window out at percent (one of ScaleSteps) and remembers it when the
    /// user chose it.
    void setScale(int percent, bool chosenByUser = false);
    /// At start: the scale the user chose last, else the largest that fits the screen.
    void useStartScale();
    /// The window's smallest size (client area and menu bar) at 100 %.
    QSize sizeAtFullScale() const;
    /// "Saglabāt attēlu..." and "Atjaunot..." (the recovery history).
    QAction* savePictureAction() const { return m_pictureAction; }
    QAction* restoreAction() const { return m_restoreAction; }
    /// The menu "Piemēri" of example programs.
    ExamplesMenu* piemeri() const { return m_examples; }
    /// The menu "Labot" with undo and redo of the program text.
    ProgramHistory& history() const { return *m_history; }
    EditorActions& actions() const { return *m_actions; }
    /// Pause, single step, stop marks and the state inspector.
    RunControlActions& runActions() const { return *m_runActions; }
    ProgramFiles& files() const { return *m_files; }
    HelpLauncher& helpLauncher() const { return *m_helpLauncher; }

public slots:
    /// The Run button: runs the program of the text box, goes on with a paused run, or stops
    /// the run that goes on.
    void zimet_Click();
    /// Runs the program of the text box; with firstStepOnly it pauses after the first line.
    void startRun(bool firstStepOnly);
    /// Asks a run to stop (Esc, the stop button).
    void stopRun();
    /// A click on the page: page mode.
    void lapa_Click();
    /// A click in the text box: text mode.
    void ieraksti_Click();

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
    /// The client area's resizes and the keyboard reaching the page or the text box by Tab.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildMenus();
    void buildProgramMenu();
    void buildViewMenu();
    void addShortcuts();
    void nameControls();
    /// Places every control for the current scale; placeTextBox() gives the text box what
    /// the client area has beyond the layout's size.
    void layOut();
    void placeTextBox();
    void connectControls();
    void ieraksti_KeyPress(const QString& character);
    void showFrame();
    void setRunning(bool running);
    void applyTextLock();
    void showRunEnd(const RunOutcome& outcome);
    /// "Zimo – name", with a star while the text has unsaved changes.
    void showTitle();
    void forgetProgram();
    void centreOnScreen();

    // The page and the machine outlive the run, which is declared after them.
    std::unique_ptr<RasterPage> m_rasterPage;
    std::unique_ptr<Machine> m_machine;
    std::unique_ptr<RunController> m_run;
    QString m_helpBuffer;
    HelpRow m_helpRow;
    bool m_pageMode = true;
    /// The text box stays editable in page mode until the first click on the page.
    bool m_editableAtStart = true;
    bool m_workFileTold = false;
    /// When the run going on started; a stop click right after it is the Run double click.
    QElapsedTimer m_runStarted;
    /// Keeps the text in the recovery history at most half a minute after an edit.
    QTimer* m_recoveryTimer = nullptr;
    /// No message is shown for a run that ends because the window closes.
    bool m_closing = false;

    QWidget* m_client;
    Toolbar* m_toolbar;
    HelpArea* m_help;
    HintPresenter* m_hints;
    PageView* m_page;
    ProgramTextBox* m_text;
    OutlineRect* m_pageFrame;
    OutlineRect* m_textFrame;
    StatusRow* m_status;
    ColourPanel* m_colourPanel;
    ThicknessPanel* m_thicknessPanel;
    StylePanel* m_stylePanel;
    KeyRouter* m_keys;
    ProgramFiles* m_files;
    QAction* m_newAction = nullptr;
    QAction* m_loadAction = nullptr;
    QAction* m_saveAction = nullptr;
    QAction* m_quitAction = nullptr;
    QAction* m_helpAction = nullptr;
    QAction* m_pictureAction = nullptr;
    QAction* m_restoreAction = nullptr;
    ExamplesMenu* m_examples = nullptr;
    ProgramHistory* m_history = nullptr;
    QAction* m_saveAsAction = nullptr;
    QAction* m_startAction = nullptr;
    QAction* m_stopAction = nullptr;
    QAction* m_zoomInAction = nullptr;
    QAction* m_zoomOutAction = nullptr;
    QActionGroup* m_scaleGroup = nullptr;
    EditorActions* m_actions = nullptr;
    HelpLauncher* m_helpLauncher = nullptr;
    RunControlActions* m_runActions = nullptr;
};

} // namespace zimo
