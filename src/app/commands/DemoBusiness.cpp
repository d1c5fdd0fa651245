#include "DemoBusiness.h"

#include "data/OleDate.h"
#include "data/ScheduleHelper.h"
#include "data/clsEmployeeInfo.h"
#include "data/clsOptions.h"
#include "schedule/ScheduleFiles.h"
#include "schedule/clsScheduleData.h"
#include "grid/Availability.h"
#include "grid/TimeGridModel.h"

#include <QDir>
#include <QHash>
#include <QRandomGenerator>

namespace {

constexpr double H = 1.0 / 24;

struct DepartmentPlan {
    const char *name;
    qint16 firstDay;
    quint8 weekLimit;
    quint8 dayLimit;
    double startTime;                           // where the scheduler view starts
    QList<QPair<double, double>> shifts;        // default shifts (start, end) as times of day
    QStringList positions;
};

const QList<DepartmentPlan> &plans()
{
    static const QList<DepartmentPlan> list = {
        {"KITCHEN", 1, 40, 10, 6 * H, {{6 * H, 14 * H}, {14 * H, 22 * H}, {22 * H, 6 * H}},
         {"COOK", "PREP COOK", "DISHWASHER"}},
        {"FRONT OF HOUSE", 0, 38, 9, 9 * H, {{10 * H, 16 * H}, {16 * H, 23 * H}, {11 * H, 19.5 * H}},
         {"SERVER", "HOST", "BARTENDER"}},
        {"BAKERY", 6, 45, 9, 3 * H, {{4 * H, 12 * H}, {11 * H, 19 * H}}, {"BAKER", "CASHIER"}},
    };
    return list;
}

struct PositionPlan {
    const char *name;
    qint32 text;
    qint32 back;   // 0x00BBGGRR
};

const QList<PositionPlan> &positionPlans()
{
    static const QList<PositionPlan> list = {
        {"COOK", 0xFFFFFF, 0x2F3FC0},     {"PREP COOK", 0x000000, 0x7FB0F0},
        {"DISHWASHER", 0x000000, 0xC8C8C8}, {"SERVER", 0xFFFFFF, 0xA05A1E},
        {"HOST", 0x000000, 0xE6C88C},     {"BARTENDER", 0xFFFFFF, 0x7A2E7A},
        {"BAKER", 0x000000, 0x5AC8F0},    {"CASHIER", 0xFFFFFF, 0x3C8C3C},
    };
    return list;
}

const QStringList kFirstNames = {"Ann", "Bob", "Carla", "Dev", "Elena", "Frank", "Grace", "Hiro", "Ines", "Jamal",
                                 "Kim", "Luis", "Maya", "Noah", "Olga", "Pedro", "Quinn", "Rosa", "Sam", "Tara",
                                 "Umar", "Vera", "Will", "Xia", "Yusuf", "Zoe", "Chlo\u00e9", "Ren\u00e9"};
const QStringList kLastNames = {"Lee", "Ray", "Nguyen", "Patel", "Garcia", "M\u00fcller", "Okafor", "Smith",
                                "Kowalski", "Rossi", "Silva", "Haddad", "Novak", "Brown", "Tanaka", "Dubois",
                                "Khan", "Lopez", "Young", "Ivanova"};
const QStringList kReasons = {"Vacation", "Doctor", "Family event", "Training day", "Personal day"};

bool collides(const QList<QPair<double, double>> &taken, double begin, double end)
{
    for (const auto &t : taken)
        if (t.second >= begin && t.first <= end)
            return true;
    return false;
}

bool folderHoldsData(const QString &dataPath)
{
    const QDir dir(dataPath);
    return dir.exists() && !dir.entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden).isEmpty();
}

} // namespace

namespace DemoBusiness {

QStringList departments()
{
    QStringList names;
    for (const DepartmentPlan &d : plans())
        names << QString::fromLatin1(d.name);
    return names;
}

QString create(const QString &dataPath, const Options &options)
{
    if (folderHoldsData(dataPath))
        return QStringLiteral("the folder %1 already holds data; the demo needs an empty folder").arg(dataPath);
    QDir().mkpath(dataPath);

    QRandomGenerator random(options.seed);
    auto pick = [&](const QStringList &list) { return list.at(random.bounded(int(list.size()))); };

    clsEmployeeInfo info(dataPath);
    clsOptions settings(ScheduleHelper::SettingsFilePath(dataPath));
    info.beginBatch();

    for (const PositionPlan &p : positionPlans())
        info.JobInfoAdd(QString::fromLatin1(p.name), p.text, p.back);
    for (const DepartmentPlan &d : plans())
        info.AddDepartment(QString::fromLatin1(d.name));
    for (const DepartmentPlan &d : plans()) {
        const QString name = QString::fromLatin1(d.name);
        info.SaveDepartmentFirstDay(name, d.firstDay);
        info.OverTimeDepartmentset(name, true, d.weekLimit);
        info.OverTimeDepartmentset(name, false, d.dayLimit);
        QList<DefaultShift> shifts;
        for (const auto &s : d.shifts)
            shifts.append({name, s.first, s.second});
        info.ShiftSaveAll(name, shifts);
    }

    // Employees: most in one department, some in two; one to three positions of those departments.
    struct Person {
        qint32 number;
        QList<int> departments;
        QHash<int, QStringList> positions;   // per department
        WeekAvailability available;
    };
    QList<Person> people;
    people.reserve(options.employees);
    for (int i = 0; i < options.employees; ++i) {
        const QString first = pick(kFirstNames);
        const QString last = pick(kLastNames);
        const QString phone = QString::number(5550000 + random.bounded(9999));
        // Drawn in the order the demo has always drawn them, so that a seed keeps its business.
        EmployeeFields fields;
        fields.male = random.bounded(2) == 1;
        fields.emergencyPhone = QString::number(5550000 + random.bounded(9999));
        fields.emergencyContact = pick(kFirstNames);
        fields.address1 = QStringLiteral("%1 Main Street").arg(10 + random.bounded(900));
        fields.hireDate = qint32(OleDate::fromDate(QDate(2015 + random.bounded(10), 1 + random.bounded(12), 1)));
        fields.dob = qint32(OleDate::fromDate(QDate(1970 + random.bounded(35), 1 + random.bounded(12), 1 + random.bounded(28))));
        fields.firstName = first;
        fields.lastName = last;
        fields.scheduleName = i % 5 == 0 ? first : QString();
        fields.descCode = i % 3 == 0 ? QStringLiteral("PT") : QStringLiteral("FT");
        fields.phone = phone;
        fields.city = QStringLiteral("Springfield");
        fields.state = QStringLiteral("IL");
        fields.postalCode = QStringLiteral("62701");
        const qint32 number = info.AddEmployee(fields);
        Person person{number, {}, {}, {}};
        const int home = options.oneDepartment ? 0 : i % int(plans().size());
        person.departments << home;
        if (!options.oneDepartment && random.bounded(5) == 0)
            person.departments << (home + 1) % int(plans().size());
        QStringList departmentNames, positionNames;
        for (int d : std::as_const(person.departments)) {
            departmentNames << QString::fromLatin1(plans()[d].name);
            QStringList mine = plans()[d].positions;
            const int keep = 1 + random.bounded(qMin(3, int(mine.size())));
            while (mine.size() > keep)
                mine.removeAt(random.bounded(int(mine.size())));
            person.positions.insert(d, mine);
            positionNames << mine;
        }
        info.DeptEmployeeSetAll(number, departmentNames);
        info.JobEmpAvalReplace(number, positionNames);
        // Available around one of the home department's shifts, an hour either side, so that the
        // shifts placed below mostly fall inside; a night shift makes the whole day available.
        const auto &usual = plans()[home].shifts.at(random.bounded(int(plans()[home].shifts.size())));
        std::array<double, 7> starts{}, ends{};
        for (int d = 0; d < 7; ++d) {
            const bool night = usual.second <= usual.first;
            starts[d] = night ? 0 : std::max(0.0, usual.first - H);
            ends[d] = night || usual.second + H >= 1 ? 0 : usual.second + H;   // 0: until midnight
            person.available.start[d] = starts[d];
            person.available.end[d] = ends[d] == 0 ? 1.0 : ends[d];
        }
        info.EmployeeSetAvalTimes(number, starts, ends);
        people << person;
    }
    info.endBatch();

    // Weeks around the day, each department by its own first weekday.
    const double today = options.today != 0 ? options.today : OleDate::fromDate(QDate::currentDate());
    QHash<qint32, QList<QPair<double, double>>> taken;   // per employee, across departments

    // Time off first, so that shifts keep clear of it.
    if (options.timeOffEvery > 0) {
        clsScheduleData writer(info, settings);
        for (int i = 0; i < people.size(); ++i) {
            if (random.bounded(options.timeOffEvery) != 0)
                continue;
            const double first = OleDate::wholeDay(today) + random.bounded(options.weeks * 7) - options.weeks * 7 / 2;
            const bool wholeDays = random.bounded(2) == 0;
            const double begin = wholeDays ? first : first + 13 * H;
            const double end = wholeDays ? first + 1 + random.bounded(3) : first + 17 * H;
            RecordList periods(ScheduleFiles::TimeOff::Size);
            ScheduleFiles::TimeOff::set(periods.record(periods.append()), people[i].number, begin, end, pick(kReasons));
            writer.TimeOffSave(people[i].number, periods);
            taken[people[i].number].append({begin, end});
        }
    }

    for (int d = 0; d < (options.oneDepartment ? 1 : plans().size()); ++d) {
        const DepartmentPlan &plan = plans()[d];
        const QString name = QString::fromLatin1(plan.name);
        settings.SetScheduleStartTime(name, plan.startTime);
        const double firstWeek = clsScheduleData::WeekStart(info, name, today) - 7 * (options.weeks / 2);
        for (int w = 0; w < options.weeks; ++w) {
            const double weekStart = firstWeek + 7 * w;
            TimeGridModel grid;
            clsScheduleData schedule(info, settings);
            schedule.setScheduleControl(&grid);
            schedule.SetDate(weekStart, weekStart + 6);
            schedule.SetDepartment(name);
            schedule.Reload();
            grid.beginUpdate();
            for (const Person &person : std::as_const(people)) {
                if (!person.departments.contains(d))
                    continue;
                const int row = schedule.findEmployeeRow(person.number);
                // Most work four or five days; a few are booked over the limit.
                int wanted = options.shiftsPerWeek;
                if (wanted == 0)
                    wanted = random.bounded(10) == 0 ? 6 : 4 + random.bounded(2);
                if (person.departments.size() > 1 && options.shiftsPerWeek == 0)
                    wanted = qMax(2, wanted / 2);
                QList<int> days{0, 1, 2, 3, 4, 5, 6};
                for (int placed = 0; placed < wanted && !days.isEmpty();) {
                    const int day = days.takeAt(random.bounded(int(days.size())));
                    // A shift the employee is available for, but now and then (one in twelve)
                    // any shift, so that a few bars show the warning.
                    QList<QPair<double, double>> fitting;
                    for (const auto &s : plan.shifts) {
                        const double b = weekStart + day + s.first;
                        if (Availability::isWithin(person.available, b, weekStart + day + s.second + (s.second < s.first ? 1 : 0)))
                            fitting.append(s);
                    }
                    const bool exception = fitting.isEmpty() || random.bounded(12) == 0;
                    const auto &shift = exception ? plan.shifts.at(random.bounded(int(plan.shifts.size())))
                                                  : fitting.at(random.bounded(int(fitting.size())));
                    const double begin = weekStart + day + shift.first;
                    const double end = weekStart + day + shift.second + (shift.second < shift.first ? 1 : 0);
                    QList<QPair<double, double>> &mine = taken[person.number];
                    if (collides(mine, begin, end))
                        continue;
                    const QStringList &positions = person.positions.value(d);
                    if (schedule.AddScheduleTime(row, begin, end, pick(positions), false) < 0)
                        continue;
                    mine.append({begin, end});
                    ++placed;
                }
            }
            grid.endUpdate();
            schedule.SaveSchedule();
        }
    }
    return {};
}

} // namespace DemoBusiness
