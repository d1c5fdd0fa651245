// The cost of a week as a pure calculation: shifts with rates in, cents per shift and in total
// out. Limits are whole hours, 0 for none; the multiplier is in hundredths.

#include "data/OleDate.h"
#include "data/PayRates.h"
#include "schedule/ShiftCosts.h"
#include "schedule/WeekCost.h"

#include <QtTest>

namespace {
const double kMon = OleDate::fromDate(QDate(2001, 3, 5));
constexpr double H = 1.0 / 24;
constexpr double M = H / 60;

struct Shift {
    double begin;
    double hours;
    qint64 rate;   // cents an hour; -1: no rate
};
using Shifts = QList<Shift>;
using Cents = QList<qint64>;

// Five days of 8 hours from 9:00, at 20.00.
Shifts fullWeek()
{
    Shifts s;
    for (int d = 0; d < 5; ++d)
        s << Shift{kMon + d + 9 * H, 8, 2000};
    return s;
}
} // namespace
Q_DECLARE_METATYPE(Shifts)
Q_DECLARE_METATYPE(QList<CostedShift>)

class TestWeekCost : public QObject
{
    Q_OBJECT

private slots:
    void cost_data()
    {
        QTest::addColumn<Shifts>("shifts");
        QTest::addColumn<int>("weekLimit");
        QTest::addColumn<int>("dayLimit");
        QTest::addColumn<qint64>("multiplier");
        QTest::addColumn<Cents>("perShift");
        QTest::addColumn<qint64>("total");
        QTest::addColumn<int>("unrated");

        QTest::newRow("8 h at 20.00 is 160.00") << Shifts{{kMon + 9 * H, 8, 2000}} << 40 << 10 << qint64(150) << Cents{16000} << qint64(16000) << 0;
        QTest::newRow("exactly 40 h: no premium") << fullWeek() << 40 << 10 << qint64(150)
                                                  << Cents{16000, 16000, 16000, 16000, 16000} << qint64(80000) << 0;
        QTest::newRow("45 h: the last 5 h of the week at 1.5")
            << (fullWeek() << Shift{kMon + 5 + 9 * H, 5, 2000}) << 40 << 10 << qint64(150)
            << Cents{16000, 16000, 16000, 16000, 16000, 15000} << qint64(95000) << 0;
        QTest::newRow("premium spreads back over the latest shifts")
            << (fullWeek() << Shift{kMon + 5 + 9 * H, 2, 2000}) << 38 << 10 << qint64(150)
            << Cents{16000, 16000, 16000, 16000, 16000 + 2000, 4000 + 2000} << qint64(88000) << 0;
        QTest::newRow("premium at the rate of the shift it falls in")
            << Shifts{{kMon + 9 * H, 8, 2000}, {kMon + 1 + 9 * H, 4, 3000}} << 10 << 0 << qint64(150)
            << Cents{16000, 12000 + 3000} << qint64(31000) << 0;
        QTest::newRow("multiplier 2.0 pays the premium hour twice")
            << Shifts{{kMon + 9 * H, 8, 1000}, {kMon + 1 + 9 * H, 3, 1000}} << 10 << 0 << qint64(200)
            << Cents{8000, 4000} << qint64(12000) << 0;
        QTest::newRow("day limit gives more: 12 h on a day, 12 h in the week")
            << Shifts{{kMon + 6 * H, 12, 1000}} << 40 << 10 << qint64(150) << Cents{12000 + 1000} << qint64(13000) << 0;
        QTest::newRow("days give more: 3 days of 14 h are 12 h over the days, 2 h over the week")
            << Shifts{{kMon + 6 * H, 14, 1000}, {kMon + 1 + 6 * H, 14, 1000}, {kMon + 2 + 6 * H, 14, 1000}} << 40 << 10 << qint64(150)
            << Cents{14000 + 2000, 14000 + 2000, 14000 + 2000} << qint64(48000) << 0;
        QTest::newRow("week gives more: 11 h over the week, 1 h over a day")
            << (fullWeek() << Shift{kMon + 5 + 6 * H, 11, 2000}) << 40 << 10 << qint64(150)
            << Cents{16000, 16000, 16000, 16000, 16000, 22000 + 11000} << qint64(113000) << 0;
        QTest::newRow("limits 0: never a premium") << Shifts{{kMon, 70, 1000}} << 0 << 0 << qint64(150) << Cents{70000} << qint64(70000) << 0;
        QTest::newRow("no rate costs 0 and is counted")
            << Shifts{{kMon + 9 * H, 8, -1}, {kMon + 1 + 9 * H, 8, 1000}} << 40 << 10 << qint64(150) << Cents{0, 8000} << qint64(8000) << 1;
        QTest::newRow("an unrated shift still takes the overtime hours it holds")
            << Shifts{{kMon + 9 * H, 8, 1000}, {kMon + 1 + 9 * H, 4, -1}} << 10 << 0 << qint64(150) << Cents{8000, 0} << qint64(8000) << 1;
        QTest::newRow("shift of the next week is not counted")
            << Shifts{{kMon + 7 + 9 * H, 8, 1000}} << 40 << 10 << qint64(150) << Cents{0} << qint64(0) << 0;
        QTest::newRow("shift into the next week counts whole on its begin day")
            << Shifts{{kMon + 6 + 22 * H, 8, 1000}} << 40 << 10 << qint64(150) << Cents{8000} << qint64(8000) << 0;
        QTest::newRow("1 minute at 0.10 rounds to 0 cents") << Shifts{{kMon, 1.0 / 60, 10}} << 40 << 10 << qint64(150) << Cents{0} << qint64(0) << 0;
        QTest::newRow("3 minutes at 0.10 is half a cent, rounded up") << Shifts{{kMon, 3.0 / 60, 10}} << 40 << 10 << qint64(150) << Cents{1} << qint64(1) << 0;
        QTest::newRow("30 seconds above 40:00 are no overtime")
            << Shifts{{kMon, 40 + 30.0 / 3600, 3600}} << 40 << 0 << qint64(150) << Cents{144000 + 30} << qint64(144030) << 0;
        QTest::newRow("40:01 has one overtime minute")
            << Shifts{{kMon, 40 + 1.0 / 60, 3600}} << 40 << 0 << qint64(150) << Cents{144060 + 30} << qint64(144090) << 0;
    }

    void cost()
    {
        QFETCH(Shifts, shifts);
        QFETCH(int, weekLimit);
        QFETCH(int, dayLimit);
        QFETCH(qint64, multiplier);
        QFETCH(Cents, perShift);
        WeekCost cost(kMon, {weekLimit, dayLimit}, multiplier);
        Cents got;
        for (const Shift &s : shifts)
            cost.add(s.begin, s.begin + s.hours * H, s.rate < 0 ? std::nullopt : std::optional<qint64>(s.rate));
        for (int i = 0; i < shifts.size(); ++i)
            got << cost.shiftCents(i);
        QCOMPARE(got, perShift);
        QTEST(cost.totalCents(), "total");
        QTEST(cost.unratedShifts(), "unrated");
    }

    // A list of shifts is costed per employee, department and department week: 30 hours in each
    // of two weeks is no overtime, 30 hours in each of two departments is none either, and a
    // week starting on Monday puts Sunday in the week before.
    void listsAreCostedPerEmployeeDepartmentAndWeek_data()
    {
        QTest::addColumn<QList<CostedShift>>("shifts");
        QTest::addColumn<Cents>("costs");   // -1: no rate
        const auto shift = [](qint32 employee, const char *department, double day, double hours) {
            return CostedShift{employee, department, "COOK", day + 6 * H, day + 6 * H + hours * H};
        };
        QTest::newRow("45 h in one week: 5 at 1.5") << QList<CostedShift>{shift(7, "KITCHEN", kMon, 30), shift(7, "KITCHEN", kMon + 2, 15)}
                                                    << Cents{30000, 15000 + 2500};
        QTest::newRow("30 h in each of two weeks") << QList<CostedShift>{shift(7, "KITCHEN", kMon, 30), shift(7, "KITCHEN", kMon + 7, 30)}
                                                   << Cents{30000, 30000};
        QTest::newRow("30 h in each of two departments") << QList<CostedShift>{shift(7, "KITCHEN", kMon, 30), shift(7, "BAR", kMon + 1, 30)}
                                                         << Cents{30000, 30000};
        QTest::newRow("Sunday before Monday belongs to the week before")
            << QList<CostedShift>{shift(7, "KITCHEN", kMon - 1, 30), shift(7, "KITCHEN", kMon, 30)} << Cents{30000, 30000};
        QTest::newRow("no rate") << QList<CostedShift>{shift(8, "KITCHEN", kMon, 8)} << Cents{-1};
    }
    void listsAreCostedPerEmployeeDepartmentAndWeek()
    {
        QFETCH(QList<CostedShift>, shifts);
        const PayRates rates = PayRates::parse("Employee Number,Position,Hourly Rate\n7,,10\n");
        Cents got;
        for (const std::optional<qint64> &c : shiftCosts(shifts, rates, [](const QString &) {
                 return OvertimeRules{kMon, {40, 0}, 150};
             }))
            got << c.value_or(-1);
        QTEST(got, "costs");
    }

    void shiftsAddUpToTheTotalWhateverTheRounding()
    {
        WeekCost cost(kMon, {1, 0}, 175);
        qint64 sum = 0;
        for (int i = 0; i < 20; ++i)
            cost.add(kMon + i * 0.3, kMon + i * 0.3 + 7 * M, 1333);
        for (int i = 0; i < 20; ++i)
            sum += cost.shiftCents(i);
        QCOMPARE(sum, cost.totalCents());
        QCOMPARE(cost.premiumSecondsTotal(), qint64(140 - 60) * 60);
    }
};

QTEST_GUILESS_MAIN(TestWeekCost)
#include "tst_weekcost.moc"
