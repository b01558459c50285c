#pragma once

#include "platform/colour.h"

#include <QString>

#include <string>

namespace zimo
{

class OutputFile;
struct Turtle;

/// The run trace: one event per line, in the order the events happen (UTF-8, LF).
/// Writes to a file when given one, else keeps the text for text(). Whether the file took
/// every byte is the file's to tell (OutputFile::commit).
class Trace
{
public:
    explicit Trace(OutputFile* out = nullptr);
    ~Trace();
    Trace(const Trace&) = delete;
    Trace& operator=(const Trace&) = delete;

    void line(int n, const Turtle& turtle, int width, Colour colour, int style);
    void seg(float x1, float y1, float x2, float y2, Colour colour, int width, int style);
    void bg(Colour colour);
    void clear();
    void fill(double x, double y, Colour border, Colour fill, long long count);
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
