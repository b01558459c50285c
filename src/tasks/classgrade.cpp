#include "classgrade.h"

#include "hints/hints.h"
#include "picturecompare.h"
#include "platform/safefile.h"
#include "platform/textcodec.h"
#include "taskcheck.h"
#include "taskmessages.h"

#include <algorithm>

namespace zimo
{

namespace
{

// A reason goes on one line between TABs.
QString oneLine(QString text)
{
    for (QChar& c : text) {
        if (c == u'\t' || c == u'\r' || c == u'\n')
            c = u' ';
    }
    return text;
}

QRgb firstInk(const QImage& page, int x0, int x1, int y0, int y1)
{
    for (int y = y0; y < y1; ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(page.constScanLine(y));
        for (int x = x0; x < x1; ++x) {
            if (line[x] != 0xFFFFFFFF)
                return line[x];
        }
    }
    return 0xFFFFFFFF;
}

QString csvField(const QString& text)
{
    if (!text.contains(u',') && !text.contains(u'"') && !text.contains(u'\r')
        && !text.contains(u'\n'))
        return text;
    QString quoted = text;
    return u'"' + quoted.replace(u'"', QStringLiteral("\"\"")) + u'"';
}

int hintCount(const QString& program)
{
    // Lines are numbered as a run numbers them: with the line end the run adds.
    return int(hintsFor(splitWorkFileLines(program + QStringLiteral("\r\n"))).size());
}

// A thin line would fade away in a smooth reduction: each thumbnail pixel takes the colour of
// the first ink in the block of page pixels it stands for, white only when there is none.
QImage thumbnailOf(const QImage& page)
{
    const QImage in = page.convertToFormat(QImage::Format_RGB32);
    const int w = ThumbnailWidth, h = in.height() * ThumbnailWidth / std::max(1, in.width());
    QImage thumbnail(w, h, QImage::Format_RGB32);
    const auto block = [](int i, int small, int large) { return i * large / small; };
    for (int ty = 0; ty < h; ++ty) {
        auto* out = reinterpret_cast<QRgb*>(thumbnail.scanLine(ty));
        const int y0 = block(ty, h, in.height()),
                  y1 = std::max(y0 + 1, block(ty + 1, h, in.height()));
        for (int tx = 0; tx < w; ++tx) {
            const int x0 = block(tx, w, in.width()),
                      x1 = std::max(x0 + 1, block(tx + 1, w, in.width()));
            out[tx] = firstInk(in, x0, x1, y0, y1);
        }
    }
    return thumbnail;
}

} // namespace

GradedProgram gradeProgram(const Task& task, PictureCheck& target, const QString& path)
{
    GradedProgram graded;
    graded.path = path;
    const FileBytes file = readWholeFile(path);
    if (!file.ok()) {
        graded.reason = taskmsg::reasonUnreadable(file.problem);
        QImage blank(target.size(), QImage::Format_RGB32);
        blank.fill(Qt::white);
        graded.thumbnail = thumbnailOf(blank);
        return graded;
    }
    const QString program = programTextFromFile(file.bytes);
    const DrawnProgram drawn = drawProgram(program);
    const TaskVerdict verdict = judgeTask(task, target, drawn.picture, drawn.outcome, program);
    graded.solved = verdict.solved;
    graded.reason = oneLine(verdict.reason);
    graded.note = oneLine(verdict.note);
    graded.drawnPercent = verdict.difference.drawnPercent();
    graded.extraPercent = verdict.difference.extraPercent();
    graded.lines = verdict.lines;
    graded.hints = hintCount(program);
    graded.thumbnail = thumbnailOf(drawn.picture);
    return graded;
}

QString gradeLine(const GradedProgram& graded)
{
    if (graded.solved)
        return graded.path + u'\t' + taskmsg::verdictSolved();
    return graded.path + u'\t' + taskmsg::verdictNotSolved() + u'\t' + graded.reason;
}

QByteArray gradeCsv(const QList<GradedProgram>& graded)
{
    const QString lineEnd = QStringLiteral("\r\n");
    QString text = taskmsg::csvHeader() + lineEnd;
    for (const GradedProgram& g : graded) {
        const QStringList fields { g.path,
            g.solved ? taskmsg::verdictSolved() : taskmsg::verdictNotSolved(),
            QString::number(g.drawnPercent), QString::number(g.extraPercent),
            QString::number(g.lines), QString::number(g.hints), g.solved ? g.note : g.reason };
        QStringList quoted;
        for (const QString& field : fields)
            quoted.append(csvField(field));
        text += quoted.join(u',') + lineEnd;
    }
    return QByteArrayLiteral("\xEF\xBB\xBF") + text.toUtf8();
}

} // namespace zimo
