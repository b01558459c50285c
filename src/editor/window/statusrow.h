#pragma once

#include <QWidget>

#include <array>

class QLabel;

namespace zimo
{

/// The status row under the page: the turtle's angle (lb_lenk) and coordinates (lb_coord),
/// the pointer's page coordinates (peles_koord), and after them a notice (zinojums) that
/// tells what an action could not do without taking the keyboard.
///
/// Each label sizes itself to its text and stands at its own place, or further right when
/// the label before it has grown past that place, so the labels never overlap. The notice
/// takes what is left of the row and shows its whole text as a tooltip.
class StatusRow : public QWidget
{
public:
    /// The space a grown label keeps before the next one, in pixels.
    static constexpr int Gap = 8;

    explicit StatusRow(QWidget* parent);

    /// The turtle's labels, as the sprite update writes them.
    void showTurtle(double displayAngle, double x, double y);
    /// The pointer's page coordinates.
    void showPointer(int x, int y);
    /// Shows notice after the other labels; an empty text takes the notice away.
    void showNotice(const QString& notice);
    /// Places the labels and sizes their font for the current scale.
    void layOut();

    QLabel* lb_lenk() const { return m_labels[0]; }
    QLabel* lb_coord() const { return m_labels[1]; }
    QLabel* peles_koord() const { return m_labels[2]; }
    QLabel* zinojums() const { return m_notice; }

private:
    void setText(QLabel* label, const QString& text);
    void placeLabels();

    std::array<QLabel*, 3> m_labels {};
    std::array<int, 3> m_places {};
    int m_noticePlace = 0;
    QLabel* m_notice;
};

} // namespace zimo
