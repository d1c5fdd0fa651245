// Every record reader of the master data: the input's first byte picks one of the record files,
// the rest becomes its content, and the data-access object reads the folder and is asked
// everything a window asks of it.

#include "FuzzFolder.h"
#include "data/clsEmployeeInfo.h"
#include "data/FileError.h"

#include <cstddef>
#include <cstdint>

namespace {
const char *const kFiles[] = {
    clsEmployeeInfo::kDepartmentsFile, clsEmployeeInfo::kPositionsFile,   clsEmployeeInfo::kEmployeesFile,
    clsEmployeeInfo::kContactsFile,    clsEmployeeInfo::kAddressesFile,   clsEmployeeInfo::kMembershipsFile,
    clsEmployeeInfo::kAssignmentsFile, clsEmployeeInfo::kDefaultShiftsFile, clsEmployeeInfo::kBarNamesFile,
};
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static const FuzzFolder folder;
    if (size < 1)
        return 0;
    const QString name = QLatin1String(kFiles[data[0] % std::size(kFiles)]);
    folder.write(name, QByteArray(reinterpret_cast<const char *>(data + 1), qsizetype(size - 1)));
    try {
        clsEmployeeInfo info(folder.path(), clsEmployeeInfo::Access::ReadOnly);
        QStringList names;
        QList<qint32> numbers;
        info.GetEmpNames(names, numbers);
        for (const EmployeeFields &e : info.Employees()) {
            info.DeptEmployeeGetDepts(e.number);
            info.JobEmpAvalGet(e.number);
            info.GetAvalJobs(e.number);
            info.JobEmployeeHasMultiple(e.number);
            info.ConvertNumberToName(e.number, true);
            info.EmpInfoPhoneGet(e.number, false);
            info.GetBarForEmployeeNumber(e.number);
            (void)e.fullName();
        }
        QStringList departments;
        for (const DepartmentInfo &d : info.Departments()) {
            departments << d.name;
            info.GetEmployeeInDept(d.name);
            info.ShiftAutoGetAll(d.name);
            info.OverTimeDepartmentGet(d.name, true);
            info.GetDepartmentFirstDay(d.name);
        }
        const QStringList positions = info.JobNamesGetAll();
        for (const QString &p : positions) {
            qint32 text = 0, back = 0;
            info.JobNameInfoGet(p, text, back);
        }
        info.EmployeeGetForDeptandPost(positions, departments);
        info.PositionsInDept(departments);
        info.Memberships();
    } catch (const FileError &) {
        // a refused file is an answer, not a fault
    }
    folder.remove(name);
    return 0;
}
