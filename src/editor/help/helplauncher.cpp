#include "helplauncher.h"

#include "helpcontent.h"
#include "helpwindow.h"

#include "editor/textbox/programtextbox.h"

#include <QAction>
#include <QTextBlock>

namespace zimo
{

HelpLauncher::HelpLauncher(QWidget& window, ProgramTextBox& text)
    : QObject(&window)
    , m_main(window)
    , m_text(text)
    , m_f1(new QAction(&window))
{
    m_f1->setObjectName(QStringLiteral("f1"));
    m_f1->setShortcut(QKeySequence(Qt::Key_F1));
    m_f1->setShortcutContext(Qt::WindowShortcut);
    window.addAction(m_f1);
    connect(m_f1, &QAction::triggered, this, &HelpLauncher::openForFocus);
}

HelpWindow* HelpLauncher::window() const { return m_help; }

HelpWindow& HelpLauncher::ensureWindow()
{
    if (!m_help) {
        m_help = new HelpWindow(helpContent(), &m_main);
        m_help->setScale(m_scale);
        connect(m_help, &HelpWindow::insertWanted, this, &HelpLauncher::insertWanted);
    }
    return *m_help;
}

void HelpLauncher::setScale(double scale)
{
    m_scale = scale;
    if (m_help)
        m_help->setScale(scale);
}

void HelpLauncher::open()
{
    HelpWindow& help = ensureWindow();
    help.show();
    help.raise();
    help.activateWindow();
}

void HelpLauncher::openForFocus()
{
    // The window's own focus: F1 reaches the window only while it is active.
    if (m_main.focusWidget() == &m_text)
        openForLine(m_text.textCursor().block().text());
    else
        open();
}

void HelpLauncher::openForLine(const QString& line)
{
    const HelpContent& content = helpContent();
    const int entry = entryForLine(content.commands, line, procedureNames(m_text.programText()));
    HelpWindow& help = ensureWindow();
    if (entry >= 0)
        help.showCommand(entry);
    open();
}

} // namespace zimo
