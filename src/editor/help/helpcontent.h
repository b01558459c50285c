#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <QStringView>

namespace zimo
{

/// One command of the help: how it is written, what it does, example lines and the program
/// whose drawing is its picture.
struct HelpEntry {
    /// The command as the help row names it ("uz prieksu", "lenkis pa labi", "no").
    QString title;
    /// What is written after the command, from the help row; empty for a command without.
    QString arguments;
    /// The second keyword of a two-part command and what follows it ("lidz", "lidz cik").
    QString command2;
    QString arguments2;
    /// Example lines; the first one is what "Ievietot" puts into the program.
    QStringList examples;
    /// The lines whose drawing is the entry's picture.
    QStringList picture;
    /// What the command does, in Markdown.
    QString text;

    /// The text a program line holds when it uses this command: the title, with its blank
    /// when arguments follow. Empty for the procedure call, which has no keyword.
    QString keyword() const;
};

/// One page of the help window: its title, its Markdown text and the programs whose
/// drawings it shows.
struct HelpSection {
    QString title;
    /// Picture n stands in the text as the image named by pictureName(n).
    QString markdown;
    QList<QStringList> pictures;

    static QString pictureName(qsizetype n);
};

/// The whole help: the sections in their order and, for the section of the commands (its
/// text is the introduction above the list), every command.
struct HelpContent {
    QList<HelpSection> sections;
    int commandSection = -1;
    QList<HelpEntry> commands;
};

/// The help built from its Latvian source in the resources, with the argument texts and
/// examples of the help row filled in. Read once; later calls return the same content.
const HelpContent& helpContent();
/// The help built from the text of a source.
HelpContent parseHelp(const QString& source);

/// The command a program line uses: the entry whose keyword stands first in the line, the
/// longest where several start at the same place ("lenkis pa labi 45" is a turn, not
/// "lenkis"). A line without a keyword that holds one of procedures is a call. -1: none.
int entryForLine(const QList<HelpEntry>& entries, QStringView line, const QStringList& procedures);
/// The names of the program's procedures: the word after the last blank of each
/// "procedura " line.
QStringList procedureNames(const QString& programText);

} // namespace zimo
