#include "EditOutcomeText.h"
#include "ui/common/ClockText.h"

#include "data/OleDate.h"

#include <QCoreApplication>
#include <QStringList>

namespace EditOutcomeText {

namespace {

struct Texts {
    Q_DECLARE_TR_FUNCTIONS(EditOutcomeText)
};

QString shortTime(double t) { return ClockText::shortTime(t); }

} // namespace

QString refusal(const EditOutcome &outcome, const QString &employee)
{
    const BlockSnapshot &wanted = outcome.wanted;
    switch (outcome.refusal) {
    case EditRefusal::None:
        return {};
    case EditRefusal::NoRow:
        return Texts::tr("There is no row to place the shift in.");
    case EditRefusal::NoLength:
        return Texts::tr("A shift must end after it begins.");
    case EditRefusal::BlockGone:
        return Texts::tr("The shift no longer exists.");
    case EditRefusal::MovedOutsideDays:
        return Texts::tr("A shift must begin on one of the days shown.");
    case EditRefusal::NewOutsideDays:
        return Texts::tr("This shift would begin on %1, outside the days shown, so it could not be saved here. "
                  "Go to that week to add it.")
            .arg(OleDate::format(wanted.begin, QStringLiteral("ddd mmm dd,yyyy")));
    case EditRefusal::Collision: {
        // Named by what is in the way, so that the user can find it.
        const BlockSnapshot &other = outcome.other;
        const QString ddd = QStringLiteral("ddd");
        const bool oneDay = OleDate::wholeDay(other.begin) == OleDate::wholeDay(other.end);
        const QString when = oneDay ? Texts::tr("%1 %2-%3", "weekday, begin, end")
                                          .arg(OleDate::format(other.begin, ddd), shortTime(other.begin), shortTime(other.end))
                                    : Texts::tr("%1 %2-%3 %4", "weekday, begin, weekday, end")
                                          .arg(OleDate::format(other.begin, ddd), shortTime(other.begin),
                                               OleDate::format(other.end, ddd), shortTime(other.end));
        if (other.timeOff)
            return wanted.timeOff ? Texts::tr("This time off touches or overlaps %1's time off %2.").arg(employee, when)
                                  : Texts::tr("This shift touches or overlaps %1's time off %2.").arg(employee, when);
        const QString position = other.position.trimmed();
        if (position.isEmpty() || position.compare(QLatin1String("DEFAULT"), Qt::CaseInsensitive) == 0)
            return Texts::tr("This touches or overlaps %1's shift %2.").arg(employee, when);
        return Texts::tr("This touches or overlaps %1's shift %2 as %3.").arg(employee, when, position);
    }
    case EditRefusal::TimeOffHasNoPosition:
        return Texts::tr("Time off has no position.");
    case EditRefusal::TouchesTimeOff:
        return Texts::tr("This shift touches %1's time off (%2 to %3).")
            .arg(employee, ClockText::format(outcome.other.begin, QStringLiteral("ddd mm/dd h:mma/p")),
                 ClockText::format(outcome.other.end, QStringLiteral("ddd mm/dd h:mma/p")));
    case EditRefusal::NotChangeable:
        return Texts::tr("This shift begins outside the days shown, so it can be copied but not changed here.");
    }
    return {};
}

QString shift(double begin, double end, const QString &employee)
{
    if (employee.isEmpty())
        return Texts::tr("%1-%2").arg(shortTime(begin), shortTime(end));
    return Texts::tr("%1-%2 for %3").arg(shortTime(begin), shortTime(end), employee);
}

QString otherDepartmentShift(const OtherDepartmentShift &shift)
{
    return Texts::tr("%1 %2-%3").arg(shift.department, ClockText::format(shift.begin, QStringLiteral("ddd h:mma/p")),
                              ClockText::format(shift.end, QStringLiteral("h:mma/p")));
}

OtherDepartmentWording otherDepartmentWording()
{
    OtherDepartmentWording wording;
    wording.overlaps = [](const QList<OtherDepartmentShift> &overlaps) {
        QStringList where;
        for (const OtherDepartmentShift &o : overlaps)
            where << otherDepartmentShift(o);
        return Texts::tr("Also scheduled at this time in %1").arg(where.join(Texts::tr(", ")));
    };
    wording.hours = [](const QList<DepartmentHours> &hours, qint64 totalSeconds) {
        QStringList lines;
        for (const DepartmentHours &h : hours)
            lines << Texts::tr("%1: %2").arg(h.department, OleDate::hoursTextFromSeconds(h.seconds));
        lines << Texts::tr("All departments: %1").arg(OleDate::hoursTextFromSeconds(totalSeconds));
        return lines.join(u'\n');
    };
    return wording;
}

QString otherDepartmentsQuestion(const QString &employee, const QList<OtherDepartmentShift> &overlaps)
{
    QStringList where;
    for (const OtherDepartmentShift &o : overlaps)
        where << otherDepartmentShift(o);
    return Texts::tr("%1 is already scheduled at this time in %2.\n\nSchedule this shift anyway?")
        .arg(employee, where.join(Texts::tr(" and ")));
}

QString storedConflicts(const QList<RefusedShift> &refused, const std::function<QString(qint32)> &nameOf)
{
    QStringList lines;
    for (const RefusedShift &r : refused)
        lines << Texts::tr("  %1  %2 - %3  %4")
                     .arg(nameOf(r.employee), ClockText::format(r.begin, QStringLiteral("ddd mm/dd h:mma/p")),
                          ClockText::format(r.end, QStringLiteral("h:mma/p")), r.position);
    return Texts::tr("This conflicts with a previously scheduled shift:\n%1\n\nThese stored shifts are not shown. They "
              "stay in their files as they are; remove what they collide with to see them again.")
        .arg(lines.join(u'\n'));
}

} // namespace EditOutcomeText
