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
    FuzzFolder() { m_dir.setAutoRemove(true); }
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
