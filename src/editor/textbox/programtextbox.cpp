#include "programtextbox.h"

#include "files/twips.h"

#include <QKeyEvent>
#include <QScrollBar>
#include <QTextBlock>

namespace zimo
{

namespace
{

// The character a key adds to the help buffer, or nothing for keys that type none.
QString typedCharacter(const QKeyEvent& event)
{
    switch (event.key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return QStringLiteral("\r");
    case Qt::Key_Backspace:
        return QStringLiteral("\b");
    default:
        break;
    }
    const QString text = event.text();
    if (text.isEmpty() || text.front().unicode() < 0x20 || text.front().unicode() == 0x7F)
        return {};
    return text;
}

// A key that undoes or redoes: the window's menu does that for the box, in both modes.
bool isHistoryKey(const QKeyEvent& event)
{
    const Qt::KeyboardModifiers mods
        = event.modifiers() & (Qt::ControlModifier | Qt::ShiftModifier | Qt::AltModifier);
    const int key = event.key();
    return event.matches(QKeySequence::Undo) || event.matches(QKeySequence::Redo)
        || (key == Qt::Key_Z
            && (mods == Qt::ControlModifier || mods == (Qt::ControlModifier | Qt::ShiftModifier)))
        || (key == Qt::Key_Y && mods == Qt::ControlModifier);
}

} // namespace

TextChange changeBetween(const QString& before, const QString& after)
{
    const qsizetype most = qMin(before.size(), after.size());
    qsizetype head = 0;
    while (head < most && before.at(head) == after.at(head))
        ++head;
    // Never between the two halves of one character.
    if (head > 0 && before.at(head - 1).isHighSurrogate())
        --head;
    qsizetype tail = 0;
    while (tail < most - head
        && before.at(before.size() - 1 - tail) == after.at(after.size() - 1 - tail))
        ++tail;
    if (tail > 0 && before.at(before.size() - tail).isLowSurrogate())
        --tail;
    return { head, before.size() - head - tail, after.mid(head, after.size() - head - tail) };
}

ProgramTextBox::ProgramTextBox(QRect geometry, QWidget* parent)
    : QPlainTextEdit(parent)
{
    setObjectName(QStringLiteral("ieraksti"));
    setGeometry(geometry);
    setLineWrapMode(QPlainTextEdit::NoWrap);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setFocusPolicy(Qt::StrongFocus);
    // Tab moves the keyboard on to the next control rather than typing a tab.
    setTabChangesFocus(true);
    applyScale();
    // The failing line stays selected after a run, when the box need not have the focus.
    QPalette pal = palette();
    pal.setColor(
        QPalette::Inactive, QPalette::Highlight, pal.color(QPalette::Active, QPalette::Highlight));
    pal.setColor(QPalette::Inactive, QPalette::HighlightedText,
        pal.color(QPalette::Active, QPalette::HighlightedText));
    setPalette(pal);
}

void ProgramTextBox::applyScale()
{
    QFont font(QStringLiteral("DejaVu Sans Mono"));
    font.setStyleHint(QFont::Monospace);
    font.setPixelSize(ptPixels(9.75));
    setFont(font);
}

QString ProgramTextBox::programText() const
{
    return toPlainText().replace(QLatin1Char('\n'), QLatin1String("\r\n"));
}

void ProgramTextBox::setProgramText(const QString& text)
{
    QString plain = text;
    plain.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    plain.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    // Only the part that differs is replaced, in one edit: the undo history survives, an
    // appended line is one step of it, and the caret keeps its place in the text before.
    const QString old = toPlainText();
    const TextChange change = changeBetween(old, plain);
    if (change.removed == 0 && change.inserted.isEmpty())
        return;
    QTextCursor cursor(document());
    cursor.beginEditBlock();
    cursor.setPosition(int(change.from));
    cursor.setPosition(int(change.from + change.removed), QTextCursor::KeepAnchor);
    cursor.insertText(change.inserted);
    cursor.endEditBlock();
}

void ProgramTextBox::showLastLine()
{
    if (textCursor().atEnd())
        ensureCursorVisible();
    else
        verticalScrollBar()->setValue(verticalScrollBar()->maximum());
}

void ProgramTextBox::setRunLine(int line)
{
    if (line == m_runLine)
        return;
    m_runLine = line;
    if (line > 0 && document()->findBlockByNumber(line - 1).isValid())
        scrollToLine(line);
    showDecorations();
}

void ProgramTextBox::setMarkedLines(const QList<int>& lines)
{
    m_markedLines = lines;
    showDecorations();
}

// The stop marks first, so that the line being run shows over a marked one.
void ProgramTextBox::showDecorations()
{
    QList<QTextEdit::ExtraSelection> selections;
    auto add = [&](int line, const QColor& colour) {
        const QTextBlock block = document()->findBlockByNumber(line - 1);
        if (line < 1 || !block.isValid())
            return;
        QTextEdit::ExtraSelection s;
        s.cursor = QTextCursor(block);
        s.format.setBackground(colour);
        s.format.setProperty(QTextFormat::FullWidthSelection, true);
        selections.append(s);
    };
    for (const int line : m_markedLines)
        add(line, QColor(255, 190, 190));
    add(m_runLine, QColor(255, 236, 140));
    setExtraSelections(selections);
}

bool ProgramTextBox::selectLine(int line)
{
    const QTextBlock block = document()->findBlockByNumber(line - 1);
    if (line < 1 || !block.isValid())
        return false;
    QTextCursor cursor(block);
    cursor.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
    setTextCursor(cursor);
    scrollToLine(line);
    return true;
}

// Without wrapping, the vertical scroll bar counts lines: its value is the first line shown.
void ProgramTextBox::scrollToLine(int line)
{
    QScrollBar* bar = verticalScrollBar();
    const int shown = qMax(1, viewport()->height() / qMax(1, fontMetrics().lineSpacing()));
    const int first = bar->value();
    if (line - 1 < first || line - 1 >= first + shown)
        bar->setValue(line - 1 - shown / 2);
}

bool ProgramTextBox::event(QEvent* event)
{
    // Left to the window's shortcuts, which keep the work file in step after each step back.
    if (event->type() == QEvent::ShortcutOverride && isHistoryKey(*static_cast<QKeyEvent*>(event)))
        return false;
    return QPlainTextEdit::event(event);
}

std::vector<ProgramTextBox::VisibleLine> ProgramTextBox::visibleLines() const
{
    std::vector<VisibleLine> lines;
    const int bottom = viewport()->height();
    QTextBlock block = firstVisibleBlock();
    qreal top = blockBoundingGeometry(block).translated(contentOffset()).top();
    while (block.isValid() && top <= bottom) {
        const qreal height = blockBoundingRect(block).height();
        if (block.isVisible())
            lines.push_back({ block.blockNumber() + 1, int(top), int(height) });
        top += height;
        block = block.next();
    }
    return lines;
}

void ProgramTextBox::setLeftMargin(int pixels)
{
    m_leftMargin = pixels;
    setViewportMargins(m_leftMargin, 0, 0, m_bottomMargin);
}

void ProgramTextBox::setBottomMargin(int pixels)
{
    m_bottomMargin = pixels;
    setViewportMargins(m_leftMargin, 0, 0, m_bottomMargin);
}

void ProgramTextBox::resizeEvent(QResizeEvent* event)
{
    QPlainTextEdit::resizeEvent(event);
    emit resized();
}

void ProgramTextBox::keyPressEvent(QKeyEvent* event)
{
    // The box's own undo would pass the work file by, and would act during a run.
    if (isHistoryKey(*event)) {
        event->ignore();
        return;
    }
    const QString typed = typedCharacter(*event);
    if (!typed.isEmpty())
        emit ieraksti_KeyPress(typed);
    QPlainTextEdit::keyPressEvent(event);
}

void ProgramTextBox::mousePressEvent(QMouseEvent* event)
{
    emit ieraksti_Click();
    QPlainTextEdit::mousePressEvent(event);
}

} // namespace zimo
