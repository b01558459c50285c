#include "stylepanel.h"

#include "pickerkeys.h"

#include "editor/common/outlinerect.h"
#include "editor/common/picturebox.h"
#include "editor/common/windowmessages.h"
#include "files/twips.h"
#include "platform/rasterpage.h"

#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>

#include <memory>

namespace zimo
{

namespace
{

constexpr int HighlightWidth = 5;
/// The inside of a sample box at 100 %: 1575 x 255 twips less its one-pixel border.
constexpr QSize SampleSize(103, 15);

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
    setAutoFillBackground(true);
    for (int k = 0; k < StyleCount; ++k) {
        auto* sample = new PictureBox(QStringLiteral("stl%1").arg(k), QRect(), this);
        sample->setAccessibleName(windowmsg::styleSampleName(k + 1));
        sample->setFocusPolicy(Qt::StrongFocus);
        m_samples[size_t(k)] = sample;
        auto* number = new QLabel(QString::number(k + 1), this);
        number->setObjectName(QStringLiteral("Label2_%1").arg(k));
        m_numbers[size_t(k)] = number;
    }
    m_highlight
        = new OutlineRect(QStringLiteral("robeza"), QColor(0, 0, 255), HighlightWidth, this);
    m_cancel = new QPushButton(windowmsg::cancel(), this);
    m_cancel->setObjectName(QStringLiteral("Command3"));
    layOut();
    hide();
}

void StylePanel::layOut()
{
    setGeometry(twRect(8520, 0, 2295, 2895));
    QFont bold = font();
    bold.setPixelSize(ptPixels(9.75));
    bold.setBold(true);
    for (int k = 0; k < StyleCount; ++k) {
        m_samples[size_t(k)]->setGeometry(twRect(480, 360 + 360 * k, 1575, 255));
        m_numbers[size_t(k)]->setGeometry(twRect(120, 360 + 360 * k, 255, 255));
        m_numbers[size_t(k)]->setFont(bold);
    }
    m_highlight->setBandWidth(scaled(HighlightWidth));
    highlight(m_highlighted);
    m_cancel->setGeometry(twRect(1320, 2520, 855, 255));
}

// The samples need a page of their own to be drawn on; the panel is hidden at start, so
// they are drawn when it is first shown rather than while the window opens. They are drawn
// at the size of the boxes at 100 % and shown larger with the page at other scales.
void StylePanel::showEvent(QShowEvent* event)
{
    if (!m_drawn) {
        const auto samples = styleSamples(SampleSize);
        for (int k = 0; k < StyleCount; ++k)
            stl(k)->setPicture(samples[size_t(k)]);
        m_drawn = true;
    }
    stl(m_highlighted)->setFocus();
    QGroupBox::showEvent(event);
}

void StylePanel::highlight(int index)
{
    m_highlighted = index;
    m_highlight->setBounds(stl(index)->geometry(), m_highlight->bandWidth() / 2);
    m_highlight->raise();
}

// Up and Down move the highlight, Enter picks the highlighted style as a click would.
void StylePanel::keyPressEvent(QKeyEvent* event)
{
    const int next = arrowStep(*event, m_highlighted, StyleCount, 1);
    if (next >= 0) {
        highlight(next);
        stl(next)->setFocus();
        return;
    }
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (enter && focusWidget() != m_cancel) {
        emit stl(m_highlighted)->clicked();
        return;
    }
    if (!pickerKey(*event, nullptr, m_cancel))
        QGroupBox::keyPressEvent(event);
}

} // namespace zimo
