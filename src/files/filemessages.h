#pragma once

#include <QString>
#include <QStringView>

/// Every text of the program files and the save and open dialogs that a user may read, in
/// Latvian.
namespace zimo::filemsg
{

// Window and control captions.
QString messageTitle();
QString saveCaption();
QString openCaption();
QString nameLabel();
QString saveButton();
QString loadButton();
QString cancelButton();
QString okButton();
QString replaceButton();
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
/// The text holds a character the program file's code page cannot hold.
QString cannotHold(const QString& character, int line);
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
