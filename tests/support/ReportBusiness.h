#pragma once

// The small business the report tests print: two departments, five employees (two of one
// name), the shifts and time off of the week of Monday 5 March 2001.

#include "HandMadeRecords.h"
#include "data/OleDate.h"

#include <QDir>

namespace ReportBusiness {
const double kMon = OleDate::fromDate(QDate(2001, 3, 5));
constexpr double H = 1.0 / 24;

inline QByteArray person(qint32 number, const QByteArray &first, const QByteArray &last, const QByteArray &phone = {})
{
    return HandMade::employee(number, first, last, phone, number % 2 == 1);
}

// A small business over the week of Monday 5 March 2001 (departments begin on Monday).
inline void writeBusiness(const QString &dir)
{
    using namespace HandMade;
    auto file = [&dir](const QString &name) { return dir + u'/' + name; };
    write(file("Dept.dat"), department("KITCHEN", 1) + department("BAR", 1));
    write(file("Jobs.dat"), position("COOK", 0, 255) + position("HOST", 0, 65535));
    QByteArray jose = person(17, "Jos\xe9", "Lee", "5551234");
    putText(jose, 458, 30, "12 Elm St");
    putText(jose, 488, 30, "Apt 4");
    putText(jose, 518, 30, "Springfield");
    putText(jose, 548, 20, "IL");
    putText(jose, 568, 10, "62701");
    putText(jose, 578, 20, "Maria");
    putText(jose, 598, 20, "Ana Lee");
    putText(jose, 618, 10, "8005551234");
    putText(jose, 216, 50, "E-17");
    putI32(jose, 212, 123456789);
    putI32(jose, 268, 36892);   // hired 1 January 2001
    putI32(jose, 156, 25000);
    write(file("EmployeeInfo.dat"), jose + person(23, "Bo", "Ek") + person(31, "Ann", "Lee", "18005550000")
                                        + person(40, "Sam", "Ray") + person(41, "Sam", "Ray"));
    write(file("EmployeeDept.dat"), membership(17, "KITCHEN") + membership(23, "KITCHEN") + membership(31, "BAR")
                                        + membership(17, "BAR") + membership(40, "BAR") + membership(41, "BAR"));
    write(file("JobsAval.dat"), assignment(17, "COOK") + assignment(23, "COOK") + assignment(31, "HOST")
                                    + assignment(40, "HOST") + assignment(41, "HOST"));
    // Rates for all but Sam Ray (41), whose shifts cost nothing known; KITCHEN pays overtime 1.5
    // times, BAR twice.
    write(file("PayRates.csv"), "Employee Number,Position,Hourly Rate\r\n17,,20.00\r\n23,,15.00\r\n31,HOST,12.00\r\n40,,12.50\r\n");
    write(file("Budgets.csv"), "Department,Weekly Budget,Overtime Multiplier\r\nKITCHEN,500.00,\r\nBAR,300.00,2\r\n");
    QDir(dir).mkpath("KITCHEN");
    QDir(dir).mkpath("BAR");
    auto day = [&](const char *dept, int d) {
        return file(QString::fromLatin1(dept) + u'/' + OleDate::format(kMon + d, "yyyymmdd") + ".KELSCD");
    };
    const double mon = kMon;
    write(day("KITCHEN", -1), shift(23, mon - 1 + 22 * H, mon + 6 * H, "COOK"));   // the evening before
    write(day("KITCHEN", 0), shift(23, mon + 8 * H, mon + 16.5 * H, "COOK") + shift(17, mon + 10 * H, mon + 14 * H, "COOK")
                                 + shift(17, mon + 22 * H, mon + 1 + 6 * H, "COOK"));
    write(day("KITCHEN", 1), shift(23, mon + 1 + 9 * H, mon + 1 + 17 * H, "COOK"));
    write(day("KITCHEN", 6), shift(17, mon + 6 + 22 * H, mon + 7 + 6 * H, "COOK"));   // the last night
    write(day("BAR", 0), shift(31, mon + 17 * H, mon + 23 * H, "HOST") + shift(17, mon + 18 * H, mon + 22 * H, "COOK"));
    write(day("BAR", 1), shift(40, mon + 1 + 12 * H, mon + 1 + 20 * H, "HOST"));
    write(day("BAR", 2), shift(41, mon + 2 + 12 * H, mon + 2 + 18 * H, "HOST"));
    write(day("BAR", 3), shift(40, mon + 3 + 12 * H, mon + 3 + 14 * H, "HOST"));
    write(file("17.KELOFF"), timeOff(17, mon + 9 * H, mon + 2 + 17 * H, "Trip")
                                 + timeOff(17, mon + 6 + 9 * H, mon + 6 + 13 * H, "Dentist")
                                 + timeOff(17, mon - 4, mon - 3, "Earlier"));
    write(file("23.KELOFF"), timeOff(23, mon + 14 * H, mon + 18 * H, "Class"));
    write(file("31.KELOFF"), timeOff(31, mon + 1, mon + 2, "Holiday") + timeOff(31, mon + 2, mon + 2 + (23 * 60 + 59) / 1440.0, "Sick"));
    // Off since the Saturday before the week, and into the next week.
    write(file("40.KELOFF"), timeOff(40, mon - 2, mon + 1, "Leave"));
    write(file("41.KELOFF"), timeOff(41, mon + 5 + 9 * H, mon + 8, "Course"));
}

// A kitchen whose Monday day file cannot be read (a folder stands in its place); Tuesday
// holds one shift of Bo Ek.
inline void writeUnreadableMonday(const QString &dir)
{
    using namespace HandMade;
    write(dir + "/Dept.dat", department("KITCHEN", 1));
    write(dir + "/EmployeeInfo.dat", person(23, "Bo", "Ek"));
    QDir(dir).mkpath("KITCHEN/20010305.KELSCD");
    write(dir + "/KITCHEN/20010306.KELSCD", shift(23, kMon + 1 + 9 * H, kMon + 1 + 17 * H, "COOK"));
}

} // namespace ReportBusiness

using namespace ReportBusiness;
