#pragma once

#include <QByteArray>
#include <QDate>
#include <QRectF>
#include <QString>

class QPagedPaintDevice;

namespace zimo
{

struct VectorScene;

/// What a printed drawing shows: the drawing under the program's name and the date, and,
/// when asked for, the program's text on the pages after it.
struct DrawingDocument {
    const VectorScene* scene = nullptr;
    /// The program's name; an unnamed program gets a name of the messages.
    QString name;
    QDate date;
    /// The program's lines joined with CR LF.
    QString programText;
    bool withProgram = true;
};

/// Where the parts of the first page go on a printable area of that size.
struct DrawingPageLayout {
    QRectF heading;
    /// The drawing, as large as the area below the heading allows with its proportions kept.
    QRectF drawing;
};

/// The first page's layout on a printable area (device pixels), for a heading of that height.
DrawingPageLayout layoutDrawingPage(
    QRectF area, double headingHeight, double pageWidth, double pageHeight);

/// Paints the document on device (a printer, a PDF writer), starting new pages as it needs.
/// False when nothing could be painted on it.
bool paintDocument(const DrawingDocument& document, QPagedPaintDevice& device);

/// The document as a PDF file on A4 paper turned sideways; empty when it could not be made.
QByteArray pdfDocument(const DrawingDocument& document);

} // namespace zimo
