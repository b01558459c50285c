#pragma once

#include "windowdesk.h"

#include <QKeyEvent>

// A main window in page mode, with the gestures of keyboard steering.
struct WindowSteeringDesk : WindowDesk {
    WindowSteeringDesk() { clickPage(); }

    // A key held down for presses key-down events, then let go once.
    void hold(Qt::Key key, int presses)
    {
        for (int i = 0; i < presses; ++i) {
            QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, QString(), i > 0);
            QApplication::sendEvent(&page(), &press);
        }
        QTest::keyRelease(&page(), key);
    }
    void keypad(Qt::Key digit) { QTest::keyClick(&page(), digit, Qt::KeypadModifier); }
    QStringList lines() const
    {
        return w.ieraksti()->toPlainText().split(u'\n', Qt::SkipEmptyParts);
    }
    void click(QWidget* widget) { QTest::mouseClick(widget, Qt::LeftButton, {}, QPoint(5, 5)); }
};
