#include "pickerpanels.h"

#include "colourpanel.h"
#include "lineview.h"
#include "panelswitch.h"
#include "pickers.h"
#include "stylepanel.h"
#include "thicknesspanel.h"

#include "editor/common/picturebox.h"
#include "editor/common/qtcolour.h"

#include <QAbstractButton>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>

namespace zimo
{

PickerPanels::PickerPanels(Pickers& pickers, Panels panels, Openers openers, QObject* parent)
    : QObject(parent)
    , m_pickers(pickers)
    , m_panels(panels)
    , m_switch(new PanelSwitch({ &panels.colours, &panels.thickness, &panels.styles }, this))
{
    connectColourPanel(openers.colours);
    connectThicknessPanel(openers.thickness);
    connectStylePanel(openers.styles);
}

void PickerPanels::connectColourPanel(PictureBox& opener)
{
    ColourPanel* panel = &m_panels.colours;
    connect(&opener, &PictureBox::clicked, this, [this, panel] { m_switch->open(panel); });
    for (int i = 0; i < ColourPanel::BoxCount; ++i) {
        connect(panel->k_lauks(i), &PictureBox::clicked, this, [this, panel, i] {
            m_pickers.k_lauks_Click(i);
            panel->krasa2()->setColour(toQColor(m_pickers.state().preview));
            panel->nr_krasas()->setText(m_pickers.state().colourCaption());
        });
    }
    connect(panel->krasas_ok(), &QPushButton::clicked, this, [this, panel] {
        m_switch->close(panel);
        emit colourChosen();
    });
    connect(
        panel->Command1(), &QPushButton::clicked, this, [this, panel] { m_switch->close(panel); });
}

void PickerPanels::connectThicknessPanel(QAbstractButton& opener)
{
    ThicknessPanel* panel = &m_panels.thickness;
    connect(&opener, &QAbstractButton::clicked, this, [this, panel] { m_switch->open(panel); });
    connect(panel->HScroll1(), &QScrollBar::valueChanged, this, [this, panel](int value) {
        m_pickers.HScroll1_Change(value);
        const int thickness = m_pickers.state().thickness;
        panel->lin_lab()->setText(QString::number(thickness));
        panel->view_line()->setThickness(thickness);
    });
    connect(panel->lin_ok(), &QPushButton::clicked, this, [this, panel] {
        emit thicknessChosen();
        m_switch->close(panel);
    });
    connect(panel->lin_cancel(), &QPushButton::clicked, this,
        [this, panel] { m_switch->close(panel); });
}

void PickerPanels::connectStylePanel(QAbstractButton& opener)
{
    StylePanel* panel = &m_panels.styles;
    connect(&opener, &QAbstractButton::clicked, this, [this, panel] { m_switch->open(panel); });
    for (int k = 0; k < StylePanel::StyleCount; ++k) {
        connect(panel->stl(k), &PictureBox::hovered, panel, [panel, k] { panel->highlight(k); });
        connect(panel->stl(k), &PictureBox::clicked, this, [this, panel, k] {
            emit styleChosen(k);
            m_switch->close(panel);
        });
    }
    connect(
        panel->Command3(), &QPushButton::clicked, this, [this, panel] { m_switch->close(panel); });
}

} // namespace zimo
