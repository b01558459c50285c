#pragma once

#include <QString>

/// The hints' texts, in Latvian: short and friendly, for a child who is learning.
namespace zimo::hintmsg
{

/// "Šajā rindā nav nevienas komandas. Vai domāji „proposal”?" (without a proposal, just
/// that the line does nothing).
QString noCommand(const QString& proposal);
/// The same for the text after "tad" or "citadi" of a condition.
QString noCommandAfterThen(const QString& proposal);
QString noCommandAfterElse(const QString& proposal);
/// A keyword that stands at the line's end without the blank that belongs to it.
QString keywordAtEnd(const QString& keyword, const QString& needs);
QString needsNumber();
QString needsCommand();
QString needsCondition();
QString needsLabel();
QString needsName();
/// A field that looks like a number but is read as a name.
QString signedNumber(const QString& field, const QString& proposal = {});
QString fractionalNumber(const QString& field);
QString letterInNumber(const QString& field, const QString& proposal);
/// A name the program never gives a value.
QString unknownName(const QString& name);
/// Blanks around the operator of a condition.
QString blanksInCondition(const QString& operand, const QString& proposal);
/// A blank after a comma among the arguments.
QString blankAfterComma(const QString& lastPart, const QString& proposal);
/// "iet uz label" where no line begins with the label.
QString noSuchLabel(const QString& label);

/// A word the run passes over, so the line does something else than it seems to.
QString unknownWord(const QString& word, const QString& proposal);
/// A command of another turtle language, and how this one says it.
QString foreignCommand(const QString& word, const QString& latvian, const QString& proposal);
QString foreignBack(const QString& word, const QString& amount);
QString foreignPenUp(const QString& word);
QString foreignPenDown(const QString& word);
QString foreignRepeat(const QString& proposal);
QString foreignHeading(const QString& word, const QString& proposal);

/// Blocks whose opening or closing line is missing, or that cross each other.
QString repeatNotClosed();
QString forNotClosed();
QString endWithoutRepeat();
QString nextWithoutFor();
QString procedureNotClosed();
QString endCrossesFor(int forLine);
QString nextCrossesRepeat(int repeatLine);

/// Calls that do not come back where they were made.
QString callInLoop(const QString& name);
QString callInProcedure(const QString& name, const QString& outer);
QString callInsideWord(const QString& name, const QString& word);
QString severalCalls(const QString& names);
QString callInBranch();
QString jumpInBranch();
/// A command on a conditional line that acts whether the condition holds or not.
QString actsWhatever(const QString& keyword);
QString endsWhatever();
/// A line that begins with "ja " but has no "tad ": its commands act whatever the condition.
QString thenMissing(const QString& proposal);

/// Values a command quietly changes.
QString colourOutOfRange(const QString& value, int used);
QString styleOutOfRange(const QString& value);
QString widthBelowOne(const QString& value);
QString fillWithWidePen(int width);
QString colourByName(const QString& name, int number, const QString& proposal);
QString signedMove(const QString& field);

/// Text between a command and its last blank, which the command passes over.
QString passedOver(
    const QString& command, const QString& field, const QString& skipped, const QString& proposal);
QString nothingAfterBlank(const QString& command, const QString& proposal);
QString blankAtEnd(const QString& proposal);

/// Names without a value where they are used.
QString valueOnlyLater(const QString& name);
QString loopAlreadyEnded(const QString& name);
QString loopNotYetStarted(const QString& name);
QString unknownNameMeant(const QString& name, const QString& proposal);
QString numberOnTheLeft(const QString& left, const QString& proposal);

/// The help row before anything is typed: how to begin, and an example line.
QString howToBegin();
QString howToBeginExample();

/// More lines than a program may have.
QString tooManyLines();

} // namespace zimo::hintmsg
