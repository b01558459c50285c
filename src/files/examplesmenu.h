#pragma once

#include <QMenu>

namespace zimo
{

class ProgramFiles;
struct ExampleGroup;

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
