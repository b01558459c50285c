#include "workfile.h"

#include "platformmessages.h"
#include "safefile.h"
#include "textcodec.h"

namespace zimo
{

PassedThrough passThroughFile(const QString& path, const QString& text)
{
    const Encoded encoded = encodeWindows1257(text);
    if (!encoded.ok())
        return { {}, platformmsg::cannotEncode(wholeCharacterAt(text, encoded.badIndex)) };
    if (QString problem = writeFileSafely(path, encoded.bytes); !problem.isEmpty())
        return { {}, problem };
    const FileBytes back = readWholeFile(path);
    if (!back.ok())
        return { {}, back.problem };
    // Another program (or a second window in the same folder) may have written the file
    // between the two steps; only the text written is run.
    if (back.bytes != encoded.bytes)
        return { {}, platformmsg::readBackDiffers() };
    return { decodeWindows1257(back.bytes), {} };
}

QString writeTextFile(const QString& path, const QString& text)
{
    const Encoded encoded = encodeWindows1257(text);
    if (!encoded.ok())
        return platformmsg::cannotEncode(wholeCharacterAt(text, encoded.badIndex));
    return writeFileSafely(path, encoded.bytes);
}

} // namespace zimo
