#pragma once

// A data folder that lives as long as the fuzzing process; each input is written into it as one
// file and removed again.

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

class FuzzFolder
{
public:
    // In memory where the system has such a folder: the saves of the settings harness sync
    // every file, which on a disk costs more than the rest of the run.
    FuzzFolder()
        : m_dir((QDir(QStringLiteral("/dev/shm")).exists() ? QStringLiteral("/dev/shm") : QDir::tempPath())
                + QStringLiteral("/shiftgrid-fuzz-XXXXXX"))
    {
    }
    QString path() const { return m_dir.path(); }
    QString file(const QString &name) const { return m_dir.filePath(name); }
    void write(const QString &name, const QByteArray &bytes) const
    {
        QDir().mkpath(QFileInfo(file(name)).absolutePath());
        QFile f(file(name));
        if (f.open(QIODevice::WriteOnly))
            f.write(bytes);
    }
    void remove(const QString &name) const { QFile::remove(file(name)); }

private:
    QTemporaryDir m_dir;
};
