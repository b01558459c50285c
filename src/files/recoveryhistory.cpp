#include "recoveryhistory.h"

#include "platform/safefile.h"
#include "platform/textcodec.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

#include <algorithm>
#include <atomic>

namespace zimo
{

namespace
{

constexpr qsizetype ShownLineLength = 60;
/// The list reads no more of a version than its beginning, whatever its size.
constexpr qsizetype HeadBytes = 64 * 1024;

// Newest first; versions written within the same moment by one window in the order of
// their names, which count up.
QFileInfoList versionFiles(const QString& folder)
{
    QDir dir(folder);
    dir.setNameFilters({ QStringLiteral("*") + ProgramSuffix.toString() });
    dir.setFilter(QDir::Files);
    QFileInfoList files = dir.entryInfoList();
    std::sort(files.begin(), files.end(), [](const QFileInfo& a, const QFileInfo& b) {
        const QDateTime ta = a.lastModified();
        const QDateTime tb = b.lastModified();
        return ta != tb ? ta > tb : a.fileName() > b.fileName();
    });
    return files;
}

// A name no other window's version has: when it was started, the process and a count.
QString versionName(const QDateTime& time, qint64 process, int count)
{
    return time.toString(QStringLiteral("yyyyMMdd-HHmmss-zzz")) + QStringLiteral("-%1-%2")
               .arg(process)
               .arg(count, 6, 10, QLatin1Char('0'))
        + ProgramSuffix.toString();
}

} // namespace

RecoveryHistory::RecoveryHistory(QString folder)
    : m_folder(std::move(folder))
{
}

QString RecoveryHistory::keep(const QString& text)
{
    if (text.trimmed().isEmpty() || text == m_lastWritten)
        return {};
    // Most of the text gone at once (all selected and deleted, something else typed) is a
    // program let go of by hand: it stays a version of its own rather than being written over.
    if (text.size() * 2 < m_lastWritten.size())
        closeVersion();
    const bool fresh = m_current.isEmpty();
    const QString path = fresh ? newVersionPath() : m_current;
    QDir().mkpath(m_folder);
    // Loading drops the one line end at the end, as it does for program files.
    if (QString problem = writeFileSafely(path, (text + QStringLiteral("\r\n")).toUtf8());
        !problem.isEmpty())
        return problem;
    m_current = path;
    m_lastWritten = text;
    if (fresh)
        prune();
    return {};
}

void RecoveryHistory::closeVersion() { m_current.clear(); }

void RecoveryHistory::adopt(const QString& path)
{
    const QFileInfo file(path);
    if (!file.isFile())
        return;
    QDir().mkpath(m_folder);
    QFile::rename(path, QDir(m_folder).filePath(versionName(file.lastModified(), 0, 0)));
}

QString RecoveryHistory::newVersionPath() const
{
    static std::atomic<int> count { 0 };
    return QDir(m_folder).filePath(versionName(
        QDateTime::currentDateTime(), QCoreApplication::applicationPid(), ++count));
}

void RecoveryHistory::prune() const
{
    const QFileInfoList files = versionFiles(m_folder);
    for (qsizetype i = Kept; i < files.size(); ++i)
        QFile::remove(files[i].filePath());
}

QList<RecoveryEntry> RecoveryHistory::entries() const
{
    QList<RecoveryEntry> entries;
    for (const QFileInfo& file : versionFiles(m_folder)) {
        // Versions are UTF-8; a letter cut at the end of the head shows as a mark.
        const FileBytes head = readWholeFile(file.filePath(), HeadBytes);
        entries.append({ file.filePath(), file.lastModified(),
            firstLineOf(QString::fromUtf8(head.bytes.left(HeadBytes))) });
    }
    return entries;
}

// Whatever was kept comes back whole, even a text larger than a program file may be.
LoadedProgram RecoveryHistory::read(const RecoveryEntry& entry)
{
    const FileBytes file = readWholeFile(entry.path);
    if (!file.ok())
        return { {}, file.problem, {} };
    return { programTextFromFile(file.bytes), {}, {} };
}

QString RecoveryHistory::firstLineOf(const QString& text)
{
    static const QRegularExpression lineEnd(QStringLiteral("\r\n|\r|\n"));
    for (const QString& line : text.split(lineEnd)) {
        const QString shown = line.trimmed();
        if (shown.isEmpty())
            continue;
        if (shown.size() <= ShownLineLength)
            return shown;
        return shown.left(ShownLineLength - 1) + QStringLiteral("…");
    }
    return {};
}

} // namespace zimo
