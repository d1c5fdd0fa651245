#include "schedule/grid/TimeGridModel.h"

#include <QRandomGenerator>
#include <QSignalSpy>
#include <QTest>

namespace {

constexpr double kHour = 1.0 / 24.0;

// The blocks of a row found by looking at every block: what the per-row index must agree with.
QList<int> scanRow(const TimeGridModel &model, int row)
{
    QList<int> result;
    for (int i = 0; i < model.TBMax(); ++i) {
        if (model.TBResource(i) == row)
            result.append(i);
    }
    return result;
}

QList<int> walkRow(const TimeGridModel &model, int row)
{
    QList<int> result;
    for (int b = model.TBNextInResource(row, -1); b != -1; b = model.TBNextInResource(row, b)) {
        result.append(b);
        if (result.size() > model.TBMax())
            break; // a loop in the walk; the comparison below reports it
    }
    return result;
}

// Fails the calling test when any row's walk differs from a full scan.
bool indexAgrees(const TimeGridModel &model, int rows)
{
    for (int r = 0; r < rows; ++r) {
        const QList<int> expected = scanRow(model, r);
        if (walkRow(model, r) != expected || model.blocksInResource(r) != expected) {
            qWarning() << "row" << r << "scan" << expected << "walk" << walkRow(model, r)
                       << "list" << model.blocksInResource(r);
            return false;
        }
    }
    return true;
}

} // namespace

class TestTimeGridModel : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void blocksAreNumberedInOrderOfAdding();
    void removeRenumbersLaterBlocks_data();
    void removeRenumbersLaterBlocks();
    void rowWalksFollowMovesAndRemoves();
    void randomEditsKeepRowIndexExact();
    void clearingBlocksAndRows();
    void refusesBlockOnNegativeRowAndIgnoresBadNumbers();
    void blocksBeyondResourcesWidenRowCount();
    void duration_data();
    void duration();
    void barStylesAndFonts();
    void snapStep_data();
    void snapStep();
    void snapToStep_data();
    void snapToStep();
    void viewRangeAndDayLabel();
    void batchingSendsOneResetPerKind();
    void changeSignalsCarryOldRow();
    void colourConversion();
};

void TestTimeGridModel::blocksAreNumberedInOrderOfAdding()
{
    TimeGridModel model;
    model.AddResource(QStringLiteral("Ann"), QStringLiteral("11"));
    model.AddResource(QStringLiteral("Bob"), QStringLiteral("22"));
    QCOMPARE(model.TBAdd(1, 100.0, 100.5, 2, QStringLiteral("COOK")), 0);
    QCOMPARE(model.TBAdd(0, 101.0, 101.25, 1, QStringLiteral("BAR")), 1);
    QCOMPARE(model.TBAdd(1, 99.0, 99.5, 3), 2);
    QCOMPARE(model.TBMax(), 3);
    QCOMPARE(model.TBResource(0), 1);
    QCOMPARE(model.TBTag(0), QStringLiteral("COOK"));
    QCOMPARE(model.TBBar(1), 1);
    QCOMPARE(model.TBBeg(2), 99.0);
    QCOMPARE(model.TBEnd(2), 99.5);
    // Label and note start empty.
    QVERIFY(model.TBText(0).isEmpty());
    QVERIFY(model.TBNote(0).isEmpty());
    // Walks go by block number, not by time.
    QCOMPARE(walkRow(model, 1), (QList<int>{0, 2}));
    QCOMPARE(walkRow(model, 0), (QList<int>{1}));
}

void TestTimeGridModel::removeRenumbersLaterBlocks_data()
{
    QTest::addColumn<int>("removed");
    QTest::newRow("first") << 0;
    QTest::newRow("middle") << 3;
    QTest::newRow("last") << 6;
}

void TestTimeGridModel::removeRenumbersLaterBlocks()
{
    QFETCH(int, removed);
    TimeGridModel model;
    const int rows[] = {0, 1, 0, 2, 1, 0, 2};
    for (int i = 0; i < 7; ++i) {
        model.TBAdd(rows[i], 100.0 + i, 100.5 + i, i, QStringLiteral("P%1").arg(i));
        model.setTBNote(i, QStringLiteral("note %1").arg(i));
    }
    model.TBRemove(removed);

    QCOMPARE(model.TBMax(), 6);
    // Every survivor keeps all of its fields under its new number.
    int number = 0;
    for (int old = 0; old < 7; ++old) {
        if (old == removed)
            continue;
        QCOMPARE(model.TBResource(number), rows[old]);
        QCOMPARE(model.TBBeg(number), 100.0 + old);
        QCOMPARE(model.TBBar(number), old);
        QCOMPARE(model.TBTag(number), QStringLiteral("P%1").arg(old));
        QCOMPARE(model.TBNote(number), QStringLiteral("note %1").arg(old));
        ++number;
    }
    QVERIFY(indexAgrees(model, 3));
}

void TestTimeGridModel::rowWalksFollowMovesAndRemoves()
{
    TimeGridModel model;
    for (int i = 0; i < 6; ++i)
        model.TBAdd(i % 2, 10.0 + i, 10.2 + i, 0);
    // Row 0: 0 2 4, row 1: 1 3 5. Move block 4 to row 1 and block 1 to row 3.
    model.setTBResource(4, 1);
    model.setTBResource(1, 3);
    QCOMPARE(walkRow(model, 0), (QList<int>{0, 2}));
    QCOMPARE(walkRow(model, 1), (QList<int>{3, 4, 5}));
    QCOMPARE(walkRow(model, 3), (QList<int>{1}));
    QCOMPARE(walkRow(model, 2), QList<int>());

    // Removing block 2 renumbers the moved blocks too.
    model.TBRemove(2);
    QCOMPARE(walkRow(model, 0), (QList<int>{0}));
    QCOMPARE(walkRow(model, 1), (QList<int>{2, 3, 4}));
    QCOMPARE(walkRow(model, 3), (QList<int>{1}));

    // Starting a walk in the middle continues after the given number.
    QCOMPARE(model.TBNextInResource(1, 2), 3);
    QCOMPARE(model.TBNextInResource(1, 4), -1);
    QCOMPARE(model.TBNextInResource(7, -1), -1);
    QCOMPARE(model.TBNextInResource(-1, -1), -1);
}

void TestTimeGridModel::randomEditsKeepRowIndexExact()
{
    TimeGridModel model;
    QRandomGenerator random(20240601);
    const int rows = 12;
    for (int step = 0; step < 3000; ++step) {
        const int action = random.bounded(10);
        if (action < 5 || model.TBMax() == 0) {
            model.TBAdd(random.bounded(rows), step, step + 0.25, 0);
        } else if (action < 7) {
            model.TBRemove(random.bounded(model.TBMax()));
        } else if (action < 9) {
            model.setTBResource(random.bounded(model.TBMax()), random.bounded(rows));
        } else {
            const int b = random.bounded(model.TBMax());
            model.setTBPlace(b, random.bounded(rows), 5.0, 6.0);
        }
        if (step % 100 == 0)
            QVERIFY2(indexAgrees(model, rows), qPrintable(QStringLiteral("step %1").arg(step)));
    }
    QVERIFY(indexAgrees(model, rows));
}

void TestTimeGridModel::clearingBlocksAndRows()
{
    TimeGridModel model;
    model.AddResource(QStringLiteral("Ann"));
    for (int i = 0; i < 5; ++i)
        model.TBAdd(0, i, i + 0.5, 0);

    model.setTBMax(2);
    QCOMPARE(model.TBMax(), 2);
    QCOMPARE(walkRow(model, 0), (QList<int>{0, 1}));
    // Growing through setTBMax adds nothing.
    model.setTBMax(10);
    QCOMPARE(model.TBMax(), 2);

    model.setTBMax(0);
    QCOMPARE(model.TBMax(), 0);
    QCOMPARE(model.TBNextInResource(0, -1), -1);
    QCOMPARE(model.TBAdd(0, 1.0, 2.0, 0), 0); // numbering starts again at 0

    model.ClearBlocks();
    QCOMPARE(model.TBMax(), 0);
    model.ClearResources();
    QCOMPARE(model.ResourcesMax(), 0);
    QCOMPARE(model.rowCount(), 0);
    QCOMPARE(model.AddResource(QStringLiteral("Bob")), 0);
}

void TestTimeGridModel::refusesBlockOnNegativeRowAndIgnoresBadNumbers()
{
    TimeGridModel model;
    QCOMPARE(model.TBAdd(-1, 1.0, 2.0, 0), -1);
    QCOMPARE(model.TBMax(), 0);
    model.TBAdd(0, 1.0, 2.0, 0);
    // Out-of-range numbers neither crash nor change anything.
    model.TBRemove(5);
    model.TBRemove(-1);
    model.setTBBeg(3, 9.0);
    model.setTBResource(0, -4);
    QCOMPARE(model.TBMax(), 1);
    QCOMPARE(model.TBResource(0), 0);
    QCOMPARE(model.TBResource(3), -1);
    QCOMPARE(model.TBDur(9), QStringLiteral("0:00"));
    QVERIFY(model.ResourceTitle(4).isEmpty());
    model.setResourceTitle(4, QStringLiteral("x"));
    QCOMPARE(model.ResourcesMax(), 0);
}

void TestTimeGridModel::blocksBeyondResourcesWidenRowCount()
{
    TimeGridModel model;
    model.AddResource(QStringLiteral("Ann"));
    QCOMPARE(model.rowCount(), 1);
    const int b = model.TBAdd(3, 1.0, 2.0, 0);
    QCOMPARE(model.rowCount(), 4);
    QCOMPARE(model.ResourcesMax(), 1);
    model.setTBResource(b, 0);
    QCOMPARE(model.rowCount(), 1);
    model.setTBResource(b, 2);
    model.TBRemove(b);
    QCOMPARE(model.rowCount(), 1);
}

void TestTimeGridModel::duration_data()
{
    QTest::addColumn<double>("begin");
    QTest::addColumn<double>("end");
    QTest::addColumn<qint64>("minutes");
    QTest::addColumn<QString>("text");

    const double day = 36955.0; // Monday 5 March 2001
    QTest::newRow("9 to 17 in thirds") << day + 9 * kHour << day + 17 * kHour << qint64(480)
                                       << QStringLiteral("8:00");
    QTest::newRow("quarter hour") << day + 0.3 << day + 0.3 + 15.0 / 1440 << qint64(15)
                                  << QStringLiteral("0:15");
    QTest::newRow("over midnight") << day + 22 * kHour << day + 1 + 6 * kHour << qint64(480)
                                   << QStringLiteral("8:00");
    QTest::newRow("beyond a day") << day << day + 1 + 2.25 * kHour << qint64(26 * 60 + 15)
                                  << QStringLiteral("26:15");
    QTest::newRow("seconds round") << day << day + (90.0 + 29.0 / 60) / 1440 << qint64(90)
                                   << QStringLiteral("1:30");
    QTest::newRow("reversed") << day + 2 * kHour << day + 0.5 * kHour << qint64(-90)
                              << QStringLiteral("-1:30");
    QTest::newRow("empty") << day << day << qint64(0) << QStringLiteral("0:00");
}

void TestTimeGridModel::duration()
{
    QFETCH(double, begin);
    QFETCH(double, end);
    QFETCH(qint64, minutes);
    QFETCH(QString, text);
    TimeGridModel model;
    const int b = model.TBAdd(0, begin, end, 0);
    QCOMPARE(model.TBDurMinutes(b), minutes);
    QCOMPARE(model.TBDur(b), text);
}

void TestTimeGridModel::barStylesAndFonts()
{
    TimeGridModel model;
    const int times = model.AddFont(QStringLiteral("Times New Roman"));
    const int fixed = model.AddFont(QStringLiteral("Fixedsys"));
    QVERIFY(times != fixed);
    QCOMPARE(model.AddFont(QStringLiteral("Times New Roman")), times);
    QCOMPARE(model.AddFont(QStringLiteral("times new roman")), times);
    QCOMPARE(model.FontsMax(), 2);
    QCOMPARE(model.FontName(fixed), QStringLiteral("Fixedsys"));
    QVERIFY(model.FontName(7).isEmpty());

    model.setBarsMax(3);
    QCOMPARE(model.BarsMax(), 3);
    model.SetBarStyle(1, 255, 16777215, times, QStringLiteral("COOK"));
    QCOMPARE(model.BarCaption(1), QStringLiteral("COOK"));
    QCOMPARE(model.BarColor(1), 255);
    QCOMPARE(model.BarTextColor(1), 16777215);
    QCOMPARE(model.BarFont(1), times);
    // A style beyond the count grows the list instead of being lost.
    model.SetBarStyle(4, 16777215, 0, times, QStringLiteral("Off"));
    QCOMPARE(model.BarsMax(), 5);
    QCOMPARE(model.BarCaption(4), QStringLiteral("Off"));

    QCOMPARE(model.BarTextMode(4), TimeGridModel::Caption);
    model.setAllBarTextModes(TimeGridModel::Text);
    model.setBarTextMode(4, TimeGridModel::Note);
    QCOMPARE(model.BarTextMode(0), TimeGridModel::Text);
    QCOMPARE(model.BarTextMode(4), TimeGridModel::Note);
    // The modes keep the classic numbers callers may store.
    QCOMPARE(int(TimeGridModel::Caption), 14);
    QCOMPARE(int(TimeGridModel::Note), 13);
    QCOMPARE(int(TimeGridModel::Text), 10);
    QCOMPARE(int(TimeGridModel::Nothing), 0);

    model.setBarsMax(2);
    QCOMPARE(model.BarsMax(), 2);
    QVERIFY(model.BarCaption(4).isEmpty());
}

void TestTimeGridModel::snapStep_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("step");
    QTest::newRow("15 Minutes") << QStringLiteral("15 Minutes") << 15;
    QTest::newRow("5 Minutes") << QStringLiteral("5 Minutes") << 5;
    QTest::newRow("60 Minutes") << QStringLiteral("60 Minutes") << 60;
    QTest::newRow("1 Hour") << QStringLiteral("1 Hour") << 60;
    QTest::newRow("bare number") << QStringLiteral("30") << 30;
    QTest::newRow("zero counts as one") << QStringLiteral("0 Minutes") << 1;
    QTest::newRow("words only") << QStringLiteral("Minutes") << 1;
    QTest::newRow("empty") << QString() << 1;
    QTest::newRow("huge is one day") << QStringLiteral("99999999999 Minutes") << 1440;
}

void TestTimeGridModel::snapStep()
{
    QFETCH(QString, text);
    QFETCH(int, step);
    TimeGridModel model;
    model.setSnapMinutes(text);
    QCOMPARE(model.snapStep(), step);
    QCOMPARE(model.SnapMinutes(), text);
}

void TestTimeGridModel::snapToStep_data()
{
    QTest::addColumn<QString>("snap");
    QTest::addColumn<int>("minutes");
    QTest::addColumn<int>("expected");
    QTest::newRow("10:07 back") << QStringLiteral("15 Minutes") << 10 * 60 + 7 << 10 * 60;
    QTest::newRow("10:08 forward") << QStringLiteral("15 Minutes") << 10 * 60 + 8 << 10 * 60 + 15;
    QTest::newRow("10:30 hour") << QStringLiteral("60 Minutes") << 10 * 60 + 30 << 11 * 60;
    QTest::newRow("23:58 to next day") << QStringLiteral("5 Minutes") << 23 * 60 + 58 << 24 * 60;
    QTest::newRow("already on step") << QStringLiteral("30 Minutes") << 9 * 60 + 30 << 9 * 60 + 30;
}

void TestTimeGridModel::snapToStep()
{
    QFETCH(QString, snap);
    QFETCH(int, minutes);
    QFETCH(int, expected);
    TimeGridModel model;
    model.setSnapMinutes(snap);
    const double day = 36955.0;
    const double snapped = model.snapToStep(day + minutes / 1440.0);
    QCOMPARE(qRound64((snapped - day) * 1440.0), qint64(expected));
}

void TestTimeGridModel::viewRangeAndDayLabel()
{
    TimeGridModel model;
    model.setViewRange(36960.3, 36955.7);
    QCOMPARE(model.ViewBeg(), 36955.7);
    QCOMPARE(model.ViewEnd(), 36960.3);
    // Setting the begin past the end moves the end along rather than reversing the range.
    model.setViewBeg(36970.0);
    QVERIFY(model.ViewEnd() >= model.ViewBeg());

    model.setDateScaleFormat(QStringLiteral("%a %d"));
    QCOMPARE(model.dayLabel(36955.0), QStringLiteral("Mon 05")); // 5 March 2001
    model.setDateScaleFormat(QStringLiteral("%a %b %d"));
    QCOMPARE(model.dayLabel(36955.5), QStringLiteral("Mon Mar 05"));

    model.setColumnCaption(QStringLiteral("Week\nHours"));
    QCOMPARE(model.ColumnCaption().split(QLatin1Char('\n')),
             (QStringList{QStringLiteral("Week"), QStringLiteral("Hours")}));
}

void TestTimeGridModel::batchingSendsOneResetPerKind()
{
    TimeGridModel model;
    QSignalSpy added(&model, &TimeGridModel::blockAdded);
    QSignalSpy blocksReset(&model, &TimeGridModel::blocksReset);
    QSignalSpy rowAdded(&model, &TimeGridModel::rowAdded);
    QSignalSpy rowsReset(&model, &TimeGridModel::rowsReset);
    QSignalSpy changed(&model, &TimeGridModel::blockChanged);
    QSignalSpy bars(&model, &TimeGridModel::barsChanged);

    model.beginUpdate();
    model.beginUpdate(); // nested
    for (int r = 0; r < 50; ++r)
        model.AddResource(QString::number(r));
    for (int i = 0; i < 300; ++i) {
        const int b = model.TBAdd(i % 50, i, i + 0.1, 0);
        model.setTBText(b, QStringLiteral("x"));
    }
    model.endUpdate();
    QCOMPARE(blocksReset.count(), 0); // still inside the outer batch
    model.endUpdate();

    QCOMPARE(added.count(), 0);
    QCOMPARE(rowAdded.count(), 0);
    QCOMPARE(changed.count(), 0);
    QCOMPARE(bars.count(), 0); // bars were not touched
    QCOMPARE(blocksReset.count(), 1);
    QCOMPARE(rowsReset.count(), 1);
    QCOMPARE(model.TBMax(), 300);

    // Outside a batch every edit reports itself again.
    model.TBAdd(0, 1.0, 2.0, 0);
    QCOMPARE(added.count(), 1);
    // An unbalanced endUpdate is harmless.
    model.endUpdate();
    model.TBAdd(0, 3.0, 4.0, 0);
    QCOMPARE(added.count(), 2);
}

void TestTimeGridModel::changeSignalsCarryOldRow()
{
    TimeGridModel model;
    const int b = model.TBAdd(2, 1.0, 2.0, 0);
    model.TBAdd(0, 1.0, 2.0, 0);
    QSignalSpy changed(&model, &TimeGridModel::blockChanged);
    QSignalSpy removed(&model, &TimeGridModel::blockRemoved);

    model.setTBPlace(b, 5, 1.5, 2.5);
    QCOMPARE(changed.count(), 1);
    QCOMPARE(changed.at(0).at(0).toInt(), b);
    QCOMPARE(changed.at(0).at(1).toInt(), 2);

    model.setTBPlace(b, 5, 1.5, 2.5); // no change, no signal
    model.setTBText(b, QString());
    QCOMPARE(changed.count(), 1);

    model.TBRemove(b);
    QCOMPARE(removed.count(), 1);
    QCOMPARE(removed.at(0).at(0).toInt(), b);
    QCOMPARE(removed.at(0).at(1).toInt(), 5);
}

void TestTimeGridModel::colourConversion()
{
    QCOMPARE(TimeGridModel::toColor(255), QColor(Qt::red));
    QCOMPARE(TimeGridModel::toColor(65280), QColor(Qt::green));
    QCOMPARE(TimeGridModel::toColor(16711680), QColor(Qt::blue));
    QCOMPARE(TimeGridModel::fromColor(QColor(0x12, 0x34, 0x56)), qint32(0x563412));
    QCOMPARE(TimeGridModel::fromColor(TimeGridModel::toColor(16777215)), 16777215);
}

QTEST_GUILESS_MAIN(TestTimeGridModel)
#include "tst_timegridmodel.moc"
