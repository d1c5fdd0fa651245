#include "ScheduleDays.h"

#include "data/OleDate.h"

#include <algorithm>
#include <cmath>

namespace {
QString clock(double value)
{
    return OleDate::format(value, QStringLiteral("h:mma/p"));
}

// "4p", "11:30p": whole hours without their minutes.
QString shortClock(double value)
{
    QString text = clock(value);
    return text.contains(QStringLiteral(":00")) ? text.remove(QStringLiteral(":00")) : text;
}
} // namespace

ScheduleDays::ScheduleDays(const QList<ReportShiftRow> &shifts, const QList<TimeOffRow> &timeOff)
{
    for (const ReportShiftRow &row : shifts)
        m_shifts[{row.employee, qint64(std::floor(row.start))}].append(row);
    for (auto &list : m_shifts)
        std::stable_sort(list.begin(), list.end(), [](const ReportShiftRow &a, const ReportShiftRow &b) { return a.start < b.start; });
    for (const TimeOffRow &period : timeOff) {
        const qint64 first = qint64(std::floor(period.start));
        // A period ending at midnight does not touch the day that midnight begins.
        const qint64 last = std::max(first, qint64(std::ceil(period.end)) - 1);
        for (qint64 day = first; day <= last; ++day) {
            const double from = std::max(period.start, double(day));
            const double to = std::min(period.end, double(day + 1));
            // Whole when it runs from midnight to midnight, or to 11:59p as the time-off window enters whole days.
            const bool whole = OleDate::durationSeconds(from - double(day)) == 0
                               && (OleDate::durationSeconds(double(day + 1) - to) <= 60);
            m_timeOff[{period.employee, day}].append(whole ? QStringLiteral("Off")
                                                           : QStringLiteral("Off %1-%2").arg(clock(from), clock(to)));
        }
    }
}

QList<ReportShiftRow> ScheduleDays::shifts(qint32 employee, double day, const QString &department) const
{
    QList<ReportShiftRow> found = m_shifts.value({employee, qint64(std::floor(day))});
    if (!department.isEmpty())
        found.removeIf([&department](const ReportShiftRow &r) { return r.department != department; });
    return found;
}

QString ScheduleDays::timeOff(qint32 employee, double day) const
{
    QStringList parts = m_timeOff.value({employee, qint64(std::floor(day))});
    if (parts.contains(QStringLiteral("Off")))
        return QStringLiteral("Off");
    parts.removeDuplicates();
    return parts.join(QStringLiteral(", "));
}

QString ScheduleDays::shiftText(const ReportShiftRow &row, bool withPosition)
{
    // Beside a position the times take their shortest form, so that both fit a posting's cell.
    QString text = withPosition ? shortClock(row.start) + u'-' + shortClock(row.end) : clock(row.start) + u'-' + clock(row.end);
    if (withPosition && !row.position.isEmpty())
        text += u' ' + row.position;
    if (row.conflict)
        text += QStringLiteral(" (conflict)");
    return text;
}
