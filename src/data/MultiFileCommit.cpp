#include "MultiFileCommit.h"

#include "FileError.h"
#include "ScheduleHelper.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSaveFile>
#include <QSet>

#include <system_error>

#ifdef SHIFTGRID_HAVE_LIBCRYPTO
#include <openssl/evp.h>
#endif

namespace {

thread_local MultiFileCommit *innermost = nullptr;

// The journal is UTF-8 CSV with a header line; every field is quoted, and no name of a data file
// holds a quote or a line break (department names are refused such characters).
const char *const kHeader = "File,Temporary,Bytes,SHA-256";

QString quoted(const QString &field)
{
    QString text = field;
    text.replace(u'"', QStringLiteral("\"\""));
    return u'"' + text + u'"';
}

// Splits one line of quoted or plain fields; nullopt when a quote is left open.
std::optional<QStringList> fieldsOf(const QString &line)
{
    QStringList fields;
    QString field;
    bool inQuotes = false;
    for (qsizetype i = 0; i < line.size(); ++i) {
        const QChar c = line.at(i);
        if (inQuotes) {
            if (c == u'"' && i + 1 < line.size() && line.at(i + 1) == u'"') {
                field += c;
                ++i;
            } else if (c == u'"') {
                inQuotes = false;
            } else {
                field += c;
            }
        } else if (c == u'"') {
            inQuotes = true;
        } else if (c == u',') {
            fields << field;
            field.clear();
        } else {
            field += c;
        }
    }
    if (inQuotes)
        return std::nullopt;
    fields << field;
    return fields;
}

QByteArray digestOf(const QByteArray &bytes)
{
#ifdef SHIFTGRID_HAVE_LIBCRYPTO
    unsigned char digest[EVP_MAX_MD_SIZE];
    unsigned int size = 0;
    if (EVP_Digest(bytes.constData(), size_t(bytes.size()), digest, &size, EVP_sha256(), nullptr) == 1)
        return QByteArray(reinterpret_cast<const char *>(digest), int(size)).toHex();
#endif
    return QCryptographicHash::hash(bytes, QCryptographicHash::Sha256).toHex();
}

QString absoluteClean(const QString &path)
{
    return QDir::cleanPath(QFileInfo(path).absoluteFilePath());
}

// A file named by a journal: inside the data folder at most one folder deep (day files sit in
// a department folder), with no part that climbs out.
bool isPlainRelativeName(const QString &name)
{
    if (name.isEmpty() || QDir::isAbsolutePath(name) || name.contains(u'\\') || name.contains(u':'))
        return false;
    const QStringList parts = name.split(u'/');
    if (parts.size() > 2)
        return false;
    for (const QString &part : parts)
        if (part.isEmpty() || part == QLatin1String(".") || part == QLatin1String(".."))
            return false;
    return true;
}

const QRegularExpression &temporarySuffix()
{
    static const QRegularExpression suffix(QStringLiteral("^\\.[A-Za-z0-9]{6}$"));
    return suffix;
}

struct JournalEntry {
    QString file;        // relative to the data folder
    QString temporary;   // relative to the data folder
    qint64 bytes = 0;
    QByteArray digest;
};

// Reads the journal's entries; an empty optional with `problem` set when it cannot be trusted.
std::optional<QList<JournalEntry>> readJournal(const QString &dataPath, const QString &journal, QString &problem)
{
    QByteArray text;
    try {
        text = ScheduleHelper::ReadFileBytes(journal);
    } catch (const FileError &error) {
        problem = error.reason();
        return std::nullopt;
    }
    const QStringList lines = QString::fromUtf8(text).split(QStringLiteral("\n"), Qt::SkipEmptyParts);
    if (lines.isEmpty() || lines.first().trimmed() != QLatin1String(kHeader)) {
        problem = QCoreApplication::translate("MultiFileCommit", "its first line is not the journal's header");
        return std::nullopt;
    }
    QList<JournalEntry> entries;
    QSet<QString> seen;
    for (qsizetype n = 1; n < lines.size(); ++n) {
        const auto fields = fieldsOf(lines.at(n).trimmed());
        bool sizeOk = false;
        if (!fields || fields->size() != 4) {
            problem = QCoreApplication::translate("MultiFileCommit", "line %1 does not have four fields").arg(n + 1);
            return std::nullopt;
        }
        JournalEntry e{fields->at(0), fields->at(1), fields->at(2).toLongLong(&sizeOk), fields->at(3).toLatin1()};
        if (!isPlainRelativeName(e.file) || !e.temporary.startsWith(e.file)
            || !temporarySuffix().match(e.temporary.mid(e.file.size())).hasMatch()) {
            problem = QCoreApplication::translate("MultiFileCommit", "line %1 names a file outside the data folder or a temporary file of another name")
                          .arg(n + 1);
            return std::nullopt;
        }
        if (!sizeOk || e.bytes < 0 || e.digest.size() != 64 || seen.contains(e.file)) {
            problem = QCoreApplication::translate("MultiFileCommit", "line %1 is not a complete entry").arg(n + 1);
            return std::nullopt;
        }
        if (!ScheduleHelper::FileProblem(QDir(dataPath).filePath(e.file)).isEmpty()
            || !ScheduleHelper::FileProblem(QDir(dataPath).filePath(e.temporary)).isEmpty()) {
            problem = QCoreApplication::translate("MultiFileCommit", "line %1 names a file that is not a regular file of the data folder").arg(n + 1);
            return std::nullopt;
        }
        seen.insert(e.file);
        entries << e;
    }
    return entries;
}

// Whether the file holds exactly the bytes the journal names.
bool holds(const QString &path, const JournalEntry &entry)
{
    const QFileInfo info(path);
    if (!info.isFile() || info.size() != entry.bytes)
        return false;
    try {
        return digestOf(ScheduleHelper::ReadFileBytes(path)) == entry.digest;
    } catch (const FileError &) {
        return false;
    }
}

} // namespace

MultiFileCommit::MultiFileCommit(const QString &dataPath)
    : m_dataPath(absoluteClean(dataPath)), m_outer(innermost)
{
    for (MultiFileCommit *open = innermost; open; open = open->m_outer)
        if (open->m_dataPath == m_dataPath) {
            m_joined = open->m_joined ? open->m_joined : open;
            break;
        }
    innermost = this;
}

MultiFileCommit::~MultiFileCommit()
{
    if (!m_done)
        dropPrepared();
    // Objects close in the reverse order of opening; anything else is a programming error that
    // must not leave a dangling pointer behind.
    if (innermost == this)
        innermost = m_outer;
}

QString MultiFileCommit::journalFileName()
{
    return QStringLiteral("Shiftgrid.journal");
}

MultiFileCommit *MultiFileCommit::openFor(const QString &path)
{
    if (!innermost)
        return nullptr;
    const QString file = absoluteClean(path);
    for (MultiFileCommit *open = innermost; open; open = open->m_outer)
        if (file.startsWith(open->m_dataPath + u'/'))
            return open->m_joined ? open->m_joined : open;
    return nullptr;
}

QString MultiFileCommit::relative(const QString &absolute) const
{
    return QDir(m_dataPath).relativeFilePath(absolute);
}

namespace {

// The digest costs about as much as writing and syncing the file, so another thread works it
// out meanwhile; the journal waits for it.
std::shared_future<QByteArray> digestInBackground(const QByteArray &bytes)
{
    try {
        return std::async(std::launch::async, digestOf, bytes).share();
    } catch (const std::system_error &) {   // no thread to be had: on this one, when needed
        return std::async(std::launch::deferred, digestOf, bytes).share();
    }
}

} // namespace

void MultiFileCommit::prepare(const QString &path, const QByteArray &bytes)
{
    const QString file = absoluteClean(path);
    qsizetype same = -1;
    for (qsizetype i = 0; i < m_entries.size(); ++i)
        if (m_entries.at(i).file == file)
            same = i;
    // Only an operation of more than one file writes a journal, and only the journal needs digests.
    const bool journaled = m_entries.size() + (same < 0 ? 1 : 0) > 1;
    std::shared_future<QByteArray> digest;
    if (journaled) {
        digest = digestInBackground(bytes);
        for (Entry &e : m_entries)
            if (!e.digest.valid())
                e.digest = digestInBackground(e.bytes);
    }
    const QString temporary = ScheduleHelper::WriteTemporaryFile(file, bytes);
    if (same >= 0) {
        Entry &e = m_entries[same];
        QFile::remove(e.temporary);
        e.temporary = temporary;
        e.bytes = bytes;
        e.digest = digest;
        return;
    }
    m_entries.append({file, temporary, bytes, digest});
}

const QByteArray *MultiFileCommit::prepared(const QString &path) const
{
    const QString file = absoluteClean(path);
    for (const Entry &e : m_entries)
        if (e.file == file)
            return &e.bytes;
    return nullptr;
}

void MultiFileCommit::dropPrepared()
{
    for (const Entry &e : std::as_const(m_entries))
        QFile::remove(e.temporary);
    m_entries.clear();
}

QByteArray MultiFileCommit::journalText() const
{
    QString text = QLatin1String(kHeader) + u'\n';
    for (const Entry &e : m_entries)
        text += QStringList{quoted(relative(e.file)), quoted(relative(e.temporary)), QString::number(e.bytes.size()),
                            QString::fromLatin1(e.digest.get())}
                    .join(u',')
                + u'\n';
    return text.toUtf8();
}

void MultiFileCommit::commit()
{
    if (m_joined || m_done)
        return;
    m_done = true;
    if (m_entries.isEmpty())
        return;
    // One file needs no journal (below).
    const QByteArray journalBytes = m_entries.size() > 1 ? journalText() : QByteArray();
    const QList<Entry> entries = std::exchange(m_entries, {});
    QSet<QString> folders;
    for (const Entry &e : entries)
        folders.insert(QFileInfo(e.file).absolutePath());

    // One file needs no journal: its rename is all or nothing by itself.
    const QString journal = QDir(m_dataPath).filePath(journalFileName());
    const bool journaled = entries.size() > 1;
    if (journaled) {
        try {
            // The new files' names reach the disk before the journal that names them.
            for (const QString &folder : std::as_const(folders))
                ScheduleHelper::SyncFolder(folder);
            // Written directly, never prepared: this object is still the open operation.
            const QString temporary = ScheduleHelper::WriteTemporaryFile(journal, journalBytes);
            ScheduleHelper::ReplaceFile(temporary, journal);
            ScheduleHelper::SyncFolder(m_dataPath);
        } catch (const FileError &) {
            for (const Entry &e : entries)
                QFile::remove(e.temporary);
            QFile::remove(journal);
            throw;
        }
    }
    // From here on the operation is decided: a failed rename is finished at the next start.
    for (const Entry &e : entries) {
        try {
            ScheduleHelper::ReplaceFile(e.temporary, e.file);
        } catch (const FileError &error) {
            throw FileError(error.routine(), error.path(),
                            error.reason()
                                + (journaled ? QCoreApplication::translate("MultiFileCommit", "; the other files of this save are finished when the "
                                                              "data folder is next opened")
                                             : QString()),
                            error.kind());
        }
    }
    for (const QString &folder : std::as_const(folders))
        ScheduleHelper::SyncFolder(folder);
    if (journaled) {
        QFile::remove(journal);
        ScheduleHelper::SyncFolder(m_dataPath);
    }
}

MultiFileCommit::Recovery MultiFileCommit::FinishInterrupted(const QString &dataPath)
{
    Recovery recovery;
    const QDir folder(dataPath);
    const QString journal = folder.filePath(journalFileName());
    const QFileInfo journalInfo(journal);
    if (!journalInfo.exists() && !journalInfo.isSymLink())
        return recovery;

    QString problem;
    const auto entries = readJournal(dataPath, journal, problem);
    if (!entries) {
        // Nothing it names can be trusted; the temporaries it may have named are cleared by age.
        recovery.outcome = Recovery::Outcome::Unreadable;
        recovery.reason = problem;
        QFile::remove(journal);
        ScheduleHelper::SyncFolder(dataPath);
        return recovery;
    }
    bool complete = true;
    for (const JournalEntry &e : *entries) {
        recovery.files << e.file;
        const bool ready = holds(folder.filePath(e.temporary), e);
        const bool alreadyRenamed = !QFileInfo::exists(folder.filePath(e.temporary)) && holds(folder.filePath(e.file), e);
        if (!ready && !alreadyRenamed) {
            complete = false;
            recovery.reason = QCoreApplication::translate("MultiFileCommit", "the new %1 is missing or incomplete").arg(e.file);
        }
    }
    if (complete) {
        recovery.outcome = Recovery::Outcome::Finished;
        for (const JournalEntry &e : *entries)
            if (QFileInfo::exists(folder.filePath(e.temporary)))
                ScheduleHelper::ReplaceFile(folder.filePath(e.temporary), folder.filePath(e.file));
    } else {
        recovery.outcome = Recovery::Outcome::RolledBack;
        for (const JournalEntry &e : *entries)
            QFile::remove(folder.filePath(e.temporary));
    }
    QSet<QString> folders{QDir::cleanPath(folder.absolutePath())};
    for (const JournalEntry &e : *entries)
        folders.insert(QFileInfo(folder.filePath(e.file)).absolutePath());
    for (const QString &f : std::as_const(folders))
        ScheduleHelper::SyncFolder(f);
    QFile::remove(journal);
    ScheduleHelper::SyncFolder(dataPath);
    return recovery;
}

QString MultiFileCommit::Recovery::text() const
{
    const QString names = files.join(QStringLiteral(", "));
    switch (outcome) {
    case Outcome::None:
        return {};
    case Outcome::Finished:
        return QCoreApplication::translate("MultiFileCommit", "A save that was interrupted has been finished: %1.").arg(names);
    case Outcome::RolledBack:
        return QCoreApplication::translate("MultiFileCommit", "A save that was interrupted could not be finished (%1); %2 keep their earlier content.")
            .arg(reason, names);
    case Outcome::Unreadable:
        return QCoreApplication::translate("MultiFileCommit", "The journal of an interrupted save could not be used (%1) and was removed; no file was changed.")
            .arg(reason);
    }
    return {};
}
