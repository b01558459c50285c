#include "editoractions.h"

#include "statusrow.h"
#include "toolbar.h"

#include "editor/common/picturebox.h"
#include "editor/common/qtcolour.h"
#include "editor/page/pageview.h"
#include "editor/page/samplecommands.h"
#include "editor/textbox/helparea.h"
#include "editor/textbox/programtextbox.h"
#include "files/programhost.h"
#include "interpreter/machine.h"

#include <QToolButton>

namespace zimo
{

EditorActions::EditorActions(Parts parts, QObject* parent)
    : QObject(parent)
    , m_parts(parts)
    , m_recorder(parts.machine.program)
    , m_steering(parts.machine.drawing, m_recorder)
    , m_inserter(m_recorder, parts.help.buffer(), parts.help.row())
    , m_pickers(parts.machine.drawing.pen, m_steering, m_inserter)
    , m_panels(new PickerPanels(m_pickers, parts.pickers,
          { *parts.toolbar.krasa(), *parts.toolbar.cf_lin(), *parts.toolbar.l_stils() }, this))
{
    connectButtons();
    connectPickers();
}

bool EditorActions::running() const { return m_parts.program.isRunning(); }

void EditorActions::apply(const Recorded& recorded)
{
    if (recorded.appended) {
        m_parts.program.setProgramText(recorded.text);
        m_parts.text.showLastLine();
        m_parts.help.showRow();
    }
    // A line that went in whole takes an earlier notice away; the problem it told is over.
    if (recorded.appended || !recorded.notice.isEmpty())
        tell(recorded.notice, recorded.appended);
}

void EditorActions::tell(const QString& notice, bool aboutWorkFile)
{
    if (notice.isEmpty()) {
        m_parts.status.showNotice(QString());
        return;
    }
    if (aboutWorkFile) {
        if (m_workFileTold)
            return;
        m_workFileTold = true;
    }
    m_parts.status.showNotice(notice);
}

void EditorActions::textStepped() { tell(m_recorder.mirror(m_parts.program.programText()), true); }

void EditorActions::insertLine(const QString& line)
{
    if (running())
        return;
    QString text = m_parts.program.programText();
    if (!text.isEmpty() && !text.endsWith(u'\n') && !text.endsWith(u'\r'))
        text += QStringLiteral("\r\n");
    apply(m_inserter.insert(text, line));
}

void EditorActions::showSteering()
{
    emit machineChanged();
    const RubberBand& band = m_steering.rubberBand();
    m_parts.page.setSideColour(toQColor(m_steering.sideColour()));
    m_parts.page.setRubberBand(band.visible, QLineF(band.from, band.to), toQColor(band.colour));
}

void EditorActions::keyDown(int vk)
{
    if (m_steering.Form_KeyDown(vk, running()))
        showSteering();
}

void EditorActions::keyUp(int vk)
{
    if (running())
        return;
    apply(m_steering.Form_KeyUp(vk, m_parts.program.programText(), false));
    showSteering();
}

void EditorActions::connectButtons()
{
    Toolbar& toolbar = m_parts.toolbar;
    for (int i = 0; i < SampleCount; ++i) {
        connect(toolbar.com(i), &QToolButton::clicked, this, [this, i] {
            if (!running())
                apply(com_Click(m_inserter, m_parts.program.programText(), i));
        });
    }
    connect(toolbar.Command2(), &QToolButton::clicked, this, [this] {
        if (running())
            return;
        Command2_Click(m_parts.machine.drawing);
        emit machineChanged();
    });
    connect(toolbar.Command4(), &QToolButton::clicked, this, [this] {
        if (running())
            return;
        Command4_Click(m_parts.machine.program);
        m_parts.program.setProgramText(QString());
    });
}

void EditorActions::connectPickers()
{
    connect(m_panels, &PickerPanels::colourChosen, this, [this] {
        if (running())
            return;
        apply(m_pickers.krasas_ok_Click(m_parts.program.programText()));
        showSteering();
    });
    connect(m_panels, &PickerPanels::thicknessChosen, this, [this] {
        if (!running())
            apply(m_pickers.lin_ok_Click(m_parts.program.programText()));
    });
    connect(m_panels, &PickerPanels::styleChosen, this, [this](int k) {
        if (!running())
            apply(m_pickers.stl_Click(m_parts.program.programText(), k));
    });
}

} // namespace zimo
