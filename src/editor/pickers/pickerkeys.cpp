#include "pickerkeys.h"

#include <QAbstractButton>
#include <QApplication>
#include <QKeyEvent>

namespace zimo
{

bool pickerKey(const QKeyEvent& event, QAbstractButton* ok, QAbstractButton* cancel)
{
    switch (event.key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter: {
        auto* focused = qobject_cast<QAbstractButton*>(QApplication::focusWidget());
        QAbstractButton* pressed = focused == cancel ? cancel : ok;
        if (!pressed)
            return false;
        pressed->click();
        return true;
    }
    case Qt::Key_Escape:
        cancel->click();
        return true;
    default:
        return false;
    }
}

int arrowStep(const QKeyEvent& event, int index, int count, int columns)
{
    int step = 0;
    switch (event.key()) {
    case Qt::Key_Left:
        step = index % columns > 0 ? -1 : 0;
        break;
    case Qt::Key_Right:
        step = index % columns < columns - 1 && index + 1 < count ? 1 : 0;
        break;
    case Qt::Key_Up:
        step = index - columns >= 0 ? -columns : 0;
        break;
    case Qt::Key_Down:
        step = index + columns < count ? columns : 0;
        break;
    default:
        return -1;
    }
    return index + step;
}

} // namespace zimo
