#pragma once

#include <QColor>
#include <QFrame>
#include <QPixmap>

namespace zimo
{

/// A small picture surface of the window: a sunken box that shows a background colour and,
/// optionally, a picture, and reports clicks and pointer moves. The colour swatches, the
/// colour boxes and the line-style samples are such boxes. A box that has the keyboard
/// shows a dashed band inside its border.
class PictureBox : public QFrame
{
    Q_OBJECT
public:
    PictureBox(const QString& name, QRect geometry, QWidget* parent);

    QColor colour() const { return m_colour; }
    void setColour(QColor colour);
    void setPicture(const QPixmap& picture);

signals:
    void clicked();
    /// The pointer moved over the box.
    void hovered();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    /// Space clicks the box, for the boxes the keyboard reaches.
    void keyPressEvent(QKeyEvent* event) override;

private:
    void paintFocus();

    QColor m_colour = Qt::white;
    QPixmap m_picture;
};

} // namespace zimo
