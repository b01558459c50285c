// Screen readers and keys: names of every dialog field, colour names, announced hints, and
// the keys that close the secondary windows.

#include "windowdesk.h"

#include "editor/common/picturebox.h"
#include "editor/common/windowmessages.h"
#include "editor/help/helplauncher.h"
#include "editor/help/helpwindow.h"
#include "editor/pickers/colourpanel.h"
#include "files/programfiles.h"

#include <QAccessible>
#include <QAction>
#include <QDialog>
#include <QSet>

#include <gtest/gtest.h>

namespace
{

QString nameOf(QWidget* widget)
{
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(widget);
    return face ? face->text(QAccessible::Name) : QString();
}

// Every control of window the keyboard can reach, by class and object name, without a name
// a screen reader could read.
QStringList unnamedFields(QWidget* window)
{
    QStringList unnamed;
    for (QWidget* child : window->findChildren<QWidget*>()) {
        if (!child->isVisibleTo(window) || child->focusPolicy() == Qt::NoFocus)
            continue;
        if (nameOf(child).trimmed().isEmpty())
            unnamed << QStringLiteral("%1 %2").arg(QString::fromLatin1(child->metaObject()->className()),
                child->objectName());
    }
    return unnamed;
}

QWidget* openWindow(WindowDesk& d, const char* objectName)
{
    QTest::qWait(1);
    for (QWidget* top : QApplication::topLevelWidgets())
        if (top->isVisible() && top->objectName() == QLatin1String(objectName))
            return top;
    (void)d;
    return nullptr;
}

} // namespace

TEST(Accessibility, EveryFieldOfEveryDialogHasAName)
{
    WindowDesk d;
    d.w.menus().saveAs()->trigger();
    QWidget* save = openWindow(d, "Form2");
    ASSERT_TRUE(save);
    EXPECT_EQ(unnamedFields(save), QStringList());
    save->hide();

    d.w.menus().ieladet()->trigger();
    QWidget* open = openWindow(d, "Form3");
    ASSERT_TRUE(open);
    EXPECT_EQ(unnamedFields(open), QStringList());
    open->hide();

    d.w.menus().savePicture()->trigger();
    QDialog* picture = nullptr;
    for (QWidget* top : QApplication::topLevelWidgets())
        if (top->isVisible() && top != &d.w && qobject_cast<QDialog*>(top))
            picture = qobject_cast<QDialog*>(top);
    ASSERT_TRUE(picture);
    EXPECT_EQ(unnamedFields(picture), QStringList());
    picture->reject();

    d.w.helpLauncher().open();
    ASSERT_TRUE(d.w.helpLauncher().window());
    EXPECT_EQ(unnamedFields(d.w.helpLauncher().window()), QStringList());
    EXPECT_EQ(unnamedFields(&d.w), QStringList());
}

TEST(Accessibility, ColourBoxesSayTheirNumberAndColour)
{
    WindowDesk d;
    zimo::ColourPanel* colours = d.w.f_krasas();
    EXPECT_EQ(nameOf(colours->k_lauks(9)), u"10. krāsa, sarkana");
    EXPECT_EQ(nameOf(colours->k_lauks(0)), u"1. krāsa, melna");
    EXPECT_EQ(nameOf(colours->k_lauks(21)), u"22. krāsa, dzeltena");
    EXPECT_EQ(nameOf(colours->k_lauks(32)), u"33. krāsa, spilgti zila");
    QSet<QString> names;
    for (int i = 0; i < zimo::ColourPanel::BoxCount; ++i)
        names.insert(zimo::windowmsg::colourName(i + 1));
    EXPECT_EQ(names.size(), zimo::ColourPanel::BoxCount) << "every colour has its own name";
    EXPECT_FALSE(names.contains(QString()));
}

TEST(Accessibility, TheHintOfTheCursorsLineIsTheTextBoxsDescription)
{
    WindowDesk d;
    d.clickText();
    d.type(QStringLiteral("uzprieksu 10\npa labi 20"));
    QTest::qWait(400);
    EXPECT_TRUE(d.text().accessibleDescription().isEmpty()) << "a line without hints";
    QTest::keyClick(&d.text(), Qt::Key_Up);
    EXPECT_TRUE(WindowDesk::waitFor([&d] { return !d.text().accessibleDescription().isEmpty(); }, 2000));
    EXPECT_TRUE(d.text().accessibleDescription().contains(u"uz prieksu"))
        << d.text().accessibleDescription().toStdString();
}

TEST(Accessibility, EscAndCtrlWCloseTheHelpWindowAndTheDialogs)
{
    WindowDesk d;
    d.w.helpLauncher().open();
    zimo::HelpWindow* help = d.w.helpLauncher().window();
    ASSERT_TRUE(help && help->isVisible());
    QTest::keyClick(help, Qt::Key_Escape);
    EXPECT_FALSE(help->isVisible());
    d.w.helpLauncher().open();
    QTest::keyClick(help->focusWidget() ? help->focusWidget() : help, Qt::Key_W, Qt::ControlModifier);
    EXPECT_FALSE(help->isVisible());

    d.w.menus().saveAs()->trigger();
    QWidget* save = openWindow(d, "Form2");
    ASSERT_TRUE(save);
    QTest::keyClick(save->focusWidget() ? save->focusWidget() : save, Qt::Key_W, Qt::ControlModifier);
    EXPECT_FALSE(save->isVisible());
    d.w.menus().ieladet()->trigger();
    QWidget* open = openWindow(d, "Form3");
    ASSERT_TRUE(open);
    QTest::keyClick(open->focusWidget() ? open->focusWidget() : open, Qt::Key_Escape);
    EXPECT_FALSE(open->isVisible());
    EXPECT_TRUE(d.w.isVisible()) << "the main window stays";
    QTest::keyClick(&d.page(), Qt::Key_W, Qt::ControlModifier);
    EXPECT_TRUE(d.w.isVisible());
}
