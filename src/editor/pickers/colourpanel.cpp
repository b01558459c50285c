#include "colourpanel.h"

#include "pickerkeys.h"

#include "editor/common/picturebox.h"
#include "editor/common/qtcolour.h"
#include "editor/common/windowmessages.h"
#include "files/twips.h"
#include "turtle/pen.h"

#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>

#include <algorithm>

namespace zimo
{

ColourPanel::ColourPanel(QWidget* parent)
    : QFrame(parent)
{
    setObjectName(QStringLiteral("f_krasas"));
    setAccessibleName(windowmsg::colourPanelName());
    setFrameStyle(QFrame::Panel | QFrame::Raised);
    setAutoFillBackground(true);
    for (int i = 0; i < BoxCount; ++i) {
        auto* box = new PictureBox(QStringLiteral("k_lauks%1").arg(i), QRect(), this);
        const Colour c = ColourTable[size_t(i)];
        box->setColour(toQColor(c));
        box->setAccessibleName(windowmsg::colourBoxName(i + 1));
        box->setFocusPolicy(Qt::StrongFocus);
        connect(box, &PictureBox::clicked, this, [this, i] { m_current = i; });
        m_boxes[size_t(i)] = box;
    }
    m_preview = new PictureBox(QStringLiteral("krasa2"), QRect(), this);
    m_preview->setColour(Qt::black);
    m_preview->setAccessibleName(windowmsg::colourPreviewName());
    m_caption = new QLabel(windowmsg::firstColour(), this);
    m_caption->setObjectName(QStringLiteral("nr_krasas"));
    m_ok = new QPushButton(windowmsg::ok(), this);
    m_ok->setObjectName(QStringLiteral("krasas_ok"));
    m_cancel = new QPushButton(windowmsg::cancel(), this);
    m_cancel->setObjectName(QStringLiteral("Command1"));
    layOut();
    hide();
}

void ColourPanel::layOut()
{
    setGeometry(twRect(9120, 0, 2175, 2535));
    for (int i = 0; i < BoxCount; ++i)
        m_boxes[size_t(i)]->setGeometry(twRect(360 * (i % Columns), 240 * (i / Columns), 375, 255));
    m_preview->setGeometry(twRect(0, 1560, 495, 375));
    m_caption->setGeometry(twRect(480, 1560, 1815, 375));
    QFont font = m_caption->font();
    font.setPixelSize(ptPixels(13.5));
    m_caption->setFont(font);
    m_ok->setGeometry(twRect(120, 2040, 975, 375));
    m_cancel->setGeometry(twRect(1200, 2040, 855, 375));
}

void ColourPanel::showEvent(QShowEvent* event)
{
    k_lauks(m_current)->setFocus();
    QFrame::showEvent(event);
}

// An arrow moves the keyboard to the next box and picks it, as a click would.
void ColourPanel::keyPressEvent(QKeyEvent* event)
{
    const auto* box = qobject_cast<PictureBox*>(focusWidget());
    const auto at = std::find(m_boxes.begin(), m_boxes.end(), box);
    if (at != m_boxes.end()) {
        const int next = arrowStep(*event, int(at - m_boxes.begin()), BoxCount, Columns);
        if (next >= 0) {
            k_lauks(next)->setFocus();
            emit k_lauks(next)->clicked();
            return;
        }
    }
    if (!pickerKey(*event, m_ok, m_cancel))
        QFrame::keyPressEvent(event);
}

} // namespace zimo
