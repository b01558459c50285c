#include "picturebox.h"

#include "files/twips.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include <algorithm>

namespace zimo
{

PictureBox::PictureBox(const QString& name, QRect geometry, QWidget* parent)
    : QFrame(parent)
{
    setObjectName(name);
    setGeometry(geometry);
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setLineWidth(1);
    setMouseTracking(true);
}

void PictureBox::setColour(QColor colour)
{
    if (colour == m_colour)
        return;
    m_colour = colour;
    update();
}

void PictureBox::setPicture(const QPixmap& picture)
{
    m_picture = picture;
    update();
}

void PictureBox::paintEvent(QPaintEvent* event)
{
    {
        QPainter p(this);
        const QRect inner = contentsRect();
        p.fillRect(inner, m_colour);
        // The picture was drawn for the box at 100 %; it fills the box at every scale.
        if (!m_picture.isNull()) {
            p.setRenderHint(QPainter::SmoothPixmapTransform, scalePercent() % 100 != 0);
            p.drawPixmap(inner, m_picture);
        }
    }
    QFrame::paintEvent(event);
    if (hasFocus())
        paintFocus();
}

// A white band under black dashes shows on the darkest and the lightest colour alike.
void PictureBox::paintFocus()
{
    QPainter p(this);
    const int width = std::max(1, scaled(2));
    const QRect band
        = contentsRect().adjusted(width / 2, width / 2, -(width + 1) / 2, -(width + 1) / 2);
    p.setPen(QPen(Qt::white, width));
    p.drawRect(band);
    p.setPen(QPen(Qt::black, width, Qt::DashLine));
    p.drawRect(band);
}

void PictureBox::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Space && !event->isAutoRepeat()) {
        emit clicked();
        return;
    }
    QFrame::keyPressEvent(event);
}

void PictureBox::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
}

void PictureBox::mouseMoveEvent(QMouseEvent* event)
{
    (void)event;
    emit hovered();
}

} // namespace zimo
