#pragma once

#include "savechooser.h"

#include <QObject>
#include <QString>

class QPrinter;
class QPrintPreviewDialog;

namespace zimo
{

class ProgramFiles;
class ProgramHost;
class Recording;
struct DrawingDocument;
struct VectorScene;

/// The drawing's ways out of the window: printing it, saving it as a PDF document, an SVG
/// picture or a GIF animation, and copying it to the clipboard.
///
/// Reads the window's recording of the drawing, the program's text and name; it changes
/// nothing in the window. Nothing happens while a run goes on. Every file goes through the
/// checked write path; a failure is told through the program files' notifier and leaves no
/// file behind. Whether the printed document carries the program's text is chosen in the
/// print dialog (and the preview) and holds for the PDF file too.
class DrawingExports : public QObject
{
    Q_OBJECT
public:
    DrawingExports(
        ProgramHost& host, ProgramFiles& files, const Recording& recording, QObject* parent);

    bool printsProgram() const { return m_printsProgram; }
    void setPrintsProgram(bool withProgram) { m_printsProgram = withProgram; }

    /// Prints the document on printer as the print dialog sends it; false (and a message)
    /// when nothing could be printed.
    bool printOn(QPrinter& printer);
    /// What choosing path in each save dialog does; false (and a message) when it failed.
    bool savePdfTo(const QString& path);
    bool saveSvgTo(const QString& path);
    bool saveAnimationTo(const QString& path);

public slots:
    /// "Fails → Drukāt...": the system's print dialog, with the choice of the program's text.
    void print();
    /// "Fails → Drukas priekšskatījums".
    void printPreview();
    /// "Fails → Eksportēt → PDF..., SVG..., Animāciju (GIF)...": asks where, then saves.
    void exportPdf();
    void exportSvg();
    void exportAnimation();
    /// "Labot → Kopēt zīmējumu": the page as a picture, and as SVG for drawing programs.
    void copyDrawing();

private:
    /// Asks where to save a file of kind, then saves it there with save.
    void addProgramChoice(QPrintPreviewDialog& preview);
    void exportTo(SaveKind kind, bool (DrawingExports::*save)(const QString&));
    DrawingDocument document(const VectorScene& scene) const;
    /// Where a save dialog opens: the program's folder and name.
    QString suggestedPath() const;
    bool told(const QString& path, const QString& problem) const;

    ProgramHost& m_host;
    ProgramFiles& m_files;
    const Recording& m_recording;
    bool m_printsProgram = true;
};

} // namespace zimo
