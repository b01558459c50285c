#pragma once

#include <QFrame>

#include <array>

class QLabel;
class QPushButton;

namespace zimo
{

class PictureBox;

/// The colour picker f_krasas: the 36 colour boxes k_lauks in the colours of the colour
/// table (box N-1 shows colour number N), the preview krasa2 with its caption nr_krasas,
/// and the buttons krasas_ok and Command1. Hidden until the swatch opens it; what its
/// controls do is for the window to connect. The keyboard picks a box as a click does.
class ColourPanel : public QFrame
{
public:
    static constexpr int BoxCount = 36;
    static constexpr int Columns = 6;

    explicit ColourPanel(QWidget* parent);

    /// Places the controls and sizes the fonts for the current scale.
    void layOut();

    /// Colour box index 0-35.
    PictureBox* k_lauks(int index) const { return m_boxes.at(size_t(index)); }
    PictureBox* krasa2() const { return m_preview; }
    QLabel* nr_krasas() const { return m_caption; }
    QPushButton* krasas_ok() const { return m_ok; }
    QPushButton* Command1() const { return m_cancel; }

protected:
    /// The keyboard starts on the box picked last (the first box before any).
    void showEvent(QShowEvent* event) override;
    /// Arrows move through the boxes, Enter is "Labi", Esc is "Atcelt".
    void keyPressEvent(QKeyEvent* event) override;

private:
    int m_current = 0;
    std::array<PictureBox*, BoxCount> m_boxes {};
    PictureBox* m_preview;
    QLabel* m_caption;
    QPushButton* m_ok;
    QPushButton* m_cancel;
};

} // namespace zimo
