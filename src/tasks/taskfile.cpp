#include "taskfile.h"

#include "platform/safefile.h"
#include "platform/textcodec.h"
#include "program/programstate.h"
#include "taskmessages.h"

#include <QMap>

#include <optional>

namespace zimo
{

namespace
{

enum class Section { None, Title, Instruction, Required, MaxLines, Solution };

const QString LineEnd = QStringLiteral("\r\n");

// A section name as a teacher without Latvian letters on the keyboard may write it too.
QString plainName(const QString& text)
{
    QString plain;
    for (const QChar c : text.normalized(QString::NormalizationForm_D)) {
        if (c.category() != QChar::Mark_NonSpacing)
            plain.append(c.toLower());
    }
    return plain.simplified();
}

std::optional<Section> sectionOf(const QString& line)
{
    const QString t = line.trimmed();
    if (t.size() < 2 || !t.startsWith(u'[') || !t.endsWith(u']'))
        return std::nullopt;
    const QString name = plainName(t.mid(1, t.size() - 2));
    const std::pair<QString, Section> known[] {
        { taskmsg::titleSection(), Section::Title },
        { taskmsg::instructionSection(), Section::Instruction },
        { taskmsg::requiredSection(), Section::Required },
        { taskmsg::maxLinesSection(), Section::MaxLines },
        { taskmsg::solutionSection(), Section::Solution },
    };
    for (const auto& [written, section] : known) {
        if (name == plainName(written))
            return section;
    }
    return std::nullopt;
}

// The lines without the blank ones at either end.
QStringList withoutBlankEnds(QStringList lines)
{
    while (!lines.isEmpty() && lines.back().trimmed().isEmpty())
        lines.removeLast();
    while (!lines.isEmpty() && lines.front().trimmed().isEmpty())
        lines.removeFirst();
    return lines;
}

QStringList trimmedLines(const QStringList& lines)
{
    QStringList trimmed;
    for (const QString& line : withoutBlankEnds(lines))
        trimmed.append(line.trimmed());
    return trimmed;
}

QStringList words(const QStringList& lines)
{
    QStringList found;
    for (const QString& line : lines) {
        for (const QString& part : line.split(u',')) {
            if (!part.trimmed().isEmpty())
                found.append(part.trimmed());
        }
    }
    return found;
}

// Splits the text into its sections; a problem when the sections do not make a task file.
QString splitSections(const QStringList& lines, QMap<Section, QStringList>& content)
{
    Section current = Section::None;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QString& line = lines[i];
        // The reference program runs to the end: a line of it is never a section name.
        if (current != Section::Solution) {
            if (const auto section = sectionOf(line)) {
                if (content.contains(*section))
                    return taskmsg::sectionTwice(line.trimmed().mid(1).chopped(1));
                current = *section;
                content[current] = {};
                continue;
            }
        }
        if (current == Section::None) {
            if (!line.trimmed().isEmpty())
                return taskmsg::textBeforeSection(int(i + 1));
            continue;
        }
        content[current].append(line);
    }
    return {};
}

QString readMaxLines(const QStringList& lines, int& most)
{
    const QString text = trimmedLines(lines).join(u' ');
    if (text.isEmpty())
        return {};
    bool ok = false;
    most = text.toInt(&ok);
    if (!ok || most < 1 || most > ProgramState::MaxLines)
        return taskmsg::badMaxLines(text);
    return {};
}

} // namespace

TaskRead parseTask(const QByteArray& bytes)
{
    QString text = programTextFromFile(bytes);
    if (text.startsWith(QChar(0xFEFF)))
        text.remove(0, 1);
    QMap<Section, QStringList> content;
    TaskRead read;
    read.problem = splitSections(text.split(LineEnd), content);
    if (!read.ok())
        return read;
    Task& task = read.task;
    task.title = trimmedLines(content.value(Section::Title)).join(u' ');
    task.instruction = trimmedLines(content.value(Section::Instruction)).join(u'\n');
    task.required = words(content.value(Section::Required));
    QStringList solution = content.value(Section::Solution);
    while (!solution.isEmpty() && solution.back().trimmed().isEmpty())
        solution.removeLast();
    task.solution = solution.join(LineEnd);
    read.problem = readMaxLines(content.value(Section::MaxLines), task.maxLines);
    if (task.title.isEmpty())
        read.problem = taskmsg::noTitle();
    else if (task.instruction.isEmpty())
        read.problem = taskmsg::noInstruction();
    else if (task.solution.trimmed().isEmpty())
        read.problem = taskmsg::noSolution();
    return read;
}

TaskRead readTaskFile(const QString& path)
{
    const FileBytes file = readWholeFile(path);
    if (!file.ok())
        return { {}, file.problem };
    return parseTask(file.bytes);
}

TaskBytes taskFileBytes(const Task& task)
{
    const QString title = task.title.simplified();
    const QStringList instruction = task.instruction.split(u'\n');
    // Before the reference program every line is read as a possible section name.
    for (const QString& line : QStringList { title } + instruction + task.required) {
        if (sectionOf(line))
            return { {}, taskmsg::sectionInText(line.trimmed()) };
    }
    const auto header = [](const QString& name) { return u'[' + name + u']'; };
    QStringList lines { header(taskmsg::titleSection()), title,
        header(taskmsg::instructionSection()) };
    lines += instruction;
    if (!task.required.isEmpty())
        lines << header(taskmsg::requiredSection()) << task.required;
    if (task.maxLines > 0)
        lines << header(taskmsg::maxLinesSection()) << QString::number(task.maxLines);
    lines << header(taskmsg::solutionSection()) << task.solution;
    const QString text = lines.join(LineEnd) + LineEnd;
    const Encoded baltic = encodeWindows1257(text);
    return { baltic.ok() ? baltic.bytes : text.toUtf8(), {} };
}

int programLineCount(const QString& program)
{
    int count = 0;
    for (const QString& line : splitWorkFileLines(program)) {
        if (!line.trimmed().isEmpty())
            ++count;
    }
    return count;
}

QStringList unmetRequirements(const Task& task, const QString& program)
{
    const auto bounded = [&](qsizetype at, qsizetype length) {
        const auto outside = [&](qsizetype i) {
            return i < 0 || i >= program.size() || !program[i].isLetterOrNumber();
        };
        return outside(at - 1) && outside(at + length);
    };
    QStringList unmet;
    for (const QString& word : task.required) {
        bool used = false;
        for (qsizetype at = program.indexOf(word); at >= 0 && !used;
             at = program.indexOf(word, at + 1))
            used = bounded(at, word.size());
        if (!used)
            unmet.append(word);
    }
    return unmet;
}

} // namespace zimo
