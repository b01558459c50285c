#include "prompts.h"

#include "filemessages.h"

#include <QDir>
#include <QMessageBox>
#include <QPushButton>

namespace zimo
{

QString shownPath(const QString& path) { return QDir::toNativeSeparators(path); }

void bringUp(QWidget& window)
{
    window.show();
    window.raise();
    window.activateWindow();
}

void showMessage(QWidget* window, const QString& message)
{
    auto* box = new QMessageBox(
        QMessageBox::Warning, filemsg::messageTitle(), message, QMessageBox::NoButton, window);
    box->addButton(filemsg::okButton(), QMessageBox::AcceptRole);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->open();
}

void ask(QWidget* window, const QString& question, const QStringList& buttons,
    std::function<void(int)> answered)
{
    auto* box = new QMessageBox(
        QMessageBox::Question, filemsg::messageTitle(), question, QMessageBox::NoButton, window);
    box->setObjectName(QStringLiteral("jautajums"));
    QList<QPushButton*> pushButtons;
    for (qsizetype i = 0; i < buttons.size(); ++i) {
        const bool last = i + 1 == buttons.size();
        pushButtons.append(box->addButton(
            buttons[i], last ? QMessageBox::RejectRole : QMessageBox::AcceptRole));
    }
    box->setDefaultButton(pushButtons.front());
    box->setEscapeButton(pushButtons.back());
    box->setAttribute(Qt::WA_DeleteOnClose);
    QObject::connect(box, &QMessageBox::finished, box, [box, pushButtons, answered] {
        const auto* clicked = qobject_cast<QPushButton*>(box->clickedButton());
        const qsizetype index = pushButtons.indexOf(clicked);
        answered(index < 0 ? int(pushButtons.size()) - 1 : int(index));
    });
    box->open();
}

} // namespace zimo
