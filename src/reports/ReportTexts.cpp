#include "ReportTexts.h"

#include "data/OleDate.h"
#include "data/clsEmployeeInfo.h"

#include <QSet>

#include <cmath>

namespace {
constexpr qint64 kMsPerDay = 86400000;
// Date-times are kept to the millisecond, so the millisecond count identifies a text.
qint64 milliseconds(double value)
{
    return std::llround(value * double(kMsPerDay));
}
} // namespace

const QString &ReportTexts::name(qint32 employee)
{
    auto it = m_names.find(employee);
    if (it == m_names.end())
        it = m_names.insert(employee, m_info.ConvertNumberToName(employee, false));
    return *it;
}

void ReportTexts::distinguish(const QList<qint32> &employees)
{
    QList<qint32> unique;
    QSet<qint32> seen;
    for (qint32 employee : employees)
        if (!seen.contains(employee)) {
            seen.insert(employee);
            unique << employee;
        }
    const QStringList names = m_info.DistinctNames(unique, false);
    m_names.clear();
    for (qsizetype i = 0; i < unique.size(); ++i)
        m_names.insert(unique.at(i), names.at(i));
}

const QString &ReportTexts::cached(QHash<qint64, QString> &cache, qint64 key, double value, const QString &pattern)
{
    auto it = cache.find(key);
    if (it == cache.end())
        it = cache.insert(key, OleDate::format(value, pattern));
    return *it;
}

const QString &ReportTexts::date(double value)
{
    return cached(m_dates, milliseconds(value) / kMsPerDay, value, QStringLiteral("m/d/yy"));
}

const QString &ReportTexts::weekday(double value)
{
    return cached(m_weekdays, milliseconds(value) / kMsPerDay, value, QStringLiteral("ddd"));
}

const QString &ReportTexts::clock(double value)
{
    return cached(m_clocks, milliseconds(value) % kMsPerDay, value, QStringLiteral("h:mm A/P"));
}
