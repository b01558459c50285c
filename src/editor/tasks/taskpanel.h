#pragma once

#include <QFrame>

class QCheckBox;
class QLabel;
class QPushButton;

namespace zimo
{

/// The panel beside the page while a task is on: the task's title and instruction, the
/// result of the last run, the switch that shows or hides the target on the page, and the
/// way out of the task.
///
/// Its texts are larger than the window's, for a child to read at a glance; they follow the
/// window's scale.
class TaskPanel : public QFrame
{
    Q_OBJECT
public:
    explicit TaskPanel(QWidget* parent);

    void showTask(const QString& title, const QString& instruction);
    /// The sentence after a run: green and large when the task is solved.
    void showResult(const QString& sentence, bool solved);
    /// No result yet: what to do first.
    void clearResult();
    bool targetShown() const;

    QLabel* titleLabel() const { return m_title; }
    QLabel* instruction() const { return m_instruction; }
    QLabel* result() const { return m_result; }
    QCheckBox* targetSwitch() const { return m_target; }
    QPushButton* leaveButton() const { return m_leave; }

signals:
    void targetToggled(bool shown);
    void leaveRequested();
    /// Its texts changed, and with them the height they need.
    void textsChanged();

protected:
    void changeEvent(QEvent* event) override;

private:
    void applyFonts();

    QLabel* m_title;
    QLabel* m_instruction;
    QLabel* m_result;
    QCheckBox* m_target;
    QPushButton* m_leave;
    bool m_solved = false;
};

} // namespace zimo
