#pragma once

// Record bytes written by hand from the documented layouts, independently of the data store's
// own writer, so that round trips prove compatibility with files made by other programs.

#include <QByteArray>
#include <QFile>
#include <QString>
#include <QtEndian>
#include <cstring>

namespace HandMade {

inline void putText(QByteArray &r, int offset, int width, const QByteArray &latin1)
{
    QByteArray f = latin1.left(width);
    f.append(width - f.size(), ' ');
    std::memcpy(r.data() + offset, f.constData(), size_t(width));
}
inline void putI32(QByteArray &r, int offset, qint32 v) { qToLittleEndian<qint32>(v, r.data() + offset); }
inline void putI16(QByteArray &r, int offset, qint16 v) { qToLittleEndian<qint16>(v, r.data() + offset); }
inline void putF64(QByteArray &r, int offset, double v)
{
    quint64 bits;
    std::memcpy(&bits, &v, 8);
    qToLittleEndian<quint64>(bits, r.data() + offset);
}
inline qint32 i32(const QByteArray &b, int offset) { return qFromLittleEndian<qint32>(b.constData() + offset); }
inline double f64(const QByteArray &b, int offset)
{
    const quint64 bits = qFromLittleEndian<quint64>(b.constData() + offset);
    double v;
    std::memcpy(&v, &bits, 8);
    return v;
}

inline QByteArray department(const QByteArray &name, qint16 firstDay = 0, quint8 week = 0, quint8 day = 0)
{
    QByteArray r(530, '\0');
    putText(r, 0, 30, name);
    putI16(r, 30, firstDay);
    r[32] = char(week);
    r[33] = char(day);
    return r;
}

inline QByteArray position(const QByteArray &name, qint32 textColor, qint32 backColor)
{
    QByteArray r(328, '\0');
    putText(r, 0, 20, name);
    putI32(r, 20, textColor);
    putI32(r, 24, backColor);
    return r;
}

inline QByteArray employee(qint32 number, const QByteArray &first, const QByteArray &last,
                           const QByteArray &phone = {}, bool male = false)
{
    QByteArray r(732, '\0');
    putI32(r, 0, number);
    putText(r, 4, 50, first);
    putText(r, 54, 50, "");
    putText(r, 104, 50, last);
    putText(r, 160, 50, "");
    putText(r, 216, 50, "");
    putText(r, 448, 10, phone);
    for (int offset : {458, 488, 518})
        putText(r, offset, 30, "");
    putText(r, 548, 20, "");
    putText(r, 568, 10, "");
    putText(r, 578, 20, "");
    putText(r, 598, 20, "");
    putText(r, 618, 10, "");
    r[628] = male ? 1 : 0;
    return r;
}

inline QByteArray membership(qint32 employee, const QByteArray &department)
{
    QByteArray r(36, '\0');
    putI32(r, 0, employee);
    putText(r, 4, 30, department);
    return r;
}

inline QByteArray assignment(qint32 employee, const QByteArray &position)
{
    QByteArray r(24, '\0');
    putI32(r, 0, employee);
    putText(r, 4, 20, position);
    return r;
}

inline QByteArray defaultShift(const QByteArray &department, double start, double end)
{
    QByteArray r(248, '\0');
    putText(r, 0, 30, department);
    putF64(r, 32, start);
    putF64(r, 40, end);
    return r;
}

inline QByteArray shift(qint32 employee, double begin, double end, const QByteArray &position)
{
    QByteArray r(540, '\0');
    putI32(r, 0, employee);
    putF64(r, 4, begin);
    putF64(r, 12, end);
    putText(r, 20, 20, position);
    return r;
}

inline QByteArray timeOff(qint32 employee, double begin, double end, const QByteArray &reason)
{
    QByteArray r(252, '\0');
    putI32(r, 0, employee);
    putF64(r, 4, begin);
    putF64(r, 12, end);
    putText(r, 20, 30, reason);
    return r;
}

inline void write(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    if (f.open(QIODevice::WriteOnly))
        f.write(bytes);
}

inline QByteArray read(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

} // namespace HandMade
