#pragma once

#include <QString>

namespace zimo
{

class Recording;
struct DrawingDocument;
struct VectorScene;

/// Each export written to its file through the checked write path. Each returns an empty
/// string, else why the file could not be written (in Latvian, to follow a colon); then
/// what stood at path is left as it was and no cut file stays behind.
QString saveSvg(const VectorScene& scene, const QString& path);
QString saveAnimation(const Recording& recording, const QString& path);
QString savePdf(const DrawingDocument& document, const QString& path);

} // namespace zimo
