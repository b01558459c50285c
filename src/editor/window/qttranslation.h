#pragma once

class QCoreApplication;

namespace zimo
{

/// Makes Qt's own dialogs and buttons (the file dialog, message boxes) speak Latvian with
/// Qt's Latvian translation, whatever language the system is set to. False when that
/// translation is not installed; the texts stay English then.
bool installLatvianQtTexts(QCoreApplication& app);

} // namespace zimo
