#include "programtextbox.h"

#include "twips.h"

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

} // namespace

ProgramTextBox::ProgramTextBox(QRect geometry, QWidget* parent)
    : QPlainTextEdit(parent)
{
    setObjectName(QStringLiteral("ieraksti"));
    setGeometry(geometry);
    setLineWrapMode(QPlainTextEdit::NoWrap);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setFocusPolicy(Qt::ClickFocus);
    QFont font(QStringLiteral("DejaVu Sans Mono"));
    font.setStyleHint(QFont::Monospace);
    font.setPixelSize(ptPixels(9.75));
    setFont(font);
    // The failing line stays selected after a run, when the box need not have the focus.
    QPalette pal = palette();
    pal.setColor(
        QPalette::Inactive, QPalette::Highlight, pal.color(QPalette::Active, QPalette::Highlight));
    pal.setColor(QPalette::Inactive, QPalette::HighlightedText,
        pal.color(QPalette::Active, QPalette::HighlightedText));
    setPalette(pal);
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
    setPlainText(plain);
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

void ProgramTextBox::keyPressEvent(QKeyEvent* event)
{
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
