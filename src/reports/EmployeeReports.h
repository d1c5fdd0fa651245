#pragma once

#include "data/clsEmployeeInfo.h"

#include <memory>

class BandedReport;

// The five employee lists: which employees a filter leaves, and the layout of each list.
class EmployeeReports
{
public:
    enum Kind { MasterList, ContactList, PhoneList, IdList, MailingList };

    // The employee records, in record order, that the report filter leaves: members of the
    // departments holding one of the positions (an empty list stands for all departments or
    // all positions; with both empty every employee stays), narrowed to `employees` when that
    // is not empty.
    static QList<EmployeeFields> select(const clsEmployeeInfo &info, const QStringList &departments,
                                        const QStringList &positions, const QList<qint32> &employees);
    // The list's title: "Employee Master List", "Employee Contact List", "Phone List",
    // "Employee Id List", "Employee Addresses".
    static QString title(Kind kind);
    // The list's layout holding the records; not yet laid out (set its page layout, then run()).
    static std::unique_ptr<BandedReport> create(Kind kind, const clsEmployeeInfo &info,
                                                const QList<EmployeeFields> &records);
};
