#include "toolbar.h"

#include "toolbarpictures.h"

#include "editor/common/picturebox.h"
#include "editor/common/windowmessages.h"
#include "editor/page/figurepictures.h"
#include "editor/run/runcontrolmessages.h"
#include "files/twips.h"

#include <QLabel>
#include <QToolButton>

namespace zimo
{

namespace
{

constexpr int ButtonSide = 495;
/// Left edges of the sample buttons, in twips.
constexpr std::array<int, SampleCount> SampleLefts { 2640, 3165, 3690, 4215, 4740, 5265, 5790, 6300,
    6825, 7350 };

QToolButton* makeButton(
    const QString& name, const QString& tooltip, QColor background, QWidget* parent)
{
    auto* button = new QToolButton(parent);
    button->setObjectName(name);
    button->setToolTip(tooltip);
    button->setAccessibleName(tooltip);
    // Tab reaches the buttons, but a click leaves the keyboard where it was.
    button->setFocusPolicy(Qt::TabFocus);
    QPalette pal = button->palette();
    pal.setColor(QPalette::Button, background);
    button->setPalette(pal);
    return button;
}

} // namespace

Toolbar::Toolbar(QWidget* parent)
    : QWidget(parent)
    , m_runPicture(pictures::runTriangle())
    , m_stopPicture(pictures::stopSign())
{
    setObjectName(QStringLiteral("toolbar"));
    const QColor white(Qt::white);
    const QColor black(Qt::black);
    m_new = makeButton(QStringLiteral("new_analog"), windowmsg::newPage(), white, this);
    m_save = makeButton(QStringLiteral("save_analog"), windowmsg::save(), white, this);
    m_run = makeButton(QStringLiteral("zimet"), windowmsg::runProgram(), white, this);
    m_clearPage = makeButton(QStringLiteral("Command2"), windowmsg::clearPage(), white, this);
    m_clearText = makeButton(QStringLiteral("Command4"), windowmsg::clearText(), white, this);
    for (int i = 0; i < SampleCount; ++i)
        m_samples[size_t(i)]
            = makeButton(QStringLiteral("com%1").arg(i), windowmsg::sampleTooltip(i), black, this);
    m_thickness = makeButton(QStringLiteral("cf_lin"), windowmsg::lineThickness(), white, this);
    m_style = makeButton(QStringLiteral("l_stils"), windowmsg::lineStyle(), white, this);
    m_pictures = { { { m_new, pictures::blankSheet() }, { m_save, pictures::floppyDisk() },
        { m_clearPage, pictures::clearPage() }, { m_clearText, pictures::clearText() },
        { m_thickness, pictures::thicknessLines() }, { m_style, pictures::styleChoice() } } };

    m_colourCaption = new QLabel(windowmsg::colourCaption(), this);
    m_colourCaption->setObjectName(QStringLiteral("Label1"));
    m_swatch = new PictureBox(QStringLiteral("krasa"), QRect(), this);
    m_swatch->setColour(Qt::black);
    m_swatch->setToolTip(windowmsg::colourTooltip());
    m_swatch->setAccessibleName(windowmsg::colourTooltip());
    m_swatch->setFocusPolicy(Qt::TabFocus);
    layOut();
}

void Toolbar::layOut()
{
    auto place = [](QToolButton* button, int left, const QPixmap& picture) {
        button->setGeometry(tw(left), 0, tw(ButtonSide), tw(ButtonSide));
        const QPixmap shown = scaledPicture(picture);
        button->setIcon(QIcon(shown));
        button->setIconSize(shown.size());
    };
    const std::array<int, 6> lefts { 0, 525, 1575, 2100, 7920, 8520 };
    for (size_t i = 0; i < m_pictures.size(); ++i)
        place(m_pictures[i].first, lefts[i], m_pictures[i].second);
    place(m_run, 1050, m_running ? m_stopPicture : m_runPicture);
    // The figures are drawn afresh at the scale's size, so their lines stay one pixel wide.
    const auto figures = figurePictures(scaled(pictures::Large));
    for (int i = 0; i < SampleCount; ++i) {
        QToolButton* button = m_samples[size_t(i)];
        button->setGeometry(tw(SampleLefts[size_t(i)]), 0, tw(ButtonSide), tw(ButtonSide));
        button->setIcon(QIcon(figures[size_t(i)]));
        button->setIconSize(figures[size_t(i)].size());
    }
    m_colourCaption->setGeometry(twRect(9120, 0, 495, 195));
    QFont bold = m_colourCaption->font();
    bold.setPixelSize(ptPixels(8.25));
    bold.setBold(true);
    m_colourCaption->setFont(bold);
    m_swatch->setGeometry(twRect(9120, 240, 495, 255));
    setGeometry(childrenRect().united(QRect(0, 0, 1, 1)));
}

void Toolbar::setRunning(bool running)
{
    m_running = running;
    const QPixmap picture = scaledPicture(running ? m_stopPicture : m_runPicture);
    m_run->setIcon(QIcon(picture));
    m_run->setToolTip(running ? windowmsg::stopProgram() : windowmsg::runProgram());
    m_run->setAccessibleName(m_run->toolTip());
    for (QWidget* w : std::initializer_list<QWidget*> {
             m_new, m_save, m_clearPage, m_clearText, m_thickness, m_style, m_swatch })
        w->setEnabled(!running);
    for (QToolButton* b : m_samples)
        b->setEnabled(!running);
}

void Toolbar::showPaused(bool paused)
{
    m_run->setIcon(QIcon(paused ? m_runPicture : m_stopPicture));
    m_run->setToolTip(paused ? runmsg::continueProgram() : windowmsg::stopProgram());
}

} // namespace zimo
