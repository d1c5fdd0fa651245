#pragma once

#include <QString>
#include <stdexcept>

// A failed read or write of a data file. Carries the routine that failed, the file and the
// platform's reason, so the window that started the operation can tell the user in plain words.
class FileError : public std::runtime_error
{
public:
    FileError(const QString &routine, const QString &path, const QString &reason)
        : std::runtime_error((routine + ": " + path + ": " + reason).toStdString()),
          m_routine(routine), m_path(path), m_reason(reason) {}

    const QString &routine() const { return m_routine; }
    const QString &path() const { return m_path; }
    const QString &reason() const { return m_reason; }
    // "Could not save "Dept.dat" (C:/.../data): Permission denied."
    QString userText() const;

private:
    QString m_routine;
    QString m_path;
    QString m_reason;
};
