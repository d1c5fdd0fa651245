#pragma once

#include <QHash>
#include <QString>

class clsEmployeeInfo;

// The texts a schedule report repeats on many lines (employee names, dates, clock times), each
// made once per report: long reports format the same few hundred values tens of thousands of
// times.
class ReportTexts
{
public:
    explicit ReportTexts(const clsEmployeeInfo &info) : m_info(info) {}

    // ConvertNumberToName without the schedule name; told apart from the other employees given
    // to distinguish() whose names are equal.
    const QString &name(qint32 employee);
    // The employees a report names: where two have equal names, both get what tells them apart.
    void distinguish(const QList<qint32> &employees);
    // The date-time formatted with "m/d/yy", "ddd" or "h:mm A/P".
    const QString &date(double value);
    const QString &weekday(double value);
    const QString &clock(double value);

private:
    const QString &cached(QHash<qint64, QString> &cache, qint64 key, double value, const QString &pattern);

    const clsEmployeeInfo &m_info;
    QHash<qint32, QString> m_names;
    QHash<qint64, QString> m_dates, m_weekdays, m_clocks;
};
