// Copying a day or a week file to file: what arrives on the target days, byte for byte, and
// that a failed read or write leaves every target day as it was.

#include "HandMadeRecords.h"
#include "data/FileError.h"
#include "data/OleDate.h"
#include "data/ScheduleHelper.h"
#include "data/clsEmployeeInfo.h"
#include "data/clsOptions.h"
#include "schedule/ScheduleCopy.h"
#include "schedule/clsScheduleData.h"

#include <QTemporaryDir>
#include <QtTest>
#include <memory>

namespace {
// Monday 5 March 2001; KITCHEN's weeks start on Mondays.
const double kMon = OleDate::fromDate(QDate(2001, 3, 5));
constexpr double H = 1.0 / 24;
const QByteArray kMissing = "<no file>";
using Days = QMap<int, QByteArray>;   // day (offset from kMon) -> file bytes

// A shift on day `day` (offset) from hour `from` to hour `to` (beyond 24: the next day), with
// a mark in its reserved bytes that a copy must carry.
QByteArray shift(qint32 employee, int day, double from, double to, const QByteArray &position = "COOK")
{
    QByteArray r = HandMade::shift(employee, kMon + day + from * H, kMon + day + to * H, position);
    r[300] = 'R';
    return r;
}
} // namespace

class TestScheduleCopy : public QObject
{
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> m_tmp;

    QString dayPath(int day) const { return m_tmp->filePath("KITCHEN/" + OleDate::format(kMon + day, "yyyymmdd") + ".KELSCD"); }

private slots:
    void init()
    {
        m_tmp = std::make_unique<QTemporaryDir>();
        QVERIFY(m_tmp->isValid());
        HandMade::write(m_tmp->filePath("Dept.dat"), HandMade::department("KITCHEN", 1));
        QVERIFY(QDir().mkpath(m_tmp->filePath("KITCHEN")));
    }
    void cleanup() { ScheduleHelper::ClearInjectedWriteFailures(); }

    void copiesWholeOrNothing_data()
    {
        QTest::addColumn<Days>("before");
        QTest::addColumn<int>("source");
        QTest::addColumn<int>("target");     // a day the user picked; a week copy moves it to its week start
        QTest::addColumn<int>("days");
        QTest::addColumn<int>("failingWrite");   // index of the target day whose write fails; -1 none
        QTest::addColumn<int>("unreadable");     // a day whose file cannot be read; -1 none
        QTest::addColumn<QList<int>>("occupied");
        QTest::addColumn<Days>("after");          // expected files; kMissing: no file

        const QByteArray a = shift(1, 0, 9, 17), b = shift(2, 3, 8, 12, "WAITER"), c = shift(3, 2, 10, 14);
        QTest::newRow("day onto occupied day")
            << Days{{0, a}, {3, b}} << 0 << 3 << 1 << -1 << -1 << QList<int>{3} << Days{{0, a}, {3, shift(1, 3, 9, 17)}};
        QTest::newRow("empty day onto occupied day")
            << Days{{3, b}} << 1 << 3 << 1 << -1 << -1 << QList<int>{3} << Days{{1, kMissing}, {3, ""}};
        QTest::newRow("night shift stays in its begin day")
            << Days{{0, shift(1, 0, 22, 30)}} << 0 << 4 << 1 << -1 << -1 << QList<int>{}
            << Days{{4, shift(1, 4, 22, 30)}, {5, kMissing}};
        QTest::newRow("week onto a mid-week day")
            << Days{{0, a + shift(2, 0, 12, 16)}, {2, c}, {6, shift(1, 6, 20, 26)}, {9, shift(9, 9, 1, 2)}}
            << 0 << 9 << 7 << -1 << -1 << QList<int>{9}
            << Days{{7, shift(1, 7, 9, 17) + shift(2, 7, 12, 16)}, {8, ""}, {9, shift(3, 9, 10, 14)}, {10, ""},
                    {11, ""}, {12, ""}, {13, shift(1, 13, 20, 26)}, {14, kMissing}};
        QTest::newRow("write failure on day 4 of 7 puts every target back")
            << Days{{0, a}, {7, b}, {9, c}, {12, ""}} << 0 << 7 << 7 << 3 << -1 << QList<int>{7, 9}
            << Days{{7, b}, {8, kMissing}, {9, c}, {10, kMissing}, {12, ""}, {13, kMissing}};
        QTest::newRow("unreadable source day fails before any write")
            << Days{{0, a}, {7, b}} << 0 << 7 << 7 << -1 << 2 << QList<int>{7}
            << Days{{7, b}, {8, kMissing}, {13, kMissing}};
    }
    void copiesWholeOrNothing()
    {
        QFETCH(Days, before);
        QFETCH(int, source);
        QFETCH(int, target);
        QFETCH(int, days);
        QFETCH(int, failingWrite);
        QFETCH(int, unreadable);
        QFETCH(QList<int>, occupied);
        QFETCH(Days, after);

        for (auto it = before.cbegin(); it != before.cend(); ++it)
            HandMade::write(dayPath(it.key()), it.value());
        if (unreadable >= 0)
            QVERIFY(QDir().mkpath(dayPath(unreadable)));   // a folder where the file should be

        clsEmployeeInfo info(m_tmp->path());
        clsOptions options(ScheduleHelper::SettingsFilePath(m_tmp->path()));
        clsScheduleData schedule(info, options);
        double first = kMon + target;
        if (days == 7)
            first = clsScheduleData::WeekStart(info, "KITCHEN", first);

        QList<int> found;
        for (double day : ScheduleCopy(schedule, "KITCHEN").occupiedDays(first, days))
            found << int(day - kMon);
        QCOMPARE(found, occupied);

        if (failingWrite >= 0)
            ScheduleHelper::InjectWriteFailure(dayPath(int(first - kMon) + failingWrite), "Disk full");
        bool threw = false;
        try {
            ScheduleCopy(schedule, "KITCHEN").copy(kMon + source, first, days);
        } catch (const FileError &error) {
            threw = true;
            if (failingWrite >= 0)
                QVERIFY2(error.reason().contains("Disk full"), qPrintable(error.reason()));
        }
        QCOMPARE(threw, failingWrite >= 0 || unreadable >= 0);

        for (auto it = after.cbegin(); it != after.cend(); ++it) {
            const QString path = dayPath(it.key());
            if (it.value() == kMissing)
                QVERIFY2(!QFileInfo::exists(path), qPrintable(path));
            else
                QCOMPARE(HandMade::read(path), it.value());
        }
    }
};

QTEST_GUILESS_MAIN(TestScheduleCopy)
#include "tst_schedulecopy.moc"
