// `shiftgrid copy` over hand-made data folders: what it refuses, and the day files it leaves.

#include "app/commands/CopyCommand.h"
#include "HandMadeRecords.h"
#include "data/OleDate.h"

#include <QTemporaryDir>
#include <QtTest>

namespace {
const double kMon = OleDate::fromDate(QDate(2001, 3, 5));   // BAR's weeks start on Fridays
const QByteArray kMissing = "<no file>";
using Days = QMap<int, QByteArray>;   // day (offset from kMon) -> file bytes
QByteArray shift(qint32 employee, int day, double from, double to)
{
    return HandMade::shift(employee, kMon + day + from / 24, kMon + day + to / 24, "BARKEEP");
}
QString iso(int day) { return OleDate::toDate(kMon + day).toString(Qt::ISODate); }
} // namespace

class TestCopyCommand : public QObject
{
    Q_OBJECT
    QTemporaryDir m_tmp;
    QString dayPath(int day) const { return m_tmp.filePath("BAR/" + OleDate::format(kMon + day, "yyyymmdd") + ".KELSCD"); }

private slots:
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
        // The mid-week dates move to the Fridays 2 and 9 March; the target week holds a shift on Sunday.
        QTest::newRow("week refused") << "bar" << "week" << iso(-1) << iso(7) << false << 1
                                      << "shifts are already scheduled on Sun Mar 11,2001;" << untouched;
        QTest::newRow("week replaced") << "BAR" << "week" << iso(-1) << iso(7) << true << 0
                                       << "Copied the week of Fri Mar 02,2001 to the week of Fri Mar 09,2001"
                                       << Days{{4, shift(7, 4, 18, 23)}, {5, shift(7, 5, 21, 27) + shift(8, 5, 17, 22)},
                                               {6, ""}, {10, ""}, {11, kMissing}};
        QTest::newRow("day") << "BAR" << "day" << iso(-2) << iso(20) << false << 0 << "Copied Sat Mar 03,2001 to Sun Mar 25,2001"
                             << Days{{20, shift(7, 20, 21, 27) + shift(8, 20, 17, 22)}, {21, kMissing}};
        QTest::newRow("unknown department") << "Garden" << "day" << iso(0) << iso(1) << false << 2
                                            << "no department named \"Garden\"" << untouched;
        QTest::newRow("impossible date") << "BAR" << "week" << "2001-02-30" << iso(7) << false << 2 << "--from" << untouched;
        QTest::newRow("no mode") << "BAR" << "" << iso(0) << iso(7) << false << 2 << "either --day or --week" << untouched;
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

        QDir(m_tmp.filePath("BAR")).removeRecursively();   // a fresh folder for each row
        QVERIFY(QDir().mkpath(m_tmp.filePath("BAR")));
        HandMade::write(m_tmp.filePath("Dept.dat"), HandMade::department("KITCHEN", 1) + HandMade::department("BAR", 5));
        const Days before{{-3, shift(7, -3, 18, 23)}, {-2, shift(7, -2, 21, 27) + shift(8, -2, 17, 22)}, {6, shift(9, 6, 10, 12)}};
        for (auto it = before.cbegin(); it != before.cend(); ++it)
            HandMade::write(dayPath(it.key()), it.value());

        const CopyCommand::Result result =
            CopyCommand::run({m_tmp.path(), department, mode == "day", mode == "week", from, to, replace});
        QCOMPARE(result.exitCode, exitCode);
        QVERIFY2((exitCode == 0 ? result.output : result.error).contains(message), qPrintable(result.error));
        after.insert(-2, before[-2]);   // the source never changes
        for (auto it = after.cbegin(); it != after.cend(); ++it) {
            if (it.value() == kMissing)
                QVERIFY2(!QFileInfo::exists(dayPath(it.key())), qPrintable(dayPath(it.key())));
            else
                QCOMPARE(HandMade::read(dayPath(it.key())), it.value());
        }
    }
};

QTEST_GUILESS_MAIN(TestCopyCommand)
#include "tst_copycommand.moc"
