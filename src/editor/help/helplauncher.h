#pragma once

#include <QObject>
#include <QPointer>

class QAction;

namespace zimo
{

class HelpWindow;
class ProgramTextBox;

/// Opens the help window of the main window: F1 anywhere in it, and "Palīdzība" when there
/// is no command file of its own. F1 in the program text box opens the command of the
/// cursor's line. The help window's "Ievietot" asks for the example line to be appended to
/// the program.
///
/// The help window is created on first use, belongs to the main window and is afterwards
/// only shown and raised, so there is never more than one.
class HelpLauncher : public QObject
{
    Q_OBJECT
public:
    /// window: the main window, whose F1 opens the help; text: its program text box.
    HelpLauncher(QWidget& window, ProgramTextBox& text);

    /// The F1 action on the main window.
    QAction* f1() const { return m_f1; }
    /// The help window; null until it was first opened.
    HelpWindow* window() const;
    /// The scale of the help window, now and whenever it is built (1: normal size).
    void setScale(double scale);

public slots:
    /// Shows the help where it was last left.
    void open();
    /// F1: the command of the text box's cursor line when the text box has the focus,
    /// else the help as it was left.
    void openForFocus();
    /// Shows the command that line uses, or the help as it was left when it uses none.
    void openForLine(const QString& line);

signals:
    /// "Ievietot": the example line of the command shown, for the end of the program.
    void insertWanted(const QString& line);

private:
    HelpWindow& ensureWindow();

    QWidget& m_main;
    ProgramTextBox& m_text;
    QAction* m_f1;
    QPointer<HelpWindow> m_help;
    double m_scale = 1.0;
};

} // namespace zimo
