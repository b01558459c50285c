#pragma once

#include <QWidget>

#include <array>

namespace zimo
{

class ColourPanel;
class HelpArea;
class HintPresenter;
class OutlineRect;
class PageView;
class ProgramTextBox;
class StatusRow;
class StylePanel;
class TaskPanel;
class ThicknessPanel;
class Toolbar;

/// The main window's client area: the toolbar with the help area beside it, the page and
/// the program text box with their mode frames, the status row, the three picker panels,
/// and the panel of a drawing task.
///
/// Owns its controls and places them at the window's scale. The page keeps its size and
/// place; the text box takes whatever room the area has beyond the layout's size, to its
/// right and below; while a task is on, its panel takes the top of that column. The picker
/// panels pop up over the top of the area, above every other control.
class ClientArea : public QWidget
{
public:
    explicit ClientArea(QWidget* parent);

    /// Places every control for the current scale.
    void layOut();
    /// Shows the page's frame with the status labels and the line colour that it holds.
    void showPageFrame();

    PageView* lapa() const { return m_page; }
    ProgramTextBox* ieraksti() const { return m_text; }
    OutlineRect* lapa_rect() const { return m_pageFrame; }
    OutlineRect* ieraksti_rect() const { return m_textFrame; }
    Toolbar* toolbar() const { return m_toolbar; }
    HelpArea* helpArea() const { return m_help; }
    HintPresenter& hints() const { return *m_hints; }
    StatusRow* statusRow() const { return m_status; }
    ColourPanel* f_krasas() const { return m_colourPanel; }
    ThicknessPanel* f_linija() const { return m_thicknessPanel; }
    StylePanel* Frame2() const { return m_stylePanel; }
    /// The three picker panels, as widgets.
    std::array<QWidget*, 3> pickerPanels() const;
    TaskPanel* taskPanel() const { return m_taskPanel; }
    /// Shows the task panel above the text box, or hides it and gives the text box its room.
    void showTaskPanel(bool shown);

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void placeTextBox();

    PageView* m_page;
    ProgramTextBox* m_text;
    OutlineRect* m_pageFrame;
    OutlineRect* m_textFrame;
    Toolbar* m_toolbar;
    HelpArea* m_help;
    HintPresenter* m_hints;
    StatusRow* m_status;
    ColourPanel* m_colourPanel;
    ThicknessPanel* m_thicknessPanel;
    StylePanel* m_stylePanel;
    TaskPanel* m_taskPanel;
};

} // namespace zimo
