#pragma once

#include <QGroupBox>

#include <array>

class QLabel;
class QPushButton;

namespace zimo
{

class OutlineRect;
class PictureBox;

/// The line-style picker Frame2: six samples stl drawn in the six line styles, numbered by
/// the labels Label2, the highlight robeza on the sample under the pointer, and the button
/// Command3. Hidden until l_stils opens it; what its controls do is for the window to connect.
class StylePanel : public QGroupBox
{
public:
    static constexpr int StyleCount = 6;

    explicit StylePanel(QWidget* parent);

    /// Style sample index 0-5 (style index + 1).
    PictureBox* stl(int index) const { return m_samples.at(size_t(index)); }
    QLabel* Label2(int index) const { return m_numbers.at(size_t(index)); }
    OutlineRect* robeza() const { return m_highlight; }
    QPushButton* Command3() const { return m_cancel; }

    /// Moves robeza onto sample index.
    void highlight(int index);
    /// Places the controls and sizes the fonts for the current scale.
    void layOut();

protected:
    /// The keyboard starts on the highlighted sample.
    void showEvent(QShowEvent* event) override;
    /// Up and Down move the highlight, Enter picks its style, Esc is "Atcelt".
    void keyPressEvent(QKeyEvent* event) override;

private:
    bool m_drawn = false;
    int m_highlighted = 0;
    std::array<PictureBox*, StyleCount> m_samples {};
    std::array<QLabel*, StyleCount> m_numbers {};
    OutlineRect* m_highlight;
    QPushButton* m_cancel;
};

} // namespace zimo
