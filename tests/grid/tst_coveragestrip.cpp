// The coverage strip painter: each cell in its grid column, in the colour of its state.

#include "grid/CoverageStripPainter.h"
#include "grid/TimeGridMapper.h"

#include <QImage>
#include <QPainter>
#include <QtTest>

class TestCoverageStrip : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void cellsInTheirColumnsAndColours_data()
    {
        QTest::addColumn<int>("scheduled");
        QTest::addColumn<int>("needed");
        QTest::addColumn<int>("most");
        QTest::addColumn<QColor>("colour");
        QTest::newRow("1 of 3 needed: short") << 1 << 3 << -1 << CoverageStripPainter::shortColor();
        QTest::newRow("3 of 3 needed: met") << 3 << 3 << -1 << CoverageStripPainter::metColor();
        QTest::newRow("4 where 3 at most: above") << 4 << 2 << 3 << CoverageStripPainter::aboveColor();
        QTest::newRow("3 where 3 at most: met") << 3 << 2 << 3 << CoverageStripPainter::metColor();
        QTest::newRow("none on shift, none needed: blank") << 0 << 0 << -1 << QColor(Qt::white);
    }
    void cellsInTheirColumnsAndColours()
    {
        QFETCH(int, scheduled);
        QFETCH(int, needed);
        QFETCH(int, most);
        QFETCH(QColor, colour);
        TimeGridMapper m;
        m.width = 1000;
        m.captionWidth = 150;
        m.infoWidth = 50;
        m.scrollTime = 100;   // a day, from its midnight
        m.visibleDays = 1;
        const double begin = 100.5, end = 100.75;   // noon to 6 pm: x 600 to 800
        const CoverageStripPainter painter;
        QImage image(1000, painter.height(2), QImage::Format_RGB32);
        image.fill(Qt::white);
        QPainter p(&image);
        painter.paint(p, m, image.rect(),
                      {CoverageStripRow{"COOK", {CoverageCell{begin, end, scheduled, needed, most}}}, CoverageStripRow{"HOST", {}}});
        p.end();
        const int y = painter.lineHeight() / 2;
        QCOMPARE(image.pixelColor(610, 3), colour);
        QCOMPARE(image.pixelColor(790, 3), colour);
        QCOMPARE(image.pixelColor(590, y), QColor(Qt::white));   // before noon
        QCOMPARE(image.pixelColor(810, y), QColor(Qt::white));   // after 6 pm
        QCOMPARE(image.pixelColor(700, painter.lineHeight() + y), QColor(Qt::white));   // HOST's line is empty
    }
};

QTEST_MAIN(TestCoverageStrip)
#include "tst_coveragestrip.moc"
