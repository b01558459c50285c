#include "hintannouncer.h"

#include "programtextbox.h"

#include "hints/hints.h"

#include <QAccessible>

namespace zimo
{

HintAnnouncer::HintAnnouncer(ProgramTextBox& box, const HintTracker& tracker)
    : QObject(&box)
    , m_box(box)
    , m_tracker(tracker)
{
    m_pause.setSingleShot(true);
    m_pause.setInterval(PauseMs);
    connect(&m_pause, &QTimer::timeout, this, &HintAnnouncer::announce);
    auto wait = [this] { m_pause.start(); };
    connect(&box, &QPlainTextEdit::cursorPositionChanged, this, wait);
    connect(&box, &QPlainTextEdit::textChanged, this, wait);
}

QString HintAnnouncer::description() const { return m_box.accessibleDescription(); }

void HintAnnouncer::announce()
{
    QStringList messages;
    for (const Hint& hint : m_tracker.hintsOf(m_box.textCursor().blockNumber() + 1))
        messages.append(hint.message);
    const QString text = messages.join(u' ');
    if (text == m_box.accessibleDescription())
        return;
    m_box.setAccessibleDescription(text);
    QAccessibleEvent changed(&m_box, QAccessible::DescriptionChanged);
    QAccessible::updateAccessibility(&changed);
}

} // namespace zimo
