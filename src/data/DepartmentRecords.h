#pragma once

#include "RecordList.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

struct DepartmentInfo {
    QString name;       // trimmed and upper-cased, as DepartmentNames lists it
    qint16 firstDay = 0;
    quint8 weekLimit = 0;
    quint8 dayLimit = 0;
};

// The departments of "Dept.dat" (530-byte records), held byte for byte. A name given by a
// caller finds the first record of that name; changes stay in memory until save().
class DepartmentRecords
{
public:
    void load(const QString &path) { m_records.load(path); }
    void save(const QString &path) const { m_records.save(path); }

    // Appends a department of the name (stored trimmed and upper-cased); returns its record.
    int add(const QString &name);
    void removeAt(int record) { m_records.removeMovingLast(record); }
    // Removes every department of the name.
    void removeNamed(const QString &name);

    qint16 firstDay(const QString &name) const;
    // False when no department has the name.
    bool setFirstDay(const QString &name, qint16 day);
    quint8 limit(const QString &name, bool weekly) const;
    void setLimit(const QString &name, bool weekly, quint8 hours);

    QList<DepartmentInfo> list() const;
    QStringList names() const;
    std::optional<QStringList> named(const QStringList &typed, QString *unknown) const;

    static constexpr int kNameWidth = 30;

private:
    int find(const QString &name) const;   // first record 1..n, 0 when none

    RecordList m_records{530};
};
