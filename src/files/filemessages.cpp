#include "filemessages.h"

namespace zimo::filemsg
{

QString messageTitle() { return QStringLiteral("Zimo"); }
QString saveCaption() { return QStringLiteral("Saglabāt"); }
QString openCaption() { return QStringLiteral("Ielādēt"); }
QString restoreCaption() { return QStringLiteral("Atjaunot programmu"); }

QString restoreExplanation()
{
    return QStringLiteral("Šeit ir programmas, kas bija logā, jaunākās augšā. Izvēlētā "
                          "atvērsies kā jauna programma bez nosaukuma.");
}

QString recoveryEntry(const QDateTime& time, const QDate& today, const QString& firstLine)
{
    const QDate day = time.date();
    const QString clock = time.toString(QStringLiteral("HH:mm"));
    const QString when = day == today ? QStringLiteral("šodien %1").arg(clock)
        : day == today.addDays(-1)    ? QStringLiteral("vakar %1").arg(clock)
                                      : time.toString(QStringLiteral("dd.MM.yyyy. HH:mm"));
    return QStringLiteral("%1   %2").arg(when, firstLine);
}

QString noRecoveryEntries() { return QStringLiteral("Vēl nav nevienas saglabātas versijas."); }
QString nameLabel() { return QStringLiteral("Faila nosaukums"); }
QString folderListName() { return QStringLiteral("Mapes"); }
QString fileListName() { return QStringLiteral("Programmas šajā mapē"); }
QString saveButton() { return QStringLiteral("Saglabāt"); }
QString loadButton() { return QStringLiteral("Ielādēt"); }
QString openButton() { return QStringLiteral("Atvērt"); }
QString cancelButton() { return QStringLiteral("Atcelt"); }
QString okButton() { return QStringLiteral("Labi"); }
QString replaceButton() { return QStringLiteral("Aizstāt"); }
QString saveElsewhereButton() { return QStringLiteral("Saglabāt ar citu nosaukumu"); }
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

QString programNotLoaded(const QString& path, const QString& reason)
{
    return QStringLiteral("Failu „%1” neizdevās ielādēt: %2. Programmas teksts nav mainīts.")
        .arg(path, reason);
}

QString fileTooLarge(qint64 size, qint64 limit)
{
    constexpr qint64 KB = 1024;
    constexpr qint64 MB = 1024 * KB;
    // Below ten megabytes a size in kilobytes shows how far it is over the limit.
    const QString shownSize = size < 10 * MB
        ? QStringLiteral("%1 KB").arg((size + KB - 1) / KB)
        : QStringLiteral("%1 MB").arg(QString::number(double(size) / MB, 'f', 1).replace(u'.', u','));
    return QStringLiteral("fails ir %1 liels, bet programmas fails var būt ne lielāks par %2 KB "
                          "(%3 MB)")
        .arg(shownSize)
        .arg(limit / KB)
        .arg(limit / MB);
}

QString workFileName(const QString& name)
{
    return QStringLiteral("Nosaukumu „%1” šajā mapē izmanto pati Zimo: šo failu pārraksta katra "
                          "programmas palaišana vai saglabāšana. Izvēlies citu nosaukumu.")
        .arg(name);
}

QString replaceProgram(const QString& fileName)
{
    return QStringLiteral("Fails „%1” jau ir. Vai aizstāt to?").arg(fileName);
}

QString changedOnDisk(const QString& fileName)
{
    return QStringLiteral("Fails „%1” ir mainīts, kopš tu to atvēri vai saglabāji (varbūt to "
                          "mainīja kāds cits vai cits Zimo logs). Ko darīt?")
        .arg(fileName);
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
    return QStringLiteral("Programmu neizdevās atjaunot no faila „%1”: %2. "
                          "Programmas teksts nav mainīts.")
        .arg(path, reason);
}

QString recoveryNotKept(const QString& path, const QString& reason)
{
    return QStringLiteral("Programmas rezerves kopiju neizdevās ierakstīt mapē „%1”: %2. "
                          "Teksts paliek logā; saglabā to, lai tas nepazustu.")
        .arg(path, reason);
}

QString examplesMenu() { return QStringLiteral("Pie&mēri"); }
QString noExamples() { return QStringLiteral("Piemēru mape nav atrasta"); }

} // namespace zimo::filemsg
