#include "commandreference.h"

#include "editor/commandhelp.h"
#include "filemessages.h"

#include <QRegularExpression>

namespace zimo
{

namespace
{

// The help row's examples read "Piemērs: ..." or "1.Piemērs: ..."; the list has a column
// of its own for them.
QString withoutLead(QStringView example)
{
    static const QRegularExpression Lead(QStringLiteral("\\d*\\.?Piemērs: "));
    return example.toString().remove(Lead);
}

CommandEntry fromRule(const HelpRule& rule)
{
    const filemsg::CommandText text = filemsg::commandText(rule.command);
    CommandEntry entry;
    entry.command = rule.command.toString();
    entry.arguments = rule.help.toString();
    if (!rule.command2.isEmpty()) {
        entry.command += QStringLiteral(" … ") + rule.command2.toString();
        entry.arguments += QStringLiteral("; ") + rule.help2.trimmed().toString();
    }
    entry.example = rule.example.isEmpty() ? text.example.toString() : withoutLead(rule.example);
    entry.meaning = text.meaning.toString();
    return entry;
}

} // namespace

QList<CommandEntry> commandReference()
{
    QList<CommandEntry> entries;
    for (const QStringView keyword : movementKeywords()) {
        const filemsg::CommandText text = filemsg::commandText(keyword);
        entries.append({ keyword.toString(), MovementHelp.toString(), text.example.toString(),
            text.meaning.toString() });
    }
    for (const HelpRule& rule : helpRules())
        entries.append(fromRule(rule));
    for (const filemsg::ExtraCommand& extra : filemsg::extraCommands()) {
        entries.append({ extra.command.toString(), extra.arguments.toString(),
            extra.example.toString(), extra.meaning.toString() });
    }
    return entries;
}

} // namespace zimo
