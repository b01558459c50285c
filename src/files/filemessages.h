#pragma once

#include <QDate>
#include <QDateTime>
#include <QString>
#include <QStringView>

/// Every text of the program files and the save and open dialogs that a user may read, in
/// Latvian.
namespace zimo::filemsg
{

// Window and control captions.
QString messageTitle();
QString saveCaption();
QString restoreCaption();
/// Over the list of kept versions: what they are.
QString restoreExplanation();
/// One kept version in the list: when it was written (today, yesterday or the date) and its
/// first line.
QString recoveryEntry(const QDateTime& time, const QDate& today, const QString& firstLine);
QString noRecoveryEntries();
QString openCaption();
QString nameLabel();
/// What a screen reader calls the folder tree and the list of program files.
QString folderListName();
QString fileListName();
QString saveButton();
QString loadButton();
QString openButton();
QString cancelButton();
QString okButton();
QString replaceButton();
QString saveElsewhereButton();
QString pictureCaption();
QString pictureFilter();
QString pictureLookIn();
QString pictureFileName();
QString pictureFileType();
/// The picture file exists: is it to be replaced?
QString replacePicture(const QString& path);
/// The picture's file name when the program has no name yet, without ".png".
QString pictureDefaultName();
/// The drive list's entry for the home folder.
QString homeDrive(const QString& path);

// Printing and the exports of the drawing.
QString printCaption();
QString previewCaption();
/// The print dialog's tab, and its choice of the program's text after the drawing.
QString printOptions();
QString printProgramText();
QString pdfCaption();
QString pdfFilter();
QString svgCaption();
QString svgFilter();
QString gifCaption();
QString gifFilter();
/// The chosen file exists: is it to be replaced?
QString replaceFile(const QString& path);

// Messages.
/// The work file "pag.zkf" could not be written, so nothing was saved.
QString workFileNotWritten(const QString& path, const QString& reason);
/// The program file could not be written; the old file, if any, is as it was.
QString programNotSaved(const QString& path, const QString& reason);
/// A program file larger than limit is not loaded; fits after a colon.
QString fileTooLarge(qint64 size, qint64 limit);
/// name is one of the work files of the folder: the program would be overwritten.
QString workFileName(const QString& name);
/// "Fails „NAME.zkf” jau ir. Vai aizstāt to?"
QString replaceProgram(const QString& fileName);
/// The program's file changed on disk since this window read or wrote it.
QString changedOnDisk(const QString& fileName);
QString programNotLoaded(const QString& path, const QString& reason);
QString noFileChosen();
QString nameHasCharacter(QStringView character);
QString nameNotAllowed(const QString& name);
QString pictureNotSaved(const QString& path, const QString& reason);
/// An export of the drawing could not be written; no part of it was left behind.
QString drawingNotSaved(const QString& path, const QString& reason);
QString notPrinted();
QString recoveryNotRead(const QString& path, const QString& reason);
/// The recovery copy of the text could not be written; the text stays in the window.
QString recoveryNotKept(const QString& path, const QString& reason);

// The menu of example programs.
QString examplesMenu();
/// The menu's only item when no example folder was found.
QString noExamples();

} // namespace zimo::filemsg
