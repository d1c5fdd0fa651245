#pragma once

#include "data/clsEmployeeInfo.h"

// Which employees the employee lists print.
class EmployeeReports
{
public:
    // The employee records, in record order, that the report filter leaves: members of the
    // departments holding one of the positions (an empty list stands for all departments or
    // all positions; with both empty every employee stays), narrowed to `employees` when that
    // is not empty.
    static QList<EmployeeFields> select(const clsEmployeeInfo &info, const QStringList &departments,
                                        const QStringList &positions, const QList<qint32> &employees);
    // Orders the records by last name, then first name, as the user's language sorts them;
    // records of equal names keep their order.
    static void sortByName(QList<EmployeeFields> &records);
};
