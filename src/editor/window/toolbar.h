#pragma once

#include "editor/page/samplecommands.h"

#include <QPixmap>
#include <QWidget>

#include <array>
#include <utility>

class QLabel;
class QToolButton;

namespace zimo
{

class PictureBox;

/// The toolbar along the top of the window: seventeen picture buttons with tooltips, the
/// "Krāsa" caption and the line-colour swatch krasa.
///
/// Owns its buttons and pictures. Clicks are for the window to connect; while a run goes on
/// the Run button turns into a stop button and every other control is disabled.
class Toolbar : public QWidget
{
public:
    explicit Toolbar(QWidget* parent);

    QToolButton* new_analog() const { return m_new; }
    QToolButton* save_analog() const { return m_save; }
    QToolButton* zimet() const { return m_run; }
    QToolButton* Command2() const { return m_clearPage; }
    QToolButton* Command4() const { return m_clearText; }
    /// Sample button index 0-9.
    QToolButton* com(int index) const { return m_samples.at(size_t(index)); }
    QToolButton* cf_lin() const { return m_thickness; }
    QToolButton* l_stils() const { return m_style; }
    QLabel* Label1() const { return m_colourCaption; }
    PictureBox* krasa() const { return m_swatch; }

    void setRunning(bool running);
    /// Places the buttons and sizes their pictures and fonts for the current scale.
    void layOut();
    /// While a run is paused the Run button shows the run picture again and goes on.
    void showPaused(bool paused);

private:
    QToolButton* m_new;
    QToolButton* m_save;
    QToolButton* m_run;
    QToolButton* m_clearPage;
    QToolButton* m_clearText;
    std::array<QToolButton*, SampleCount> m_samples {};
    QToolButton* m_thickness;
    QToolButton* m_style;
    QLabel* m_colourCaption;
    PictureBox* m_swatch;
    /// The buttons whose picture is drawn once, with that picture at 100 %.
    std::array<std::pair<QToolButton*, QPixmap>, 6> m_pictures;
    bool m_running = false;
    QPixmap m_runPicture;
    QPixmap m_stopPicture;
};

} // namespace zimo
