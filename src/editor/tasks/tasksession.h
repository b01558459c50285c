#pragma once

#include "tasks/taskfile.h"

#include <QImage>
#include <QObject>

#include <memory>
#include <optional>

namespace zimo
{

class Machine;
class PageView;
class PictureCheck;
class ProgramFiles;
class ProgramHost;
class TaskMenu;
class TaskPanel;
struct RunOutcome;

/// A drawing task in the window: starting one, getting every run of it ready, and judging
/// every run that ends.
///
/// Starting a task shows its instruction in the panel and its picture faintly on the page,
/// and replaces the program with an empty one the way an example replaces it. While a task
/// is on, every run starts from the start page (white, solid lines), as the task's picture
/// was drawn; when it ends, the page is compared with the picture: a solved task is ticked
/// in the menu, otherwise the page marks where the drawings differ. Owns the task, its
/// picture check and the faint picture. While no task is on it does nothing.
class TaskSession : public QObject
{
    Q_OBJECT
public:
    struct Parts {
        PageView& page;
        TaskPanel& panel;
        TaskMenu& menu;
        ProgramFiles& files;
        ProgramHost& host;
        Machine& machine;
    };

    TaskSession(Parts parts, QObject* parent);
    ~TaskSession() override;

    bool isOn() const { return m_task.has_value(); }
    /// The task that is on; only while isOn().
    const Task& task() const { return *m_task; }

public slots:
    /// Starts the task of the file at path. A file that is no task, or whose picture cannot
    /// be drawn, is told about and changes nothing.
    void start(const QString& path);
    /// A run is about to start: the page goes back to the start page.
    void prepareRun();
    /// A run has ended: its page is judged, unless the learner stopped it; then the last
    /// verdict goes.
    void judge(const RunOutcome& outcome);
    /// Leaves the task: the panel, the picture and the marks go.
    void leave();

signals:
    /// The machine's page changed outside a run; the window shows it again.
    void pageChanged();
    /// The panel is to be shown or hidden.
    void panelShown(bool shown);

private:
    void tell(const QString& message);
    void showGuide(bool shown);

    Parts m_parts;
    std::optional<Task> m_task;
    std::unique_ptr<PictureCheck> m_check;
    QImage m_guide;
    bool m_progressTold = false;
};

} // namespace zimo
