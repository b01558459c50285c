#pragma once

#include "run/snapshot.h"

#include <QObject>
#include <QTimer>

class QAction;
class QMenu;

namespace zimo
{

class LineNumberGutter;
class Machine;
class ProgramTextBox;
class RunController;
class StateInspector;
class StopMarks;

/// Run control in the window: "Pauze" (F6), "Solis" (F10) and "Apstāšanās vieta" (F9) in the
/// menu "Programma", the inspector "Stāvoklis" in the menu "Skats", and the stop marks.
///
/// Owns the actions, the stop marks of the text box and the inspector. It only commands the
/// run through its RunControl and shows the copies it takes: it never reads the machine while
/// a run goes on. "Startēt" (F5), when the menu has it, goes on with a paused run.
class RunControlActions : public QObject
{
    Q_OBJECT
public:
    /// What run control works with besides the run.
    struct Parts {
        /// The main window: the inspector belongs to it and stands beside it.
        QWidget& window;
        /// What the inspector shows while no run goes on.
        const Machine& machine;
        /// The text whose lines the marks hold on to; F9 marks its cursor's line.
        ProgramTextBox& text;
        LineNumberGutter& gutter;
        /// "Programma" with "Startēt" and "Apturēt", and "Skats".
        QMenu& programMenu;
        QAction& start;
        QAction& stop;
        QMenu& viewMenu;
    };

    RunControlActions(Parts parts, RunController& run);

    QAction* pauze() const { return m_pause; }
    QAction* solis() const { return m_step; }
    QAction* apstasanas_vieta() const { return m_mark; }
    QAction* stavoklis() const { return m_showInspector; }
    StopMarks& marks() const { return *m_marks; }
    StateInspector* inspector() const { return m_inspector; }

    /// A paused run goes on (the Run button, F5, F6).
    void resume();

signals:
    /// The run has paused before line, and the window shows it.
    void pausedAt(int line);
    /// The run paused or went on: the Run button shows which.
    void pauseShown(bool paused);
    /// F10 while no run goes on: a run that pauses after its first line.
    void firstStepWanted();

private:
    QAction* addAction(QMenu* menu, const QString& text, const char* name, const QKeySequence& key);
    void buildActions();
    void addStartAndStop();
    void togglePause();
    void step();
    void toggleMark();
    void showPaused(int line);
    void showInspector();
    void refreshInspector();
    void showRunEnd();

    Parts m_parts;
    RunController& m_run;
    StopMarks* m_marks;
    StateInspector* m_inspector = nullptr;
    QAction* m_pause = nullptr;
    QAction* m_step = nullptr;
    QAction* m_mark = nullptr;
    QAction* m_showInspector = nullptr;
    /// Refreshes an open inspector during a run, at most ten times a second.
    QTimer m_refresh;
    StateSnapshot m_shown;
    bool m_pausedOnce = false;
};

} // namespace zimo
