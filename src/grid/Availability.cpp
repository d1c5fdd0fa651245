#include "Availability.h"
#include "data/OleDate.h"
#include "data/clsEmployeeInfo.h"

#include <cmath>

namespace {
constexpr double kSlack = 1.0 / (24.0 * 3600.0);   // a second, for times read back from text
}

int Availability::weekday(double dateTime)
{
    // Day 0, 30 December 1899, was a Saturday.
    const long long day = (long long)std::floor(dateTime);
    return int(((day + 6) % 7 + 7) % 7);
}

WeekAvailability Availability::of(const EmployeeFields &employee)
{
    WeekAvailability a;
    for (int d = 0; d < 7; ++d) {
        a.start[d] = OleDate::timeOfDay(employee.availabilityStart[d]);
        const double end = OleDate::timeOfDay(employee.availabilityEnd[d]);
        a.end[d] = end == 0 ? 1.0 : end;
    }
    return a;
}

bool Availability::isWithin(const WeekAvailability &available, double begin, double end)
{
    const double day = std::floor(begin);
    const int wd = weekday(begin);
    if (begin < day + available.start[wd] - kSlack)
        return false;
    if (end <= day + available.end[wd] + kSlack)
        return true;
    // Past midnight: only when the day is open to its end and the next one from its start.
    const int next = (wd + 1) % 7;
    return available.end[wd] >= 1.0 - kSlack && available.start[next] <= kSlack
           && end <= day + 1 + available.end[next] + kSlack;
}
