#pragma once

#include <QMessageBox>

namespace zimo
{

/// Opens a message box over window with the window's title and one "Labi" button, without
/// blocking it; the box deletes itself when closed.
void openNotice(QWidget* window, QMessageBox::Icon icon, const QString& text);

} // namespace zimo
