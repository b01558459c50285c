#include "trace.h"

#include "platform/safefile.h"
#include "turtle/turtle.h"

#include <cmath>
#include <cstdio>
#include <cstring>

namespace zimo
{

namespace
{
constexpr std::size_t FlushSize = 1 << 16;
}

Trace::Trace(OutputFile* out)
    : m_out(out)
{
}

Trace::~Trace() { flush(); }

void Trace::flush()
{
    if (m_out && !m_buffer.empty()) {
        m_out->write(m_buffer.data(), m_buffer.size());
        m_buffer.clear();
    }
}

void Trace::put(const char* s) { m_buffer += s; }

void Trace::newline()
{
    m_buffer += '\n';
    if (m_out && m_buffer.size() >= FlushSize)
        flush();
}

void Trace::real(double value)
{
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.3f", value);
    m_buffer += std::strcmp(buf, "-0.000") == 0 ? "0.000" : buf;
}

void Trace::colour(Colour c)
{
    char buf[16];
    std::snprintf(buf, sizeof buf, "#%02X%02X%02X", redOf(c), greenOf(c), blueOf(c));
    m_buffer += buf;
}

void Trace::line(int n, const Turtle& t, int width, Colour c, int style)
{
    m_buffer += "line " + std::to_string(n) + " x=";
    real(t.x);
    put(" y=");
    real(t.y);
    put(" h=");
    real(t.heading);
    m_buffer += " w=" + std::to_string(width) + " c=";
    colour(c);
    m_buffer += " s=" + std::to_string(style) + " vis=" + (t.spriteVisible ? "1" : "0");
    newline();
}

void Trace::segment(float x1, float y1, float x2, float y2, Colour c, int width, int style)
{
    put("seg ");
    real(x1);
    put(" ");
    real(y1);
    put(" ");
    real(x2);
    put(" ");
    real(y2);
    put(" c=");
    colour(c);
    m_buffer += " w=" + std::to_string(width) + " s=" + std::to_string(style);
    newline();
}

void Trace::background(Colour c)
{
    put("bg ");
    colour(c);
    newline();
}

void Trace::erased()
{
    put("clear");
    newline();
}

void Trace::filled(double x, double y, Colour border, Colour fillColour, long long count)
{
    char buf[96];
    std::snprintf(buf, sizeof buf, "fill %.0f %.0f b=", x == 0 ? 0.0 : x, y == 0 ? 0.0 : y);
    put(buf);
    colour(border);
    put(" f=");
    colour(fillColour);
    m_buffer += " n=" + std::to_string(count);
    newline();
}

void Trace::wait(double units)
{
    put("wait ");
    real(units);
    newline();
}

void Trace::error(int n, const QString& message)
{
    m_buffer += "error " + std::to_string(n) + " ";
    m_buffer += message.toUtf8().toStdString();
    newline();
    flush();
}

void Trace::end()
{
    put("end");
    newline();
    flush();
}

} // namespace zimo
