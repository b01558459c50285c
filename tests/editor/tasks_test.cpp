// Drawing tasks in the window: from choosing a task to "Izdevās!", a task file opened as a
// task, and a teacher making a task from the program in the box.

#include "windowdesk.h"

#include "editor/tasks/maketaskdialog.h"
#include "editor/tasks/taskmenu.h"
#include "editor/tasks/taskpanel.h"
#include "editor/tasks/tasksession.h"
#include "files/filelist.h"
#include "files/opendialog.h"
#include "files/programfiles.h"
#include "platform/rasterpage.h"
#include "tasks/taskfile.h"

#include <QAction>
#include <QCheckBox>
#include <QFile>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>

#include <gtest/gtest.h>

namespace
{

const QString House = QStringLiteral(
    "koordinatas 300,400\r\nuz augsu 100\r\npa labi 100\r\nuz leju 100\r\npa kreisi 100\r\n"
    "koordinatas 300,300\r\nlenkis 60\r\nuz prieksu 100\r\nlenkis 300\r\nuz prieksu 100");
// The same house from the roof's right corner, the other way round.
const QString OtherHouse = QStringLiteral(
    "atrums 0\r\nkoordinatas 400,300\r\nlenkis 120\r\nuz prieksu 100\r\nlenkis 240\r\n"
    "uz prieksu 100\r\nuz leju 100\r\npa labi 100\r\nuz augsu 100\r\npa kreisi 100");
// The house with its right wall too far left: the floor and the roof's side are short.
const QString ShortHouse = QStringLiteral(
    "atrums 0\r\nkoordinatas 300,400\r\nuz augsu 100\r\npa labi 80\r\nuz leju 100\r\n"
    "pa kreisi 80\r\nkoordinatas 300,300\r\nlenkis 60\r\nuz prieksu 100\r\nlenkis 300\r\n"
    "uz prieksu 100");

QAction* taskItem(zimo::TaskMenu& menu, const QString& title)
{
    for (QAction* level : menu.actions()) {
        if (!level->menu())
            continue;
        for (QAction* item : level->menu()->actions()) {
            if (item->text() == title)
                return item;
        }
    }
    return nullptr;
}

void write(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

bool white(const QImage& image, int x, int y)
{
    return image.pixelColor(x, y) == QColor(Qt::white);
}

} // namespace

TEST(WindowTask, FromChoosingATaskToIzdevas)
{
    WindowDesk d;
    zimo::TaskPanel& panel = *d.w.findChild<zimo::TaskPanel*>();
    EXPECT_TRUE(panel.isHidden());
    d.text().setProgramText(QStringLiteral("atrums 0\r\nzieds 5,50,50"));
    ASSERT_TRUE(d.runToEnd());
    QAction* house = taskItem(*d.w.menus().uzdevumi(), QStringLiteral("Māja"));
    ASSERT_NE(house, nullptr);
    house->trigger();

    // The instruction beside the page, the house faintly on a clean page, an empty program.
    EXPECT_FALSE(panel.isHidden());
    EXPECT_EQ(panel.titleLabel()->text(), QStringLiteral("Māja"));
    EXPECT_TRUE(panel.instruction()->text().contains(u"300,400"));
    EXPECT_GT(panel.geometry().right(), d.page().geometry().right());
    EXPECT_LT(panel.geometry().bottom(), d.text().geometry().top());
    EXPECT_EQ(d.w.programText(), QString());
    d.text().undo();
    EXPECT_TRUE(d.w.programText().contains(u"zieds"))
        << "the program before the task is one undo away";
    d.text().redo();
    EXPECT_TRUE(d.w.tasks().isOn());
    const QImage guide = d.page().guide();
    ASSERT_FALSE(guide.isNull());
    EXPECT_FALSE(white(guide, 300, 350));
    EXPECT_TRUE(white(guide, 394, 200));
    EXPECT_TRUE(d.page().frame().image.pixelColor(394, 306) == QColor(Qt::white))
        << "the flower is gone";

    // A wall in the wrong place: a nudge, and the page marks where the drawings differ.
    d.text().setProgramText(ShortHouse);
    ASSERT_TRUE(d.runToEnd());
    EXPECT_EQ(panel.result()->text(),
        QStringLiteral("Vēl nesakrīt: zilās vietas vēl jāuzzīmē, sarkanās ir liekas."));
    const QImage marks = d.page().marks();
    ASSERT_FALSE(marks.isNull());
    EXPECT_GT(marks.pixelColor(400, 350).blue(), 200) << "the right wall is missing";
    EXPECT_GT(marks.pixelColor(380, 350).red(), 200) << "the wall at 380 is extra";

    // The same house drawn another way: every run starts from a clean page, so it is solved.
    d.text().setProgramText(OtherHouse);
    ASSERT_TRUE(d.runToEnd());
    EXPECT_EQ(panel.result()->text(), QStringLiteral("Izdevās!"));
    EXPECT_TRUE(d.page().marks().isNull());
    EXPECT_FALSE(house->icon().isNull()) << "a tick at the task in the menu";
    EXPECT_TRUE(d.takeMessages().isEmpty());

    // The switch hides the picture and shows it again; leaving takes the panel away.
    panel.targetSwitch()->setChecked(false);
    EXPECT_TRUE(d.page().guide().isNull());
    panel.targetSwitch()->setChecked(true);
    EXPECT_FALSE(d.page().guide().isNull());
    panel.leaveButton()->click();
    EXPECT_TRUE(panel.isHidden());
    EXPECT_TRUE(d.page().guide().isNull());
    EXPECT_FALSE(d.w.tasks().isOn());
}

TEST(WindowTask, ARightPictureWithoutTheRequiredCommandIsSolvedWithANudge)
{
    WindowDesk d;
    QAction* square = taskItem(*d.w.menus().uzdevumi(), QStringLiteral("Kvadrāts ar atkartot"));
    ASSERT_NE(square, nullptr);
    square->trigger();
    d.text().setProgramText(
        QStringLiteral("atrums 0\r\nuz prieksu 120\r\nlenkis pa kreisi 90\r\nuz prieksu "
                       "120\r\nlenkis pa kreisi 90\r\n"
                       "uz prieksu 120\r\nlenkis pa kreisi 90\r\nuz prieksu 120"));
    ASSERT_TRUE(d.runToEnd());
    EXPECT_EQ(d.w.findChild<zimo::TaskPanel*>()->result()->text(),
        QStringLiteral("Izdevās! Vai vari to pašu uzzīmēt ar „atkartot”?"));
    EXPECT_FALSE(square->icon().isNull());

    // A run the learner stops is not judged, and the last verdict goes with the page it
    // was about.
    d.text().setProgramText(
        QStringLiteral("atrums 0\nsakt\nuz prieksu 1\nlenkis pa labi 1\niet uz sakt"));
    d.w.zimet_Click();
    QTest::qWait(100);
    ASSERT_TRUE(d.w.isRunning());
    d.w.stopRun();
    ASSERT_TRUE(WindowDesk::waitFor([&] { return !d.w.isRunning(); }, 2000));
    EXPECT_FALSE(d.w.findChild<zimo::TaskPanel*>()->result()->text().startsWith(u"Izdevās"));
}

TEST(WindowTask, ATaskFileOpensAsATask)
{
    WindowDesk d;
    const QString task = d.dir.filePath(QStringLiteral("līnija.zku"));
    write(task,
        "[nosaukums]\r\nLīnija\r\n[uzdevums]\r\nUzzīmē līniju 100 soļus pa labi.\r\n"
        "[risinājums]\r\npa labi 100\r\n");
    write(d.dir.filePath(QStringLiteral("programma.zkf")), "pa labi 100\r\n");
    zimo::FileList list(nullptr);
    list.setFolder(d.dir.path());
    EXPECT_EQ(list.count(), 2) << "the open dialog lists task files too";

    // "Fails → Ielādēt" with a task file chosen.
    d.w.files().ieladet_Click();
    auto* dialog = d.w.findChild<zimo::OpenDialog*>();
    ASSERT_NE(dialog, nullptr);
    emit dialog->loadRequested(d.dir.path(), QStringLiteral("līnija.zku"));
    EXPECT_TRUE(d.w.tasks().isOn());
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_EQ(d.w.findChild<zimo::TaskPanel*>()->titleLabel()->text(), QStringLiteral("Līnija"));
    d.w.tasks().leave();

    // On the command line, as a double click starts it.
    d.w.files().openAtStart(task);
    EXPECT_TRUE(d.w.tasks().isOn());
    EXPECT_EQ(d.w.findChild<zimo::TaskPanel*>()->titleLabel()->text(), QStringLiteral("Līnija"));

    // A file that is no task is told about, and the task that is on stays.
    const QString broken = d.dir.filePath(QStringLiteral("salauzts.zku"));
    write(broken, "[nosaukums]\r\nX\r\n[uzdevums]\r\nY\r\n[risinājums]\r\nbeigas\r\n");
    d.w.files().openAtStart(broken);
    const QStringList messages = d.takeMessages();
    ASSERT_EQ(messages.size(), 1);
    EXPECT_TRUE(messages[0].contains(u"nevar atvērt: Risinājums neizdodas"))
        << messages[0].toStdString();
    EXPECT_EQ(d.w.tasks().task().title, QStringLiteral("Līnija"));
}

TEST(WindowTask, ATeacherMakesATaskFromTheProgramInTheBox)
{
    QTemporaryDir dir;
    zimo::MakeTaskDialog dialog(House, dir.path(), nullptr);
    dialog.titleField()->setText(QStringLiteral("  Mana māja "));
    dialog.instructionField()->setPlainText(QStringLiteral("Uzzīmē māju!\nMalas 100."));
    dialog.requiredField()->setText(QStringLiteral("procedura"));
    const QString path = dir.filePath(QStringLiteral("maja.zku"));
    EXPECT_EQ(dialog.saveTo(path), QStringLiteral("Risinājumā nav izmantots „procedura”."));
    dialog.saveButton()->click();
    EXPECT_EQ(
        dialog.problemLabel()->text(), QStringLiteral("Risinājumā nav izmantots „procedura”."));
    EXPECT_FALSE(QFile::exists(path));

    dialog.requiredField()->setText(QStringLiteral("lenkis, koordinatas"));
    dialog.maxLinesField()->setValue(12);
    ASSERT_EQ(dialog.saveTo(path), QString());
    const zimo::TaskRead read = zimo::readTaskFile(path);
    ASSERT_TRUE(read.ok()) << read.problem.toStdString();
    EXPECT_EQ(read.task, dialog.task());
    EXPECT_EQ(read.task.title, QStringLiteral("Mana māja"));
    EXPECT_EQ(read.task.required,
        (QStringList { QStringLiteral("lenkis"), QStringLiteral("koordinatas") }));
    EXPECT_EQ(read.task.maxLines, 12);
}

TEST(WindowTask, ThePanelGrowsWithALongerResult)
{
    WindowDesk d;
    QAction* house = taskItem(*d.w.menus().uzdevumi(), QStringLiteral("Krāsaina māja"));
    ASSERT_NE(house, nullptr);
    house->trigger();
    zimo::TaskPanel& panel = *d.w.findChild<zimo::TaskPanel*>();
    const int before = panel.height();

    // A run that stops with an error gets the longest sentence; every line of the
    // instruction and of the sentence must still show.
    d.text().setProgramText(QStringLiteral("uz prieksu 100, 200"));
    ASSERT_TRUE(d.runToEnd());
    d.takeMessages();
    EXPECT_TRUE(panel.result()->text().contains(u"kļūd")) << panel.result()->text().toStdString();
    EXPECT_GE(panel.height(), panel.heightForWidth(panel.width()));
    EXPECT_GT(panel.height(), before);
    EXPECT_LT(panel.geometry().bottom(), d.text().geometry().top());
}
