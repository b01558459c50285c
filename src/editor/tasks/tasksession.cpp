#include "tasksession.h"

#include "taskmenu.h"
#include "taskpanel.h"
#include "taskwindowmessages.h"

#include "editor/common/notice.h"
#include "editor/page/pageview.h"
#include "editor/page/samplecommands.h"
#include "files/programfiles.h"
#include "files/programhost.h"
#include "interpreter/machine.h"
#include "interpreter/reset.h"
#include "platform/rasterpage.h"
#include "tasks/picturecompare.h"
#include "tasks/taskcheck.h"

#include <QDir>

namespace zimo
{

namespace
{

// The task's picture as the page shows it under the drawing: every pixel of ink a good
// way towards white, the rest white, so that multiplying it in leaves white pixels faint
// and the drawing's own ink as it is.
QImage guideOf(const QImage& target)
{
    QImage guide = target.convertToFormat(QImage::Format_RGB32);
    const auto faint = [](int c) { return c + (255 - c) * 3 / 5; };
    for (int y = 0; y < guide.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(guide.scanLine(y));
        for (int x = 0; x < guide.width(); ++x)
            line[x] = qRgb(faint(qRed(line[x])), faint(qGreen(line[x])), faint(qBlue(line[x])));
    }
    return guide;
}

} // namespace

TaskSession::TaskSession(Parts parts, QObject* parent)
    : QObject(parent)
    , m_parts(parts)
{
    connect(&m_parts.panel, &TaskPanel::targetToggled, this, &TaskSession::showGuide);
    connect(&m_parts.panel, &TaskPanel::leaveRequested, this, &TaskSession::leave);
}

TaskSession::~TaskSession() = default;

void TaskSession::start(const QString& path)
{
    if (m_parts.host.isRunning())
        return;
    const TaskRead read = readTaskFile(path);
    const TargetPicture target = read.ok() ? targetPicture(read.task) : TargetPicture {};
    if (!read.ok() || !target.ok()) {
        tell(taskwinmsg::taskNotOpened(
            QDir::toNativeSeparators(path), read.ok() ? target.problem : read.problem));
        return;
    }
    if (!m_parts.files.openUnnamed(QString(), true))
        return;
    m_task = read.task;
    m_check = std::make_unique<PictureCheck>(target.picture);
    m_guide = guideOf(target.picture);
    sakums(m_parts.machine);
    prepareRun();
    showGuide(m_parts.panel.targetShown());
    m_parts.panel.showTask(m_task->title, m_task->instruction);
    emit panelShown(true);
    emit pageChanged();
}

void TaskSession::prepareRun()
{
    if (!isOn())
        return;
    Drawing& drawing = m_parts.machine.drawing;
    Command2_Click(drawing);
    drawing.setLineStyle(0);
    m_parts.page.setMarks({});
}

void TaskSession::judge(const RunOutcome& outcome)
{
    if (!isOn())
        return;
    // A stopped run is not judged; the last run's verdict would no longer fit the page.
    if (outcome.end == RunOutcome::End::Stopped) {
        m_parts.panel.clearResult();
        return;
    }
    QImage page;
    m_parts.machine.drawing.page.copyTo(page);
    const TaskVerdict verdict
        = judgeTask(*m_task, *m_check, page, outcome, m_parts.host.programText());
    m_parts.panel.showResult(verdict.sentence, verdict.solved);
    const bool showMarks = !verdict.solved && outcome.end == RunOutcome::End::Finished;
    m_parts.page.setMarks(showMarks ? differenceLayer(verdict.difference) : QImage());
    if (!verdict.solved)
        return;
    const QString problem = m_parts.menu.markSolved(*m_task);
    // The tick holds for this session either way; a learner hears about the file once.
    if (!problem.isEmpty() && !m_progressTold) {
        m_progressTold = true;
        tell(taskwinmsg::progressNotKept(
            QDir::toNativeSeparators(m_parts.menu.progressPath()), problem));
    }
}

void TaskSession::leave()
{
    m_task.reset();
    m_check.reset();
    m_guide = QImage();
    m_parts.page.setGuide({});
    m_parts.page.setMarks({});
    emit panelShown(false);
}

void TaskSession::showGuide(bool shown)
{
    m_parts.page.setGuide(shown && isOn() ? m_guide : QImage());
}

void TaskSession::tell(const QString& message)
{
    openNotice(m_parts.host.hostWindow(), QMessageBox::Warning, message);
}

} // namespace zimo
