#pragma once

#include <QString>

/// Every text of the main window that a user may read, in Latvian: captions, tooltips,
/// menus and start texts.
namespace zimo::windowmsg
{

QString title();
/// "Zimo – name" for a program that has a name.
QString titleWithProgram(const QString& name);

// Toolbar tooltips, in the order of the buttons.
QString newPage();
QString save();
QString runProgram();
QString stopProgram();
QString clearPage();
QString clearText();
/// Tooltip of sample button index 0-9.
QString sampleTooltip(int index);
QString lineThickness();
QString lineStyle();
QString colourCaption();
QString colourTooltip();

// Help area and status row.
QString helpStart();
QString angleStart();
QString coordinateStart();
QString pointerStart();
/// "Kursora koordinātas 120:45"
QString pointerAt(int x, int y);

// Picker panels.
QString firstColour();
QString ok();
QString cancel();

// Names a screen reader reads for controls that show no text of their own.
QString pageName();
QString textBoxName();
QString helpAreaName();
QString statusRowName();
QString colourPanelName();
/// "7. krāsa"
QString colourBoxName(int number);
QString colourPreviewName();
/// "3. stils"
QString styleSampleName(int number);
QString thicknessPreview();

// Menus; "&" marks the letter that Alt opens a menu with.
QString fileMenu();
QString newProgram();
QString load();
QString saveMenu();
QString savePicture();
QString exportMenu();
QString exportPdf();
QString exportSvg();
QString exportAnimation();
QString print();
QString printPreview();
QString restorePrevious();
QString saveAs();
QString quit();
QString help();
QString editMenu();
QString undo();
QString redo();
QString copyDrawing();

// The help window.
QString helpTitle();
QString helpSearch();
QString helpInsert();
QString helpInsertTip();
QString helpNothingFound();
/// The headings of a command's page: how it is written and its example.
QString helpForm();
QString helpExample();
/// What a command's picture shows, for those who cannot see it.
QString helpPicture();

// Hints beside the program.
/// The tooltip of a proposal that a click puts in place.
QString applyProposal();
QString programMenu();
QString start();
QString stop();
QString viewMenu();
QString scaleMenu();
/// "125 %"
QString scaleStep(int percent);
QString zoomIn();
QString zoomOut();

} // namespace zimo::windowmsg
