#include "colourpanel.h"

#include "picturebox.h"
#include "twips.h"
#include "windowmessages.h"

#include "turtle/pen.h"

#include <QLabel>
#include <QPushButton>

namespace zimo
{

ColourPanel::ColourPanel(QWidget* parent)
    : QFrame(parent)
{
    setObjectName(QStringLiteral("f_krasas"));
    setGeometry(twRect(9120, 0, 2175, 2535));
    setFrameStyle(QFrame::Panel | QFrame::Raised);
    setAutoFillBackground(true);
    for (int i = 0; i < BoxCount; ++i) {
        const int column = i % 6;
        const int row = i / 6;
        auto* box = new PictureBox(
            QStringLiteral("k_lauks%1").arg(i), twRect(360 * column, 240 * row, 375, 255), this);
        const Colour c = ColourTable[size_t(i)];
        box->setColour(QColor(redOf(c), greenOf(c), blueOf(c)));
        m_boxes[size_t(i)] = box;
    }
    m_preview = new PictureBox(QStringLiteral("krasa2"), twRect(0, 1560, 495, 375), this);
    m_preview->setColour(Qt::black);
    m_caption = new QLabel(windowmsg::firstColour(), this);
    m_caption->setObjectName(QStringLiteral("nr_krasas"));
    m_caption->setGeometry(twRect(480, 1560, 1815, 375));
    QFont font = m_caption->font();
    font.setPixelSize(ptPixels(13.5));
    m_caption->setFont(font);
    m_ok = new QPushButton(windowmsg::ok(), this);
    m_ok->setObjectName(QStringLiteral("krasas_ok"));
    m_ok->setGeometry(twRect(120, 2040, 975, 375));
    m_cancel = new QPushButton(windowmsg::cancel(), this);
    m_cancel->setObjectName(QStringLiteral("Command1"));
    m_cancel->setGeometry(twRect(1200, 2040, 855, 375));
    hide();
}

} // namespace zimo
