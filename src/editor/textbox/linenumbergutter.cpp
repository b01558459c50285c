#include "linenumbergutter.h"

#include "programtextbox.h"

#include <QPaintEvent>
#include <QPainter>

namespace zimo
{

namespace
{

const QColor GutterBackground(240, 240, 236);
const QColor NumberColour(140, 140, 140);
const QColor HintMark(230, 150, 20);
const QColor ErrorMark(200, 40, 40);
const QColor ErrorBackground(250, 222, 222);
const QColor StopMark(150, 40, 120);
constexpr int MarkWidth = 8;
constexpr int Padding = 3;

} // namespace

LineNumberGutter::LineNumberGutter(ProgramTextBox* box)
    : QWidget(box)
    , m_box(box)
{
    setObjectName(QStringLiteral("rindu_numuri"));
    connect(box, &QPlainTextEdit::blockCountChanged, this, [this] { fitWidth(); });
    connect(box, &QPlainTextEdit::updateRequest, this, [this](const QRect&, int dy) {
        if (dy != 0)
            scroll(0, dy);
        else
            update();
    });
    connect(box, &ProgramTextBox::resized, this, [this] { place(); });
    fitWidth();
}

int LineNumberGutter::neededWidth() const
{
    int digits = 1;
    for (int n = qMax(1, m_box->blockCount()); n >= 10; n /= 10)
        ++digits;
    // At least room for three digits, so the text does not jump while the first lines grow.
    return MarkWidth + Padding * 2 + fontMetrics().horizontalAdvance(u'9') * qMax(3, digits);
}

void LineNumberGutter::setHintedLines(const QSet<int>& lines)
{
    if (lines == m_hinted)
        return;
    m_hinted = lines;
    update();
}

void LineNumberGutter::setErrorLine(int line)
{
    if (line == m_errorLine)
        return;
    m_errorLine = line;
    update();
}

void LineNumberGutter::setStopLines(const QList<int>& lines)
{
    if (lines == m_stopLines)
        return;
    m_stopLines = lines;
    update();
}

void LineNumberGutter::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::FontChange)
        fitWidth();
}

void LineNumberGutter::fitWidth()
{
    const int width = neededWidth();
    if (width == this->width())
        return;
    m_box->setLeftMargin(width);
    place();
}

void LineNumberGutter::place()
{
    const QRect viewport = m_box->viewport()->geometry();
    setGeometry(m_box->contentsRect().left(), viewport.top(), neededWidth(), viewport.height());
}

void LineNumberGutter::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    painter.fillRect(event->rect(), GutterBackground);
    painter.setRenderHint(QPainter::Antialiasing, true);
    const int numberRight = width() - Padding;
    for (const ProgramTextBox::VisibleLine& v : m_box->visibleLines()) {
        const QRect row(0, v.top, width(), v.height);
        if (v.line == m_errorLine) {
            painter.fillRect(row, ErrorBackground);
            painter.fillRect(QRect(0, v.top, 3, v.height), ErrorMark);
        }
        if (m_stopLines.contains(v.line)) {
            // A stop mark: a round stop sign behind the line's number.
            const int d = v.height - 2;
            painter.setPen(Qt::NoPen);
            painter.setBrush(StopMark);
            painter.drawEllipse(QRect(numberRight - d, v.top + 1, d, d));
        }
        if (m_hinted.contains(v.line)) {
            const int d = qMin(MarkWidth - 2, v.height - 4);
            painter.setPen(Qt::NoPen);
            painter.setBrush(HintMark);
            painter.drawEllipse(QRect(Padding, v.top + (v.height - d) / 2, d, d));
        }
        painter.setPen(m_stopLines.contains(v.line) ? Qt::white
                : v.line == m_errorLine             ? ErrorMark
                                                    : NumberColour);
        painter.drawText(QRect(0, v.top, numberRight, v.height), Qt::AlignRight | Qt::AlignVCenter,
            QString::number(v.line));
    }
}

} // namespace zimo
