#pragma once

#include "program/snapshot.h"

#include <QObject>
#include <QTimer>

class QAction;
class QMenu;

namespace zimo
{

class Form1;
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
    RunControlActions(Form1& window, RunController& run);

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

private:
    QAction* addAction(QMenu* menu, const QString& text, const char* name, const QKeySequence& key);
    void buildActions();
    void addStartAndStop(QMenu* program);
    void togglePause();
    void step();
    void toggleMark();
    void showPaused(int line);
    void showInspector();
    void refreshInspector();
    void showRunEnd();

    Form1& m_window;
    RunController& m_run;
    StopMarks* m_marks;
    StateInspector* m_inspector = nullptr;
    /// "Startēt": off while a run goes on, on again while it is paused, to go on.
    QAction* m_start = nullptr;
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
