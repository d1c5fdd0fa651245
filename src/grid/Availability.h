#pragma once

#include <array>

// The hours an employee can work on each weekday, Sunday first, as times of day (0 to 1.0).
// A new employee's 0 to 1.0 means all day.
struct WeekAvailability {
    std::array<double, 7> start{};
    std::array<double, 7> end{1, 1, 1, 1, 1, 1, 1};
};

struct EmployeeFields;

namespace Availability {

// A day the employee cannot work is stored as hours of no length, both ends at noon; a
// start equal to its end (other than the all-day 0 to 0) reads the same.
constexpr double kNotAvailable = 0.5;

// The stored hours of an employee's record as times of day; an end at midnight is the day's end.
WeekAvailability of(const EmployeeFields &employee);

// 0 = Sunday ... 6 = Saturday for a date-time.
int weekday(double dateTime);
// True when begin..end lies inside the available hours of the day it begins on; a shift that
// runs past midnight must also fit the next day's hours, from their start at midnight.
bool isWithin(const WeekAvailability &available, double begin, double end);

} // namespace Availability
