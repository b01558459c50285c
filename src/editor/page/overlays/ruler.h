#pragma once

#include "editor/page/view/pageoverlay.h"

#include <QLineF>
#include <QObject>
#include <QStringList>

class QToolButton;

namespace zimo
{

class PageView;

/// The ruler: a drag on the page measures from where the button went down to where the
/// pointer is, and shows the length and the angle in the language's degrees (0 to the
/// right, 90 up) beside the line. Once the button is let go, the lines that would draw the
/// measured line from its start ("lenkis 45", "uz prieksu 141") are offered on a button
/// that asks for them to be appended to the program.
///
/// Measures whole page pixels, or from the turtle itself when the drag starts on it. Lives
/// on the page view and watches its mouse; whoever makes it adds it to the view's overlays.
/// Off until switched on.
class Ruler : public QObject, public PageOverlay
{
    Q_OBJECT
public:
    explicit Ruler(PageView& view);

    bool isOn() const { return m_on; }
    /// Switching the ruler off forgets what it measured.
    void setOn(bool on);

    /// What was measured, in page pixels; empty (a point) while nothing is.
    QLineF line() const { return QLineF(m_from, m_to); }
    /// The measured length, rounded, and its angle in the language's whole degrees.
    int length() const;
    int angle() const;
    /// The command lines that draw the measured line from its start.
    QStringList commandLines() const;
    /// The lines that draw a line from from to to, page pixels.
    static QStringList linesFor(QPointF from, QPointF to);
    QToolButton* insertButton() const { return m_button; }

    void paint(QPainter& p, const PageZoom& zoom, const PageFrame& frame) const override;

signals:
    /// The user wants lines appended to the program.
    void insertWanted(const QStringList& lines);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QPointF startAt(QPointF position) const;
    QPointF labelCentre() const;
    void placeButton();
    void paintAngle(QPainter& p, QPointF start) const;

    PageView& m_view;
    QToolButton* m_button;
    bool m_on = false;
    bool m_dragging = false;
    QPointF m_from;
    QPointF m_to;
};

} // namespace zimo
