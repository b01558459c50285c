#pragma once

#include <QWidget>

namespace zimo
{

/// A horizontal line laid on a panel, as thick as asked: the thickness picker's preview
/// view_line. Its widget is tall enough for the thickest line, centred on the line.
class LineView : public QWidget
{
public:
    static constexpr int MaxThickness = 10;

    LineView(const QString& name, QWidget* parent);

    /// Lays the line from (x1, y) to (x2, y) of parent, in pixels at the current scale.
    void place(int x1, int x2, int y);

    int thickness() const { return m_thickness; }
    void setThickness(int thickness);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    int m_thickness = 1;
};

} // namespace zimo
