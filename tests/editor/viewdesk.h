#pragma once

#include "windowsteering.h"

#include "editor/page/view/pagezoom.h"
#include "editor/window/viewmenu.h"
#include "platform/userdata.h"

#include <QAction>
#include <QImage>
#include <QMouseEvent>
#include <QWheelEvent>

// A window in page mode whose view settings (aids, contrast) are the user's own for the
// test and forgotten after it, so no other test opens a window with a grid.
struct ViewDesk : WindowSteeringDesk {
    ~ViewDesk()
    {
        w.view().kontrastains()->setChecked(false);
        zimo::userSettings().remove(QStringLiteral("skats"));
    }

    const zimo::PageZoom& zoom() { return page().zoom(); }
    // Where page point (x, y) shows in the page view.
    QPoint at(double x, double y) { return zoom().toView(QPointF(x, y)).toPoint(); }
    QImage shown() { return page().grab().toImage(); }

    void mouse(QEvent::Type type, QPoint position, Qt::MouseButton button, Qt::MouseButtons held)
    {
        QMouseEvent event(type, QPointF(position), page().mapToGlobal(QPointF(position)), button,
            held, Qt::NoModifier);
        QApplication::sendEvent(&page(), &event);
    }
    void drag(QPoint from, QPoint to, Qt::MouseButton button = Qt::LeftButton)
    {
        mouse(QEvent::MouseButtonPress, from, button, button);
        mouse(QEvent::MouseMove, (from + to) / 2, Qt::NoButton, button);
        mouse(QEvent::MouseMove, to, Qt::NoButton, button);
        mouse(QEvent::MouseButtonRelease, to, button, Qt::NoButton);
    }
    void wheel(QPoint position, int delta, Qt::KeyboardModifiers modifiers = Qt::ControlModifier)
    {
        QWheelEvent event(QPointF(position), page().mapToGlobal(QPointF(position)), QPoint(),
            QPoint(0, delta), Qt::NoButton, modifiers, Qt::NoScrollPhase, false);
        QApplication::sendEvent(&page(), &event);
    }
};

// The colour is a blue of the overlays' kind rather than the page's white or black.
inline bool bluish(QColor c) { return c.blue() > c.red() + 25 && c.blue() > 120; }
inline bool orangeish(QColor c) { return c.red() > c.blue() + 40 && c.green() > c.blue(); }
