// The coverage strip widget under a grid: its cells lie in the grid's time columns and follow
// the grid's scrolling; its tooltip names a cell's counts.

#include "grid/TimeGridModel.h"
#include "ui/widgets/CoverageStrip.h"
#include "ui/widgets/TimeGrid.h"

#include <QVBoxLayout>
#include <QtTest>

class TestCoverageStripWidget : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void followsTheGrid()
    {
        QWidget window;
        auto *layout = new QVBoxLayout(&window);
        layout->setContentsMargins(0, 0, 0, 0);
        auto *grid = new TimeGrid;
        auto *strip = new CoverageStrip;
        layout->addWidget(grid);
        layout->addWidget(strip);
        const double day = 46000;
        grid->model()->setViewRange(day, day + 7);
        grid->model()->AddResource("Ann");
        grid->setVisibleSpan(1);
        grid->scrollToTime(day);
        strip->followGrid(grid);
        // Short noon to 6 pm on the first day.
        strip->setRows({CoverageStripRow{"COOK", {CoverageCell{day + 0.5, day + 0.75, 1, 2, -1}}}});
        window.resize(1000, 400);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QCOMPARE(strip->height(), strip->sizeHint().height());

        auto colourAt = [&](double time) {
            const TimeGridMapper m = grid->mapper();
            const int x = grid->viewport()->mapTo(&window, QPoint(int(m.xForTime(time)), 0)).x() - strip->x();
            return strip->grab().toImage().pixelColor(x, 3);
        };
        QCOMPARE(colourAt(day + 0.625), CoverageStripPainter::shortColor());
        QVERIFY(colourAt(day + 0.4) != CoverageStripPainter::shortColor());
        // Scrolled to the afternoon, the cell moves with the grid's columns.
        grid->scrollToTime(day + 0.4);
        QCOMPARE(colourAt(day + 0.7), CoverageStripPainter::shortColor());
        QVERIFY(colourAt(day + 0.8) != CoverageStripPainter::shortColor());
        QCOMPARE(CoverageStrip::unmetText(90), "Unmet staffing need this week: 1:30 hours");
        QCOMPARE(CoverageStrip::unmetText(0), "");
    }
};

QTEST_MAIN(TestCoverageStripWidget)
#include "tst_coveragestripwidget.moc"
