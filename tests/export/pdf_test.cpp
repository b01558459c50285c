// The printed document as a PDF file: its pages, its text and its drawing, read with the
// system's PDF tools (Debian poppler-utils).

#include "exportdesk.h"

#include "export/exportfiles.h"
#include "export/printdocument.h"
#include "export/vectorscene.h"

#include <QRegularExpression>

using namespace zimo;
using namespace zimo::test;

namespace
{

struct PdfDesk : Desk {
    VectorScene scene;
    DrawingDocument document;

    PdfDesk()
    {
        run({ QStringLiteral("fona krasa 27"), QStringLiteral("koordinatas 394,306"),
            QStringLiteral("daudzsturis 4,150,150"), QStringLiteral("krasot 394,306,1,10") });
        scene = buildScene(*recording);
        document.scene = &scene;
        document.name = QStringLiteral("Māja ar dārzu");
        document.date = QDate(2026, 3, 7);
    }

    int pages(const QString& pdf) const
    {
        QString said;
        runTool(QStringLiteral("pdfinfo"), { pdf }, &said);
        const QRegularExpressionMatch m
            = QRegularExpression(QStringLiteral("Pages:\\s+(\\d+)")).match(said);
        return m.hasMatch() ? m.captured(1).toInt() : -1;
    }
    QString text(const QString& pdf) const
    {
        runTool(QStringLiteral("pdftotext"), { QStringLiteral("-layout"), pdf, path("t.txt") });
        QFile file(path("t.txt"));
        return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
    }
};

QString programOf(int lines)
{
    QStringList text;
    for (int i = 1; i <= lines; ++i)
        text.append(QStringLiteral("uz prieksu %1").arg(i));
    return text.join(QStringLiteral("\r\n"));
}

TEST(Pdf, HasTheDrawingPageAndTheProgramsPagesWhenAskedFor)
{
    PdfDesk desk;
    const QString pdf = desk.path("d.pdf");
    desk.document.withProgram = false;
    desk.document.programText = programOf(3);
    ASSERT_EQ(savePdf(desk.document, pdf), QString());
    EXPECT_EQ(desk.pages(pdf), 1);

    desk.document.withProgram = true;
    ASSERT_EQ(savePdf(desk.document, pdf), QString());
    EXPECT_EQ(desk.pages(pdf), 2);
    const QString text = desk.text(pdf);
    EXPECT_TRUE(text.contains(u"Māja ar dārzu")) << text.toStdString();
    EXPECT_TRUE(text.contains(u"07.03.2026.")) << text.toStdString();
    EXPECT_TRUE(text.contains(QRegularExpression(QStringLiteral("3\\s+uz prieksu 3"))))
        << text.toStdString();

    desk.document.programText = programOf(200) + QStringLiteral("\r\n") + QString(400, u'ž');
    ASSERT_EQ(savePdf(desk.document, pdf), QString());
    const QString many = desk.text(pdf);
    EXPECT_GE(desk.pages(pdf), 5);
    EXPECT_TRUE(many.contains(u"uz prieksu 200"));
    EXPECT_EQ(many.count(u'ž'), 400) << "a long line is wrapped, not cut";
}

TEST(Pdf, ItsPageShowsTheDrawingAsLargeAsItFits)
{
    PdfDesk desk;
    const QString pdf = desk.path("e.pdf");
    desk.document.withProgram = false;
    ASSERT_EQ(savePdf(desk.document, pdf), QString());
    ASSERT_TRUE(runTool(QStringLiteral("pdftoppm"),
        { QStringLiteral("-r"), QStringLiteral("40"), QStringLiteral("-png"), pdf,
            desk.path("page") }))
        << "pdftoppm (Debian poppler-utils, scripts/setup.sh installs it)";
    const QImage page = QImage(desk.path("page-1.png")).convertToFormat(QImage::Format_RGB32);
    ASSERT_FALSE(page.isNull());
    EXPECT_GT(page.width(), page.height()) << "A4 turned sideways";
    // The page colour, bright green, marks where the drawing lies.
    QRect drawing;
    for (int y = 0; y < page.height(); ++y) {
        for (int x = 0; x < page.width(); ++x) {
            const QColor c = page.pixelColor(x, y);
            if (c.green() > 200 && c.red() < 60 && c.blue() < 60)
                drawing |= QRect(x, y, 1, 1);
        }
    }
    EXPECT_GT(drawing.width(), page.width() * 0.7);
    EXPECT_NEAR(double(drawing.width()) / drawing.height(), 789.0 / 613.0, 0.03);
    const QColor middle = page.pixelColor(drawing.center());
    EXPECT_GT(middle.red(), 200) << "the red square in the middle";
    EXPECT_LT(middle.green(), 60);
}

TEST(Exports, AFullDiskIsToldInLatvian)
{
    PdfDesk desk;
    const QString full = QStringLiteral("/dev/full");
    const QString noRoom = QStringLiteral("diskā nepietiek vietas");
    EXPECT_EQ(savePdf(desk.document, full), noRoom);
    EXPECT_EQ(saveSvg(desk.scene, full), noRoom);
    EXPECT_EQ(saveAnimation(*desk.recording, full), noRoom);
}

} // namespace
