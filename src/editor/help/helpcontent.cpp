#include "helpcontent.h"

#include "editor/textbox/commandhelp.h"
#include "program/keywords.h"

#include <QFile>
#include <QRegularExpression>

namespace zimo
{

namespace
{

constexpr QStringView ExampleField = u"Piemērs: ";
constexpr QStringView PictureField = u"Zīmējums: ";
constexpr QStringView SectionMark = u"# ";
constexpr QStringView EntryMark = u"## ";
/// The picture programs keep their lines on one line of the source.
constexpr QStringView PictureBreak = u" | ";

// The help row writes "Piemērs: zieds 5,100,100" and, for two examples,
// "1.Piemērs: iet uz beigam  |  2.Piemērs: iet uz 15".
QStringList examplesOf(QStringView rowExample)
{
    static const QRegularExpression Lead(QStringLiteral("^\\d*\\.?Piemērs: "));
    QStringList examples;
    for (const QString& part : rowExample.toString().split(u'|', Qt::SkipEmptyParts))
        examples.append(part.trimmed().remove(Lead));
    return examples;
}

// The argument texts and examples of the help row, for the entry of the same command.
void fillFromHelpRow(HelpEntry& entry)
{
    for (const QStringView keyword : movementKeywords()) {
        if (keyword == entry.title)
            entry.arguments = MovementHelp.toString();
    }
    for (const HelpRule& rule : helpRules()) {
        if (rule.command != entry.title)
            continue;
        entry.arguments = rule.help.toString();
        entry.command2 = rule.command2.toString();
        entry.arguments2 = rule.help2.trimmed().toString();
        if (!rule.example.isEmpty())
            entry.examples = examplesOf(rule.example);
    }
}

void addEntryLine(HelpEntry& entry, const QString& line)
{
    if (line.startsWith(ExampleField))
        entry.examples.append(line.mid(ExampleField.size()).trimmed());
    else if (line.startsWith(PictureField))
        entry.picture = line.mid(PictureField.size()).split(PictureBreak.toString());
    else
        entry.text += line + u'\n';
}

void finishEntry(HelpEntry& entry)
{
    fillFromHelpRow(entry);
    if (entry.picture.isEmpty() && !entry.examples.isEmpty())
        entry.picture = QStringList { entry.examples.front() };
    entry.text = entry.text.trimmed();
}

// A picture line of a section becomes an image of the section's drawing; its description
// is the field's name.
void addSectionLine(HelpSection& section, const QString& line)
{
    if (!line.startsWith(PictureField)) {
        section.markdown += line + u'\n';
        return;
    }
    section.pictures.append(line.mid(PictureField.size()).split(PictureBreak.toString()));
    section.markdown += QStringLiteral("![%1](%2)\n")
                            .arg(PictureField.chopped(2).toString(),
                                HelpSection::pictureName(section.pictures.size() - 1));
}

QString withoutComments(QString source)
{
    static const QRegularExpression Comment(
        QStringLiteral("<!--.*?-->"), QRegularExpression::DotMatchesEverythingOption);
    return source.remove(Comment);
}

} // namespace

QString HelpSection::pictureName(qsizetype n) { return QStringLiteral("zimejums%1").arg(n); }

QString HelpEntry::keyword() const
{
    if (title.startsWith(u'('))
        return {};
    return arguments.isEmpty() ? title : title + u' ';
}

HelpContent parseHelp(const QString& source)
{
    HelpContent content;
    HelpEntry* entry = nullptr;
    const QStringList lines = withoutComments(source).split(u'\n');
    for (QString line : lines) {
        line.remove(u'\r');
        if (line.startsWith(SectionMark)) {
            content.sections.append(HelpSection { line.mid(SectionMark.size()).trimmed(), {}, {} });
            entry = nullptr;
        } else if (line.startsWith(EntryMark) && !content.sections.isEmpty()) {
            content.commandSection = int(content.sections.size()) - 1;
            content.commands.append(HelpEntry {});
            entry = &content.commands.back();
            entry->title = line.mid(EntryMark.size()).trimmed();
        } else if (entry) {
            addEntryLine(*entry, line);
        } else if (!content.sections.isEmpty()) {
            addSectionLine(content.sections.back(), line);
        }
    }
    for (HelpEntry& e : content.commands)
        finishEntry(e);
    return content;
}

const HelpContent& helpContent()
{
    static const HelpContent Content = [] {
        QFile file(QStringLiteral(":/help/palidziba.md"));
        if (!file.open(QIODevice::ReadOnly))
            return HelpContent {};
        return parseHelp(QString::fromUtf8(file.readAll()));
    }();
    return Content;
}

int entryForLine(const QList<HelpEntry>& entries, QStringView line, const QStringList& procedures)
{
    int best = -1;
    qsizetype bestAt = line.size();
    qsizetype bestLength = 0;
    for (int i = 0; i < entries.size(); ++i) {
        const QString keyword = entries[i].keyword();
        if (keyword.isEmpty() || !kw::has(line, keyword))
            continue;
        const qsizetype at = line.indexOf(keyword);
        if (at < bestAt || (at == bestAt && keyword.size() > bestLength)) {
            best = i;
            bestAt = at;
            bestLength = keyword.size();
        }
    }
    if (best >= 0)
        return best;
    for (const QString& name : procedures) {
        if (!kw::has(line, name))
            continue;
        for (int i = 0; i < entries.size(); ++i) {
            if (entries[i].keyword().isEmpty())
                return i;
        }
    }
    return -1;
}

QStringList procedureNames(const QString& programText)
{
    QStringList names;
    for (const QString& line :
        programText.split(QRegularExpression(QStringLiteral("\r\n|\r|\n")))) {
        if (!kw::has(line, kw::Procedura))
            continue;
        const QString name = line.mid(line.lastIndexOf(u' ') + 1).section(u',', 0, 0);
        if (!name.isEmpty() && !names.contains(name))
            names.append(name);
    }
    return names;
}

} // namespace zimo
