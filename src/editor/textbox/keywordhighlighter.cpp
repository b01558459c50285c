#include "keywordhighlighter.h"

namespace zimo
{

KeywordHighlighter::KeywordHighlighter(QTextDocument* document)
    : QSyntaxHighlighter(document)
{
}

void KeywordHighlighter::setProcedures(const QStringList& names)
{
    if (names == m_procedures)
        return;
    m_procedures = names;
    rehighlight();
}

// A few calm colours, one per kind; the structure words stand out a little more.
QTextCharFormat KeywordHighlighter::formatOf(SpanKind kind)
{
    QTextCharFormat format;
    switch (kind) {
    case SpanKind::Movement:
        format.setForeground(QColor(31, 95, 168));
        break;
    case SpanKind::Pen:
        format.setForeground(QColor(30, 125, 100));
        break;
    case SpanKind::Figure:
        format.setForeground(QColor(138, 75, 168));
        break;
    case SpanKind::Control:
        format.setForeground(QColor(178, 94, 0));
        format.setFontWeight(QFont::Bold);
        break;
    case SpanKind::Call:
        format.setForeground(QColor(176, 48, 106));
        format.setFontWeight(QFont::Bold);
        break;
    case SpanKind::Number:
        format.setForeground(QColor(165, 42, 42));
        break;
    case SpanKind::Name:
        format.setForeground(QColor(90, 90, 90));
        format.setFontItalic(true);
        break;
    }
    return format;
}

void KeywordHighlighter::highlightBlock(const QString& text)
{
    for (const Span& span : readLine(text, m_procedures).spans)
        setFormat(int(span.start), int(span.length), formatOf(span.kind));
}

} // namespace zimo
