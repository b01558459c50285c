#include "helparea.h"

#include "twips.h"
#include "windowmessages.h"

#include "editor/commandhelp.h"

#include <QLabel>

namespace zimo
{

namespace
{

QLabel* makeLabel(
    const QString& name, QPoint at, QColor colour, double points, bool bold, QWidget* parent)
{
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    label->move(at);
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPixelSize(ptPixels(points));
    font.setBold(bold);
    label->setFont(font);
    QPalette pal = label->palette();
    pal.setColor(QPalette::WindowText, colour);
    label->setPalette(pal);
    return label;
}

} // namespace

HelpArea::HelpArea(QWidget* parent)
    : QFrame(parent)
{
    setObjectName(QStringLiteral("Frame1"));
    setGeometry(twRect(9720, -120, 5535, 735));
    setFrameStyle(QFrame::Box | QFrame::Sunken);
    const QColor green(0, 128, 0);
    m_c = makeLabel(QStringLiteral("l_c"), QPoint(tw(30), tw(120)), green, 12, true, this);
    m_help = makeLabel(
        QStringLiteral("l_help"), QPoint(tw(1200), tw(170)), Qt::black, 9.75, true, this);
    m_c2 = makeLabel(QStringLiteral("l_c2"), QPoint(tw(1680), tw(120)), green, 12, true, this);
    m_help2 = makeLabel(
        QStringLiteral("l_help2"), QPoint(tw(2400), tw(170)), Qt::black, 9.75, true, this);
    m_example = makeLabel(
        QStringLiteral("piem"), QPoint(tw(0), tw(480)), QColor(0, 0, 192), 8, false, this);
    m_example->resize(tw(5535), tw(255));
    for (QLabel* label : { m_c, m_help, m_c2 }) {
        label->setText(windowmsg::helpStart());
        label->adjustSize();
    }
    m_help2->adjustSize();
}

void HelpArea::showRow(const HelpRow& row)
{
    // paskaidro always empties the second half of the row before a rule fills it, and each
    // change moves the label that follows; doing the same keeps the row where it stood.
    setRowText(2, QString());
    setRowText(3, QString());
    setRowText(0, row.command);
    setRowText(1, row.help);
    setRowText(2, row.command2);
    setRowText(3, row.help2);
    m_example->setText(row.example);
}

// A label sizes itself to its text; when its text changes, the next label of the row moves
// to stand the gap to the right of it.
void HelpArea::setRowText(int index, const QString& text)
{
    QLabel* const row[] = { m_c, m_help, m_c2, m_help2 };
    QLabel* label = row[index];
    if (label->text() == text)
        return;
    label->setText(text);
    label->resize(text.isEmpty() ? 0 : label->sizeHint().width(), label->sizeHint().height());
    if (index + 1 < int(std::size(row))) {
        QLabel* next = row[index + 1];
        next->move(label->x() + label->width() + Gap, next->y());
    }
}

} // namespace zimo
