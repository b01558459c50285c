#pragma once

#include <QObject>
#include <QTimer>

namespace zimo
{

class HintTracker;
class ProgramTextBox;

/// Lets a screen reader tell the hints of the cursor's line: they become the program text
/// box's accessible description, and every change of it is announced, a moment after the
/// cursor came to rest on a line or the line's hints changed. A line without hints leaves
/// the description empty.
class HintAnnouncer : public QObject
{
public:
    /// How long the cursor and the text keep still before the hints are announced.
    static constexpr int PauseMs = 300;

    HintAnnouncer(ProgramTextBox& box, const HintTracker& tracker);

    /// The description the box has now.
    QString description() const;

private:
    void announce();

    ProgramTextBox& m_box;
    const HintTracker& m_tracker;
    QTimer m_pause;
};

} // namespace zimo
