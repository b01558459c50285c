#include "filemessages.h"

#include <QList>

namespace zimo::filemsg
{

QString messageTitle() { return QStringLiteral("Zimo"); }
QString saveCaption() { return QStringLiteral("Saglabāt"); }
QString openCaption() { return QStringLiteral("Ielādēt"); }
QString nameLabel() { return QStringLiteral("Faila nosaukums"); }
QString saveButton() { return QStringLiteral("Saglabāt"); }
QString loadButton() { return QStringLiteral("Ielādēt"); }
QString cancelButton() { return QStringLiteral("Atcelt"); }
QString okButton() { return QStringLiteral("Labi"); }
QString replaceButton() { return QStringLiteral("Aizstāt"); }
QString pictureCaption() { return QStringLiteral("Saglabāt attēlu"); }
QString pictureFilter() { return QStringLiteral("PNG attēli (*.png)"); }
QString pictureLookIn() { return QStringLiteral("Mape:"); }
QString pictureFileName() { return QStringLiteral("Faila nosaukums:"); }
QString pictureFileType() { return QStringLiteral("Faila veids:"); }
QString pictureDefaultName() { return QStringLiteral("zimejums"); }
QString homeDrive(const QString& path) { return QStringLiteral("Mājas mape (%1)").arg(path); }

QString reasonNoFile() { return QStringLiteral("tāda faila nav"); }
QString reasonIsFolder() { return QStringLiteral("tā ir mape, nevis fails"); }
QString reasonFolderInTheWay() { return QStringLiteral("ar šo nosaukumu jau ir mape"); }
QString reasonNoFolder() { return QStringLiteral("tādas mapes nav"); }
QString reasonFolderLocked() { return QStringLiteral("šajā mapē nav atļauts rakstīt"); }
QString reasonFileLocked() { return QStringLiteral("fails ir aizsargāts pret pārrakstīšanu"); }
QString reasonNotReadable() { return QStringLiteral("šo failu nav atļauts lasīt"); }
QString reasonDiskFull() { return QStringLiteral("diskā nepietiek vietas"); }
QString reasonReadFailed() { return QStringLiteral("failu neizdevās nolasīt"); }
QString reasonWriteFailed() { return QStringLiteral("failu neizdevās ierakstīt"); }

QString workFileNotWritten(const QString& path, const QString& reason)
{
    return QStringLiteral("Darba failu „%1” neizdevās ierakstīt: %2. Programma netika "
                          "saglabāta, tās teksts paliek logā.")
        .arg(path, reason);
}

QString programNotSaved(const QString& path, const QString& reason)
{
    return QStringLiteral("Programmu neizdevās saglabāt failā „%1”: %2. Tās teksts paliek "
                          "logā, un fails diskā nav mainīts.")
        .arg(path, reason);
}

QString cannotHold(const QString& character, int line)
{
    const QList<uint> codePoints = character.toUcs4();
    const uint codePoint = codePoints.isEmpty() ? 0 : codePoints.front();
    return QStringLiteral("Programmu nevar saglabāt: %1. rindā ir rakstzīme „%2” (U+%3), ko "
                          "programmas failā nevar ierakstīt. Nomaini vai izdzēs to un saglabā "
                          "vēlreiz. Nekas netika mainīts.")
        .arg(line)
        .arg(character)
        .arg(QString::number(codePoint, 16).toUpper().rightJustified(4, u'0'));
}

QString programNotLoaded(const QString& path, const QString& reason)
{
    return QStringLiteral("Failu „%1” neizdevās ielādēt: %2. Programmas teksts nav mainīts.")
        .arg(path, reason);
}

QString noFileChosen() { return QStringLiteral("Vispirms izvēlies sarakstā failu, ko ielādēt."); }

QString nameHasCharacter(QStringView character)
{
    return QStringLiteral("Faila nosaukumā nedrīkst būt rakstzīme „%1”.").arg(character.toString());
}

QString nameNotAllowed(const QString& name)
{
    return QStringLiteral("„%1” nevar būt faila nosaukums.").arg(name);
}

QString pictureNotSaved(const QString& path, const QString& reason)
{
    return QStringLiteral("Attēlu neizdevās saglabāt failā „%1”: %2.").arg(path, reason);
}

QString replacePicture(const QString& path)
{
    return QStringLiteral("Fails „%1” jau ir. Vai aizstāt to ar šo attēlu?").arg(path);
}

QString recoveryNotRead(const QString& path, const QString& reason)
{
    return QStringLiteral("Iepriekšējo programmu neizdevās atjaunot no faila „%1”: %2. "
                          "Programmas teksts nav mainīts.")
        .arg(path, reason);
}

} // namespace zimo::filemsg
