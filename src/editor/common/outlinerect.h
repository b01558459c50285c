#pragma once

#include <QColor>
#include <QWidget>

namespace zimo
{

/// A rectangle outline laid over other controls, such as the frame that marks which control
/// has the keyboard. It is a masked widget, so it covers only its own band of pixels and lets
/// every click through.
class OutlineRect : public QWidget
{
public:
    OutlineRect(const QString& name, QColor colour, int width, QWidget* parent);

    /// Lays the band around bounds, reaching outside from bounds' edges and
    /// width - outside pixels inside.
    void setBounds(QRect bounds, int outside);
    QRect bounds() const { return m_bounds; }
    /// The band's width in pixels; setBounds() lays it.
    void setBandWidth(int width) { m_width = width; }
    int bandWidth() const { return m_width; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QColor m_colour;
    int m_width;
    QRect m_bounds;
};

} // namespace zimo
