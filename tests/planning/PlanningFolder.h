#pragma once

// A small hand-made business for the planning tests: KITCHEN (weeks from Monday) with COOK and
// HOST, FRONT OF HOUSE beside it, and the week of Monday 5 March 2001.

#include "HandMadeRecords.h"
#include "data/OleDate.h"

#include <QDir>
#include <QFileInfo>
#include <QMap>

namespace PlanningFolder {

constexpr double H = 1.0 / 24;
inline double monday() { return OleDate::fromDate(QDate(2001, 3, 5)); }

// One employee with availability; start and end of each weekday (Sunday first) as hours.
inline QByteArray employee(qint32 number, const QByteArray &first, double fromHour = 0, double toHour = 0)
{
    QByteArray r = HandMade::employee(number, first, "Lee");
    for (int d = 0; d < 7; ++d) {
        HandMade::putF64(r, 336 + 8 * d, fromHour * H);
        HandMade::putF64(r, 392 + 8 * d, toHour * H);
    }
    return r;
}

struct Business {
    int weekLimit = 0, dayLimit = 0;
    QByteArray employees, memberships, assignments, defaultShifts;
    QMap<QString, QByteArray> otherFiles;   // path inside the folder -> bytes
    QByteArray needs = "Department,Weekday,Position,From,To,Needed,Most\r\n";

    void addEmployee(qint32 number, const QByteArray &name, const QList<QByteArray> &positions)
    {
        employees += employee(number, name);
        memberships += HandMade::membership(number, "KITCHEN");
        for (const QByteArray &p : positions)
            assignments += HandMade::assignment(number, p);
    }
    void addNeed(const QByteArray &line) { needs += line + "\r\n"; }
    void addShift(const QString &department, double begin, double end, const QByteArray &position, qint32 employee)
    {
        const QString file = department + '/' + OleDate::toDate(begin).toString("yyyyMMdd") + ".KELSCD";
        otherFiles[file] += HandMade::shift(employee, begin, end, position);
    }

    void write(const QString &root) const
    {
        QMap<QString, QByteArray> files = otherFiles;
        files["Dept.dat"] = HandMade::department("KITCHEN", 1, quint8(weekLimit), quint8(dayLimit))
                            + HandMade::department("FRONT OF HOUSE", 1);
        files["Jobs.dat"] = HandMade::position("COOK", 0, 255) + HandMade::position("HOST", 0, 65535);
        files["EmployeeInfo.dat"] = employees;
        files["EmployeeDept.dat"] = memberships;
        files["JobsAval.dat"] = assignments;
        files["Shifts.dat"] = defaultShifts;
        files["StaffingNeeds.csv"] = needs;
        for (auto it = files.cbegin(); it != files.cend(); ++it) {
            const QString path = root + '/' + it.key();
            QDir().mkpath(QFileInfo(path).absolutePath());
            HandMade::write(path, it.value());
        }
    }
};

} // namespace PlanningFolder
