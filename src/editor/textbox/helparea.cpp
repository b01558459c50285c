#include "helparea.h"

#include "editor/common/windowmessages.h"
#include "files/twips.h"

#include <QLabel>

namespace zimo
{

namespace
{

QLabel* makeLabel(const QString& name, QColor colour, QWidget* parent)
{
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    QPalette pal = label->palette();
    pal.setColor(QPalette::WindowText, colour);
    label->setPalette(pal);
    return label;
}

void setLabelFont(QLabel* label, double points, bool bold)
{
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPixelSize(ptPixels(points));
    font.setBold(bold);
    label->setFont(font);
}

} // namespace

HelpArea::HelpArea(QWidget* parent)
    : QFrame(parent)
{
    setObjectName(QStringLiteral("Frame1"));
    setAccessibleName(windowmsg::helpAreaName());
    setFrameStyle(QFrame::Box | QFrame::Sunken);
    const QColor green(0, 128, 0);
    m_c = makeLabel(QStringLiteral("l_c"), green, this);
    m_help = makeLabel(QStringLiteral("l_help"), Qt::black, this);
    m_c2 = makeLabel(QStringLiteral("l_c2"), green, this);
    m_help2 = makeLabel(QStringLiteral("l_help2"), Qt::black, this);
    m_example = makeLabel(QStringLiteral("piem"), QColor(0, 0, 192), this);
    // The row keeps its start texts until a rule replaces them.
    m_row.command = m_row.help = m_row.command2 = windowmsg::helpStart();
    for (QLabel* label : { m_c, m_help, m_c2 })
        label->setText(windowmsg::helpStart());
    layOut();
}

void HelpArea::layOut()
{
    setGeometry(twRect(9720, -120, 5535, 735));
    setLabelFont(m_c, 12, true);
    setLabelFont(m_help, 9.75, true);
    setLabelFont(m_c2, 12, true);
    setLabelFont(m_help2, 9.75, true);
    setLabelFont(m_example, 8, false);
    m_example->setGeometry(twRect(0, 480, 5535, 255));
    // Until its text first changes a label stands where it was drawn; after that, the gap
    // to the right of the label before it.
    QLabel* const row[] = { m_c, m_help, m_c2, m_help2 };
    const QPoint drawnAt[] = { { 30, 120 }, { 1200, 170 }, { 1680, 120 }, { 2400, 170 } };
    for (size_t i = 0; i < std::size(row); ++i) {
        QLabel* label = row[i];
        const int x = i > 0 && m_flowed[i] ? row[i - 1]->x() + row[i - 1]->width() + tw(GapTwips)
                                           : tw(drawnAt[i].x());
        label->move(x, tw(drawnAt[i].y()));
        fitToText(label);
    }
}

void HelpArea::fitToText(QLabel* label)
{
    const QSize hint = label->sizeHint();
    label->resize(label->text().isEmpty() && label != m_help2 ? 0 : hint.width(), hint.height());
}

void HelpArea::typed(const QString& character)
{
    m_buffer += character;
    paskaidro(m_buffer, m_row);
    showRow();
}

void HelpArea::showRow()
{
    // paskaidro always empties the second half of the row before a rule fills it, and each
    // change moves the label that follows; doing the same keeps the row where it stood.
    setRowText(2, QString());
    setRowText(3, QString());
    setRowText(0, m_row.command);
    setRowText(1, m_row.help);
    setRowText(2, m_row.command2);
    setRowText(3, m_row.help2);
    m_example->setText(m_row.example);
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
        next->move(label->x() + label->width() + tw(GapTwips), next->y());
        m_flowed[size_t(index + 1)] = true;
    }
}

} // namespace zimo
