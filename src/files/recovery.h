#pragma once

#include <QString>

namespace zimo
{

/// The folder of the recovery history in the user's data folder.
QString recoveryFolder();

/// Where versions before the history kept their single recovery copy; the history takes it
/// over once.
QString oldRecoveryFile();

} // namespace zimo
