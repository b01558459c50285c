#include "stopmarks.h"

#include <QTextBlock>
#include <QTextBlockUserData>
#include <QTextDocument>

namespace zimo
{

namespace
{

/// The mark a text block carries.
class StopMark : public QTextBlockUserData
{
};

bool marked(const QTextBlock& block) { return dynamic_cast<StopMark*>(block.userData()); }

} // namespace

StopMarks::StopMarks(QTextDocument& document, QObject* parent)
    : QObject(parent)
    , m_document(document)
{
    connect(&m_document, &QTextDocument::contentsChanged, this, [this] {
        if (refresh())
            emit changed();
    });
}

void StopMarks::toggle(int line)
{
    QTextBlock block = m_document.findBlockByNumber(line - 1);
    if (!block.isValid())
        return;
    // The block owns its user data and deletes the old one when it is replaced.
    block.setUserData(marked(block) ? nullptr : new StopMark);
    refresh();
    emit changed();
}

bool StopMarks::isMarked(int line) const { return m_lines.contains(line); }

QList<int> StopMarks::lines() const { return m_lines; }

void StopMarks::clear()
{
    for (QTextBlock block = m_document.begin(); block.isValid(); block = block.next()) {
        if (marked(block))
            block.setUserData(nullptr);
    }
    if (refresh())
        emit changed();
}

bool StopMarks::refresh()
{
    QList<int> lines;
    for (QTextBlock block = m_document.begin(); block.isValid(); block = block.next()) {
        if (marked(block))
            lines.append(block.blockNumber() + 1);
    }
    if (lines == m_lines)
        return false;
    m_lines = lines;
    return true;
}

} // namespace zimo
