#pragma once

#include <QFont>
#include <QImage>
#include <QList>
#include <QStringList>
#include <QWidget>

class QLineEdit;
class QListWidget;
class QPushButton;
class QTabWidget;
class QTextBrowser;

namespace zimo
{

struct HelpContent;

/// The help window "Zimo — palīdzība": a page per section of the help (first steps,
/// commands, keys, tips). The command page lists every command with its picture, filters
/// the list by a search text, shows the chosen command and puts its example line into the
/// program on request.
///
/// A window of its own that never blocks the main window. Owns the pictures of the
/// commands, drawn by the core when the window is built and shown at the window's scale.
class HelpWindow : public QWidget
{
    Q_OBJECT
public:
    HelpWindow(const HelpContent& content, QWidget* parent);

    /// Shows the page of the command with this index in the help's command list (the
    /// search is cleared when it hides the command).
    void showCommand(int index);
    /// Shows section index (0 first steps, 1 commands ...).
    void showSection(int index);
    /// The command shown on the command page; -1 when the search left none.
    int currentCommand() const { return m_current; }
    /// Scales the fonts and pictures: 1 is the normal size.
    void setScale(double scale);
    double scale() const { return m_scale; }

signals:
    /// "Ievietot": the example line of the command shown, for the end of the program.
    void insertWanted(const QString& line);

private:
    QWidget* buildCommandPage();
    void layOutCommandPage(QWidget* page);
    void fillList();
    void filter(const QString& search);
    void choose(int index);
    void showEntry();
    void applyScale();

    const HelpContent& m_content;
    /// The pictures of the commands and of each section.
    QList<QImage> m_pictures;
    QList<QList<QImage>> m_sectionPictures;
    double m_scale = 1.0;
    int m_current = -1;
    QTabWidget* m_tabs = nullptr;
    QFont m_font;
    /// The pages of the sections and the command page's introduction, with their texts.
    QList<QTextBrowser*> m_sectionViews;
    QStringList m_sectionTexts;
    QList<QList<QImage>> m_viewPictures;
    QTextBrowser* m_intro = nullptr;
    QLineEdit* m_search = nullptr;
    QListWidget* m_list = nullptr;
    QTextBrowser* m_entryView = nullptr;
    QPushButton* m_insert = nullptr;
};

} // namespace zimo
