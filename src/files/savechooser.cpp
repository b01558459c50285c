#include "savechooser.h"

#include "filemessages.h"
#include "programhost.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QPushButton>

namespace zimo
{

namespace
{

void askToReplace(ProgramHost& host, const SaveKind& kind, const QString& path,
    const std::function<void(const QString&)>& save)
{
    auto* box = new QMessageBox(QMessageBox::Question, filemsg::messageTitle(),
        kind.replaceQuestion(QDir::toNativeSeparators(path)), QMessageBox::NoButton,
        host.hostWindow());
    QPushButton* replace = box->addButton(filemsg::replaceButton(), QMessageBox::AcceptRole);
    box->addButton(filemsg::cancelButton(), QMessageBox::RejectRole);
    box->setAttribute(Qt::WA_DeleteOnClose);
    QObject::connect(box, &QMessageBox::finished, box, [&host, box, replace, path, save] {
        if (box->clickedButton() == replace && !host.isRunning())
            save(path);
    });
    box->open();
}

} // namespace

void chooseSavePath(ProgramHost& host, const SaveKind& kind, const QString& suggested,
    std::function<void(const QString& path)> save)
{
    auto* dialog = new QFileDialog(
        host.hostWindow(), kind.caption, suggested + u'.' + kind.suffix, kind.filter);
    dialog->setAcceptMode(QFileDialog::AcceptSave);
    dialog->setDefaultSuffix(kind.suffix);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    // Qt's own dialog speaks English unless told otherwise; a native one follows the system.
    dialog->setLabelText(QFileDialog::LookIn, filemsg::pictureLookIn());
    dialog->setLabelText(QFileDialog::FileName, filemsg::pictureFileName());
    dialog->setLabelText(QFileDialog::FileType, filemsg::pictureFileType());
    dialog->setLabelText(QFileDialog::Accept, filemsg::saveButton());
    dialog->setLabelText(QFileDialog::Reject, filemsg::cancelButton());
    dialog->setOption(QFileDialog::DontConfirmOverwrite);
    QObject::connect(dialog, &QFileDialog::fileSelected, dialog,
        [&host, kind, save = std::move(save)](const QString& path) {
            if (QFileInfo::exists(path))
                askToReplace(host, kind, path, save);
            else if (!host.isRunning())
                save(path);
        });
    dialog->open();
}

} // namespace zimo
