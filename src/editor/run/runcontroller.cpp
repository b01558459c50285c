#include "runcontroller.h"

#include "runscreen.h"

#include "interpreter/machine.h"
#include "run/runloop.h"

#include <QMetaObject>
#include <QThread>

namespace zimo
{

RunController::RunController(Machine& machine, QObject* parent)
    : QObject(parent)
    , m_machine(machine)
    , m_control([this](int line) {
        QMetaObject::invokeMethod(
            this, [this, line] { emit paused(line); }, Qt::QueuedConnection);
    })
{
    // The notice only posts: the worker must never wait for the window's thread.
    m_screen = std::make_unique<RunScreen>(m_machine, m_stop, [this] {
        QMetaObject::invokeMethod(this, &RunController::frameReady, Qt::QueuedConnection);
    });
}

RunController::~RunController()
{
    if (isRunning())
        stopAndWait();
}

void RunController::start(const QString& text, const RunOptions& options, bool firstStepOnly)
{
    if (isRunning())
        return;
    m_stop.store(false);
    m_control.prepare(firstStepOnly);
    RunOptions wired = options;
    wired.screen = m_screen.get();
    wired.stop = &m_stop;
    wired.gate = &m_control;
    m_thread = QThread::create([this, text, wired] {
        const RunOutcome outcome = zimet_Click(m_machine, text, wired);
        m_screen->publish();
        // The run's last act: whoever takes this lock afterwards sees all it wrote.
        std::lock_guard lock(m_endMutex);
        m_outcome = outcome;
    });
    m_thread->setStackSize(uint(RunStackBytes));
    const unsigned generation = ++m_generation;
    connect(m_thread, &QThread::finished, this, [this, generation] {
        if (generation == m_generation && isRunning())
            endRun();
    });
    m_thread->start();
}

void RunController::requestStop()
{
    if (!isRunning())
        return;
    m_stop.store(true);
    m_control.wake();
}

void RunController::stopAndWait()
{
    if (!isRunning())
        return;
    m_stop.store(true);
    m_control.wake();
    endRun();
}

bool RunController::takeFrame(PageFrame& into) { return m_screen->takeFrame(into); }

void RunController::endRun()
{
    m_thread->wait();
    {
        std::lock_guard lock(m_endMutex);
    }
    delete m_thread;
    m_thread = nullptr;
    emit finished(m_outcome);
}

} // namespace zimo
