#pragma once

#include "run/runcontrol.h"
#include "run/runloop.h"

#include <QObject>

#include <atomic>
#include <memory>
#include <mutex>

class QThread;

namespace zimo
{

class Machine;
class RunScreen;
struct PageFrame;

/// Runs the program of the window on a worker thread with a big stack.
///
/// Owns the worker, the stop flag and the run's screen. While a run goes on only the worker
/// touches the machine; the window reads the frames the screen publishes. A run always ends
/// on the window's thread with finished(), after the worker is joined, so the machine is the
/// window's again when the signal arrives. Destroying the controller stops and joins a run.
class RunController : public QObject
{
    Q_OBJECT
public:
    explicit RunController(Machine& machine, QObject* parent = nullptr);
    ~RunController() override;

    bool isRunning() const { return m_thread != nullptr; }
    /// Starts zimet_Click on the worker; does nothing while a run goes on. With
    /// firstStepOnly the run pauses after its first line step.
    void start(const QString& text, const RunOptions& options, bool firstStepOnly = false);
    /// Pause, single step, stop marks and the inspector's state copies of the runs.
    RunControl& control() { return m_control; }
    bool isPaused() const { return isRunning() && m_control.isPaused(); }
    /// Asks the run to stop; it ends within a few milliseconds.
    void requestStop();
    /// Stops a run and waits for the worker; finished() is emitted before this returns.
    void stopAndWait();
    /// Takes the newest published frame; false when none is new.
    bool takeFrame(PageFrame& into);

signals:
    /// A new frame waits to be taken.
    void frameReady();
    /// The run has paused before line.
    void paused(int line);
    void finished(const zimo::RunOutcome& outcome);

private:
    void endRun();

    Machine& m_machine;
    std::atomic<bool> m_stop { false };
    RunControl m_control;
    std::unique_ptr<RunScreen> m_screen;
    QThread* m_thread = nullptr;
    /// Tells the end of the current run from a late notice of an earlier one.
    unsigned m_generation = 0;
    /// Hands the outcome and the machine back from the worker in an order that does not
    /// depend on how QThread::wait() synchronises.
    std::mutex m_endMutex;
    RunOutcome m_outcome;
};

} // namespace zimo
