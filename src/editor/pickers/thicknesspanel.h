#pragma once

#include <QGroupBox>

class QFrame;
class QLabel;
class QPushButton;
class QScrollBar;

namespace zimo
{

class LineView;

/// The thickness picker f_linija: the scroll bar HScroll1 (1 to 10), its value lin_lab, the
/// preview line view_line in its frame Shape1, and the buttons lin_ok and lin_cancel.
/// Hidden until cf_lin opens it; what its controls do is for the window to connect.
class ThicknessPanel : public QGroupBox
{
public:
    explicit ThicknessPanel(QWidget* parent);

    /// Places the controls and sizes the fonts for the current scale.
    void layOut();

    QScrollBar* HScroll1() const { return m_scroll; }
    QLabel* lin_lab() const { return m_value; }
    QFrame* Shape1() const { return m_frame; }
    LineView* view_line() const { return m_line; }
    QPushButton* lin_ok() const { return m_ok; }
    QPushButton* lin_cancel() const { return m_cancel; }

protected:
    /// The keyboard starts on the scroll bar, whose arrows choose the thickness.
    void showEvent(QShowEvent* event) override;
    /// Enter is "Labi", Esc is "Atcelt".
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QScrollBar* m_scroll;
    QLabel* m_value;
    QFrame* m_frame;
    LineView* m_line;
    QPushButton* m_ok;
    QPushButton* m_cancel;
};

} // namespace zimo
