#pragma once

#include "files/opendialog.h"
#include "files/programfiles.h"
#include "files/programhost.h"
#include "files/recovery.h"
#include "files/savedialog.h"
#include "platform/rasterpage.h"

#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QStringList>
#include <QTemporaryDir>
#include <QWidget>

#include <gtest/gtest.h>

#include <memory>

// The main window as the file operations see it: a text box as a string, a page and a flag
// for a run going on.
class FakeHost : public zimo::ProgramHost
{
public:
    QString text;
    /// The text when the file operations last said it was saved.
    QString savedText;
    bool running = false;
    int newPrograms = 0;
    int replaced = 0;
    std::unique_ptr<zimo::RasterPage> pagePtr = std::make_unique<zimo::RasterPage>();
    QWidget window;

    QString programText() const override { return text; }
    void setProgramText(const QString& t) override { text = t; }
    void replaceProgram(const QString& t) override
    {
        text = t;
        ++replaced;
    }
    void markUnchanged() override { savedText = text; }
    bool unsaved() const { return text != savedText; }
    bool isRunning() const override { return running; }
    void newProgram() override
    {
        ++newPrograms;
        text.clear();
    }
    const zimo::RasterPage& page() const override { return *pagePtr; }
    QWidget* hostWindow() override { return &window; }
};

// A temporary current folder with the file operations working in it; messages are
// collected instead of shown.
class FilesTest : public ::testing::Test
{
protected:
    QTemporaryDir dir;
    QString oldCurrent = QDir::currentPath();
    FakeHost host;
    std::unique_ptr<zimo::ProgramFiles> files;
    QStringList messages;

    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        QDir(zimo::recoveryFolder()).removeRecursively();
        QDir::setCurrent(dir.path());
        files = std::make_unique<zimo::ProgramFiles>(host, nullptr);
        files->setNotifier([this](const QString& m) { messages.append(m); });
    }
    void TearDown() override
    {
        files.reset();
        QDir(zimo::recoveryFolder()).removeRecursively();
        QDir::setCurrent(oldCurrent);
    }

    QString path(const QString& name) const { return dir.filePath(name); }
    static QByteArray bytesOf(const QString& file)
    {
        QFile f(file);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<none>");
    }
    static void write(const QString& file, const QByteArray& bytes)
    {
        QFile f(file);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }

    zimo::SaveDialog* saveDialog() { return host.window.findChild<zimo::SaveDialog*>(); }
    zimo::OpenDialog* openDialog() { return host.window.findChild<zimo::OpenDialog*>(); }
    template <typename T> T* in(QWidget* dialog, const char* name)
    {
        return dialog->findChild<T*>(QString::fromLatin1(name));
    }

    // Menu "Saglabāt", then the dialog's folder, name and button.
    void saveAs(const QString& folder, const QString& name)
    {
        files->saglabat_Click();
        zimo::SaveDialog* d = saveDialog();
        ASSERT_NE(d, nullptr);
        d->setFolder(folder);
        in<QLineEdit>(d, "t_nosauk")->setText(name);
        in<QPushButton>(d, "labi")->click();
    }
    // The question box open over window, answered with the button that reads answer.
    static bool answer(QWidget* window, const QString& button)
    {
        for (auto* box : window->findChildren<QMessageBox*>()) {
            if (!box->isVisible())
                continue;
            for (QAbstractButton* b : box->buttons()) {
                if (b->text() == button) {
                    b->click();
                    return true;
                }
            }
        }
        return false;
    }
    static QString question(QWidget* window)
    {
        for (auto* box : window->findChildren<QMessageBox*>()) {
            if (box->isVisible())
                return box->text();
        }
        return {};
    }

    // Menu "Ielādēt", then the dialog's folder, file and button.
    void load(const QString& folder, const QString& fileName)
    {
        files->ieladet_Click();
        zimo::OpenDialog* d = openDialog();
        ASSERT_NE(d, nullptr);
        d->setFolder(folder);
        auto* list = in<QListWidget>(d, "File1");
        const auto found = list->findItems(fileName, Qt::MatchExactly);
        if (!found.isEmpty())
            found.front()->setSelected(true);
        in<QPushButton>(d, "c_load")->click();
    }
};
