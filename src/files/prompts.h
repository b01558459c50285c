#pragma once

#include <QString>
#include <QStringList>

#include <functional>

class QWidget;

namespace zimo
{

/// A path as the learner's system writes it, for messages.
QString shownPath(const QString& path);

/// Shows window in front and gives it the keyboard.
void bringUp(QWidget& window);

/// Tells message in a box over window that does not wait: it goes away when closed.
void showMessage(QWidget* window, const QString& message);

/// Asks the learner a question over window without waiting for the answer: window is
/// blocked until one of buttons is pressed, then answered gets that button's index (the
/// last button is the one that cancels, also for Esc and closing the box).
void ask(QWidget* window, const QString& question, const QStringList& buttons,
    std::function<void(int)> answered);

} // namespace zimo
