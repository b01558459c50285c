#pragma once

#include "editor/page/pageview.h"
#include "editor/textbox/helparea.h"
#include "editor/textbox/programtextbox.h"
#include "editor/window/form1.h"
#include "editor/window/mainmenus.h"
#include "editor/window/statusrow.h"
#include "editor/window/toolbar.h"

#include <QDir>
#include <QElapsedTimer>
#include <QLabel>
#include <QMessageBox>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>

#include <functional>
#include <memory>
#include <ostream>

inline void PrintTo(const QString& text, std::ostream* os)
{
    *os << '"' << text.toStdString() << '"';
}

// A main window working in a temporary folder, with the gestures the tests make on it.
struct WindowDesk {
    QTemporaryDir dir;
    QString oldFolder = QDir::currentPath();
    std::unique_ptr<zimo::Form1> window;
    zimo::Form1& w;

    WindowDesk()
        : window(makeWindow(dir))
        , w(*window)
    {
    }
    ~WindowDesk()
    {
        window.reset();
        QDir::setCurrent(oldFolder);
    }

    static std::unique_ptr<zimo::Form1> makeWindow(const QTemporaryDir& dir)
    {
        // The work files and the recovery file must not land in the developer's folders.
        QStandardPaths::setTestModeEnabled(true);
        QDir::setCurrent(dir.path());
        auto window = std::make_unique<zimo::Form1>();
        window->show();
        // The keyboard's focus, which the pickers give back, lives in the active window.
        window->activateWindow();
        (void)QTest::qWaitForWindowActive(window.get());
        return window;
    }

    zimo::ProgramTextBox& text() { return *w.ieraksti(); }
    zimo::PageView& page() { return *w.lapa(); }
    zimo::HelpArea& help() { return *w.helpArea(); }

    void clickText() { QTest::mouseClick(text().viewport(), Qt::LeftButton, {}, QPoint(20, 20)); }
    void clickPage() { QTest::mouseClick(&page(), Qt::LeftButton, {}, QPoint(100, 100)); }
    // Types into the text box, Enter included as "\n".
    void type(const QString& keys)
    {
        for (QChar c : keys) {
            if (c == u'\n')
                QTest::keyClick(&text(), Qt::Key_Return);
            else
                QTest::keyClicks(&text(), QString(c));
        }
    }

    // Runs the text box's program and waits for its end; false when it did not end in time.
    bool runToEnd(int timeoutMs = 5000)
    {
        w.zimet_Click();
        return waitFor([this] { return !w.isRunning(); }, timeoutMs);
    }

    static bool waitFor(const std::function<bool()>& done, int timeoutMs)
    {
        QElapsedTimer timer;
        timer.start();
        while (!done()) {
            if (timer.elapsed() > timeoutMs)
                return false;
            QTest::qWait(2);
        }
        return true;
    }

    // Message boxes the window opened, closed as they are read.
    QStringList takeMessages()
    {
        QStringList texts;
        for (QMessageBox* box : w.findChildren<QMessageBox*>()) {
            if (!box->isVisible())
                continue;
            texts << box->text();
            box->close();
        }
        QTest::qWait(1);
        return texts;
    }
};
