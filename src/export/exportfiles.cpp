#include "exportfiles.h"

#include "export/animation.h"
#include "export/exportmessages.h"
#include "export/printdocument.h"
#include "export/svgwriter.h"
#include "platform/safefile.h"

namespace zimo
{

QString saveSvg(const VectorScene& scene, const QString& path)
{
    return writeFileSafely(path, svgDocument(scene));
}

QString saveAnimation(const Recording& recording, const QString& path)
{
    OutputFile file(path);
    if (QString problem = file.open(); !problem.isEmpty())
        return problem;
    const bool written = writeAnimation(recording, file);
    // A failure of the file names its own reason; otherwise the encoder failed.
    if (!written && file.problem().isEmpty())
        return exportmsg::animationNotMade();
    return file.commit();
}

QString savePdf(const DrawingDocument& document, const QString& path)
{
    const QByteArray pdf = pdfDocument(document);
    if (pdf.isEmpty())
        return exportmsg::documentNotMade();
    return writeFileSafely(path, pdf);
}

} // namespace zimo
