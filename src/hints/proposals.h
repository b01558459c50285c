#pragma once

#include <QString>
#include <QStringList>
#include <QStringView>

namespace zimo
{

/// The text a child most likely meant when no command acts on text: Latvian letters and
/// capitals in the command words written plainly, a blank put between a word and its
/// number, or one letter added, taken away or swapped in a keyword or a procedure name.
/// Only a text on which a command acts is proposed; empty when none is near.
QString proposeLine(QStringView text, const QStringList& procedures, bool branch);

/// The text with Latvian letters written without their marks and in lower case.
QString plainLetters(QStringView text);

} // namespace zimo
