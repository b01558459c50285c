#pragma once

#include "programfile.h"

#include <QString>

namespace zimo
{

/// The recovery file in the user's data folder: the program text kept when the window
/// closes, so that closing without saving loses nothing a learner typed. It is written in
/// UTF-8, which holds every character the text box can hold.
QString recoveryFilePath();

/// True when text holds more than blanks and line ends.
bool worthRecovering(const QString& text);

/// Keeps text in the recovery file. Returns an empty string on success, else why it failed.
QString keepRecoveryText(const QString& text);

/// The kept text, or why it could not be read.
LoadedProgram readRecoveryText();

} // namespace zimo
