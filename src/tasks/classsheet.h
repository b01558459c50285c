#pragma once

#include <QImage>
#include <QList>
#include <QString>

namespace zimo
{

struct GradedProgram;

/// The class sheet, for a teacher to look over at a glance: the task's title and how many
/// solved it, then every program's final page as a thumbnail in a grid, in the order given,
/// each with its file name and its verdict beneath and a frame in the verdict's colour.
/// Its texts need a QGuiApplication (fonts).
QImage classSheet(const QString& title, const QList<GradedProgram>& graded);

} // namespace zimo
