#include "drawingexports.h"

#include "filemessages.h"
#include "programfiles.h"
#include "programhost.h"
#include "savechooser.h"

#include "export/exportfiles.h"
#include "export/exportmessages.h"
#include "export/printdocument.h"
#include "export/recording.h"
#include "export/svgwriter.h"
#include "export/vectorscene.h"
#include "platform/rasterpage.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QDate>
#include <QDir>
#include <QImage>
#include <QMimeData>
#include <QPageLayout>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QToolBar>

namespace zimo
{

namespace
{

// The drawing is wider than high: the paper is turned sideways unless the learner turns it.
QPrinter* newPrinter(const QString& title)
{
    auto* printer = new QPrinter(QPrinter::HighResolution);
    printer->setPageOrientation(QPageLayout::Landscape);
    printer->setDocName(title.isEmpty() ? exportmsg::unnamedProgram() : title);
    printer->setCreator(QStringLiteral("Zimo"));
    return printer;
}

// A printer made for one dialog goes when the dialog has gone: it may read it while it closes.
void deleteWith(QDialog* dialog, QPrinter* printer)
{
    QObject::connect(dialog, &QObject::destroyed, [printer] { delete printer; });
}

} // namespace

DrawingExports::DrawingExports(
    ProgramHost& host, ProgramFiles& files, const Recording& recording, QObject* parent)
    : QObject(parent)
    , m_host(host)
    , m_files(files)
    , m_recording(recording)
{
}

DrawingDocument DrawingExports::document(const VectorScene& scene) const
{
    DrawingDocument document;
    document.scene = &scene;
    document.name = m_files.programName();
    document.date = QDate::currentDate();
    document.programText = m_host.programText();
    document.withProgram = m_printsProgram;
    return document;
}

QString DrawingExports::suggestedPath() const
{
    const QString name = m_files.programName();
    return QDir(m_files.programFolder())
        .filePath(name.isEmpty() ? filemsg::pictureDefaultName() : name);
}

bool DrawingExports::told(const QString& path, const QString& problem) const
{
    if (problem.isEmpty())
        return true;
    m_files.tell(filemsg::drawingNotSaved(QDir::toNativeSeparators(path), problem));
    return false;
}

bool DrawingExports::printOn(QPrinter& printer)
{
    const VectorScene scene = buildScene(m_recording);
    if (paintDocument(document(scene), printer))
        return true;
    m_files.tell(filemsg::notPrinted());
    return false;
}

bool DrawingExports::savePdfTo(const QString& path)
{
    const VectorScene scene = buildScene(m_recording);
    return told(path, savePdf(document(scene), path));
}

bool DrawingExports::saveSvgTo(const QString& path)
{
    return told(path, saveSvg(buildScene(m_recording), path));
}

bool DrawingExports::saveAnimationTo(const QString& path)
{
    return told(path, saveAnimation(m_recording, path));
}

void DrawingExports::print()
{
    if (m_host.isRunning())
        return;
    QPrinter* printer = newPrinter(m_files.programName());
    auto* dialog = new QPrintDialog(printer, m_host.hostWindow());
    deleteWith(dialog, printer);
    dialog->setWindowTitle(filemsg::printCaption());
    // The document is painted whole; a range of its pages, if chosen, is left to the print
    // system (Qt hands it to CUPS), which is where it is kept to.
    dialog->setOption(QAbstractPrintDialog::PrintPageRange, false);
    auto* withProgram = new QCheckBox(filemsg::printProgramText());
    withProgram->setChecked(m_printsProgram);
    withProgram->setWindowTitle(filemsg::printOptions());
    dialog->setOptionTabs({ withProgram });
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    connect(dialog, &QDialog::finished, this, [this, printer, withProgram](int result) {
        m_printsProgram = withProgram->isChecked();
        if (result == QDialog::Accepted && !m_host.isRunning())
            printOn(*printer);
    });
    dialog->open();
}

void DrawingExports::printPreview()
{
    if (m_host.isRunning())
        return;
    QPrinter* printer = newPrinter(m_files.programName());
    auto* preview = new QPrintPreviewDialog(printer, m_host.hostWindow());
    deleteWith(preview, printer);
    preview->setWindowTitle(filemsg::previewCaption());
    preview->setAttribute(Qt::WA_DeleteOnClose);
    connect(preview, &QPrintPreviewDialog::paintRequested, this,
        [this](QPrinter* target) { printOn(*target); });
    addProgramChoice(*preview);
    // As large as the window, so that the page can be read and every tool is in sight.
    if (const QWidget* window = m_host.hostWindow())
        preview->resize(window->size());
    preview->open();
}

// The choice of the program's text, beside the preview's own tools.
void DrawingExports::addProgramChoice(QPrintPreviewDialog& preview)
{
    auto* withProgram = new QCheckBox(filemsg::printProgramText());
    withProgram->setChecked(m_printsProgram);
    if (auto* tools = preview.findChild<QToolBar*>())
        tools->addWidget(withProgram);
    connect(withProgram, &QCheckBox::toggled, &preview, [this, &preview](bool checked) {
        m_printsProgram = checked;
        if (auto* widget = preview.findChild<QPrintPreviewWidget*>())
            widget->updatePreview();
    });
}

void DrawingExports::exportTo(SaveKind kind, bool (DrawingExports::*save)(const QString&))
{
    if (m_host.isRunning())
        return;
    kind.replaceQuestion = filemsg::replaceFile;
    chooseSavePath(
        m_host, kind, suggestedPath(), [this, save](const QString& path) { (this->*save)(path); });
}

void DrawingExports::exportPdf()
{
    exportTo({ filemsg::pdfCaption(), filemsg::pdfFilter(), QStringLiteral("pdf"), {} },
        &DrawingExports::savePdfTo);
}

void DrawingExports::exportSvg()
{
    exportTo({ filemsg::svgCaption(), filemsg::svgFilter(), QStringLiteral("svg"), {} },
        &DrawingExports::saveSvgTo);
}

void DrawingExports::exportAnimation()
{
    exportTo({ filemsg::gifCaption(), filemsg::gifFilter(), QStringLiteral("gif"), {} },
        &DrawingExports::saveAnimationTo);
}

void DrawingExports::copyDrawing()
{
    if (m_host.isRunning())
        return;
    QImage picture;
    m_host.page().copyTo(picture);
    auto* data = new QMimeData;
    data->setImageData(picture);
    data->setData(QStringLiteral("image/svg+xml"), svgDocument(buildScene(m_recording)));
    QApplication::clipboard()->setMimeData(data);
}

} // namespace zimo
