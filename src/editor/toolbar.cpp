#include "toolbar.h"

#include "figurepictures.h"
#include "picturebox.h"
#include "runcontrolmessages.h"
#include "toolbarpictures.h"
#include "twips.h"
#include "windowmessages.h"

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

QToolButton* makeButton(const QString& name, int left, const QString& tooltip,
    const QPixmap& picture, QColor background, QWidget* parent)
{
    auto* button = new QToolButton(parent);
    button->setObjectName(name);
    button->setGeometry(tw(left), 0, tw(ButtonSide), tw(ButtonSide));
    button->setToolTip(tooltip);
    button->setIcon(QIcon(picture));
    button->setIconSize(picture.size());
    button->setFocusPolicy(Qt::NoFocus);
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
    m_new = makeButton(
        QStringLiteral("new_analog"), 0, windowmsg::newPage(), pictures::blankSheet(), white, this);
    m_save = makeButton(
        QStringLiteral("save_analog"), 525, windowmsg::save(), pictures::floppyDisk(), white, this);
    m_run = makeButton(
        QStringLiteral("zimet"), 1050, windowmsg::runProgram(), m_runPicture, white, this);
    m_clearPage = makeButton(QStringLiteral("Command2"), 1575, windowmsg::clearPage(),
        pictures::clearPage(), white, this);
    m_clearText = makeButton(QStringLiteral("Command4"), 2100, windowmsg::clearText(),
        pictures::clearText(), white, this);
    const auto figures = figurePictures(pictures::Large);
    for (int i = 0; i < SampleCount; ++i) {
        m_samples[size_t(i)] = makeButton(QStringLiteral("com%1").arg(i), SampleLefts[size_t(i)],
            windowmsg::sampleTooltip(i), figures[size_t(i)], black, this);
    }
    m_thickness = makeButton(QStringLiteral("cf_lin"), 7920, windowmsg::lineThickness(),
        pictures::thicknessLines(), white, this);
    m_style = makeButton(QStringLiteral("l_stils"), 8520, windowmsg::lineStyle(),
        pictures::styleChoice(), white, this);

    m_colourCaption = new QLabel(windowmsg::colourCaption(), this);
    m_colourCaption->setObjectName(QStringLiteral("Label1"));
    m_colourCaption->setGeometry(twRect(9120, 0, 495, 195));
    QFont bold = m_colourCaption->font();
    bold.setPixelSize(ptPixels(8.25));
    bold.setBold(true);
    m_colourCaption->setFont(bold);
    m_swatch = new PictureBox(QStringLiteral("krasa"), twRect(9120, 240, 495, 255), this);
    m_swatch->setColour(Qt::black);
    m_swatch->setToolTip(windowmsg::colourTooltip());

    setGeometry(childrenRect().united(QRect(0, 0, 1, 1)));
}

void Toolbar::setRunning(bool running)
{
    m_run->setIcon(QIcon(running ? m_stopPicture : m_runPicture));
    m_run->setToolTip(running ? windowmsg::stopProgram() : windowmsg::runProgram());
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
