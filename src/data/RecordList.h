#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QtEndian>
#include <cstring>

// The records of one fixed-record file, held byte for byte as on disk. Records are numbered
// from 1 to count() in file order, as the files' conventions number them.
class RecordList
{
public:
    explicit RecordList(int recordSize) : m_size(recordSize) {}

    int recordSize() const { return m_size; }
    int count() const { return int(m_bytes.size() / m_size); }
    bool isEmpty() const { return m_bytes.isEmpty(); }

    char *record(int i) { return m_bytes.data() + qsizetype(i - 1) * m_size; }
    const char *record(int i) const { return m_bytes.constData() + qsizetype(i - 1) * m_size; }

    // Makes room for this many records in all, so that appending up to them never copies.
    void reserve(int records) { m_bytes.reserve(qsizetype(records) * m_size); }
    // Appends a zero-filled record and returns its number.
    int append();
    // Appends a copy of the given record bytes (recordSize() of them).
    void append(const char *bytes);
    // Removes record i by copying the last record over it and dropping the last.
    void removeMovingLast(int i);
    // Removes every record for which `matches(record)` is true, walking from the first: a
    // removed record's place takes the last record, which is examined in its turn.
    template<typename Matches>
    bool removeAllMovingLast(Matches matches)
    {
        bool removed = false;
        for (int i = 1; i <= count();) {
            if (matches(static_cast<const char *>(record(i)))) {
                removeMovingLast(i);
                removed = true;
            } else {
                ++i;
            }
        }
        return removed;
    }
    void clear() { m_bytes.clear(); }
    // Empties the list but keeps its memory for the records to come (unless it is shared).
    void clearKeepingMemory() { m_bytes.resize(0); }

    // Reads the whole file (missing or empty: no records); see ScheduleHelper::RecordCount.
    void load(const QString &path);
    // Writes every record as the whole file.
    void save(const QString &path) const;

    const QByteArray &bytes() const { return m_bytes; }
    void setBytes(const QByteArray &bytes) { m_bytes = bytes; }

private:
    int m_size;
    QByteArray m_bytes;
};

// The same walk over a list of decoded records.
template<typename T, typename Matches>
void removeAllMovingLast(QList<T> &list, Matches matches)
{
    for (qsizetype i = 0; i < list.size();) {
        if (matches(list[i])) {
            list[i] = list.last();
            list.removeLast();
        } else {
            ++i;
        }
    }
}

// Little-endian fields inside a record.
namespace Field {
inline qint32 i32(const char *p) { return qFromLittleEndian<qint32>(p); }
inline qint16 i16(const char *p) { return qFromLittleEndian<qint16>(p); }
inline quint8 u8(const char *p) { return quint8(*p); }
inline double f64(const char *p)
{
    const quint64 bits = qFromLittleEndian<quint64>(p);
    double value;
    std::memcpy(&value, &bits, sizeof value);
    return value;
}
inline void setI32(char *p, qint32 v) { qToLittleEndian<qint32>(v, p); }
inline void setI16(char *p, qint16 v) { qToLittleEndian<qint16>(v, p); }
inline void setU8(char *p, quint8 v) { *p = char(v); }
inline void setF64(char *p, double v)
{
    quint64 bits;
    std::memcpy(&bits, &v, sizeof bits);
    qToLittleEndian<quint64>(bits, p);
}
} // namespace Field
