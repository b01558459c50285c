// The window worked from the keyboard alone, and read out as a screen reader reads it.

#include "windowdesk.h"

#include "editor/common/outlinerect.h"
#include "editor/common/picturebox.h"
#include "editor/pickers/colourpanel.h"
#include "editor/pickers/stylepanel.h"
#include "editor/pickers/thicknesspanel.h"
#include "editor/window/qttranslation.h"
#include "files/programfiles.h"

#include <QAccessible>
#include <QAction>
#include <QDialogButtonBox>
#include <QFile>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScrollBar>

#include <gtest/gtest.h>

namespace
{

const QString EndlessLoop
    = QStringLiteral("atrums 0\nsakt\nuz prieksu 1\nlenkis pa labi 1\niet uz sakt");

QString nameOf(QWidget* widget)
{
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(widget);
    return face ? face->text(QAccessible::Name) : QStringLiteral("<none>");
}

QWidget* saveDialog(zimo::Form1& w) { return w.findChild<QWidget*>(QStringLiteral("Form2")); }

void key(QWidget* to, Qt::Key k, Qt::KeyboardModifiers mods = {}) { QTest::keyClick(to, k, mods); }

// A window that has the keyboard, as the one the user works in has.
struct KeyDesk : WindowDesk {
    KeyDesk()
    {
        w.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&w));
        page().setFocus();
    }
};

} // namespace

TEST(Shortcuts, F5RunsAndCtrlSSavesFromEitherModeWithoutTouchingTheText)
{
    KeyDesk d;
    QSignalSpy finished(&d.w, &zimo::Form1::runFinished);
    const QString path = d.dir.filePath(QStringLiteral("kvadrats.zkf"));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("uz prieksu 10\r\n");
    file.close();
    d.w.files().openAtStart(path);

    d.clickText();
    key(&d.text(), Qt::Key_End, Qt::ControlModifier);
    d.type(QStringLiteral("\nlenkis 90"));
    key(&d.text(), Qt::Key_F5);
    ASSERT_TRUE(WindowDesk::waitFor([&] { return finished.count() == 1; }, 5000));
    EXPECT_EQ(d.w.statusRow()->lb_lenk()->text(), u"Lenķis: 90");
    key(&d.text(), Qt::Key_S, Qt::ControlModifier);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), QByteArray("uz prieksu 10\r\nlenkis 90\r\n")) << "saved silently";
    file.close();
    EXPECT_FALSE(saveDialog(d.w) && saveDialog(d.w)->isVisible());
    EXPECT_EQ(d.text().toPlainText(), u"uz prieksu 10\nlenkis 90");

    d.clickPage();
    key(&d.page(), Qt::Key_F5);
    ASSERT_TRUE(WindowDesk::waitFor([&] { return finished.count() == 2; }, 5000));
    EXPECT_EQ(d.w.statusRow()->lb_lenk()->text(), u"Lenķis: 90");
    key(&d.page(), Qt::Key_S, Qt::ControlModifier | Qt::ShiftModifier);
    ASSERT_TRUE(saveDialog(d.w));
    EXPECT_TRUE(saveDialog(d.w)->isVisible()) << "Saglabāt kā... always asks";
    EXPECT_EQ(d.w.menus().saveAs()->shortcut(), QKeySequence(QStringLiteral("Ctrl+Shift+S")));
    EXPECT_EQ(d.w.menus().saglabat()->shortcut(), QKeySequence(QStringLiteral("Ctrl+S")));
}

TEST(Shortcuts, CtrlSWithoutANameAsksForOne)
{
    KeyDesk d;
    d.clickPage();
    key(&d.page(), Qt::Key_S, Qt::ControlModifier);
    ASSERT_TRUE(saveDialog(d.w));
    EXPECT_TRUE(saveDialog(d.w)->isVisible());
}

TEST(Shortcuts, EscapeAndShiftF5StopARunAndF5NeverDoes)
{
    KeyDesk d;
    d.clickText();
    d.text().setProgramText(EndlessLoop);
    EXPECT_FALSE(d.w.menus().stop()->isEnabled());
    key(&d.text(), Qt::Key_F5);
    ASSERT_TRUE(d.w.isRunning());
    EXPECT_FALSE(d.w.menus().start()->isEnabled());
    key(&d.text(), Qt::Key_F5);
    QTest::qWait(50);
    EXPECT_TRUE(d.w.isRunning()) << "F5 only starts";
    key(&d.text(), Qt::Key_F5, Qt::ShiftModifier);
    ASSERT_TRUE(WindowDesk::waitFor([&] { return !d.w.isRunning(); }, 1000));

    d.clickPage();
    key(&d.page(), Qt::Key_F5);
    ASSERT_TRUE(d.w.isRunning());
    key(&d.page(), Qt::Key_Escape);
    ASSERT_TRUE(WindowDesk::waitFor([&] { return !d.w.isRunning(); }, 1000));
    EXPECT_TRUE(d.w.menus().start()->isEnabled());
    EXPECT_EQ(d.text().toPlainText(), EndlessLoop);
}

TEST(Shortcuts, MenusCarryMnemonicsAndShowTheirKeys)
{
    KeyDesk d;
    QStringList titles;
    for (QAction* top : d.w.menuBar()->actions())
        titles << top->text();
    for (const char* wanted : { "&Fails", "P&rogramma", "&Skats", "&Palīdzība" })
        EXPECT_TRUE(titles.contains(QString::fromUtf8(wanted))) << wanted;
    auto* program = d.w.findChild<QMenu*>(QStringLiteral("programma"));
    ASSERT_TRUE(program);
    EXPECT_EQ(program->actions().value(0), d.w.menus().start());
    EXPECT_EQ(d.w.menus().start()->shortcut(), QKeySequence(Qt::Key_F5));
    EXPECT_EQ(d.w.menus().stop()->shortcuts().size(), 2);
    EXPECT_EQ(d.w.menus().jauns()->shortcut(), QKeySequence(QStringLiteral("Ctrl+N")));
    EXPECT_EQ(d.w.menus().ieladet()->shortcut(), QKeySequence(QStringLiteral("Ctrl+O")));
    EXPECT_EQ(d.w.menus().iziet()->shortcut(), QKeySequence(QStringLiteral("Ctrl+Q")));
    // F1 opens the built-in help; the menu item may start the folder's own command file.
    auto* f1 = d.w.findChild<QAction*>(QStringLiteral("f1"));
    ASSERT_TRUE(f1);
    EXPECT_EQ(f1->shortcut(), QKeySequence(Qt::Key_F1));
    auto* view = d.w.findChild<QMenu*>(QStringLiteral("skats"));
    ASSERT_TRUE(view);
    auto* steps = view->findChild<QMenu*>(QStringLiteral("merogs"));
    ASSERT_TRUE(steps);
    EXPECT_EQ(steps->actions().size(), 7);
    EXPECT_EQ(steps->title(), u"&Mērogs");
}

TEST(PickerKeys, ArrowsMoveThroughTheColoursEnterIsLabiEscIsAtcelt)
{
    KeyDesk d;
    d.clickPage();
    const QPointF turtle = d.page().frame().sprite[1].x1 == 0 ? QPointF() : QPointF(1, 1);
    zimo::ColourPanel* panel = d.w.f_krasas();
    QTest::mouseClick(d.w.toolbar()->krasa(), Qt::LeftButton);
    ASSERT_TRUE(panel->isVisible());
    ASSERT_EQ(QApplication::focusWidget(), panel->k_lauks(0));
    QWidget* box = panel->k_lauks(0);
    key(box, Qt::Key_Right);
    key(QApplication::focusWidget(), Qt::Key_Right);
    key(QApplication::focusWidget(), Qt::Key_Down);
    key(QApplication::focusWidget(), Qt::Key_Left);
    EXPECT_EQ(QApplication::focusWidget(), panel->k_lauks(7));
    EXPECT_EQ(panel->nr_krasas()->text(), u"8.krāsa") << "the arrow picks the box";
    key(QApplication::focusWidget(), Qt::Key_Up);
    key(QApplication::focusWidget(), Qt::Key_Up);
    EXPECT_EQ(QApplication::focusWidget(), panel->k_lauks(1)) << "the grid's edge holds";
    key(QApplication::focusWidget(), Qt::Key_Return);
    EXPECT_FALSE(panel->isVisible());
    EXPECT_EQ(d.text().toPlainText(), u"linijas krasa 2\n");
    EXPECT_EQ(d.page().frame().sprite[1].x1 == 0 ? QPointF() : QPointF(1, 1), turtle)
        << "the arrows never steered the turtle";

    QTest::mouseClick(d.w.toolbar()->krasa(), Qt::LeftButton);
    EXPECT_EQ(QApplication::focusWidget(), panel->k_lauks(1)) << "back on the last box";
    key(QApplication::focusWidget(), Qt::Key_Right);
    key(QApplication::focusWidget(), Qt::Key_Escape);
    EXPECT_FALSE(panel->isVisible());
    EXPECT_EQ(d.text().toPlainText(), u"linijas krasa 2\n") << "Esc appends nothing";
}

TEST(PickerKeys, ThicknessAndStyleTakeArrowsAndEnter)
{
    KeyDesk d;
    d.clickPage();
    zimo::ThicknessPanel* thickness = d.w.f_linija();
    d.w.toolbar()->cf_lin()->click();
    ASSERT_EQ(QApplication::focusWidget(), thickness->HScroll1());
    key(thickness->HScroll1(), Qt::Key_Right);
    key(thickness->HScroll1(), Qt::Key_Right);
    EXPECT_EQ(thickness->lin_lab()->text(), u"3");
    key(thickness->HScroll1(), Qt::Key_Enter);
    EXPECT_FALSE(thickness->isVisible());
    EXPECT_EQ(d.text().toPlainText(), u"biezums 3\n");

    zimo::StylePanel* style = d.w.Frame2();
    d.w.toolbar()->l_stils()->click();
    ASSERT_EQ(QApplication::focusWidget(), style->stl(0));
    for (int i = 0; i < 3; ++i)
        key(QApplication::focusWidget(), Qt::Key_Down);
    EXPECT_EQ(style->robeza()->bounds(), style->stl(3)->geometry());
    key(QApplication::focusWidget(), Qt::Key_Return);
    EXPECT_FALSE(style->isVisible());
    EXPECT_EQ(d.text().toPlainText(), u"biezums 3\nlinijas stils 4\n");

    d.w.toolbar()->l_stils()->click();
    style->Command3()->setFocus();
    key(style->Command3(), Qt::Key_Return);
    EXPECT_FALSE(style->isVisible()) << "Enter on Atcelt cancels";
    EXPECT_EQ(d.text().toPlainText(), u"biezums 3\nlinijas stils 4\n");
}

TEST(TabOrder, ReachesEveryControlAndSwitchesTheMode)
{
    KeyDesk d;
    ASSERT_EQ(QApplication::focusWidget(), &d.page());
    key(&d.page(), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), &d.text());
    EXPECT_FALSE(d.w.isPageMode()) << "the keyboard on the text box is text mode";
    key(&d.text(), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), d.w.toolbar()->new_analog());
    QWidget* last = nullptr;
    for (int i = 0; i < 17; ++i) {
        last = QApplication::focusWidget();
        key(last, Qt::Key_Tab);
    }
    EXPECT_EQ(QApplication::focusWidget(), d.w.toolbar()->krasa());
    key(d.w.toolbar()->krasa(), Qt::Key_Space);
    EXPECT_TRUE(d.w.f_krasas()->isVisible()) << "Space opens the colour picker";
    key(QApplication::focusWidget(), Qt::Key_Escape);
    EXPECT_FALSE(d.w.f_krasas()->isVisible());
    d.clickText();
    key(&d.text(), Qt::Key_Tab, Qt::ShiftModifier);
    EXPECT_EQ(QApplication::focusWidget(), &d.page());
    EXPECT_TRUE(d.w.isPageMode());
}

TEST(AccessibleNames, EveryControlReadsOutALatvianName)
{
    KeyDesk d;
    zimo::Toolbar* t = d.w.toolbar();
    EXPECT_EQ(nameOf(&d.page()), u"Zīmēšanas lapa");
    EXPECT_EQ(nameOf(&d.text()), u"Programma");
    EXPECT_EQ(nameOf(t->new_analog()), u"Jauna lapa");
    EXPECT_EQ(nameOf(t->save_analog()), u"Saglabāt");
    EXPECT_EQ(nameOf(t->zimet()), u"Startēt programmu");
    EXPECT_EQ(nameOf(t->Command2()), u"Notīrīt lapu");
    EXPECT_EQ(nameOf(t->Command4()), u"Notīrīt komandu logu");
    for (int i = 0; i < 10; ++i)
        EXPECT_EQ(nameOf(t->com(i)), t->com(i)->toolTip());
    EXPECT_EQ(nameOf(t->com(7)), u"Septiņstaru zvaigzne");
    EXPECT_EQ(nameOf(t->cf_lin()), u"Līnijas biezums");
    EXPECT_EQ(nameOf(t->l_stils()), u"Līnijas stils");
    EXPECT_EQ(nameOf(t->krasa()), u"Krāsa līnijām");
    EXPECT_EQ(nameOf(t->Label1()), u"Krāsa");
    EXPECT_EQ(nameOf(d.w.helpArea()), u"Komandas paskaidrojums");
    EXPECT_EQ(nameOf(d.w.helpArea()->l_c()), u"...");
    EXPECT_EQ(nameOf(d.w.statusRow()), u"Stāvokļa josla");
    EXPECT_TRUE(nameOf(d.w.statusRow()->lb_lenk()).startsWith(u"Lenķis: "));
    EXPECT_EQ(nameOf(d.w.statusRow()->peles_koord()), u"Kursora koordinātas ");

    zimo::ColourPanel* colours = d.w.f_krasas();
    EXPECT_EQ(nameOf(colours), u"Krāsas izvēle");
    EXPECT_EQ(nameOf(colours->k_lauks(6)), u"7. krāsa");
    EXPECT_EQ(nameOf(colours->k_lauks(35)), u"36. krāsa");
    EXPECT_EQ(nameOf(colours->krasa2()), u"Izvēlētā krāsa");
    EXPECT_EQ(nameOf(colours->nr_krasas()), u"1.krāsa");
    EXPECT_EQ(nameOf(colours->krasas_ok()), u"Labi");
    EXPECT_EQ(nameOf(colours->Command1()), u"Atcelt");
    zimo::ThicknessPanel* thickness = d.w.f_linija();
    EXPECT_EQ(nameOf(thickness), u"Līnijas biezums");
    EXPECT_EQ(nameOf(thickness->HScroll1()), u"Līnijas biezums");
    EXPECT_EQ(nameOf(thickness->Shape1()), u"Biezuma paraugs");
    EXPECT_EQ(nameOf(thickness->lin_ok()), u"Labi");
    zimo::StylePanel* style = d.w.Frame2();
    EXPECT_EQ(nameOf(style), u"Līnijas stils");
    EXPECT_EQ(nameOf(style->stl(2)), u"3. stils");
    EXPECT_EQ(nameOf(style->Label2(2)), u"3");
    EXPECT_EQ(nameOf(style->Command3()), u"Atcelt");

    // A run turns the Run button into the stop button, and its name follows.
    d.clickText();
    d.text().setProgramText(EndlessLoop);
    d.w.zimet_Click();
    EXPECT_EQ(nameOf(t->zimet()), u"Apturēt programmu");
    d.w.stopRun();
    ASSERT_TRUE(WindowDesk::waitFor([&] { return !d.w.isRunning(); }, 1000));
}

TEST(LatvianTexts, QtsOwnButtonsAndOurMessageBoxesSayLabi)
{
    ASSERT_TRUE(zimo::installLatvianQtTexts(*qApp)) << "qt6-translations-l10n is missing";
    QDialogButtonBox buttons(QDialogButtonBox::Cancel | QDialogButtonBox::Open);
    EXPECT_NE(buttons.button(QDialogButtonBox::Cancel)->text(), u"&Cancel");
    EXPECT_NE(buttons.button(QDialogButtonBox::Cancel)->text(), u"Cancel");

    KeyDesk d;
    d.clickText();
    d.text().setProgramText(QStringLiteral("uz prieksu 30\r\nnakosais"));
    ASSERT_TRUE(d.runToEnd());
    QMessageBox* box = d.w.findChild<QMessageBox*>();
    ASSERT_TRUE(box);
    ASSERT_EQ(box->buttons().size(), 1);
    EXPECT_EQ(box->buttons().front()->text(), u"Labi");
}
