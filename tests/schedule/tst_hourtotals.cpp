// The hour totals as a pure calculation: shifts in, hours-column texts and red marks out.

#include "data/OleDate.h"
#include "schedule/HourTotals.h"

#include <QtTest>
#include <limits>

namespace {
const double kMon = OleDate::fromDate(QDate(2001, 3, 5));
constexpr double H = 1.0 / 24;
constexpr double S = 1.0 / 86400;
using Shifts = QList<QPair<double, double>>;
} // namespace

class TestHourTotals : public QObject
{
    Q_OBJECT

private slots:
    void totals_data()
    {
        QTest::addColumn<Shifts>("shifts");
        QTest::addColumn<QString>("week");
        QTest::addColumn<bool>("weekOver");   // week limit 40
        QTest::addColumn<QString>("monday");
        QTest::addColumn<bool>("mondayOver"); // day limit 8
        QTest::addColumn<QString>("daysWorked");

        QTest::newRow("nothing") << Shifts{} << "" << false << "0:00" << false << "OOOOOOO";
        QTest::newRow("8 h stored as thirds of a day") << Shifts{{kMon + 1.0 / 3, kMon + 2.0 / 3}}
                                                       << "8:00" << false << "8:00" << false << "XOOOOOO";
        QTest::newRow("seconds are dropped: 8:29:40") << Shifts{{kMon + 8 * H, kMon + 16 * H + 29 * 60 * S + 40 * S}}
                                                      << "8:29" << false << "8:29" << true << "XOOOOOO";
        QTest::newRow("exactly 40:00 is not over")
            << Shifts{{kMon + 8 * H, kMon + 16 * H}, {kMon + 1 + 8 * H, kMon + 1 + 16 * H},
                      {kMon + 2 + 8 * H, kMon + 2 + 16 * H}, {kMon + 3 + 8 * H, kMon + 3 + 16 * H},
                      {kMon + 4 + 8 * H, kMon + 4 + 16 * H}}
            << "40:00" << false << "8:00" << false << "XXXXXOO";
        QTest::newRow("40:00:30 reads 40:00 and is not red")
            << Shifts{{kMon, kMon + 40 * H + 30 * S}} << "40:00" << false << "40:00" << true << "XOOOOOO";
        QTest::newRow("40:15 is over") << Shifts{{kMon, kMon + 40.25 * H}} << "40:15" << true << "40:15" << true
                                       << "XOOOOOO";
        QTest::newRow("night shift counts on its begin day")
            << Shifts{{kMon + 5 + 22 * H, kMon + 6 + 6 * H}} << "8:00" << false << "0:00" << false << "OOOOOXO";
        QTest::newRow("the evening before the week does not count")
            << Shifts{{kMon - 1 + 22 * H, kMon + 6 * H}} << "" << false << "0:00" << false << "OOOOOOO";
        QTest::newRow("end before begin counts zero") << Shifts{{kMon + 17 * H, kMon + 9 * H}, {kMon + 1, kMon + 1 + 2 * H}}
                                                      << "2:00" << false << "0:00" << false << "XXOOOOO";
        QTest::newRow("NaN end counts zero")
            << Shifts{{kMon + 9 * H, std::numeric_limits<double>::quiet_NaN()}} << "" << false << "0:00" << false
            << "XOOOOOO";
        QTest::newRow("huge end counts zero") << Shifts{{kMon, 1e300}} << "" << false << "0:00" << false << "XOOOOOO";
    }

    void totals()
    {
        QFETCH(Shifts, shifts);
        HourTotals totals(kMon, kMon + 6, {40, 8});
        for (const auto &[begin, end] : shifts)
            totals.add(begin, end);
        totals.add(kMon, kMon + 3, true);   // time off never counts
        QTEST(totals.weekText(), "week");
        QTEST(totals.weekOver(), "weekOver");
        QTEST(totals.dayText(kMon), "monday");
        QTEST(totals.dayOver(kMon), "mondayOver");
        QTEST(totals.daysWorked(), "daysWorked");
    }

    void noLimitIsNeverOver()
    {
        HourTotals totals(kMon, kMon + 6, {0, 0});
        totals.add(kMon, kMon + 3);
        QCOMPARE(totals.weekText(), QStringLiteral("72:00"));
        QVERIFY(!totals.weekOver());
        QVERIFY(!totals.dayOver(kMon));
    }
};

QTEST_GUILESS_MAIN(TestHourTotals)
#include "tst_hourtotals.moc"
