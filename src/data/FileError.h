#pragma once

#include <QString>
#include <stdexcept>

// A failed read or write of a data file. Carries what was being done (reading or saving), the
// routine that failed, the file and the platform's reason, so the window that started the
// operation can tell the user in plain words.
class FileError : public std::runtime_error
{
public:
    enum class Kind { Read, Write };

    // Callers that read pass Kind::Read; the default suits the many routines that save.
    FileError(const QString &routine, const QString &path, const QString &reason, Kind kind = Kind::Write)
        : std::runtime_error((routine + ": " + path + ": " + reason).toStdString()),
          m_kind(kind), m_routine(routine), m_path(path), m_reason(reason) {}

    Kind kind() const { return m_kind; }
    const QString &routine() const { return m_routine; }
    const QString &path() const { return m_path; }
    const QString &reason() const { return m_reason; }
    // "Could not save "Dept.dat" (in C:/.../data): Permission denied."
    QString userText() const;

private:
    Kind m_kind;
    QString m_routine;
    QString m_path;
    QString m_reason;
};
