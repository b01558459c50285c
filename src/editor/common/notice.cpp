#include "notice.h"

#include "windowmessages.h"

namespace zimo
{

void openNotice(QWidget* window, QMessageBox::Icon icon, const QString& text)
{
    auto* box = new QMessageBox(icon, window->windowTitle(), text, QMessageBox::NoButton, window);
    box->addButton(windowmsg::ok(), QMessageBox::AcceptRole);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->open();
}

} // namespace zimo
