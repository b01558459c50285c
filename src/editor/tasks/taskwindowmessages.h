#pragma once

#include <QString>

/// The texts of the drawing tasks in the window, in Latvian: the menu, the panel beside the
/// page and the dialog in which a teacher makes a task.
namespace zimo::taskwinmsg
{

QString tasksMenu();
QString noTasks();
/// What a solved task's item tells besides its tick.
QString solvedTip();
QString makeTask();

// The panel beside the page.
QString panelName();
QString showTarget();
QString showTargetTip();
QString leaveTask();
QString tryIt();

// Why a task cannot start, and a mark that could not be kept.
QString taskNotOpened(const QString& path, const QString& problem);
QString progressNotKept(const QString& path, const QString& reason);

// The dialog that makes a task from the program in the box.
QString makeCaption();
QString titleLabel();
QString instructionLabel();
QString requiredLabel();
QString requiredTip();
QString maxLinesLabel();
QString noLimit();
QString saveTask();
QString cancel();
QString saveCaption();
QString taskFilter();
QString taskNotSaved(const QString& path, const QString& reason);
QString taskSaved(const QString& path);

} // namespace zimo::taskwinmsg
