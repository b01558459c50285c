#pragma once

#include <QString>
#include <QStringList>
#include <QStringView>

#include <functional>

namespace zimo
{

/// Decides whether a candidate line may be proposed: some command acts on it and it
/// reads well.
using AcceptLine = std::function<bool(const QString&)>;

/// The text a child most likely meant when no command acts on text: Latvian letters,
/// capitals and tabs in the command words written plainly, a blank put between a word and
/// its number, one letter added, taken away or swapped in a keyword or a procedure name,
/// or else the nearest keyword with the text's own arguments. Empty when none is near.
QString proposeLine(QStringView text, const QStringList& procedures, const AcceptLine& accept);

/// The text with the word at [from, to) mended the same ways (its letters written plainly,
/// or one letter away from a keyword), when accept takes the result. Empty when none is.
QString proposeWordFix(QStringView text, qsizetype from, qsizetype to,
    const QStringList& procedures, const AcceptLine& accept);

/// The name among names a misspelt name most likely means: the same letters written
/// plainly, or one letter away. Empty when none is near.
QStringList nearNames(const QString& name, const QStringList& names);

/// One letter (or blank) added, taken away, or two neighbours swapped turn a into b.
bool oneEditApart(QStringView a, QStringView b);

/// The text with Latvian letters written without their marks and in lower case.
QString plainLetters(QStringView text);

} // namespace zimo
