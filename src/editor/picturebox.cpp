#include "picturebox.h"

#include <QMouseEvent>
#include <QPainter>

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
        if (!m_picture.isNull())
            p.drawPixmap(inner.topLeft(), m_picture);
    }
    QFrame::paintEvent(event);
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
