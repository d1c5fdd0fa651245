#include "SetupTestKit.h"
#include "setup/WindowHelpers.h"

class WindowHelpers : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void placement_data()
    {
        QTest::addColumn<QSize>("child");
        QTest::addColumn<QSize>("area");
        QTest::addColumn<int>("band");
        QTest::addColumn<QPoint>("expected");
        QTest::newRow("centre at 40%") << QSize(400, 300) << QSize(1000, 800) << 50 << QPoint(300, 170);
        QTest::newRow("too tall for 40%, fits at half") << QSize(400, 700) << QSize(1000, 800) << 50 << QPoint(300, 50);
        QTest::newRow("would reach under the band") << QSize(400, 700) << QSize(1000, 800) << 51 << QPoint(300, 0);
        QTest::newRow("taller than the area") << QSize(400, 900) << QSize(1000, 800) << 0 << QPoint(300, 0);
        QTest::newRow("wider than the area") << QSize(1200, 300) << QSize(1000, 800) << 0 << QPoint(0, 170);
        QTest::newRow("half to even, down") << QSize(400, 300) << QSize(1001, 800) << 0 << QPoint(300, 170);
        QTest::newRow("half to even, up") << QSize(400, 300) << QSize(1003, 800) << 0 << QPoint(302, 170);
    }
    void placement()
    {
        QFETCH(QSize, child);
        QFETCH(QSize, area);
        QFETCH(int, band);
        QFETCH(QPoint, expected);
        QCOMPARE(PlacementInMainWindow(child, area, band), expected);
    }

    void leadingNumber_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("value");
        QTest::newRow("tab first") << "\t5" << 5.0;
        QTest::newRow("second point stops") << "800.555.1234" << 800.555;
        QTest::newRow("point first") << ".5" << 0.5;
        QTest::newRow("plus") << "+7" << 7.0;
        QTest::newRow("exponent") << "1e3" << 1000.0;
        QTest::newRow("sign alone") << "-" << 0.0;
    }
    void leadingNumber()
    {
        QFETCH(QString, text);
        QFETCH(double, value);
        QCOMPARE(LeadingNumber(text), value);
    }
};

QTEST_MAIN(WindowHelpers)
#include "tst_windowhelpers.moc"
