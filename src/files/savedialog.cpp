#include "savedialog.h"

#include "directorylist.h"
#include "drivelist.h"
#include "filelist.h"
#include "filemessages.h"
#include "programfile.h"
#include "twips.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace zimo
{

namespace
{

// Label1 and t_nosauk were drawn with a 12-point font.
QFont twelvePoints(QFont font)
{
    font.setPixelSize(ptPixels(12));
    return font;
}

} // namespace

SaveDialog::SaveDialog(QWidget* parent)
    : QDialog(parent)
    , m_dir(new DirectoryList(this))
    , m_drive(new DriveList(this))
    , m_files(new FileList(this))
    , m_label(new QLabel(filemsg::nameLabel(), this))
    , m_name(new QLineEdit(this))
    , m_labi(new QPushButton(filemsg::saveButton(), this))
    , m_atcelt(new QPushButton(filemsg::cancelButton(), this))
{
    setObjectName(QStringLiteral("Form2"));
    setWindowTitle(filemsg::saveCaption());
    setModal(false);
    // The dialog takes the main window's font, which follows the window's scale.
    setAttribute(Qt::WA_WindowPropagation);

    m_dir->setObjectName(QStringLiteral("Dir1"));
    m_drive->setObjectName(QStringLiteral("Drive1"));
    m_label->setObjectName(QStringLiteral("Label1"));
    m_name->setObjectName(QStringLiteral("t_nosauk"));
    // The label beside the box is not tied to it, so a screen reader gets its text here.
    m_name->setAccessibleName(filemsg::nameLabel());
    m_dir->setAccessibleName(filemsg::folderListName());
    m_labi->setObjectName(QStringLiteral("labi"));
    m_labi->setEnabled(false);
    m_labi->setDefault(true);
    m_atcelt->setObjectName(QStringLiteral("atcelt"));
    m_files->setObjectName(QStringLiteral("File1"));
    m_files->setAccessibleName(filemsg::fileListName());
    setTabOrder(m_dir, m_drive);
    setTabOrder(m_drive, m_name);
    setTabOrder(m_name, m_labi);
    setTabOrder(m_labi, m_atcelt);
    setTabOrder(m_atcelt, m_files);
    m_drive->showDriveOf(m_dir->path());
    m_files->setFolder(m_dir->path());

    layOut();

    connect(m_drive, &DriveList::driveChosen, this, &SaveDialog::Drive1_Change);
    connect(m_dir, &DirectoryList::pathChanged, m_drive, &DriveList::showDriveOf);
    connect(m_dir, &DirectoryList::pathChanged, this, &SaveDialog::Dir1_Change);
    connect(m_files, &QListWidget::itemClicked, this, &SaveDialog::File1_Click);
    connect(m_name, &QLineEdit::textChanged, this, &SaveDialog::t_nosauk_Change);
    connect(m_labi, &QPushButton::clicked, this, &SaveDialog::labi_Click);
    connect(m_atcelt, &QPushButton::clicked, this, &SaveDialog::atcelt_Click);
}

// Every length is in twips, so the dialog follows the window's scale each time it opens.
void SaveDialog::layOut()
{
    setFixedSize(tw(5025), tw(4725));
    m_dir->setGeometry(twRect(120, 120, 2655, 3690));
    m_drive->setGeometry(twRect(120, 3840, 2655, 315));
    m_label->setGeometry(twRect(2880, 120, 1935, 375));
    m_label->setFont(twelvePoints(m_label->font()));
    m_name->setGeometry(twRect(2880, 480, 1935, 375));
    m_name->setFont(twelvePoints(m_name->font()));
    m_labi->setGeometry(twRect(2880, 1080, 975, 375));
    m_atcelt->setGeometry(twRect(3960, 1080, 855, 375));
    // Below the buttons, down to the drive list's bottom edge.
    m_files->setGeometry(twRect(2880, 1560, 1935, 2595));
}

QString SaveDialog::folder() const { return m_dir->path(); }

void SaveDialog::setFolder(const QString& folder)
{
    m_dir->setPath(folder);
    m_files->setFolder(m_dir->path());
}

QString SaveDialog::name() const { return m_name->text(); }

void SaveDialog::setName(const QString& name) { m_name->setText(name); }

void SaveDialog::editName()
{
    m_name->setFocus();
    m_name->selectAll();
}

void SaveDialog::Drive1_Change(const QString& path) { m_dir->setPath(path); }

void SaveDialog::Dir1_Change(const QString& path) { m_files->setFolder(path); }

void SaveDialog::File1_Click()
{
    const QString file = m_files->selectedFile();
    if (!file.isEmpty())
        m_name->setText(programNameOf(file));
}

void SaveDialog::t_nosauk_Change(const QString& text) { m_labi->setEnabled(!text.isEmpty()); }

void SaveDialog::labi_Click()
{
    if (!m_name->text().isEmpty())
        emit saveRequested(folder(), name());
}

void SaveDialog::atcelt_Click() { hide(); }

void SaveDialog::showEvent(QShowEvent* event)
{
    layOut();
    m_drive->refresh();
    m_dir->refresh();
    m_files->setFolder(m_dir->path());
    m_name->setFocus();
    QDialog::showEvent(event);
}

} // namespace zimo
