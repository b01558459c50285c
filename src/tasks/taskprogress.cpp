#include "taskprogress.h"

#include "platform/safefile.h"
#include "platform/userdata.h"
#include "taskfile.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>

namespace zimo
{

TaskProgress::TaskProgress(const QString& path)
    : m_path(path)
{
    const FileBytes file = readWholeFile(path);
    if (!file.ok())
        return;
    // One task a line: its key, a TAB and its title for a person who looks into the file.
    for (const QString& line : QString::fromUtf8(file.bytes).split(u'\n')) {
        const QString key = line.section(u'\t', 0, 0).trimmed();
        if (!key.isEmpty())
            m_solved.insert(key, line.section(u'\t', 1).trimmed());
    }
}

QString TaskProgress::defaultPath()
{
    return QDir(userDataFolder()).filePath(QStringLiteral("atrisinatie_uzdevumi.txt"));
}

QString TaskProgress::keyOf(const Task& task)
{
    const QByteArray hash = QCryptographicHash::hash(
        (task.title + u'\n' + task.solution).toUtf8(), QCryptographicHash::Sha1);
    return QString::fromLatin1(hash.toHex().left(16));
}

bool TaskProgress::isSolved(const Task& task) const { return m_solved.contains(keyOf(task)); }

QString TaskProgress::markSolved(const Task& task)
{
    const QString key = keyOf(task);
    if (m_solved.contains(key))
        return {};
    m_solved.insert(key, task.title.simplified());
    QStringList lines;
    for (auto at = m_solved.cbegin(); at != m_solved.cend(); ++at)
        lines.append(at.key() + u'\t' + at.value());
    QDir().mkpath(QFileInfo(m_path).absolutePath());
    return writeFileSafely(m_path, (lines.join(u'\n') + u'\n').toUtf8());
}

} // namespace zimo
