#pragma once

#include "platform/colour.h"
#include "turtle/drawingsink.h"

#include <QString>

#include <string>

namespace zimo
{

class OutputFile;
struct Turtle;

/// The run trace: one event per line, in the order the events happen (UTF-8, LF).
/// Writes to a file when given one, else keeps the text for text(). Whether the file took
/// every byte is the file's to tell (OutputFile::commit). The run attaches it to the drawing
/// model as its sink, so every change of the page is written where it happens.
class Trace final : public DrawingSink
{
public:
    explicit Trace(OutputFile* out = nullptr);
    ~Trace() override;
    Trace(const Trace&) = delete;
    Trace& operator=(const Trace&) = delete;

    void line(int n, const Turtle& turtle, int width, Colour colour, int style);
    void segment(
        float x1, float y1, float x2, float y2, Colour colour, int width, int style) override;
    void background(Colour colour) override;
    void erased() override;
    void filled(double x, double y, Colour border, Colour fill, long long count) override;
    void wait(double units);
    void error(int n, const QString& message);
    void end();

    /// Everything written so far (when there is no file).
    const std::string& text() const { return m_buffer; }
    void flush();

private:
    void real(double value);
    void colour(Colour c);
    void put(const char* s);
    void newline();

    OutputFile* m_out;
    std::string m_buffer;
};

} // namespace zimo
