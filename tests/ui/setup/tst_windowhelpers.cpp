#include "data/LeadingNumber.h"
#include "ui/common/WindowHelpers.h"

#include <QTest>

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

    // Both rules over the same texts.
    void leadingNumbers_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("skippingBlanks");
        QTest::addColumn<qint32>("minusAndDigits");
        QTest::newRow("empty") << "" << 0.0 << 0;
        QTest::newRow("abc") << "abc" << 0.0 << 0;
        QTest::newRow("\\t5") << "\t5" << 5.0 << 5;
        QTest::newRow("-12ab") << "-12ab" << -12.0 << -12;
        QTest::newRow("+7") << "+7" << 7.0 << 0;
        QTest::newRow("-") << "-" << 0.0 << 0;
        QTest::newRow("--5") << "--5" << 0.0 << 0;
        QTest::newRow("- 4") << "- 4" << -4.0 << 0;
        QTest::newRow("1 2") << "1 2" << 12.0 << 1;
        QTest::newRow(".5") << ".5" << 0.5 << 0;
        QTest::newRow("800.555.1234") << "800.555.1234" << 800.555 << 800;
        QTest::newRow("1e3") << "1e3" << 1000.0 << 1;
        QTest::newRow("2D3") << "2D3" << 2000.0 << 2;
        QTest::newRow("1e") << "1e" << 1.0 << 1;
        QTest::newRow("2147483648") << "2147483648" << 2147483648.0 << 0;
        QTest::newRow("-2147483648") << "-2147483648" << -2147483648.0 << qint32(-2147483647 - 1);
    }
    void leadingNumbers()
    {
        QFETCH(QString, text);
        QFETCH(double, skippingBlanks);
        QFETCH(qint32, minusAndDigits);
        QCOMPARE(LeadingNumberSkippingBlanks(text), skippingBlanks);
        QCOMPARE(LeadingMinusAndDigits(text), minusAndDigits);
    }
};

QTEST_MAIN(WindowHelpers)
#include "tst_windowhelpers.moc"
