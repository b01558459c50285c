#include "savechooser.h"

#include "filemessages.h"
#include "programhost.h"
#include "prompts.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>

namespace zimo
{

namespace
{

void askToReplace(ProgramHost& host, const SaveKind& kind, const QString& path,
    const std::function<void(const QString&)>& save)
{
    ask(host.hostWindow(), kind.replaceQuestion(shownPath(path)),
        { filemsg::replaceButton(), filemsg::cancelButton() }, [&host, path, save](int answer) {
            if (answer == 0 && !host.isRunning())
                save(path);
        });
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
