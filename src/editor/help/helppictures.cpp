#include "helppictures.h"

#include "editor/page/figurepictures.h"
#include "platform/rasterpage.h"
#include "interpreter/machine.h"
#include "run/runloop.h"

#include <QPainter>

#include <algorithm>

namespace zimo
{

namespace
{

constexpr Colour White = rgb(255, 255, 255);
/// Room around the drawing, and the smallest cut, in page pixels: a short line keeps its
/// size next to a big flower instead of filling the picture.
constexpr int Margin = 12;
constexpr int SmallestWidth = 160;
constexpr int SmallestHeight = 120;
/// A help example needs a few thousand steps; this only guards against a stuck one.
constexpr std::int64_t StepLimit = 200'000;

QRect spriteBounds(const Turtle& t)
{
    QRectF bounds;
    for (const SpriteLine& s : t.sprite)
        bounds |= QRectF(QPointF(s.x1, s.y1), QPointF(s.x2, s.y2)).normalized();
    return bounds.toAlignedRect();
}

// The cut around bounds: with a margin, at least the smallest size, inside the page.
QRect cutAround(QRect bounds, QSize page)
{
    QRect cut = bounds.adjusted(-Margin, -Margin, Margin, Margin);
    const QPoint centre = cut.center();
    cut.setWidth(std::max(cut.width(), SmallestWidth));
    cut.setHeight(std::max(cut.height(), SmallestHeight));
    cut.moveCenter(centre);
    cut.moveLeft(std::clamp(cut.left(), 0, std::max(0, page.width() - cut.width())));
    cut.moveTop(std::clamp(cut.top(), 0, std::max(0, page.height() - cut.height())));
    return cut.intersected(QRect(QPoint(0, 0), page));
}

void drawSprite(QImage& picture, const Turtle& t, QPoint origin)
{
    QPainter p(&picture);
    p.setRenderHint(QPainter::Antialiasing);
    p.translate(-origin);
    // The colours the page shows with the pen down: blue sides, a black rear.
    const QColor colours[3] = { QColor(0, 0, 255), Qt::black, QColor(0, 0, 255) };
    for (size_t i = 0; i < t.sprite.size(); ++i) {
        const SpriteLine& s = t.sprite[i];
        p.setPen(QPen(colours[i], 1.5));
        p.drawLine(QPointF(s.x1, s.y1), QPointF(s.x2, s.y2));
    }
}

} // namespace

HelpPictures::HelpPictures()
    : m_page(std::make_unique<RasterPage>())
    , m_machine(std::make_unique<Machine>(*m_page))
{
}

HelpPictures::~HelpPictures() = default;

QImage HelpPictures::draw(const QStringList& lines)
{
    // A run leaves the page, its background and its line style as they are.
    m_page->setBackground(White);
    m_page->setLineStyle(0);
    zimet_Click(
        *m_machine, lines.join(QStringLiteral("\r\n")), RunOptions { std::nullopt, StepLimit });
    const Turtle& turtle = m_machine->drawing.turtle;
    QRect bounds = inkedBounds(*m_page, White);
    if (turtle.spriteVisible)
        bounds |= spriteBounds(turtle);
    QImage page;
    m_page->copyTo(page);
    const QRect cut = cutAround(bounds, page.size());
    QImage picture = page.copy(cut).convertToFormat(QImage::Format_RGB32);
    if (turtle.spriteVisible)
        drawSprite(picture, turtle, cut.topLeft());
    return picture;
}

} // namespace zimo
