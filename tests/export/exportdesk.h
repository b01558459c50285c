#pragma once

#include "export/recording.h"
#include "interpreter/machine.h"
#include "platform/rasterpage.h"
#include "run/runloop.h"

#include <QImage>
#include <QProcess>
#include <QStringList>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>

namespace zimo::test
{

/// Program lines as they are written.
inline QStringList lines(std::initializer_list<const char*> texts)
{
    QStringList list;
    for (const char* t : texts)
        list.append(QString::fromUtf8(t));
    return list;
}

/// A page and a machine with a recording attached, as a headless export run has them.
struct Desk {
    std::unique_ptr<RasterPage> page = std::make_unique<RasterPage>();
    std::unique_ptr<Machine> machine = std::make_unique<Machine>(*page);
    std::unique_ptr<Recording> recording = std::make_unique<Recording>(*page);
    QTemporaryDir dir;

    Desk() { machine->drawing.sink = recording.get(); }

    RunOutcome run(const QStringList& lines)
    {
        RunOptions options;
        options.maxSteps = 1'000'000;
        return zimet_Click(*machine, lines.join(QStringLiteral("\r\n")), options);
    }
    QString path(const char* name) const { return dir.filePath(QString::fromLatin1(name)); }
    QImage pageImage() const
    {
        QImage image;
        page->copyTo(image);
        return image;
    }
};

/// Runs a tool of the system; false (with what it said) when it is missing or fails.
inline bool runTool(const QString& tool, const QStringList& arguments, QString* said = nullptr)
{
    QProcess process;
    process.start(tool, arguments);
    const bool ran = process.waitForFinished(60000) && process.exitStatus() == QProcess::NormalExit
        && process.exitCode() == 0;
    if (said)
        *said = QString::fromLocal8Bit(
            process.readAllStandardError() + process.readAllStandardOutput());
    return ran;
}

/// How far apart two pictures of the page are: the pixels that differ, and those of them
/// a shift of one pixel does not explain (each colour is found within one pixel in the other).
struct Apart {
    int differing = 0;
    int unexplained = 0;
};

inline Apart pixelsApart(const QImage& a, const QImage& b)
{
    auto near = [](const QImage& image, int x, int y, QRgb colour) {
        for (int dy = -1; dy <= 1; ++dy) {
            for (int dx = -1; dx <= 1; ++dx) {
                if (image.rect().contains(x + dx, y + dy) && image.pixel(x + dx, y + dy) == colour)
                    return true;
            }
        }
        return false;
    };
    Apart apart;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            const QRgb pa = a.pixel(x, y), pb = b.pixel(x, y);
            if (pa == pb)
                continue;
            ++apart.differing;
            if (!near(a, x, y, pb) || !near(b, x, y, pa))
                ++apart.unexplained;
        }
    }
    return apart;
}

} // namespace zimo::test
