#include "helpwindow.h"

#include "helpcontent.h"
#include "helppictures.h"

#include "editor/common/windowmessages.h"

#include <QFontDatabase>
#include <QHBoxLayout>
#include <QHash>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QTabWidget>
#include <QTextBlock>
#include <QTextBrowser>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

namespace zimo
{

namespace
{

/// Sizes at scale 1: the text, the largest picture of a command and its icon in the list.
constexpr int FontPixels = 16;
constexpr QSize PictureBox(220, 165);
constexpr double LargestEnlargement = 1.5;
constexpr QSize IconBox(48, 36);
constexpr QSize WindowSize(820, 600);
constexpr int IntroHeight = 90;
constexpr QStringView PictureName = u"zimejums";

/// The object names of the section pages, in the help's order.
const char* const SectionNames[] = { "pirmieSoli", "komandas", "tastatura", "padomi" };

// A text browser that finds the pictures it was given by name.
class PictureBrowser : public QTextBrowser
{
public:
    using QTextBrowser::QTextBrowser;
    void setPicture(const QString& name, const QImage& picture) { m_pictures[name] = picture; }

protected:
    QVariant loadResource(int type, const QUrl& name) override
    {
        const auto found = m_pictures.constFind(name.toString());
        if (type == QTextDocument::ImageResource && found != m_pictures.constEnd())
            return *found;
        return QTextBrowser::loadResource(type, name);
    }

private:
    QHash<QString, QImage> m_pictures;
};

// Letters without their marks, in lower case: a search for "krasa" finds "krāsa".
QString folded(const QString& text)
{
    QString result;
    for (const QChar c : text.normalized(QString::NormalizationForm_D)) {
        if (!c.isMark())
            result += c.toLower();
    }
    return result;
}

// Backslashes before the characters Markdown would read as marks.
QString escaped(const QString& text)
{
    QString result;
    for (const QChar c : text) {
        if (QStringView(u"\\`*_[]<>#+-!|()").contains(c))
            result += u'\\';
        result += c;
    }
    return result;
}

QString formMarkdown(const HelpEntry& e)
{
    QString form = QStringLiteral("**%1**").arg(escaped(e.title));
    if (!e.arguments.isEmpty())
        form += QStringLiteral(" *%1*").arg(escaped(e.arguments));
    if (!e.command2.isEmpty() && !e.arguments2.startsWith(e.command2))
        form += QStringLiteral(" **%1**").arg(escaped(e.command2));
    if (!e.arguments2.isEmpty())
        form += QStringLiteral(" *%1*").arg(escaped(e.arguments2));
    return form;
}

QString entryMarkdown(const HelpEntry& e)
{
    QString md = QStringLiteral("## %1\n\n").arg(escaped(e.title));
    md += QStringLiteral("%1 %2\n\n").arg(windowmsg::helpForm(), formMarkdown(e));
    md += e.text + QStringLiteral("\n\n");
    for (const QString& example : e.examples)
        md += QStringLiteral("**%1** `%2`\n\n").arg(windowmsg::helpExample(), example);
    // Qt drops an image without a description at the start of a paragraph.
    md += QStringLiteral("![%1](%2)\n").arg(windowmsg::helpPicture(), PictureName);
    return md;
}

bool isCode(const QTextCharFormat& format)
{
    static const QString Fixed = QFontDatabase::systemFont(QFontDatabase::FixedFont).family();
    return format.fontFixedPitch() || format.font().family() == Fixed;
}

// Shows markdown in view with font. Markdown sets code in the system's fixed font at a size
// of its own; here code lines are as large as the text around them.
void showMarkdown(QTextBrowser* view, const QString& markdown, const QFont& font)
{
    QTextDocument* document = view->document();
    document->setDefaultFont(font);
    document->setDocumentMargin(std::round(font.pixelSize() * 0.6));
    view->setMarkdown(markdown);
    QTextCharFormat code;
    code.setFontFamilies({ QStringLiteral("Liberation Mono") });
    code.setProperty(QTextFormat::FontPixelSize, font.pixelSize());
    code.clearProperty(QTextFormat::FontPointSize);
    QTextCursor cursor(document);
    for (QTextBlock block = document->begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            if (!isCode(fragment.charFormat()))
                continue;
            cursor.setPosition(fragment.position());
            cursor.setPosition(fragment.position() + fragment.length(), QTextCursor::KeepAnchor);
            QTextCharFormat format = fragment.charFormat();
            format.clearProperty(QTextFormat::FontPointSize);
            format.merge(code);
            cursor.setCharFormat(format);
        }
    }
}

QImage fitted(const QImage& picture, QSize box, double largest)
{
    if (picture.isNull())
        return picture;
    const double factor = std::min({ double(box.width()) / picture.width(),
        double(box.height()) / picture.height(), largest });
    return picture.scaled(QSize(int(std::lround(picture.width() * factor)),
                              int(std::lround(picture.height() * factor))),
        Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

QSize scaled(QSize size, double scale)
{
    return QSize(int(std::lround(size.width() * scale)), int(std::lround(size.height() * scale)));
}

// The icon of a command: its picture shrunk into the middle of a white box, so that every
// title of the list starts at the same place.
QPixmap iconOf(const QImage& picture, QSize box)
{
    QImage icon(box, QImage::Format_RGB32);
    icon.fill(Qt::white);
    const QImage small = fitted(picture, box, 1.0);
    QPainter p(&icon);
    p.drawImage((box.width() - small.width()) / 2, (box.height() - small.height()) / 2, small);
    p.end();
    return QPixmap::fromImage(icon);
}

} // namespace

HelpWindow::HelpWindow(const HelpContent& content, QWidget* parent)
    : QWidget(parent, Qt::Window)
    , m_content(content)
{
    setObjectName(QStringLiteral("palidzibasLogs"));
    setWindowTitle(windowmsg::helpTitle());
    HelpPictures painter;
    for (const HelpEntry& entry : content.commands)
        m_pictures.append(painter.draw(entry.picture));
    for (const HelpSection& section : content.sections) {
        m_sectionPictures.append(QList<QImage> {});
        for (const QStringList& lines : section.pictures)
            m_sectionPictures.back().append(painter.draw(lines));
    }

    m_tabs = new QTabWidget(this);
    m_tabs->setObjectName(QStringLiteral("sadalas"));
    for (int i = 0; i < content.sections.size(); ++i) {
        const HelpSection& section = content.sections[i];
        QWidget* page = nullptr;
        if (i == content.commandSection) {
            page = buildCommandPage();
        } else {
            auto* view = new PictureBrowser(m_tabs);
            m_sectionViews.append(view);
            m_sectionTexts.append(section.markdown);
            m_viewPictures.append(m_sectionPictures[i]);
            page = view;
        }
        if (i < int(std::size(SectionNames)))
            page->setObjectName(QString::fromLatin1(SectionNames[i]));
        m_tabs->addTab(page, section.title);
    }
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_tabs);
    applyScale();
    if (!content.commands.isEmpty())
        choose(0);
}

QWidget* HelpWindow::buildCommandPage()
{
    auto* page = new QWidget(m_tabs);
    m_intro = new PictureBrowser(page);
    m_intro->setObjectName(QStringLiteral("komanduIevads"));
    m_sectionViews.append(m_intro);
    m_sectionTexts.append(m_content.sections[m_content.commandSection].markdown);
    m_viewPictures.append(m_sectionPictures[m_content.commandSection]);
    m_search = new QLineEdit(page);
    m_search->setObjectName(QStringLiteral("meklet"));
    m_search->setPlaceholderText(windowmsg::helpSearch());
    m_search->setClearButtonEnabled(true);
    m_list = new QListWidget(page);
    m_list->setObjectName(QStringLiteral("komanduSaraksts"));
    fillList();
    m_entryView = new PictureBrowser(page);
    m_entryView->setObjectName(QStringLiteral("komanda"));
    m_insert = new QPushButton(windowmsg::helpInsert(), page);
    m_insert->setObjectName(QStringLiteral("ievietot"));
    m_insert->setToolTip(windowmsg::helpInsertTip());
    layOutCommandPage(page);
    connect(m_search, &QLineEdit::textChanged, this, &HelpWindow::filter);
    connect(m_list, &QListWidget::currentRowChanged, this, &HelpWindow::choose);
    connect(m_insert, &QPushButton::clicked, this, [this] {
        if (m_current >= 0 && !m_content.commands[m_current].examples.isEmpty())
            emit insertWanted(m_content.commands[m_current].examples.front());
    });
    return page;
}

void HelpWindow::layOutCommandPage(QWidget* page)
{
    auto* left = new QVBoxLayout;
    left->addWidget(m_search);
    left->addWidget(m_list);
    auto* right = new QVBoxLayout;
    right->addWidget(m_entryView);
    right->addWidget(m_insert, 0, Qt::AlignRight);
    auto* columns = new QHBoxLayout;
    columns->addLayout(left, 1);
    columns->addLayout(right, 2);
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(m_intro);
    layout->addLayout(columns);
}

void HelpWindow::fillList()
{
    for (int i = 0; i < m_content.commands.size(); ++i) {
        auto* item = new QListWidgetItem(m_content.commands[i].title, m_list);
        item->setData(Qt::UserRole,
            folded(m_content.commands[i].title + u' ' + m_content.commands[i].examples.join(u' ')
                + u' ' + m_content.commands[i].text));
    }
}

void HelpWindow::filter(const QString& search)
{
    const QString wanted = folded(search.trimmed());
    for (int i = 0; i < m_list->count(); ++i) {
        QListWidgetItem* item = m_list->item(i);
        item->setHidden(!wanted.isEmpty() && !item->data(Qt::UserRole).toString().contains(wanted));
    }
    // The titles are the best match: a search for "zieds" shows the flower, not a command
    // whose explanation mentions one.
    int first = -1;
    for (int i = 0; i < m_list->count() && first < 0; ++i) {
        if (!m_list->item(i)->isHidden() && folded(m_list->item(i)->text()).contains(wanted))
            first = i;
    }
    for (int i = 0; i < m_list->count() && first < 0; ++i) {
        if (!m_list->item(i)->isHidden())
            first = i;
    }
    if (m_current < 0 || m_list->item(m_current)->isHidden()
        || !folded(m_list->item(m_current)->text()).contains(wanted))
        m_list->setCurrentRow(first);
    if (first < 0)
        choose(-1);
}

void HelpWindow::choose(int index)
{
    m_current = index;
    showEntry();
}

void HelpWindow::showEntry()
{
    if (!m_entryView)
        return;
    auto* view = static_cast<PictureBrowser*>(m_entryView);
    m_insert->setEnabled(m_current >= 0);
    if (m_current < 0) {
        showMarkdown(view, windowmsg::helpNothingFound(), m_font);
        return;
    }
    const QSize box = scaled(PictureBox, m_scale);
    view->setPicture(
        PictureName.toString(), fitted(m_pictures[m_current], box, LargestEnlargement * m_scale));
    showMarkdown(view, entryMarkdown(m_content.commands[m_current]), m_font);
}

void HelpWindow::showCommand(int index)
{
    if (!m_list || index < 0 || index >= m_list->count())
        return;
    if (m_list->item(index)->isHidden())
        m_search->clear();
    m_tabs->setCurrentIndex(m_content.commandSection);
    m_list->setCurrentRow(index);
    m_list->scrollToItem(m_list->item(index));
}

void HelpWindow::showSection(int index) { m_tabs->setCurrentIndex(index); }

void HelpWindow::setScale(double scale)
{
    if (scale <= 0 || scale == m_scale)
        return;
    m_scale = scale;
    applyScale();
}

void HelpWindow::applyScale()
{
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPixelSize(int(std::lround(FontPixels * m_scale)));
    setFont(font);
    const QSize icon = scaled(IconBox, m_scale);
    if (m_list)
        m_list->setIconSize(icon);
    if (m_intro)
        m_intro->setMaximumHeight(int(std::lround(IntroHeight * m_scale)));
    for (int i = 0; m_list && i < m_list->count(); ++i)
        m_list->item(i)->setIcon(iconOf(m_pictures[i], icon));
    m_font = font;
    const QSize box = scaled(PictureBox, m_scale);
    for (int i = 0; i < m_sectionViews.size(); ++i) {
        auto* view = static_cast<PictureBrowser*>(m_sectionViews[i]);
        for (int n = 0; n < m_viewPictures[i].size(); ++n) {
            view->setPicture(HelpSection::pictureName(n),
                fitted(m_viewPictures[i][n], box, LargestEnlargement * m_scale));
        }
        showMarkdown(view, m_sectionTexts[i], font);
    }
    showEntry();
    resize(scaled(WindowSize, m_scale));
}

} // namespace zimo
