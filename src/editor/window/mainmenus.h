#pragma once

#include <QObject>

class QAction;
class QActionGroup;
class QMainWindow;
class QMenu;

namespace zimo
{

class DrawingExports;
class ExamplesMenu;
class ProgramFiles;
class ProgramHistory;
class ProgramTextBox;
class TaskMenu;

/// The main window's menu bar: "Fails", "Labot", "Programma", "Skats", "Piemēri",
/// "Uzdevumi" and "Palīdzība", with the keyboard shortcuts of their items.
///
/// Owns the actions. The file items go straight to the program files, printing, the
/// exports and copying the drawing to the drawing's exports; starting and
/// stopping a run and the scale are for the window to connect. While a run goes on, every
/// item that would change the program or start another run is disabled.
class MainMenus : public QObject
{
    Q_OBJECT
public:
    MainMenus(
        QMainWindow& window, ProgramFiles& files, DrawingExports& exports, ProgramTextBox& text);

    QAction* jauns() const { return m_new; }
    QAction* ieladet() const { return m_load; }
    QAction* saglabat() const { return m_save; }
    /// "Saglabāt kā...": always the save dialog.
    QAction* saveAs() const { return m_saveAs; }
    QAction* savePicture() const { return m_picture; }
    /// "Eksportēt" with "PDF...", "SVG..." and "Animāciju (GIF)...".
    QMenu* eksportet() const { return m_export; }
    /// "Drukāt..." (Ctrl+P) and "Drukas priekšskatījums".
    QAction* drukat() const { return m_print; }
    QAction* printPreview() const { return m_preview; }
    /// "Labot → Kopēt zīmējumu" (Ctrl+Shift+C).
    QAction* copyDrawing() const { return m_copyDrawing; }
    /// "Atjaunot...": the recovery history.
    QAction* restore() const { return m_restore; }
    QAction* iziet() const { return m_quit; }
    QAction* palidziba() const { return m_help; }
    /// The menu "Programma" with "Startēt" (F5) and "Apturēt" (Esc, Shift+F5).
    QMenu* programma() const { return m_program; }
    QAction* start() const { return m_start; }
    QAction* stop() const { return m_stop; }
    /// The menu "Skats" with the scale steps, "Palielināt" and "Samazināt".
    QMenu* skats() const { return m_view; }
    /// The scale step that shows percent; null for no step.
    QAction* scaleStep(int percent) const;
    QAction* zoomIn() const { return m_zoomIn; }
    QAction* zoomOut() const { return m_zoomOut; }
    ExamplesMenu* piemeri() const { return m_examples; }
    /// The menu "Uzdevumi" of drawing tasks.
    TaskMenu* uzdevumi() const { return m_tasks; }
    /// "Izveidot uzdevumu…": for the window to connect.
    QAction* makeTask() const { return m_makeTask; }
    /// The menu "Labot" with undo and redo of the program text.
    ProgramHistory& history() const { return *m_history; }

    void setRunning(bool running);

signals:
    /// The user chose the scale percent, by a step or by zooming.
    void scaleChosen(int percent);

private:
    void buildFileMenu(QMenu* file, ProgramFiles& files);
    void buildDrawingItems(QMenu* file, QAction* before, DrawingExports& exports);
    void buildProgramMenu();
    void buildViewMenu();
    void addShortcuts();

    QMainWindow& m_window;
    QAction* m_new = nullptr;
    QAction* m_load = nullptr;
    QAction* m_save = nullptr;
    QAction* m_saveAs = nullptr;
    QAction* m_picture = nullptr;
    QMenu* m_export = nullptr;
    QAction* m_print = nullptr;
    QAction* m_preview = nullptr;
    QAction* m_copyDrawing = nullptr;
    QAction* m_restore = nullptr;
    QAction* m_quit = nullptr;
    QAction* m_help = nullptr;
    QMenu* m_program = nullptr;
    QAction* m_start = nullptr;
    QAction* m_stop = nullptr;
    QMenu* m_view = nullptr;
    QActionGroup* m_scaleSteps = nullptr;
    QAction* m_zoomIn = nullptr;
    QAction* m_zoomOut = nullptr;
    ExamplesMenu* m_examples = nullptr;
    TaskMenu* m_tasks = nullptr;
    QAction* m_makeTask = nullptr;
    ProgramHistory* m_history = nullptr;
};

} // namespace zimo
