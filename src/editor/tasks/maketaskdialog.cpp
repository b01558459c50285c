#include "maketaskdialog.h"

#include "taskwindowmessages.h"

#include "editor/common/notice.h"
#include "platform/safefile.h"
#include "program/programstate.h"
#include "tasks/taskcheck.h"
#include "tasks/taskfile.h"

#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>

namespace zimo
{

MakeTaskDialog::MakeTaskDialog(const QString& program, const QString& folder, QWidget* parent)
    : QDialog(parent)
    , m_program(program)
    , m_folder(folder)
    , m_title(new QLineEdit(this))
    , m_instruction(new QPlainTextEdit(this))
    , m_required(new QLineEdit(this))
    , m_maxLines(new QSpinBox(this))
    , m_problem(new QLabel(this))
    , m_save(new QPushButton(taskwinmsg::saveTask(), this))
{
    setObjectName(QStringLiteral("izveidot_uzdevumu"));
    setWindowTitle(taskwinmsg::makeCaption());
    setAttribute(Qt::WA_DeleteOnClose);
    m_required->setToolTip(taskwinmsg::requiredTip());
    m_maxLines->setRange(0, ProgramState::MaxLines);
    m_maxLines->setSpecialValueText(taskwinmsg::noLimit());
    m_problem->setWordWrap(true);
    m_problem->setStyleSheet(QStringLiteral("color: rgb(180, 0, 0);"));
    auto* form = new QFormLayout(this);
    form->addRow(taskwinmsg::titleLabel(), m_title);
    form->addRow(new QLabel(taskwinmsg::instructionLabel(), this));
    form->addRow(m_instruction);
    form->addRow(taskwinmsg::requiredLabel(), m_required);
    form->addRow(taskwinmsg::maxLinesLabel(), m_maxLines);
    form->addRow(m_problem);
    auto* buttons = new QDialogButtonBox(this);
    buttons->addButton(m_save, QDialogButtonBox::AcceptRole);
    buttons->addButton(taskwinmsg::cancel(), QDialogButtonBox::RejectRole);
    form->addRow(buttons);
    connect(m_save, &QPushButton::clicked, this, &MakeTaskDialog::save);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    resize(480, 420);
}

Task MakeTaskDialog::task() const
{
    Task task;
    task.title = m_title->text().simplified();
    task.instruction = m_instruction->toPlainText().trimmed();
    for (const QString& word : m_required->text().split(u',', Qt::SkipEmptyParts)) {
        if (!word.trimmed().isEmpty())
            task.required.append(word.trimmed());
    }
    task.maxLines = m_maxLines->value();
    task.solution = m_program;
    return task;
}

QString MakeTaskDialog::saveTo(const QString& path) const
{
    const Task made = task();
    if (const QString problem = taskProblem(made); !problem.isEmpty())
        return problem;
    const TaskBytes bytes = taskFileBytes(made);
    if (!bytes.problem.isEmpty())
        return bytes.problem;
    return writeFileSafely(path, bytes.bytes);
}

void MakeTaskDialog::save()
{
    // What is wrong with the task is told before the teacher picks a file for it.
    const QString problem = taskProblem(task());
    m_problem->setText(problem);
    if (!problem.isEmpty())
        return;
    const QString name = task().title.isEmpty() ? QStringLiteral("uzdevums") : task().title;
    auto* dialog = new QFileDialog(this, taskwinmsg::saveCaption(),
        QDir(m_folder).filePath(name + TaskSuffix.toString()), taskwinmsg::taskFilter());
    dialog->setAcceptMode(QFileDialog::AcceptSave);
    dialog->setDefaultSuffix(TaskSuffix.mid(1).toString());
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    connect(dialog, &QFileDialog::fileSelected, this, &MakeTaskDialog::saveChosen);
    dialog->open();
}

void MakeTaskDialog::saveChosen(const QString& path)
{
    const QString problem = saveTo(path);
    if (!problem.isEmpty()) {
        m_problem->setText(taskwinmsg::taskNotSaved(QDir::toNativeSeparators(path), problem));
        return;
    }
    openNotice(parentWidget(), QMessageBox::Information,
        taskwinmsg::taskSaved(QDir::toNativeSeparators(path)));
    accept();
}

} // namespace zimo
