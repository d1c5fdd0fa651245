#include "rptWeekPosting.h"

#include "ReportStyle.h"
#include "ScheduleDays.h"
#include "data/CodePage.h"
#include "data/OleDate.h"
#include "data/clsEmployeeInfo.h"
#include "schedule/HourTotals.h"
#include "schedule/clsScheduleData.h"

#include <QSet>
#include <algorithm>
#include <cmath>

using namespace ReportStyle;

namespace {
// Drawn for Letter landscape inside half-inch margins (720 by 540 points); A4 landscape is wider
// and 17 points lower, and 40 lines fit either.
constexpr qreal kPageWidth = 720;
constexpr qreal kNameWidth = 92;
constexpr qreal kDayX = 94;
constexpr qreal kDayWidth = 84;
constexpr qreal kHoursX = kDayX + 7 * kDayWidth + 2;
constexpr qreal kHoursWidth = kPageWidth - kHoursX;
constexpr qreal kRow = 10.5;
constexpr qreal kSmall = 7;   // points: the cells' text, small enough for "2:00p-10:00p DISHWASHER"

QString weekKey(const QString &department, double week)
{
    return department + u'\n' + QString::number(qint64(week));
}

QString hoursOf(qint64 minutes)
{
    return OleDate::hoursTextFromSeconds(minutes * 60);
}
} // namespace

rptWeekPosting::rptWeekPosting(const clsEmployeeInfo &info) : m_info(info)
{
    keepOrientation(QPageLayout::Landscape);

    ReportSection &header = pageHeader();
    m_title = header.addLabel(QStringLiteral("labReportName"), QRectF(0, 0, 540, 18), QString());
    header[m_title].pointSize = 13;
    header[m_title].bold = true;
    m_pageOf = header.addLabel(QStringLiteral("labPageof"), QRectF(544, 3, 141, 14), QString());
    header[m_pageOf].alignment = Qt::AlignRight | Qt::AlignVCenter;
    header.addPageCount(QStringLiteral("txtpagecount"), QRectF(685, 3, 35, 14));
    header.addLine(QRectF(0, 22, kPageWidth, 0));
    header.setHeight(28);

    ReportGroup &week = addGroup(QStringLiteral("GroupDepartmentWeek"), 33, QStringLiteral("GroupNeeds"), 38);
    week.repeatHeader = true;
    week.startsPage = true;
    m_department = addHeading(week.header, week.header.addLabel(QStringLiteral("labDepartment"), QRectF(0, 1, 360, 15), QString()));
    week.header.setColumn(m_department, QStringLiteral("Department"));
    m_week = addHeading(week.header, week.header.addLabel(QStringLiteral("labWeek"), QRectF(360, 1, 360, 15), QString()));
    week.header[m_week].alignment = Qt::AlignRight | Qt::AlignVCenter;
    week.header.setColumn(m_week, QStringLiteral("Week"));
    addCaption(week.header, QStringLiteral("labEmployee"), QRectF(0, 19, kNameWidth, 11), QStringLiteral("Employee"));
    for (int d = 0; d < 7; ++d)
        m_dayCaptions[d] = addCaption(week.header, QStringLiteral("labDay%1").arg(d + 1),
                                      QRectF(kDayX + d * kDayWidth, 19, kDayWidth - 2, 11), QString());
    addCaption(week.header, QStringLiteral("labHours"), QRectF(kHoursX, 19, kHoursWidth, 11), QStringLiteral("Hours"),
               Qt::AlignRight | Qt::AlignVCenter);
    week.header.addLine(QRectF(0, 31, kPageWidth, 0));

    ReportSection &line = detail();
    line.setHeight(kRow);
    auto cell = [&line](const QString &name, qreal x, qreal width, const QString &column) {
        const ReportSection::Control c = line.addField(name, QRectF(x, 0, width, kRow));
        line[c].pointSize = kSmall;
        line.setColumn(c, column);
        return c;
    };
    m_name = cell(QStringLiteral("fldName"), 0, kNameWidth, QStringLiteral("Employee"));
    static const char *const kDays[] = {"Day 1", "Day 2", "Day 3", "Day 4", "Day 5", "Day 6", "Day 7"};
    for (int d = 0; d < 7; ++d)
        m_days[d] = cell(QStringLiteral("fldDay%1").arg(d + 1), kDayX + d * kDayWidth, kDayWidth - 2, QString::fromLatin1(kDays[d]));
    m_hours = cell(QStringLiteral("fldHours"), kHoursX, kHoursWidth, QStringLiteral("Hours"));
    line[m_hours].alignment = Qt::AlignRight | Qt::AlignVCenter;

    // The summary's place is kept on every week, so that forty lines and no more fit a page
    // whether the department has needs or not.
    ReportSection &foot = week.footer;
    static const char *const kCaptions[] = {"Needed", "Scheduled", "Short"};
    for (int l = 0; l < 3; ++l) {
        const qreal y = 4 + l * kRow;
        NeedsLine &n = m_needsLines[l];
        n.caption = addCaption(foot, QStringLiteral("labNeeds%1").arg(l + 1), QRectF(0, y, kNameWidth, kRow),
                               QString::fromLatin1(kCaptions[l]));
        foot[n.caption].pointSize = kSmall;
        for (int d = 0; d < 7; ++d) {
            n.days[d] = foot.addField(QStringLiteral("fldNeeds%1Day%2").arg(l + 1).arg(d + 1),
                                      QRectF(kDayX + d * kDayWidth, y, kDayWidth - 2, kRow));
            foot[n.days[d]].pointSize = kSmall;
        }
        n.total = foot.addField(QStringLiteral("fldNeeds%1Total").arg(l + 1), QRectF(kHoursX, y, kHoursWidth, kRow));
        foot[n.total].pointSize = kSmall;
        foot[n.total].alignment = Qt::AlignRight | Qt::AlignVCenter;
    }
}

void rptWeekPosting::reportStart()
{
    // Forty lines between the headers and the summary, whatever the paper.
    const qreal room = contentSize().height() - pageHeader().height() - group(0).header.height() - group(0).footer.height();
    detail().setHeight(std::floor(room / kRowsPerPage * 100) / 100);
}

void rptWeekPosting::SetupData(const QString &title, const QStringList &departments, double first, double last,
                               const QList<qint32> &employees, bool onlyWithShifts, const QList<ReportShiftRow> &shifts,
                               const QList<TimeOffRow> &timeOff, const WeekNeedsSource &needs)
{
    pageHeader().set(m_title, title);
    m_rows.clear();
    m_needs.clear();
    const ScheduleDays days(shifts, timeOff);
    const QSet<qint32> chosen(employees.cbegin(), employees.cend());
    for (const QString &department : departments) {
        const int limit = m_info.OverTimeDepartmentGet(department, true);
        const double lastWeek = clsScheduleData::WeekStart(m_info, department, last);
        for (double week = clsScheduleData::WeekStart(m_info, department, first); week <= lastWeek; week += 7) {
            // Who is on the posting: the members, and anyone with a shift in the week.
            QList<qint32> people;
            QSet<qint32> withShift;
            for (const ReportShiftRow &row : shifts)
                if (row.department == department && row.start >= week && row.start < week + 7)
                    withShift.insert(row.employee);
            if (withShift.isEmpty())
                continue;
            if (!onlyWithShifts)
                for (qint32 e : m_info.GetEmployeeInDept(department))
                    if ((chosen.isEmpty() || chosen.contains(e)) && !people.contains(e))
                        people << e;
            for (qint32 e : std::as_const(withShift))
                if (!people.contains(e))
                    people << e;
            QList<PostingRow> lines;
            for (qint32 e : std::as_const(people)) {
                PostingRow r{department, week, e, m_info.ConvertNumberToName(e, false), {}, {}};
                HourTotals totals(week, week + 6, {limit, 0});
                for (int d = 0; d < 7; ++d) {
                    QStringList parts;
                    for (const ReportShiftRow &shift : days.shifts(e, week + d, department)) {
                        parts << ScheduleDays::shiftText(shift, true);
                        if (!shift.conflict)
                            totals.add(shift.start, shift.end);
                    }
                    const QString off = days.timeOff(e, week + d);
                    if (!off.isEmpty())
                        parts << off;
                    r.days[d] = parts.join(QStringLiteral(", "));
                }
                r.hours = totals.weekText();
                if (totals.weekOver())
                    r.hours += QStringLiteral(" OT");
                lines << r;
            }
            std::stable_sort(lines.begin(), lines.end(), [](const PostingRow &a, const PostingRow &b) {
                const int byName = QString::compare(a.name, b.name, Qt::CaseInsensitive);
                return byName != 0 ? byName < 0 : a.employee < b.employee;
            });
            m_rows += lines;
            if (needs)
                m_needs.insert(weekKey(department, week), needs(department, week));
        }
    }
}

QString rptWeekPosting::breakValue(int, int row) const
{
    return weekKey(m_rows.at(row).department, m_rows.at(row).week);
}

void rptWeekPosting::formatPageHeader(ReportSection &section, int page)
{
    section.set(m_pageOf, pageOf(page));
}

void rptWeekPosting::formatGroupHeader(int, ReportSection &section, int row)
{
    const PostingRow &r = m_rows.at(row);
    section.set(m_department, r.department);
    section.set(m_week, QStringLiteral("Week %1 - %2").arg(OleDate::format(r.week, QStringLiteral("m/d/yy")),
                                                           OleDate::format(r.week + 6, QStringLiteral("m/d/yy"))));
    for (int d = 0; d < 7; ++d)
        section.set(m_dayCaptions[d], OleDate::format(r.week + d, QStringLiteral("ddd m/d")));
}

void rptWeekPosting::formatDetail(ReportSection &section, int row)
{
    const PostingRow &r = m_rows.at(row);
    section.set(m_name, r.name);
    for (int d = 0; d < 7; ++d)
        section.set(m_days[d], r.days[d]);
    section.set(m_hours, r.hours);
}

void rptWeekPosting::formatGroupFooter(int, ReportSection &section, int row)
{
    const WeekNeeds needs = m_needs.value(breakValue(0, row));
    const QList<qint64> *lines[] = {&needs.needed, &needs.scheduled, &needs.shortfall};
    for (int l = 0; l < 3; ++l) {
        const NeedsLine &n = m_needsLines[l];
        section.setVisible(n.caption, !needs.isEmpty());
        qint64 total = 0;
        for (int d = 0; d < 7; ++d) {
            const qint64 minutes = lines[l]->value(d);
            total += minutes;
            section.set(n.days[d], needs.isEmpty() ? QString() : hoursOf(minutes));
        }
        section.set(n.total, needs.isEmpty() ? QString() : hoursOf(total));
    }
}
