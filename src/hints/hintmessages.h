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
QString signedNumber(const QString& field);
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

} // namespace zimo::hintmsg
