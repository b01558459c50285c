#pragma once

#include "hints/linereading.h"

#include <QStringList>
#include <QSyntaxHighlighter>

namespace zimo
{

/// Colours in the program text exactly what the run finds in each line: keywords by kind,
/// calls of the program's own procedures, and argument numbers and names.
///
/// Holds the program's procedure names, which decide what is a call.
class KeywordHighlighter : public QSyntaxHighlighter
{
public:
    explicit KeywordHighlighter(QTextDocument* document);

    /// Colours every line again when the names differ from the ones it has.
    void setProcedures(const QStringList& names);

    static QTextCharFormat formatOf(SpanKind kind);

protected:
    void highlightBlock(const QString& text) override;

private:
    QStringList m_procedures;
};

} // namespace zimo
