#pragma once

#include "platform/colour.h"

#include <QRect>

#include <memory>
#include <vector>

class QImage;

namespace zimo
{

class OutputFile;
class RasterPage;

/// An animated GIF written frame by frame to a file, looping for ever.
///
/// The only place that knows the GIF library. Its palette holds the colours it is given
/// (the page's colours) and one transparent entry; a pixel of a colour beyond the palette
/// takes the nearest one. A frame is a part of the page that is laid over what the frames
/// before it left: its pixels that have not changed since then are transparent, which keeps
/// the file small. Every failure is kept; finish() tells whether the whole file was written.
class GifWriter
{
public:
    GifWriter(OutputFile& out, int width, int height, const std::vector<Colour>& palette);
    ~GifWriter();
    GifWriter(const GifWriter&) = delete;
    GifWriter& operator=(const GifWriter&) = delete;

    /// Adds the rect of page, shown for delay hundredths of a second. Pixels equal to those
    /// of previous (a copy of the page as the frames before left it, when given) stay as
    /// they were.
    void addFrame(const RasterPage& page, const QImage* previous, QRect rect, int delay);
    /// Ends the file. False when the library or the file failed (the file tells why).
    bool finish();

private:
    struct State;
    std::unique_ptr<State> m_state;
};

} // namespace zimo
