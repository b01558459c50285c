// The drawing leaves the window: printed into a PDF printer, saved as PDF, SVG and GIF,
// copied to the clipboard, from a recording that follows runs, steering and the buttons.

#include "windowdesk.h"

#include "../files/smalldisk.h"

#include "export/recording.h"
#include "files/drawingexports.h"
#include "platform/rasterpage.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QFile>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>

#include <gtest/gtest.h>

namespace
{

using Kind = zimo::Recording::Kind;

int countOf(const zimo::Recording& recording, Kind kind)
{
    int n = 0;
    for (const zimo::Recording::Item item : recording.items())
        n += item.kind == kind;
    return n;
}

// What a poppler tool says about a PDF file.
QString poppler(const QString& tool, const QStringList& arguments)
{
    QProcess process;
    process.start(tool, arguments);
    process.waitForFinished(30000);
    return QString::fromUtf8(process.readAllStandardOutput());
}

int pagesOf(const QString& pdf)
{
    const auto match = QRegularExpression(QStringLiteral("Pages:\\s+(\\d+)"))
                           .match(poppler(QStringLiteral("pdfinfo"), { pdf }));
    return match.hasMatch() ? match.captured(1).toInt() : -1;
}

struct ExportDesk : WindowDesk {
    ExportDesk()
    {
        clickText();
        text().setProgramText(QStringLiteral("daudzsturis 5,80,80\r\nkrasot 394,306,1,22"));
        EXPECT_TRUE(runToEnd());
    }
    zimo::DrawingExports& exports() { return w.exports(); }
    QString path(const char* name) const { return dir.filePath(QString::fromLatin1(name)); }
    // The choice of the program's text in an open print dialog or preview.
    static QCheckBox* programChoice(QWidget& dialog)
    {
        for (QCheckBox* box : dialog.findChildren<QCheckBox*>()) {
            if (box->text() == u"Drukāt arī programmas tekstu")
                return box;
        }
        return nullptr;
    }
    QImage pageImage() const
    {
        QImage image;
        w.page().copyTo(image);
        return image;
    }
};

TEST(WindowExports, TheRecordingFollowsRunsSteeringAndTheClearingButton)
{
    ExportDesk d;
    EXPECT_EQ(countOf(d.w.recording(), Kind::Segment), 6);
    EXPECT_GT(countOf(d.w.recording(), Kind::FillLayer), 20);

    d.w.toolbar()->Command2()->click();
    EXPECT_TRUE(d.w.recording().items().empty()) << "the clear page starts it afresh";

    d.clickPage();
    for (int step = 0; step < 3; ++step) {
        QTest::keyPress(&d.page(), Qt::Key_Up);
        QTest::keyRelease(&d.page(), Qt::Key_Up);
    }
    EXPECT_EQ(countOf(d.w.recording(), Kind::Segment), 3) << "each steering step is drawn";
    EXPECT_EQ(countOf(d.w.recording(), Kind::StepEnd), 3) << "and is a step of its own";
}

TEST(WindowExports, PrintsIntoAPdfPrinterWithTheProgramWhenAskedFor)
{
    ExportDesk d;
    for (const bool withProgram : { false, true }) {
        const QString pdf = d.path(withProgram ? "with.pdf" : "without.pdf");
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdf);
        d.exports().setPrintsProgram(withProgram);
        ASSERT_TRUE(d.exports().printOn(printer));
        EXPECT_EQ(pagesOf(pdf), withProgram ? 2 : 1);
        const QString text = poppler(QStringLiteral("pdftotext"), { pdf, QStringLiteral("-") });
        EXPECT_EQ(text.contains(u"krasot 394,306,1,22"), withProgram) << text.toStdString();
    }
}

TEST(WindowExports, ThePrintDialogSendsTheWholeDocumentToTheChosenPrinter)
{
    ExportDesk d;
    d.w.menus().drukat()->trigger();
    auto* dialog = d.w.findChild<QPrintDialog*>();
    ASSERT_NE(dialog, nullptr);
    EXPECT_FALSE(dialog->testOption(QAbstractPrintDialog::PrintPageRange))
        << "the document is painted whole, a range of pages is the print system's";
    QCheckBox* choice = ExportDesk::programChoice(*dialog);
    ASSERT_NE(choice, nullptr);
    choice->setChecked(false);
    // Qt's own dialog prints to a PDF file when no printer is set up; its file field.
    auto* file = dialog->findChild<QLineEdit*>(QStringLiteral("filename"));
    ASSERT_NE(file, nullptr);
    const QString pdf = d.path("printed.pdf");
    file->setText(pdf);
    dialog->accept();
    EXPECT_EQ(pagesOf(pdf), 1) << "the drawing alone, as chosen";
    EXPECT_FALSE(d.exports().printsProgram()) << "the choice holds for the next time";
    EXPECT_TRUE(d.takeMessages().isEmpty());
}

TEST(WindowExports, ThePreviewShowsTheProgramsPagesOnlyWhileChosen)
{
    ExportDesk d;
    d.w.menus().printPreview()->trigger();
    auto* preview = d.w.findChild<QPrintPreviewDialog*>();
    ASSERT_NE(preview, nullptr);
    auto* pages = preview->findChild<QPrintPreviewWidget*>();
    ASSERT_NE(pages, nullptr);
    EXPECT_EQ(pages->pageCount(), 2);
    QCheckBox* choice = ExportDesk::programChoice(*preview);
    ASSERT_NE(choice, nullptr);
    EXPECT_TRUE(choice->isVisibleTo(preview));
    choice->setChecked(false);
    EXPECT_EQ(pages->pageCount(), 1);
    EXPECT_FALSE(d.exports().printsProgram());
    preview->reject();
}

TEST(WindowExports, SavesEachExportAndTellsWhyOneCannotBeWritten)
{
    ExportDesk d;
    EXPECT_TRUE(d.exports().savePdfTo(d.path("z.pdf")));
    EXPECT_TRUE(d.exports().saveSvgTo(d.path("z.svg")));
    EXPECT_TRUE(d.exports().saveAnimationTo(d.path("z.gif")));
    for (const char* name : { "z.pdf", "z.svg", "z.gif" })
        EXPECT_GT(QFile(d.path(name)).size(), 100) << name;
    EXPECT_TRUE(d.takeMessages().isEmpty());

    EXPECT_FALSE(d.exports().saveSvgTo(QStringLiteral("/dev/full")));
    EXPECT_FALSE(d.exports().saveAnimationTo(d.path("nav/z.gif")));
    const QStringList told = d.takeMessages();
    ASSERT_EQ(told.size(), 2);
    EXPECT_TRUE(told[0].contains(u"diskā nepietiek vietas")) << told[0].toStdString();
    EXPECT_TRUE(told[1].contains(u"tādas mapes nav")) << told[1].toStdString();
}

TEST(WindowExports, AReadOnlyFolderGetsNoFileAndTheMessageSaysWhy)
{
    ExportDesk d;
    SmallDisk disk(true);
    if (!disk.mounted())
        GTEST_SKIP() << "cannot mount a small file system here (needs the right to mount)";
    EXPECT_FALSE(d.exports().savePdfTo(disk.path(QStringLiteral("z.pdf"))));
    EXPECT_FALSE(d.exports().saveAnimationTo(disk.path(QStringLiteral("z.gif"))));
    const QStringList told = d.takeMessages();
    ASSERT_EQ(told.size(), 2);
    for (const QString& message : told) {
        EXPECT_TRUE(message.contains(u"šajā diskā var tikai lasīt, ne rakstīt"))
            << message.toStdString();
        EXPECT_TRUE(message.contains(u"Nepabeigts fails diskā nav palicis."))
            << message.toStdString();
    }
    EXPECT_EQ(disk.entries(), QStringList());
}

TEST(WindowExports, CopiesTheDrawingAsAPictureAndAsVectors)
{
    ExportDesk d;
    QApplication::clipboard()->clear();
    // The keys work while the learner writes the program, too.
    d.clickText();
    QTest::keyClick(&d.text(), Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
    const QMimeData* data = QApplication::clipboard()->mimeData();
    ASSERT_NE(data, nullptr);
    EXPECT_EQ(qvariant_cast<QImage>(data->imageData()).convertToFormat(QImage::Format_RGB32),
        d.pageImage());
    EXPECT_TRUE(data->data(QStringLiteral("image/svg+xml")).contains("<svg"));
}

TEST(WindowExports, TheMenusOfferThemWithTheirKeysExceptDuringARun)
{
    ExportDesk d;
    EXPECT_EQ(d.w.menus().drukat()->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_P));
    EXPECT_EQ(
        d.w.menus().copyDrawing()->shortcut(), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C));
    EXPECT_EQ(d.w.menus().eksportet()->actions().size(), 3);
    d.text().setProgramText(QStringLiteral("atrums 0\nsakt\nuz prieksu 1\niet uz sakt"));
    d.w.zimet_Click();
    EXPECT_FALSE(d.w.menus().drukat()->isEnabled());
    EXPECT_FALSE(d.w.menus().eksportet()->isEnabled());
    EXPECT_FALSE(d.w.menus().copyDrawing()->isEnabled());
    d.w.stopRun();
    ASSERT_TRUE(WindowDesk::waitFor([&] { return !d.w.isRunning(); }, 5000));
    EXPECT_TRUE(d.w.menus().drukat()->isEnabled());
    EXPECT_TRUE(d.w.menus().printPreview()->isEnabled());
}

} // namespace
