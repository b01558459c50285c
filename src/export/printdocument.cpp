#include "printdocument.h"

#include "export/exportmessages.h"
#include "export/scenepainter.h"
#include "export/vectorscene.h"

#include <QBuffer>
#include <QFontMetricsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>
#include <QStringList>

#include <algorithm>

namespace zimo
{

namespace
{

QFont headingFont()
{
    QFont font(QStringLiteral("sans-serif"));
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(14);
    font.setBold(true);
    return font;
}

QFont textFont()
{
    QFont font(QStringLiteral("monospace"));
    font.setStyleHint(QFont::TypeWriter);
    font.setPointSizeF(10);
    return font;
}

// The program's lines as the learner wrote them, without the empty ones at its end.
QStringList programLines(const QString& text)
{
    QString plain = text;
    plain.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    plain.replace(u'\t', QStringLiteral("    "));
    QStringList lines = plain.split(u'\n');
    while (!lines.isEmpty() && lines.back().trimmed().isEmpty())
        lines.removeLast();
    return lines;
}

// A line cut into pieces no wider than width, a piece at least one character long.
QStringList wrapped(const QString& line, const QFontMetricsF& metrics, double width)
{
    QStringList pieces;
    QString rest = line;
    while (metrics.horizontalAdvance(rest) > width && rest.size() > 1) {
        qsizetype fit = 1;
        while (fit < rest.size() && metrics.horizontalAdvance(rest.left(fit + 1)) <= width)
            ++fit;
        pieces.append(rest.left(fit));
        rest = rest.mid(fit);
    }
    pieces.append(rest);
    return pieces;
}

// The name on the left, the date on the right, a rule under them. Returns its height.
double paintHeading(QPainter& painter, const DrawingDocument& document, QRectF area)
{
    painter.setFont(headingFont());
    const QFontMetricsF metrics(painter.font(), painter.device());
    const double height = metrics.height();
    const QRectF line(area.left(), area.top(), area.width(), height);
    painter.setPen(Qt::black);
    const QString name = document.name.isEmpty() ? exportmsg::unnamedProgram() : document.name;
    const QString date = exportmsg::dateText(document.date);
    const double dateWidth = metrics.horizontalAdvance(date);
    painter.drawText(line.adjusted(0, 0, -dateWidth - height, 0), Qt::AlignLeft | Qt::AlignVCenter,
        metrics.elidedText(name, Qt::ElideRight, std::max(0.0, line.width() - dateWidth - height)));
    painter.drawText(line, Qt::AlignRight | Qt::AlignVCenter, date);
    const double rule = area.top() + height * 1.25;
    painter.setPen(QPen(Qt::gray, 0));
    painter.drawLine(QPointF(area.left(), rule), QPointF(area.right(), rule));
    return height * 1.75;
}

// The program's numbered lines on the pages after the drawing, each page under the heading.
class ProgramPages
{
public:
    ProgramPages(
        QPainter& painter, QPagedPaintDevice& device, const DrawingDocument& document, QRectF area)
        : m_painter(painter)
        , m_device(device)
        , m_document(document)
        , m_area(area)
        , m_metrics(textFont(), painter.device())
        , m_y(area.bottom())
    {
    }

    bool paint()
    {
        const QStringList lines = programLines(m_document.programText);
        const QString widest(QString::number(lines.size()).size() + 2, u'0');
        m_numberWidth = m_metrics.horizontalAdvance(widest);
        for (qsizetype i = 0; i < lines.size(); ++i) {
            const QStringList pieces = wrapped(lines[i], m_metrics, m_area.width() - m_numberWidth);
            for (qsizetype k = 0; k < pieces.size(); ++k) {
                if (!roomForLine())
                    return false;
                paintLine(k == 0 ? QString::number(i + 1) : QString(), pieces[k]);
            }
        }
        return true;
    }

private:
    // Starts a new page when the line would not fit on this one.
    bool roomForLine()
    {
        if (m_y + m_metrics.lineSpacing() <= m_area.bottom())
            return true;
        if (!m_device.newPage())
            return false;
        m_y = m_area.top() + paintHeading(m_painter, m_document, m_area);
        return true;
    }

    void paintLine(const QString& number, const QString& text)
    {
        const double height = m_metrics.lineSpacing();
        const double gap = m_metrics.horizontalAdvance(u'0');
        m_painter.setFont(textFont());
        m_painter.setPen(Qt::gray);
        m_painter.drawText(QRectF(m_area.left(), m_y, m_numberWidth - gap, height),
            Qt::AlignRight | Qt::AlignVCenter, number);
        m_painter.setPen(Qt::black);
        m_painter.drawText(
            QRectF(m_area.left() + m_numberWidth, m_y, m_area.width() - m_numberWidth, height),
            Qt::AlignLeft | Qt::AlignVCenter, text);
        m_y += height;
    }

    QPainter& m_painter;
    QPagedPaintDevice& m_device;
    const DrawingDocument& m_document;
    const QRectF m_area;
    const QFontMetricsF m_metrics;
    double m_y;
    double m_numberWidth = 0;
};

} // namespace

DrawingPageLayout layoutDrawingPage(
    QRectF area, double headingHeight, double pageWidth, double pageHeight)
{
    DrawingPageLayout layout;
    layout.heading = QRectF(area.left(), area.top(), area.width(), headingHeight);
    const QRectF below(area.left(), area.top() + headingHeight, area.width(),
        std::max(0.0, area.height() - headingHeight));
    const double scale = std::min(below.width() / pageWidth, below.height() / pageHeight);
    const QSizeF size(pageWidth * scale, pageHeight * scale);
    layout.drawing
        = QRectF(QPointF(below.left() + (below.width() - size.width()) / 2, below.top()), size);
    return layout;
}

bool paintDocument(const DrawingDocument& document, QPagedPaintDevice& device)
{
    QPainter painter;
    if (!document.scene || !painter.begin(&device))
        return false;
    const QRectF area(0, 0, device.width(), device.height());
    const double heading = paintHeading(painter, document, area);
    const VectorScene& scene = *document.scene;
    const DrawingPageLayout layout = layoutDrawingPage(area, heading, scene.width, scene.height);
    paintScene(scene, painter, layout.drawing);
    painter.setPen(QPen(Qt::gray, 0));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(layout.drawing);
    const bool whole
        = !document.withProgram || ProgramPages(painter, device, document, area).paint();
    return painter.end() && whole;
}

QByteArray pdfDocument(const DrawingDocument& document)
{
    QByteArray pdf;
    QBuffer buffer(&pdf);
    if (!buffer.open(QIODevice::WriteOnly))
        return {};
    {
        QPdfWriter writer(&buffer);
        writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Landscape,
            QMarginsF(12, 12, 12, 12), QPageLayout::Millimeter));
        writer.setResolution(300);
        writer.setCreator(QStringLiteral("Zimo"));
        writer.setTitle(document.name.isEmpty() ? exportmsg::unnamedProgram() : document.name);
        if (!paintDocument(document, writer))
            return {};
    }
    return pdf;
}

} // namespace zimo
