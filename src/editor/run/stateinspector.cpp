#include "stateinspector.h"

#include "runcontrolmessages.h"

#include "editor/common/qtcolour.h"
#include "run/snapshot.h"

#include <QHeaderView>
#include <QPixmap>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace zimo
{

namespace
{

QString realText(double value)
{
    QString text = QString::number(value, 'f', 2);
    while (text.contains(u'.') && (text.endsWith(u'0') || text.endsWith(u'.')))
        text.chop(1);
    return text == u"-0" ? QStringLiteral("0") : text;
}

QTreeWidgetItem* row(QTreeWidgetItem* parent, const QString& name, const QString& value)
{
    return new QTreeWidgetItem(parent, { name, value });
}

QPixmap swatch(Colour c)
{
    QPixmap pixmap(12, 12);
    pixmap.fill(toQColor(c));
    return pixmap;
}

} // namespace

QString fixedText(long long tenThousandths)
{
    const bool negative = tenThousandths < 0;
    const unsigned long long magnitude
        = negative ? 0ull - (unsigned long long)tenThousandths : (unsigned long long)tenThousandths;
    QString text = QString::number(magnitude / 10000);
    QString fraction = QStringLiteral("%1").arg(magnitude % 10000, 4, 10, QLatin1Char('0'));
    while (fraction.endsWith(u'0'))
        fraction.chop(1);
    if (!fraction.isEmpty())
        text += u'.' + fraction;
    return negative ? u'-' + text : text;
}

StateInspector::StateInspector(QWidget* parent)
    : QWidget(parent, Qt::Tool)
    , m_tree(new QTreeWidget(this))
{
    setObjectName(QStringLiteral("stavoklis"));
    setWindowTitle(runmsg::inspector());
    m_tree->setColumnCount(2);
    m_tree->setHeaderHidden(true);
    m_tree->setRootIsDecorated(false);
    m_tree->header()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->addWidget(m_tree);
    resize(320, 420);
}

QTreeWidgetItem* StateInspector::group(const QString& title)
{
    auto* item = new QTreeWidgetItem(m_tree, { title });
    QFont bold = item->font(0);
    bold.setBold(true);
    item->setFont(0, bold);
    item->setFirstColumnSpanned(true);
    return item;
}

void StateInspector::showSnapshot(const StateSnapshot& s)
{
    m_tree->setUpdatesEnabled(false);
    m_tree->clear();
    showTurtle(s);
    showTables(s);
    m_tree->expandAll();
    m_tree->setUpdatesEnabled(true);
}

void StateInspector::showTurtle(const StateSnapshot& s)
{
    QTreeWidgetItem* run = group(runmsg::runGroup());
    row(run, runmsg::nextLine(), s.line > 0 ? runmsg::lineNumber(s.line) : runmsg::noneYet());
    row(run, runmsg::stepsMade(), QString::number(s.steps));
    row(run, runmsg::speed(), fixedText(s.speed));

    QTreeWidgetItem* turtle = group(runmsg::turtleGroup());
    row(turtle, runmsg::position(), realText(s.x) + QStringLiteral("; ") + realText(s.y));
    row(turtle, runmsg::angle(), realText(s.displayAngle));
    row(turtle, runmsg::pen(), s.penDown ? runmsg::penDown() : runmsg::penUp());
    row(turtle, runmsg::width(), QString::number(s.penWidth));
    const QString hex = QStringLiteral("#%1%2%3")
                            .arg(redOf(s.lineColour), 2, 16, QLatin1Char('0'))
                            .arg(greenOf(s.lineColour), 2, 16, QLatin1Char('0'))
                            .arg(blueOf(s.lineColour), 2, 16, QLatin1Char('0'))
                            .toUpper();
    QTreeWidgetItem* colour
        = row(turtle, runmsg::colour(), runmsg::colourValue(s.colourNumber, hex));
    colour->setIcon(1, swatch(s.lineColour));
    row(turtle, runmsg::lineStyle(), runmsg::lineStyleName(s.lineStyle));
}

void StateInspector::showTables(const StateSnapshot& s)
{
    QTreeWidgetItem* variables = group(runmsg::variablesGroup());
    for (const auto& v : s.variables)
        row(variables, v.name, fixedText(v.value));
    if (s.variables.empty())
        row(variables, runmsg::noneYet(), QString());

    QTreeWidgetItem* loops = group(runmsg::forLoopsGroup());
    for (const auto& loop : s.forLoops)
        row(loops, loop.name, runmsg::forLoopValue(loop.current, loop.end, loop.step, loop.line));
    if (s.forLoops.empty())
        row(loops, runmsg::noneYet(), QString());

    QTreeWidgetItem* repeats = group(runmsg::repeatGroup());
    for (size_t i = 0; i < s.repeatBlocks.size(); ++i) {
        const auto& block = s.repeatBlocks[i];
        row(repeats, QString::number(i + 1), runmsg::repeatValue(block.count, block.line));
    }
    if (s.repeatBlocks.empty())
        row(repeats, runmsg::noneYet(), QString());

    QTreeWidgetItem* call = group(runmsg::callGroup());
    row(call, runmsg::callGroup(),
        s.inProcedure ? runmsg::inProcedure(s.returnLine) : runmsg::notInProcedure());
}

QString StateInspector::valueOf(const QString& groupTitle, const QString& name) const
{
    for (int g = 0; g < m_tree->topLevelItemCount(); ++g) {
        const QTreeWidgetItem* item = m_tree->topLevelItem(g);
        if (item->text(0) != groupTitle)
            continue;
        for (int r = 0; r < item->childCount(); ++r) {
            if (item->child(r)->text(0) == name)
                return item->child(r)->text(1);
        }
    }
    return {};
}

} // namespace zimo
