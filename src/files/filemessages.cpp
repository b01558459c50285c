#include "filemessages.h"

#include "platform/textcodec.h"

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
    return QStringLiteral("Programmu nevar saglabāt: %1. rindā ir rakstzīme „%2” (%3), ko "
                          "programmas failā nevar ierakstīt. Nomaini vai izdzēs to un saglabā "
                          "vēlreiz. Nekas netika mainīts.")
        .arg(line)
        .arg(character, codePointText(character));
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

QString printCaption() { return QStringLiteral("Drukāt zīmējumu"); }
QString previewCaption() { return QStringLiteral("Drukas priekšskatījums"); }
QString printOptions() { return QStringLiteral("Zīmējums"); }
QString printProgramText() { return QStringLiteral("Drukāt arī programmas tekstu"); }
QString pdfCaption() { return QStringLiteral("Eksportēt PDF dokumentu"); }
QString pdfFilter() { return QStringLiteral("PDF dokumenti (*.pdf)"); }
QString svgCaption() { return QStringLiteral("Eksportēt SVG attēlu"); }
QString svgFilter() { return QStringLiteral("SVG attēli (*.svg)"); }
QString gifCaption() { return QStringLiteral("Eksportēt animāciju"); }
QString gifFilter() { return QStringLiteral("GIF animācijas (*.gif)"); }

QString replaceFile(const QString& path)
{
    return QStringLiteral("Fails „%1” jau ir. Vai aizstāt to?").arg(path);
}

QString drawingNotSaved(const QString& path, const QString& reason)
{
    return QStringLiteral(
        "Zīmējumu neizdevās saglabāt failā „%1”: %2. Nepabeigts fails diskā nav palicis.")
        .arg(path, reason);
}

QString notPrinted() { return QStringLiteral("Zīmējumu neizdevās izdrukāt."); }

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

QString recoveryNotKept(const QString& path, const QString& reason)
{
    return QStringLiteral("Programmas rezerves kopiju neizdevās ierakstīt failā „%1”: %2. "
                          "Teksts paliek logā; saglabā to, lai tas nepazustu.")
        .arg(path, reason);
}

QString examplesMenu() { return QStringLiteral("Pie&mēri"); }
QString noExamples() { return QStringLiteral("Piemēru mape nav atrasta"); }

} // namespace zimo::filemsg
