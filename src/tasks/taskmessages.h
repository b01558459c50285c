#pragma once

#include <QString>

/// The texts of tasks, their check and the class sheet, in Latvian: short and friendly for
/// the child who reads the result, plain for the teacher who reads the sheet.
namespace zimo::taskmsg
{

/// The section names of a task file, as written in it.
QString titleSection();
QString instructionSection();
QString requiredSection();
QString maxLinesSection();
QString solutionSection();

/// Why a task file cannot be read.
QString textBeforeSection(int line);
QString sectionTwice(const QString& section);
QString noTitle();
QString noInstruction();
QString noSolution();
QString badMaxLines(const QString& text);
QString sectionInText(const QString& line);
/// Why the reference program cannot make a target picture.
QString solutionFails(const QString& runMessage);
QString solutionDrawsNothing();
QString solutionMissesWord(const QString& word);
QString solutionTooLong(int count, int most);

/// "10 – sarkana": a colour number and its name.
QString colourName(int number);

/// The child's one sentence after a run.
QString solved();
QString solvedButUse(const QString& word);
QString solvedButShorter(int most);
QString runFailed();
QString pageEmpty();
QString wrongColour(int number);
QString partsMissing();
QString partsExtra();
QString partsMissingAndExtra();

/// The teacher's verdicts and short reasons.
QString verdictSolved();
QString verdictNotSolved();
QString reasonEmpty();
QString reasonColour(int number);
QString reasonMissing(int drawnPercent);
QString reasonExtra(int extraPercent);
QString reasonMissingAndExtra(int drawnPercent, int extraPercent);
QString reasonUnreadable(const QString& problem);
QString noteUse(const QString& word);
QString noteShorter(int count, int most);

/// "Māja: izdevās 28 no 30": the class sheet's heading.
QString sheetTitle(const QString& task, int solved, int programs);
/// The header line of the class's CSV file.
QString csvHeader();

} // namespace zimo::taskmsg
