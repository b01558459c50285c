#include "editoractions.h"

#include "colourpanel.h"
#include "form1.h"
#include "lineview.h"
#include "pageview.h"
#include "panelswitch.h"
#include "picturebox.h"
#include "programhistory.h"
#include "programtextbox.h"
#include "samplecommands.h"
#include "statusrow.h"
#include "stylepanel.h"
#include "thicknesspanel.h"
#include "toolbar.h"

#include "files/programfiles.h"
#include "interpreter/machine.h"

#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QToolButton>

namespace zimo
{

namespace
{
QColor toQColor(Colour c) { return QColor(redOf(c), greenOf(c), blueOf(c)); }
} // namespace

EditorActions::EditorActions(Form1& form)
    : QObject(&form)
    , m_form(form)
    , m_recorder(form.machine().program)
    , m_steering(form.machine(), m_recorder)
    , m_inserter(m_recorder, form.helpBuffer(), form.helpRow())
    , m_pickers(form.machine().drawing.pen, m_steering, m_inserter)
    , m_panels(new PanelSwitch({ form.f_krasas(), form.f_linija(), form.Frame2() }, this))
{
    connectSteering();
    connectButtons();
    connectColourPanel();
    connectThicknessPanel();
    connectStylePanel();
    connectHistory();
    connect(&form, &Form1::escapePressed, this, [this] { m_panels->cancel(); });
}

bool EditorActions::running() const { return m_form.isRunning(); }

void EditorActions::apply(const Recorded& recorded)
{
    if (recorded.appended) {
        m_form.setProgramText(recorded.text);
        m_form.ieraksti()->showLastLine();
        m_form.showHelp();
    }
    // A line that went in whole takes an earlier notice away; the problem it told is over.
    if (recorded.appended || !recorded.notice.isEmpty())
        tell(recorded.notice, recorded.appended);
}

void EditorActions::tell(const QString& notice, bool aboutWorkFile)
{
    if (notice.isEmpty()) {
        m_form.statusRow()->showNotice(QString());
        return;
    }
    if (aboutWorkFile) {
        if (m_workFileTold)
            return;
        m_workFileTold = true;
    }
    m_form.statusRow()->showNotice(notice);
}

void EditorActions::connectHistory()
{
    // Undo and redo change the text box only; the work file mirrors it again.
    connect(&m_form.history(), &ProgramHistory::stepped, this,
        [this] { tell(m_recorder.mirror(m_form.programText()), true); });
}

void EditorActions::insertLine(const QString& line)
{
    if (running())
        return;
    QString text = m_form.programText();
    if (!text.isEmpty() && !text.endsWith(u'\n') && !text.endsWith(u'\r'))
        text += QStringLiteral("\r\n");
    apply(m_inserter.insert(text, line));
}

void EditorActions::showSteering()
{
    m_form.updatePage();
    PageView* page = m_form.lapa();
    page->setSideColour(toQColor(m_steering.sideColour()));
    const RubberBand& band = m_steering.rubberBand();
    page->setRubberBand(band.visible, QLineF(band.from, band.to), toQColor(band.colour));
}

void EditorActions::connectSteering()
{
    connect(&m_form, &Form1::pageKeyDown, this, [this](int vk) {
        if (m_steering.Form_KeyDown(vk, running()))
            showSteering();
    });
    connect(&m_form, &Form1::pageKeyUp, this, [this](int vk) {
        if (running())
            return;
        apply(m_steering.Form_KeyUp(vk, m_form.programText(), false));
        showSteering();
    });
}

void EditorActions::connectButtons()
{
    Toolbar* toolbar = m_form.toolbar();
    for (int i = 0; i < SampleCount; ++i) {
        connect(toolbar->com(i), &QToolButton::clicked, this, [this, i] {
            if (!running())
                apply(com_Click(m_inserter, m_form.programText(), i));
        });
    }
    connect(toolbar->Command2(), &QToolButton::clicked, this, [this] {
        if (running())
            return;
        Command2_Click(m_form.machine().drawing.page);
        m_form.updatePage();
    });
    connect(toolbar->Command4(), &QToolButton::clicked, this, [this] {
        if (running())
            return;
        Command4_Click(m_form.machine().program);
        // Undo brings the text back; the recovery history keeps it even after the undo is gone.
        m_form.files().keepLeaving();
        m_form.setProgramText(QString());
    });
}

void EditorActions::connectColourPanel()
{
    ColourPanel* panel = m_form.f_krasas();
    connect(m_form.toolbar()->krasa(), &PictureBox::clicked, this,
        [this, panel] { m_panels->open(panel); });
    for (int i = 0; i < ColourPanel::BoxCount; ++i) {
        connect(panel->k_lauks(i), &PictureBox::clicked, this, [this, panel, i] {
            m_pickers.k_lauks_Click(i);
            panel->krasa2()->setColour(toQColor(m_pickers.state().preview));
            panel->nr_krasas()->setText(m_pickers.state().colourCaption());
        });
    }
    connect(panel->krasas_ok(), &QPushButton::clicked, this, [this, panel] {
        m_panels->close(panel);
        if (running())
            return;
        apply(m_pickers.krasas_ok_Click(m_form.programText()));
        showSteering();
    });
    connect(
        panel->Command1(), &QPushButton::clicked, this, [this, panel] { m_panels->close(panel); });
}

void EditorActions::connectThicknessPanel()
{
    ThicknessPanel* panel = m_form.f_linija();
    connect(m_form.toolbar()->cf_lin(), &QToolButton::clicked, this,
        [this, panel] { m_panels->open(panel); });
    connect(panel->HScroll1(), &QScrollBar::valueChanged, this, [this, panel](int value) {
        m_pickers.HScroll1_Change(value);
        const int thickness = m_pickers.state().thickness;
        panel->lin_lab()->setText(QString::number(thickness));
        panel->view_line()->setThickness(thickness);
    });
    connect(panel->lin_ok(), &QPushButton::clicked, this, [this, panel] {
        if (!running())
            apply(m_pickers.lin_ok_Click(m_form.programText()));
        m_panels->close(panel);
    });
    connect(panel->lin_cancel(), &QPushButton::clicked, this,
        [this, panel] { m_panels->close(panel); });
}

void EditorActions::connectStylePanel()
{
    StylePanel* panel = m_form.Frame2();
    connect(m_form.toolbar()->l_stils(), &QToolButton::clicked, this,
        [this, panel] { m_panels->open(panel); });
    for (int k = 0; k < StylePanel::StyleCount; ++k) {
        connect(panel->stl(k), &PictureBox::hovered, panel, [panel, k] { panel->highlight(k); });
        connect(panel->stl(k), &PictureBox::clicked, this, [this, panel, k] {
            if (!running())
                apply(m_pickers.stl_Click(m_form.programText(), k));
            m_panels->close(panel);
        });
    }
    connect(
        panel->Command3(), &QPushButton::clicked, this, [this, panel] { m_panels->close(panel); });
}

} // namespace zimo
