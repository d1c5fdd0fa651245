// `shiftgrid copy` over hand-made data folders: what it refuses, and the day files it leaves.

#include "CopyCommand.h"
#include "HandMadeRecords.h"
#include "data/OleDate.h"

#include <QTemporaryDir>
#include <QtTest>
#include <memory>

namespace {
// Monday 5 March 2001; BAR's weeks start on Fridays (first weekday 5).
const double kMon = OleDate::fromDate(QDate(2001, 3, 5));
constexpr double H = 1.0 / 24;
const QByteArray kMissing = "<no file>";
using Days = QMap<int, QByteArray>;   // day (offset from kMon) -> file bytes

QByteArray shift(qint32 employee, int day, double from, double to)
{
    return HandMade::shift(employee, kMon + day + from * H, kMon + day + to * H, "BARKEEP");
}
QString iso(int day) { return OleDate::toDate(kMon + day).toString(Qt::ISODate); }
} // namespace

class TestCopyCommand : public QObject
{
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> m_tmp;
    QString dayPath(int day) const
    {
        return m_tmp->filePath("BAR/" + OleDate::format(kMon + day, "yyyymmdd") + ".KELSCD");
    }

private slots:
    void init()
    {
        m_tmp = std::make_unique<QTemporaryDir>();
        QVERIFY(m_tmp->isValid());
        HandMade::write(m_tmp->filePath("Dept.dat"), HandMade::department("KITCHEN", 1) + HandMade::department("BAR", 5));
        QVERIFY(QDir().mkpath(m_tmp->filePath("BAR")));
        // The BAR week from Friday 2 March: Friday and a Saturday night shift.
        HandMade::write(dayPath(-3), shift(7, -3, 18, 23));
        HandMade::write(dayPath(-2), shift(7, -2, 21, 27) + shift(8, -2, 17, 22));
        // The next week holds one shift on its Sunday.
        HandMade::write(dayPath(6), shift(9, 6, 10, 12));
    }

    void copies_data()
    {
        QTest::addColumn<QString>("department");
        QTest::addColumn<QString>("mode");
        QTest::addColumn<QString>("from");
        QTest::addColumn<QString>("to");
        QTest::addColumn<bool>("replace");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("message");   // part of the output or the error
        QTest::addColumn<Days>("after");

        const Days untouched{{4, kMissing}, {5, kMissing}, {6, shift(9, 6, 10, 12)}, {10, kMissing}};
        // Mid-week dates move to the Fridays 2 and 9 March.
        QTest::newRow("week refused: target holds shifts")
            << "bar" << "week" << iso(-1) << iso(7) << false << 1 << "shifts are already scheduled on Sun Mar 11,2001"
            << untouched;
        QTest::newRow("week replaced")
            << "BAR" << "week" << iso(-1) << iso(7) << true << 0 << "Copied the week of Fri Mar 02,2001 to the week of Fri Mar 09,2001"
            << Days{{4, shift(7, 4, 18, 23)}, {5, shift(7, 5, 21, 27) + shift(8, 5, 17, 22)}, {6, ""},
                    {7, ""}, {10, ""}, {11, kMissing}};
        QTest::newRow("day onto a free day")
            << "BAR" << "day" << iso(-2) << iso(20) << false << 0 << "Copied Sat Mar 03,2001 to Sun Mar 25,2001"
            << Days{{20, shift(7, 20, 21, 27) + shift(8, 20, 17, 22)}, {21, kMissing}};
        QTest::newRow("unknown department") << "Garden" << "day" << iso(0) << iso(1) << false << 2 << "no department named \"Garden\"" << untouched;
        QTest::newRow("impossible date") << "BAR" << "week" << "2001-02-30" << iso(7) << false << 2 << "--from YYYY-MM-DD" << untouched;
        QTest::newRow("neither day nor week") << "BAR" << "" << iso(0) << iso(7) << false << 2 << "either --day or --week" << untouched;
    }
    void copies()
    {
        QFETCH(QString, department);
        QFETCH(QString, mode);
        QFETCH(QString, from);
        QFETCH(QString, to);
        QFETCH(bool, replace);
        QFETCH(int, exitCode);
        QFETCH(QString, message);
        QFETCH(Days, after);

        const CopyCommand::Result result = CopyCommand::run(
            {m_tmp->path(), department, mode == "day", mode == "week", from, to, replace});
        QCOMPARE(result.exitCode, exitCode);
        const QString shown = exitCode == 0 ? result.output : result.error;
        QVERIFY2(shown.contains(message), qPrintable(shown));
        QVERIFY(!result.error.contains('\n'));
        for (auto it = after.cbegin(); it != after.cend(); ++it) {
            if (it.value() == kMissing)
                QVERIFY2(!QFileInfo::exists(dayPath(it.key())), qPrintable(dayPath(it.key())));
            else
                QCOMPARE(HandMade::read(dayPath(it.key())), it.value());
        }
        // The source week is never changed.
        QCOMPARE(HandMade::read(dayPath(-2)), shift(7, -2, 21, 27) + shift(8, -2, 17, 22));
    }
};

QTEST_GUILESS_MAIN(TestCopyCommand)
#include "tst_copycommand.moc"
