#include "helplauncher.h"

#include "helpcontent.h"
#include "helpwindow.h"

#include "editor/textbox/programtextbox.h"
#include "editor/window/editoractions.h"
#include "editor/window/form1.h"
#include "files/programfiles.h"

#include <QAction>
#include <QTextBlock>

namespace zimo
{

HelpLauncher::HelpLauncher(Form1& form)
    : QObject(&form)
    , m_form(form)
    , m_f1(new QAction(&form))
{
    m_f1->setObjectName(QStringLiteral("f1"));
    m_f1->setShortcut(QKeySequence(Qt::Key_F1));
    m_f1->setShortcutContext(Qt::WindowShortcut);
    form.addAction(m_f1);
    connect(m_f1, &QAction::triggered, this, &HelpLauncher::openForFocus);
    connect(&form.files(), &ProgramFiles::helpWanted, this, &HelpLauncher::open);
}

HelpWindow* HelpLauncher::window() const { return m_window; }

HelpWindow& HelpLauncher::ensureWindow()
{
    if (!m_window) {
        m_window = new HelpWindow(helpContent(), &m_form);
        m_window->setScale(m_scale);
        connect(m_window, &HelpWindow::insertWanted, &m_form.actions(), &EditorActions::insertLine);
    }
    return *m_window;
}

void HelpLauncher::setScale(double scale)
{
    m_scale = scale;
    if (m_window)
        m_window->setScale(scale);
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
    ProgramTextBox* text = m_form.ieraksti();
    // The window's own focus: F1 reaches the window only while it is active.
    if (m_form.focusWidget() == text)
        openForLine(text->textCursor().block().text());
    else
        open();
}

void HelpLauncher::openForLine(const QString& line)
{
    const HelpContent& content = helpContent();
    const int entry = entryForLine(content.commands, line, procedureNames(m_form.programText()));
    HelpWindow& help = ensureWindow();
    if (entry >= 0)
        help.showCommand(entry);
    open();
}

} // namespace zimo
