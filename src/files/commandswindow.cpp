#include "commandswindow.h"

#include "commandreference.h"
#include "filemessages.h"

#include <QHeaderView>
#include <QLabel>
#include <QTableWidget>
#include <QVBoxLayout>

namespace zimo
{

namespace
{

QTableWidget* commandTable(QWidget* parent)
{
    const QList<CommandEntry> entries = commandReference();
    auto* table = new QTableWidget(int(entries.size()), 4, parent);
    table->setObjectName(QStringLiteral("komandu_saraksts"));
    table->setHorizontalHeaderLabels({ filemsg::columnCommand(), filemsg::columnArguments(),
        filemsg::columnExample(), filemsg::columnMeaning() });
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->verticalHeader()->hide();
    table->setWordWrap(true);
    for (int row = 0; row < entries.size(); ++row) {
        const CommandEntry& entry = entries[row];
        const QStringList cells = { entry.command, entry.arguments, entry.example, entry.meaning };
        for (int column = 0; column < cells.size(); ++column)
            table->setItem(row, column, new QTableWidgetItem(cells[column]));
        QFont bold = table->item(row, 0)->font();
        bold.setBold(true);
        table->item(row, 0)->setFont(bold);
    }
    // The meanings take the width that is left and wrap; the rows grow to hold them.
    QHeaderView* header = table->horizontalHeader();
    for (int column = 0; column < 3; ++column)
        header->setSectionResizeMode(column, QHeaderView::ResizeToContents);
    header->setSectionResizeMode(3, QHeaderView::Stretch);
    table->verticalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    return table;
}

} // namespace

CommandsWindow::CommandsWindow(QWidget* parent)
    : QWidget(parent, Qt::Window)
{
    setObjectName(QStringLiteral("Komandas"));
    setWindowTitle(filemsg::commandsCaption());
    auto* layout = new QVBoxLayout(this);
    auto* intro = new QLabel(filemsg::commandsIntro(), this);
    intro->setWordWrap(true);
    layout->addWidget(intro);
    layout->addWidget(commandTable(this));
    resize(900, 640);
}

} // namespace zimo
