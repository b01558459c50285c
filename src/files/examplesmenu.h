#pragma once

#include <QMenu>

#include <functional>

namespace zimo
{

class ProgramFiles;
struct ExampleGroup;

/// Fills menu with a submenu per group and an item per file, titled as written, each
/// item's data its file's path; chosen calls back with that path. A greyed none stands in
/// for no group. Returns the items.
QList<QAction*> addGroupMenus(QMenu& menu, const QList<ExampleGroup>& groups, const QString& none,
    const std::function<void(const QString&)>& chosen);

/// The menu "Piemēri": a submenu per group of example programs, an item per program.
///
/// The groups are read once, when the menu is built. Choosing a program opens it through the
/// file operations as a program without a name, so saving it asks for one; a failure is told
/// there and leaves the text box as it was.
class ExamplesMenu : public QMenu
{
    Q_OBJECT
public:
    ExamplesMenu(ProgramFiles& files, const QList<ExampleGroup>& groups, QWidget* parent);

signals:
    /// An example stands in the text box now; the window clears the page for it.
    void exampleOpened();

private:
    void open(const QString& path);

    ProgramFiles& m_files;
};

} // namespace zimo
