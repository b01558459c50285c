#include "restoredialog.h"

#include "filemessages.h"
#include "recoveryhistory.h"
#include "twips.h"

#include <QDate>
#include <QDialogButtonBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace zimo
{

RestoreDialog::RestoreDialog(QWidget* parent)
    : QDialog(parent)
    , m_list(new QListWidget(this))
    , m_open(new QPushButton(filemsg::openButton(), this))
{
    setObjectName(QStringLiteral("atjaunosana"));
    setWindowTitle(filemsg::restoreCaption());
    setModal(false);
    setAttribute(Qt::WA_WindowPropagation);
    m_list->setObjectName(QStringLiteral("versijas"));
    m_open->setObjectName(QStringLiteral("atvert"));
    m_open->setDefault(true);
    auto* cancel = new QPushButton(filemsg::cancelButton(), this);
    cancel->setObjectName(QStringLiteral("atcelt"));
    auto* buttons = new QDialogButtonBox(this);
    buttons->addButton(m_open, QDialogButtonBox::AcceptRole);
    buttons->addButton(cancel, QDialogButtonBox::RejectRole);
    auto* label = new QLabel(filemsg::restoreExplanation(), this);
    label->setWordWrap(true);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(label);
    layout->addWidget(m_list);
    layout->addWidget(buttons);
    resize(tw(7200), tw(5400));

    connect(m_open, &QPushButton::clicked, this, &RestoreDialog::openChosen);
    connect(cancel, &QPushButton::clicked, this, &QDialog::hide);
    connect(m_list, &QListWidget::itemActivated, this, &RestoreDialog::openChosen);
}

void RestoreDialog::showEntries(const QList<RecoveryEntry>& entries)
{
    m_list->clear();
    const QDate today = QDate::currentDate();
    for (const RecoveryEntry& entry : entries) {
        auto* item = new QListWidgetItem(
            filemsg::recoveryEntry(entry.time, today, entry.firstLine), m_list);
        item->setData(Qt::UserRole, entry.path);
    }
    if (entries.isEmpty())
        new QListWidgetItem(filemsg::noRecoveryEntries(), m_list);
    m_list->setEnabled(!entries.isEmpty());
    m_open->setEnabled(!entries.isEmpty());
    m_list->setCurrentRow(0);
    m_list->setFocus();
}

void RestoreDialog::openChosen()
{
    const QListWidgetItem* item = m_list->currentItem();
    if (item && !item->data(Qt::UserRole).toString().isEmpty())
        emit restoreRequested(item->data(Qt::UserRole).toString());
}

} // namespace zimo
