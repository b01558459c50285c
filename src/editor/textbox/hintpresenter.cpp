#include "hintpresenter.h"

#include "keywordhighlighter.h"
#include "linenumbergutter.h"
#include "notelabels.h"
#include "programtextbox.h"

#include <QKeyEvent>
#include <QTextBlock>

namespace zimo
{

namespace
{

/// How long typing must pause before the typed line's hints replace the help row.
constexpr int TypingPauseMs = 900;

QStringList linesOf(const QTextDocument& document)
{
    QStringList lines;
    lines.reserve(document.blockCount());
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next())
        lines.append(block.text());
    return lines;
}

} // namespace

HintPresenter::HintPresenter(ProgramTextBox* box, QWidget* helpArea)
    : QObject(box)
    , m_box(box)
    , m_gutter(new LineNumberGutter(box))
    , m_highlighter(new KeywordHighlighter(box->document()))
    , m_view(new HintView(helpArea))
    , m_note(new RunErrorNote(box))
{
    m_pause.setSingleShot(true);
    m_pause.setInterval(TypingPauseMs);
    connect(box->document(), &QTextDocument::contentsChange, this,
        [this](int position, int removed, int added) { textChanged(position, removed, added); });
    connect(box, &QPlainTextEdit::cursorPositionChanged, this, [this] { cursorMoved(); });
    connect(&m_pause, &QTimer::timeout, this, [this] { showCursorHints(); });
    connect(m_view, &QLabel::linkActivated, this, [this] { applyProposal(); });
    box->installEventFilter(this);
    analyseAll();
}

// Ctrl+. puts the proposal in place; the key never reaches the box or the help.
bool HintPresenter::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_box && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Period && key->modifiers() == Qt::ControlModifier) {
            applyProposal();
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}

void HintPresenter::textChanged(int position, int removed, int added)
{
    Q_UNUSED(removed);
    const QTextDocument& document = *m_box->document();
    const QTextBlock first = document.findBlock(position);
    const QTextBlock last = document.findBlock(position + added);
    if (m_hasError) {
        const int errorBlock = m_errorAt.blockNumber();
        if (first.blockNumber() <= errorBlock && errorBlock <= last.blockNumber())
            clearRunError();
        else
            m_gutter->setErrorLine(errorBlock + 1);
    }
    const QStringList& known = m_tracker.lines();
    if (document.blockCount() != known.size() || first != last) {
        analyseAll();
    } else {
        const int n = first.blockNumber() + 1;
        if (known[n - 1] == first.text())
            return;
        if (m_tracker.changeLine(n, first.text()))
            m_highlighter->setProcedures(m_tracker.facts().procedures);
    }
    showMarks();
    m_editedSinceMove = true;
    m_view->hide();
    m_pause.start();
}

void HintPresenter::cursorMoved()
{
    // A move that comes with an edit waits for the pause; any other shows the hints now.
    if (m_editedSinceMove) {
        m_editedSinceMove = false;
        return;
    }
    m_pause.stop();
    showCursorHints();
}

void HintPresenter::analyseAll()
{
    m_tracker.reset(linesOf(*m_box->document()));
    m_highlighter->setProcedures(m_tracker.facts().procedures);
    showMarks();
}

void HintPresenter::showMarks()
{
    QSet<int> hinted;
    for (int n = 1; n <= int(m_tracker.lines().size()); ++n) {
        if (!m_tracker.hintsOf(n).empty())
            hinted.insert(n);
    }
    m_gutter->setHintedLines(hinted);
}

void HintPresenter::showCursorHints() { m_view->showHints(m_tracker.hintsOf(cursorLine())); }

int HintPresenter::cursorLine() const { return m_box->textCursor().blockNumber() + 1; }

bool HintPresenter::applyProposal()
{
    if (m_box->isReadOnly())
        return false;
    const int n = cursorLine();
    QString proposal;
    for (const Hint& hint : m_tracker.hintsOf(n)) {
        if (!hint.proposal.isEmpty()) {
            proposal = hint.proposal;
            break;
        }
    }
    if (proposal.isEmpty())
        return false;
    // Only the part that differs is replaced, so the rest of the line and the caret's
    // place before it stay as they were.
    const QTextBlock block = m_box->document()->findBlockByNumber(n - 1);
    const QString old = block.text();
    qsizetype head = 0;
    while (head < old.size() && head < proposal.size() && old[head] == proposal[head])
        ++head;
    qsizetype tail = 0;
    while (tail < old.size() - head && tail < proposal.size() - head
        && old[old.size() - 1 - tail] == proposal[proposal.size() - 1 - tail])
        ++tail;
    QTextCursor cursor(m_box->document());
    cursor.setPosition(block.position() + int(head));
    cursor.setPosition(block.position() + int(old.size() - tail), QTextCursor::KeepAnchor);
    cursor.beginEditBlock();
    cursor.insertText(proposal.mid(head, proposal.size() - head - tail));
    cursor.endEditBlock();
    m_box->setTextCursor(cursor);
    m_pause.stop();
    m_editedSinceMove = false;
    showCursorHints();
    return true;
}

void HintPresenter::showRunError(int line, const QString& message)
{
    const QTextBlock block = m_box->document()->findBlockByNumber(line - 1);
    m_hasError = line >= 1 && block.isValid();
    if (m_hasError)
        m_errorAt = QTextCursor(block);
    m_gutter->setErrorLine(m_hasError ? line : 0);
    m_note->showMessage(message);
}

void HintPresenter::clearRunError()
{
    m_hasError = false;
    m_gutter->setErrorLine(0);
    m_note->clearMessage();
}

} // namespace zimo
