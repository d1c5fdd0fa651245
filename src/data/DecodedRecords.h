#pragma once

#include "RecordList.h"

#include <QList>
#include <QString>

// A record file held decoded, one value a record, in file order.
namespace DecodedRecords {

// Reads the whole file of `size`-byte records; `decode(const char *record)` gives each value.
template<typename Decode>
auto load(const QString &path, int size, Decode decode)
{
    RecordList records(size);
    records.load(path);
    QList<decltype(decode(static_cast<const char *>(nullptr)))> values;
    values.reserve(records.count());
    for (int i = 1; i <= records.count(); ++i)
        values.append(decode(static_cast<const char *>(records.record(i))));
    return values;
}

// Writes the values as the whole file, each into a zero-filled record by `encode(char *, value)`.
template<typename T, typename Encode>
void save(const QString &path, int size, const QList<T> &values, Encode encode)
{
    RecordList records(size);
    for (const T &value : values)
        encode(records.record(records.append()), value);
    records.save(path);
}

} // namespace DecodedRecords
