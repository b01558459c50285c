#include "gifwriter.h"

#include "platform/rasterpage.h"
#include "platform/safefile.h"

#include <QImage>

#include <gif_lib.h>

#include <algorithm>
#include <climits>
#include <cstdint>

namespace zimo
{

namespace
{

constexpr char LoopBlock[] = "NETSCAPE2.0";
constexpr std::size_t FlushSize = 1 << 16;

// The library hands its output over in small blocks; they reach the file in large ones.
struct Buffered {
    OutputFile& out;
    QByteArray pending;

    bool flush()
    {
        const bool written = pending.isEmpty() || out.write(pending);
        pending.clear();
        return written;
    }
};

int writeToFile(GifFileType* gif, const GifByteType* data, int length)
{
    auto* file = static_cast<Buffered*>(gif->UserData);
    file->pending.append(reinterpret_cast<const char*>(data), length);
    if (file->pending.size() >= qsizetype(FlushSize) && !file->flush())
        return 0;
    return length;
}

// The smallest power of two (at least 2) that holds count entries.
int tableSize(std::size_t count)
{
    int size = 2;
    while (std::size_t(size) < count && size < 256)
        size *= 2;
    return size;
}

} // namespace

struct GifWriter::State {
    explicit State(OutputFile& out)
        : file { out, {} }
    {
    }

    Buffered file;
    GifFileType* gif = nullptr;
    bool ok = false;
    /// Page pixels (0xFFRRGGBB) of the palette entries; the transparent one follows them.
    std::vector<std::uint32_t> pixels;
    int transparent = 0;
    std::uint32_t lastPixel = 0;
    GifPixelType lastIndex = 0;
    std::vector<GifPixelType> line;

    GifPixelType indexOf(std::uint32_t pixel);
};

GifPixelType GifWriter::State::indexOf(std::uint32_t pixel)
{
    if (pixel == lastPixel)
        return lastIndex;
    const auto found = std::find(pixels.begin(), pixels.end(), pixel);
    std::size_t index = std::size_t(found - pixels.begin());
    if (found == pixels.end()) {
        // The nearest colour of the palette.
        long best = LONG_MAX;
        for (std::size_t i = 0; i < pixels.size(); ++i) {
            const Colour a = fromPixel(pixels[i]), b = fromPixel(pixel);
            const long dr = redOf(a) - redOf(b), dg = greenOf(a) - greenOf(b),
                       db = blueOf(a) - blueOf(b);
            const long distance = dr * dr + dg * dg + db * db;
            if (distance < best) {
                best = distance;
                index = i;
            }
        }
    }
    lastPixel = pixel;
    lastIndex = GifPixelType(index);
    return lastIndex;
}

GifWriter::GifWriter(OutputFile& out, int width, int height, const std::vector<Colour>& palette)
    : m_state(std::make_unique<State>(out))
{
    State& s = *m_state;
    for (const Colour c : palette) {
        if (s.pixels.size() < 255)
            s.pixels.push_back(toPixel(c));
    }
    if (s.pixels.empty())
        s.pixels.push_back(toPixel(0));
    s.transparent = int(s.pixels.size());
    s.lastPixel = s.pixels.front();
    const int size = tableSize(s.pixels.size() + 1);
    std::vector<GifColorType> colours(std::size_t(size), GifColorType { 0, 0, 0 });
    for (std::size_t i = 0; i < s.pixels.size(); ++i) {
        const Colour c = fromPixel(s.pixels[i]);
        colours[i] = { GifByteType(redOf(c)), GifByteType(greenOf(c)), GifByteType(blueOf(c)) };
    }
    int error = 0;
    s.gif = EGifOpen(&s.file, writeToFile, &error);
    if (!s.gif)
        return;
    EGifSetGifVersion(s.gif, true);
    ColorMapObject* map = GifMakeMapObject(size, colours.data());
    s.ok = map && EGifPutScreenDesc(s.gif, width, height, 8, 0, map) == GIF_OK;
    GifFreeMapObject(map);
    // The loop: the application block every viewer reads, repeating without end.
    const GifByteType endlessly[] = { 1, 0, 0 };
    s.ok = s.ok && EGifPutExtensionLeader(s.gif, APPLICATION_EXT_FUNC_CODE) == GIF_OK
        && EGifPutExtensionBlock(s.gif, 11, LoopBlock) == GIF_OK
        && EGifPutExtensionBlock(s.gif, 3, endlessly) == GIF_OK
        && EGifPutExtensionTrailer(s.gif) == GIF_OK;
}

GifWriter::~GifWriter()
{
    if (m_state->gif) {
        int error = 0;
        EGifCloseFile(m_state->gif, &error);
    }
}

void GifWriter::addFrame(const RasterPage& page, const QImage* previous, QRect rect, int delay)
{
    State& s = *m_state;
    rect &= QRect(0, 0, page.width(), page.height());
    if (!s.ok || rect.isEmpty())
        return;
    GraphicsControlBlock control {};
    control.DisposalMode = DISPOSE_DO_NOT;
    control.UserInputFlag = false;
    control.DelayTime = std::clamp(delay, 0, 65535);
    control.TransparentColor = previous ? s.transparent : NO_TRANSPARENT_COLOR;
    GifByteType extension[4];
    EGifGCBToExtension(&control, extension);
    s.ok = EGifPutExtension(s.gif, GRAPHICS_EXT_FUNC_CODE, 4, extension) == GIF_OK
        && EGifPutImageDesc(s.gif, rect.x(), rect.y(), rect.width(), rect.height(), false, nullptr)
            == GIF_OK;
    s.line.resize(std::size_t(rect.width()));
    for (int y = rect.top(); s.ok && y <= rect.bottom(); ++y) {
        const std::uint32_t* now = page.row(y);
        const auto* before = previous
            ? reinterpret_cast<const std::uint32_t*>(previous->constScanLine(y))
            : nullptr;
        for (int x = rect.left(); x <= rect.right(); ++x) {
            const bool same = before && before[x] == now[x];
            s.line[std::size_t(x - rect.left())]
                = same ? GifPixelType(s.transparent) : s.indexOf(now[x] | 0xFF000000u);
        }
        s.ok = EGifPutLine(s.gif, s.line.data(), rect.width()) == GIF_OK;
    }
}

bool GifWriter::finish()
{
    State& s = *m_state;
    if (!s.gif)
        return false;
    int error = 0;
    const bool closed = EGifCloseFile(s.gif, &error) == GIF_OK;
    s.gif = nullptr;
    return s.file.flush() && s.ok && closed;
}

} // namespace zimo
