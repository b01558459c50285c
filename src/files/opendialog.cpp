#include "opendialog.h"

#include "directorylist.h"
#include "drivelist.h"
#include "filelist.h"
#include "filemessages.h"
#include "twips.h"

#include <QPushButton>

namespace zimo
{

OpenDialog::OpenDialog(QWidget* parent)
    : QDialog(parent)
    , m_dir(new DirectoryList(this))
    , m_drive(new DriveList(this))
    , m_files(new FileList(this))
    , m_load(new QPushButton(filemsg::loadButton(), this))
    , m_cancel(new QPushButton(filemsg::cancelButton(), this))
{
    setObjectName(QStringLiteral("Form3"));
    setWindowTitle(filemsg::openCaption());
    setModal(false);
    // The dialog takes the main window's font, which follows the window's scale.
    setAttribute(Qt::WA_WindowPropagation);

    m_dir->setObjectName(QStringLiteral("Dir1"));
    m_drive->setObjectName(QStringLiteral("Drive1"));
    m_files->setObjectName(QStringLiteral("File1"));
    m_load->setObjectName(QStringLiteral("c_load"));
    m_load->setDefault(true);
    m_cancel->setObjectName(QStringLiteral("cancel"));
    setTabOrder(m_dir, m_drive);
    setTabOrder(m_drive, m_files);
    setTabOrder(m_files, m_load);
    setTabOrder(m_load, m_cancel);
    m_drive->showDriveOf(m_dir->path());
    m_files->setFolder(m_dir->path());

    layOut();

    connect(m_drive, &DriveList::driveChosen, this, &OpenDialog::Drive1_Change);
    connect(m_dir, &DirectoryList::pathChanged, this, &OpenDialog::Dir1_Change);
    connect(m_files, &QListWidget::itemDoubleClicked, this, &OpenDialog::c_load_Click);
    connect(m_load, &QPushButton::clicked, this, &OpenDialog::c_load_Click);
    connect(m_cancel, &QPushButton::clicked, this, &OpenDialog::cancel_Click);
}

// Every length is in twips, so the dialog follows the window's scale each time it opens.
void OpenDialog::layOut()
{
    setFixedSize(tw(5160), tw(4800));
    m_dir->setGeometry(twRect(120, 120, 2535, 3465));
    m_drive->setGeometry(twRect(120, 3600, 2535, 315));
    m_files->setGeometry(twRect(2760, 120, 2295, 3795));
    m_load->setGeometry(twRect(2880, 4200, 1095, 375));
    m_cancel->setGeometry(twRect(4080, 4200, 975, 375));
}

QString OpenDialog::folder() const { return m_dir->path(); }

void OpenDialog::setFolder(const QString& folder) { m_dir->setPath(folder); }

QString OpenDialog::selectedFile() const { return m_files->selectedFile(); }

void OpenDialog::Drive1_Change(const QString& path) { m_dir->setPath(path); }

void OpenDialog::Dir1_Change(const QString& path)
{
    m_drive->showDriveOf(path);
    m_files->setFolder(path);
}

void OpenDialog::c_load_Click() { emit loadRequested(folder(), selectedFile()); }

void OpenDialog::cancel_Click() { hide(); }

void OpenDialog::showEvent(QShowEvent* event)
{
    layOut();
    // Files saved or copied while the dialog was hidden must be there to choose.
    refresh();
    QDialog::showEvent(event);
}

void OpenDialog::refresh()
{
    m_drive->refresh();
    m_dir->refresh();
    const QString chosen = m_files->selectedFile();
    m_files->setFolder(m_dir->path());
    const QList<QListWidgetItem*> again = m_files->findItems(chosen, Qt::MatchExactly);
    if (!chosen.isEmpty() && !again.isEmpty())
        again.front()->setSelected(true);
}

} // namespace zimo
