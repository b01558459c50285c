#pragma once

#include <QDialog>

class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QSpinBox;

namespace zimo
{

struct Task;

/// "Fails → Izveidot uzdevumu…": a teacher turns the program in the box into a task file.
///
/// Asks for the title, the instruction, the words a program must use and the most lines;
/// the program is the reference solution. Saving checks the task first (the program must
/// finish without an error, draw something and meet its own requirements) and tells in the
/// dialog what is wrong; then it asks where, and writes the file through the checked write
/// path. It never blocks the main window and deletes itself when closed.
class MakeTaskDialog : public QDialog
{
    Q_OBJECT
public:
    MakeTaskDialog(const QString& program, const QString& folder, QWidget* parent);

    /// The task as the dialog's fields make it.
    Task task() const;
    /// Writes the task to path: an empty string, else why it was not written (the task's
    /// problem, or the file's).
    QString saveTo(const QString& path) const;

    QLineEdit* titleField() const { return m_title; }
    QPlainTextEdit* instructionField() const { return m_instruction; }
    QLineEdit* requiredField() const { return m_required; }
    QSpinBox* maxLinesField() const { return m_maxLines; }
    QLabel* problemLabel() const { return m_problem; }
    QPushButton* saveButton() const { return m_save; }

private:
    void save();
    void saveChosen(const QString& path);

    QString m_program;
    QString m_folder;
    QLineEdit* m_title;
    QPlainTextEdit* m_instruction;
    QLineEdit* m_required;
    QSpinBox* m_maxLines;
    QLabel* m_problem;
    QPushButton* m_save;
};

} // namespace zimo
