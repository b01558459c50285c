#include "workfile.h"

#include "platformmessages.h"
#include "safefile.h"
#include "textcodec.h"

namespace zimo
{

PassedThrough passThroughFile(const QString& path, const QString& text)
{
    const FileText written = encodeForFile(text);
    if (QString problem = writeFileSafely(path, written.bytes); !problem.isEmpty())
        return { {}, problem };
    const FileBytes back = readWholeFile(path);
    if (!back.ok())
        return { {}, back.problem };
    // Another program (or a second window in the same folder) may have written the file
    // between the two steps; only the text written is run.
    if (back.bytes != written.bytes)
        return { {}, platformmsg::readBackDiffers() };
    // Read back in the encoding it was written in, so that names differing only in letters
    // the code page lacks stay different names.
    return { decodeFromFile({ back.bytes, written.utf8 }), {} };
}

QString writeTextFile(const QString& path, const QString& text)
{
    return writeFileSafely(path, encodeForFile(text).bytes);
}

} // namespace zimo
