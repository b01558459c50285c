#pragma once

#include <QWidget>

class QLabel;

namespace zimo
{

/// The status row under the page: the turtle's angle (lb_lenk) and coordinates (lb_coord),
/// and the pointer's page coordinates (peles_koord). Each label sizes itself to its text.
class StatusRow : public QWidget
{
public:
    explicit StatusRow(QWidget* parent);

    /// The turtle's labels, as the sprite update writes them.
    void showTurtle(double displayAngle, double x, double y);
    /// The pointer's page coordinates.
    void showPointer(int x, int y);
    /// Places the labels and sizes their font for the current scale.
    void layOut();

    QLabel* lb_lenk() const { return m_angle; }
    QLabel* lb_coord() const { return m_coordinates; }
    QLabel* peles_koord() const { return m_pointer; }

private:
    QLabel* m_angle;
    QLabel* m_coordinates;
    QLabel* m_pointer;
};

} // namespace zimo
