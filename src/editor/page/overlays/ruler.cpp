#include "ruler.h"

#include "overlaystyle.h"

#include "editor/common/viewmessages.h"
#include "editor/page/commandrecorder.h"
#include "editor/page/pageview.h"
#include "files/twips.h"
#include "platform/fixedpoint.h"
#include "turtle/turtle.h"

#include <QMouseEvent>
#include <QPainter>
#include <QToolButton>
#include <QtMath>

namespace zimo
{

namespace
{

/// How near the turtle, in screen pixels at 100 %, a drag counts as starting on it.
constexpr int TurtleReach = 10;

// The angle of the line from from to to in the language's degrees, y growing downwards.
double angleOf(QPointF from, QPointF to)
{
    return qRadiansToDegrees(std::atan2(from.y() - to.y(), to.x() - from.x()));
}

// The middle of a page pixel position on the screen.
QPointF onScreen(const PageZoom& zoom, QPointF page) { return zoom.toView(page + QPointF(0.5, 0.5)); }

} // namespace

Ruler::Ruler(PageView& view)
    : QObject(&view)
    , m_view(view)
    , m_button(new QToolButton(&view))
{
    m_button->setObjectName(QStringLiteral("lineals_ievietot"));
    m_button->setToolTip(viewmsg::insertLinesTip());
    m_button->setFocusPolicy(Qt::TabFocus);
    m_button->hide();
    view.installEventFilter(this);
    connect(&view, &PageView::zoomChanged, this, &Ruler::placeButton);
    connect(m_button, &QToolButton::clicked, this, [this] { emit insertWanted(commandLines()); });
}

void Ruler::setOn(bool on)
{
    m_on = on;
    m_dragging = false;
    m_to = m_from;
    placeButton();
    m_view.update();
}

int Ruler::length() const { return int(roundHalfEven(line().length())); }

int Ruler::angle() const { return CommandRecorder::recordedAngle(angleOf(m_from, m_to)); }

QStringList Ruler::commandLines() const { return linesFor(m_from, m_to); }

QStringList Ruler::linesFor(QPointF from, QPointF to)
{
    if (from == to)
        return {};
    Turtle step;
    step.prevX = from.x();
    step.prevY = from.y();
    step.x = to.x();
    step.y = to.y();
    step.displayAngle = CommandRecorder::recordedAngle(angleOf(from, to));
    // Always with its angle: the ruler cannot know the angle the program has got to.
    return CommandRecorder::stepLines(step, std::nullopt).lines;
}

// The turtle's own position when the press is on the turtle, else the page pixel pressed.
QPointF Ruler::startAt(QPointF position) const
{
    const PageFrame& frame = m_view.frame();
    const QPointF turtle(frame.x, frame.y);
    const QPointF off = position - onScreen(m_view.zoom(), turtle);
    if (std::hypot(off.x(), off.y()) <= scaled(TurtleReach))
        return turtle;
    return m_view.pagePixel(position);
}

bool Ruler::eventFilter(QObject* watched, QEvent* event)
{
    if (!m_on || watched != &m_view)
        return false;
    const QEvent::Type type = event->type();
    if (type != QEvent::MouseButtonPress && type != QEvent::MouseMove
        && type != QEvent::MouseButtonRelease)
        return false;
    const auto* mouse = static_cast<QMouseEvent*>(event);
    if (type == QEvent::MouseButtonPress && mouse->button() == Qt::LeftButton
        && m_view.zoom().viewport().contains(mouse->position())) {
        m_dragging = true;
        m_from = m_to = startAt(mouse->position());
    } else if (type == QEvent::MouseMove && m_dragging) {
        m_to = m_view.pagePixel(mouse->position());
    } else if (type == QEvent::MouseButtonRelease && mouse->button() == Qt::LeftButton) {
        m_dragging = false;
    } else {
        return false;
    }
    placeButton();
    m_view.update();
    // The page goes on with its own work: the pointer's numbers, a click's page mode.
    return false;
}

QPointF Ruler::labelCentre() const
{
    const PageZoom& zoom = m_view.zoom();
    const QPointF a = onScreen(zoom, m_from), b = onScreen(zoom, m_to);
    const QLineF normal = QLineF(a, b).normalVector().unitVector();
    QPointF side(normal.dx(), normal.dy());
    // Below or right of the line rather than over the turtle's way up.
    if (side.y() < 0 || (side.y() == 0 && side.x() < 0))
        side = -side;
    return (a + b) / 2 + side * scaled(18);
}

void Ruler::placeButton()
{
    const bool offer = m_on && !m_dragging && m_from != m_to;
    if (offer) {
        m_button->setText(viewmsg::insertLines(commandLines().join(QStringLiteral(", "))));
        m_button->setAccessibleName(m_button->text());
        m_button->adjustSize();
        QRect place(QPoint(), m_button->size());
        place.moveCenter((labelCentre() + QPointF(0, scaled(24))).toPoint());
        // Always inside the page's part of the view, however near its edge the line is.
        const QRect room = m_view.zoom().viewport().toRect();
        place.moveLeft(std::clamp(place.left(), room.left(), room.right() - place.width()));
        place.moveTop(std::clamp(place.top(), room.top(), room.bottom() - place.height()));
        m_button->setGeometry(place);
    }
    m_button->setVisible(offer);
}

void Ruler::paint(QPainter& p, const PageZoom& zoom, const PageFrame&) const
{
    if (!m_on || m_from == m_to)
        return;
    const QPointF a = onScreen(zoom, m_from), b = onScreen(zoom, m_to);
    p.save();
    p.setRenderHint(QPainter::Antialiasing, true);
    paintAngle(p, a);
    p.setPen(QPen(overlaystyle::Blue, scaled(2), Qt::SolidLine, Qt::RoundCap));
    p.drawLine(a, b);
    // Short marks across both ends, as on a ruler.
    const QLineF across = QLineF(a, b).normalVector().unitVector();
    const QPointF mark = QPointF(across.dx(), across.dy()) * scaled(6);
    p.drawLine(a - mark, a + mark);
    p.drawLine(b - mark, b + mark);
    p.setFont(overlaystyle::font(12));
    overlaystyle::plate(p, viewmsg::measured(length(), angle()), labelCentre(), true,
        overlaystyle::Blue);
    p.restore();
}

// A dashed line to the right of the start, where 0 degrees points, and the arc from it
// to the measured line.
void Ruler::paintAngle(QPainter& p, QPointF start) const
{
    const double reach = scaled(36);
    p.setPen(QPen(overlaystyle::Orange, scaled(1), Qt::DashLine));
    p.drawLine(start, start + QPointF(reach, 0));
    const double r = reach * 0.7;
    p.setPen(QPen(overlaystyle::Orange, scaled(1) * 1.5));
    p.drawArc(QRectF(start - QPointF(r, r), QSizeF(2 * r, 2 * r)), 0, angle() * 16);
}

} // namespace zimo
