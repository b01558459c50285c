#pragma once

#include <QString>

namespace zimo
{

/// An argument value: a number, or a text that names something.
class Value
{
public:
    Value(double number)
        : m_number(number)
        , m_isNumber(true)
    {
    }
    Value(QString text)
        : m_text(std::move(text))
    {
    }

    bool isNumber() const { return m_isNumber; }
    double number() const { return m_number; }
    const QString& text() const { return m_text; }
    /// The value as text: a number in its ordinary decimal form.
    QString toText() const;

private:
    QString m_text;
    double m_number = 0.0;
    bool m_isNumber = false;
};

} // namespace zimo
