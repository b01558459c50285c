#pragma once

#include <QList>
#include <QString>

namespace zimo
{

/// One row of the command list: the command, what is written after it, an example line
/// and what it does.
struct CommandEntry {
    QString command;
    QString arguments;
    QString example;
    QString meaning;
};

/// Every command of the language, built from the texts of the command help so that the
/// list and the help row never disagree: the movement commands, the commands of the help
/// rules in their order, then the commands the help does not name.
QList<CommandEntry> commandReference();

} // namespace zimo
