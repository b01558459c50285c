#pragma once

#include <QList>
#include <QString>

namespace zimo
{

/// One example program or task: its title in the menu and its file.
struct Example {
    QString title;
    QString path;
};

/// The example programs (or tasks) of one folder of the examples (tasks) folder, in their
/// order.
struct ExampleGroup {
    QString title;
    QList<Example> examples;
};

/// The examples folder: the installed one beside the program, else the source tree's when the
/// program runs from its build; empty when there is none.
QString exampleFolder();

/// The tasks folder, found as the examples folder is.
QString taskFolder();

/// The title a folder, program file or task file name stands for: without the order number
/// in front ("01 ") and without ".zkf" or ".zku".
QString exampleTitle(const QString& fileName);

/// The groups of folder in the order of their names, each with its ".zkf" files in the order
/// of their names; a folder without program files is left out.
QList<ExampleGroup> exampleGroups(const QString& folder);
/// The same for the ".zku" files of the tasks folder.
QList<ExampleGroup> taskGroups(const QString& folder);

} // namespace zimo
