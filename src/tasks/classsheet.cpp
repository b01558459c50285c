#include "classsheet.h"

#include "classgrade.h"
#include "taskmessages.h"

#include <QFileInfo>
#include <QFontMetrics>
#include <QPainter>

#include <algorithm>

namespace zimo
{

namespace
{

constexpr int Columns = 5;
constexpr int Margin = 16;
constexpr int Gap = 16;
constexpr int FontPixels = 14;
constexpr int HeaderHeight = 40;
constexpr int LabelHeight = 2 * (FontPixels + 6);
constexpr int Frame = 3;

const QColor SolvedColour(0, 130, 0);
const QColor NotSolvedColour(200, 0, 0);

int thumbnailHeight(const QList<GradedProgram>& graded)
{
    int height = 0;
    for (const GradedProgram& g : graded)
        height = std::max(height, g.thumbnail.height());
    return height;
}

QFont labelFont(int pixels, bool bold)
{
    QFont font;
    font.setPixelSize(pixels);
    font.setBold(bold);
    return font;
}

void paintCell(QPainter& p, const GradedProgram& g, QRect picture)
{
    const QColor verdictColour = g.solved ? SolvedColour : NotSolvedColour;
    p.fillRect(picture.adjusted(-Frame, -Frame, Frame, Frame), verdictColour);
    p.fillRect(picture, Qt::white);
    p.drawImage(picture.topLeft(), g.thumbnail);
    const QRect name(picture.left(), picture.bottom() + Frame + 4, picture.width(), FontPixels + 4);
    p.setFont(labelFont(FontPixels, true));
    p.setPen(Qt::black);
    const QString file = QFileInfo(g.path).fileName();
    p.drawText(name, Qt::AlignLeft | Qt::AlignVCenter,
        p.fontMetrics().elidedText(file, Qt::ElideMiddle, name.width()));
    const QRect verdict = name.translated(0, FontPixels + 4);
    p.setFont(labelFont(FontPixels, false));
    p.setPen(verdictColour);
    const QString text = g.solved ? taskmsg::verdictSolved()
                                  : taskmsg::verdictNotSolved() + QStringLiteral(": ") + g.reason;
    p.drawText(verdict, Qt::AlignLeft | Qt::AlignVCenter,
        p.fontMetrics().elidedText(text, Qt::ElideRight, verdict.width()));
}

} // namespace

QImage classSheet(const QString& title, const QList<GradedProgram>& graded)
{
    const int columns = std::clamp(int(graded.size()), 1, Columns);
    const int rows = std::max(1, int((graded.size() + columns - 1) / columns));
    const QSize cell(ThumbnailWidth + 2 * Frame, thumbnailHeight(graded) + 2 * Frame + LabelHeight);
    QImage sheet(2 * Margin + columns * cell.width() + (columns - 1) * Gap,
        2 * Margin + HeaderHeight + rows * cell.height() + (rows - 1) * Gap, QImage::Format_RGB32);
    sheet.fill(Qt::white);
    QPainter p(&sheet);
    const auto solved = std::count_if(
        graded.begin(), graded.end(), [](const GradedProgram& g) { return g.solved; });
    p.setFont(labelFont(FontPixels + 6, true));
    p.drawText(QRect(Margin, Margin, sheet.width() - 2 * Margin, HeaderHeight),
        Qt::AlignLeft | Qt::AlignTop, taskmsg::sheetTitle(title, int(solved), int(graded.size())));
    for (qsizetype i = 0; i < graded.size(); ++i) {
        const QPoint corner(Margin + int(i % columns) * (cell.width() + Gap) + Frame,
            Margin + HeaderHeight + int(i / columns) * (cell.height() + Gap) + Frame);
        paintCell(p, graded[i], QRect(corner, graded[i].thumbnail.size()));
    }
    return sheet;
}

} // namespace zimo
