#include "stylepanel.h"

#include "outlinerect.h"
#include "picturebox.h"
#include "twips.h"
#include "windowmessages.h"

#include "platform/rasterpage.h"

#include <QLabel>
#include <QPushButton>

#include <memory>

namespace zimo
{

namespace
{

constexpr int HighlightWidth = 5;

// The samples are drawn by the page itself, so they show the dashes a program gets.
std::array<QPixmap, StylePanel::StyleCount> styleSamples(QSize size)
{
    auto page = std::make_unique<RasterPage>();
    std::array<QPixmap, StylePanel::StyleCount> samples;
    const int middle = size.height() / 2;
    for (int k = 0; k < StylePanel::StyleCount; ++k) {
        const int top = k * size.height();
        page->setLineStyle(k);
        page->drawLine(QPointF(2, top + middle), QPointF(size.width() - 3, top + middle), 0);
    }
    QImage image;
    page->copyTo(image);
    for (int k = 0; k < StylePanel::StyleCount; ++k)
        samples[size_t(k)]
            = QPixmap::fromImage(image.copy(0, k * size.height(), size.width(), size.height()));
    return samples;
}

} // namespace

StylePanel::StylePanel(QWidget* parent)
    : QGroupBox(windowmsg::lineStyle(), parent)
{
    setObjectName(QStringLiteral("Frame2"));
    setGeometry(twRect(8520, 0, 2295, 2895));
    setAutoFillBackground(true);
    QFont bold = font();
    bold.setPixelSize(ptPixels(9.75));
    bold.setBold(true);
    const QRect first = twRect(480, 360, 1575, 255);
    for (int k = 0; k < StyleCount; ++k) {
        auto* sample = new PictureBox(
            QStringLiteral("stl%1").arg(k), first.translated(0, tw(360 * k)), this);
        m_samples[size_t(k)] = sample;
        auto* number = new QLabel(QString::number(k + 1), this);
        number->setObjectName(QStringLiteral("Label2_%1").arg(k));
        number->setGeometry(twRect(120, 360 + 360 * k, 255, 255));
        number->setFont(bold);
        m_numbers[size_t(k)] = number;
    }
    m_highlight
        = new OutlineRect(QStringLiteral("robeza"), QColor(0, 0, 255), HighlightWidth, this);
    highlight(0);
    m_cancel = new QPushButton(windowmsg::cancel(), this);
    m_cancel->setObjectName(QStringLiteral("Command3"));
    m_cancel->setGeometry(twRect(1320, 2520, 855, 255));
    hide();
}

// The samples need a page of their own to be drawn on; the panel is hidden at start, so
// they are drawn when it is first shown rather than while the window opens.
void StylePanel::showEvent(QShowEvent* event)
{
    if (!m_drawn) {
        const auto samples = styleSamples(stl(0)->contentsRect().size());
        for (int k = 0; k < StyleCount; ++k)
            stl(k)->setPicture(samples[size_t(k)]);
        m_drawn = true;
    }
    QGroupBox::showEvent(event);
}

void StylePanel::highlight(int index)
{
    m_highlight->setBounds(stl(index)->geometry(), HighlightWidth / 2);
    m_highlight->raise();
}

} // namespace zimo
