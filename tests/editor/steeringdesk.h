#pragma once

#include "editor/page/commandinserter.h"
#include "editor/page/commandrecorder.h"
#include "editor/page/keysteering.h"
#include "editor/pickers/pickers.h"
#include "editor/textbox/commandhelp.h"
#include "platform/rasterpage.h"
#include "platform/textcodec.h"
#include "interpreter/machine.h"
#include "interpreter/reset.h"

#include <QFile>
#include <QTemporaryDir>

#include <memory>

// What the main window holds for steering and inserting, the work file in a temporary
// folder and the text box as a string.
struct SteeringDesk {
    QTemporaryDir dir;
    // Both are too large for the stack.
    std::unique_ptr<zimo::RasterPage> pagePtr = std::make_unique<zimo::RasterPage>();
    zimo::RasterPage& page = *pagePtr;
    std::unique_ptr<zimo::Machine> machine = std::make_unique<zimo::Machine>(page);
    zimo::Machine& m = *machine;
    zimo::CommandRecorder recorder { m.program, dir.filePath(QStringLiteral("komandas.zkf")) };
    zimo::KeySteering steering { m.drawing, recorder };
    QString helpBuffer;
    zimo::HelpRow help;
    zimo::CommandInserter inserter { recorder, helpBuffer, help };
    zimo::Pickers pickers { m.drawing.pen, steering, inserter };
    QString text;
    zimo::Recorded last;

    SteeringDesk() { zimo::sakums(m); }

    // Holds key down for `repeats` key-down events, then lets it go.
    void tap(int key, int repeats = 1)
    {
        for (int i = 0; i < repeats; ++i)
            steering.Form_KeyDown(key, false);
        take(steering.Form_KeyUp(key, text, false));
    }
    void take(const zimo::Recorded& r)
    {
        last = r;
        text = r.text;
    }
    QString workFileText() const
    {
        QFile file(recorder.workFile());
        return file.open(QIODevice::ReadOnly) ? zimo::decodeWindows1257(file.readAll())
                                              : QStringLiteral("<none>");
    }
    int inkedPixels() const
    {
        int n = 0;
        for (int y = 0; y < page.height(); ++y)
            for (int x = 0; x < page.width(); ++x)
                n += page.pixel(x, y) != zimo::rgb(255, 255, 255);
        return n;
    }
};

inline constexpr int Keypad6 = 102; // display angle 0, right
inline constexpr int Keypad8 = 104; // 90, up
inline constexpr int Keypad9 = 105; // 45, up-right
