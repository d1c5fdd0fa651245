// PayRates.csv and Budgets.csv: what a file's text reads as, which rows are named as bad, and
// that what is written reads back the same.

#include "data/Budgets.h"
#include "data/FileError.h"
#include "data/Money.h"
#include "data/PayRates.h"
#include "data/ScheduleHelper.h"

#include <QTemporaryDir>
#include <QtTest>

class TestCostFiles : public QObject
{
    Q_OBJECT

private slots:
    void amounts_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<qint64>("cents");   // -1: refused
        QTest::newRow("12") << "12" << qint64(1200);
        QTest::newRow("12.5") << "12.5" << qint64(1250);
        QTest::newRow(" 12.05 ") << " 12.05 " << qint64(1205);
        QTest::newRow("12.") << "12." << qint64(1200);
        QTest::newRow("0") << "0" << qint64(0);
        QTest::newRow("9999999.99") << "9999999.99" << qint64(999999999);
        QTest::newRow("12,50 (a comma)") << "12,50" << qint64(-1);
        QTest::newRow("12.505") << "12.505" << qint64(-1);
        QTest::newRow("-3") << "-3" << qint64(-1);
        QTest::newRow(".5") << ".5" << qint64(-1);
        QTest::newRow("1e3") << "1e3" << qint64(-1);
        QTest::newRow("empty") << "" << qint64(-1);
        QTest::newRow("10000000") << "10000000" << qint64(-1);
    }

    void amounts()
    {
        QFETCH(QString, text);
        QFETCH(qint64, cents);
        QCOMPARE(Money::centsFromText(text).value_or(-1), cents);
        if (cents >= 0)
            QCOMPARE(Money::centsFromText(Money::text(cents)).value_or(-1), cents);
    }

    void payRates_data()
    {
        QTest::addColumn<QByteArray>("csv");
        QTest::addColumn<QStringList>("rates");   // "employee position cents"
        QTest::addColumn<QStringList>("problems");

        const QByteArray header = "Employee Number,Position,Hourly Rate\r\n";
        QTest::newRow("empty file") << QByteArray() << QStringList{} << QStringList{};
        QTest::newRow("rate for every position and one of its own")
            << header + "17,,12.50\r\n17, cook ,14\r\n" << QStringList{"17  1250", "17 COOK 1400"} << QStringList{};
        QTest::newRow("columns in another order and case, BOM, LF")
            << QByteArray("\xEF\xBB\xBFhourly rate,EMPLOYEE NUMBER\n9.99,5\n") << QStringList{"5  999"} << QStringList{};
        QTest::newRow("a comma as decimal point is named")
            << header + "17,,\"12,50\"\r\n18,,11\r\n" << QStringList{"18  1100"}
            << QStringList{"line 2, column Hourly Rate: \"12,50\" is not an amount like 12.50"};
        QTest::newRow("bad employee numbers")
            << header + "abc,,1\r\n0,,1\r\n99999999999,,1\r\n,,1\r\n" << QStringList{}
            << QStringList{"line 2, column Employee Number: \"abc\" is not an employee number",
                           "line 3, column Employee Number: \"0\" is not an employee number",
                           "line 4, column Employee Number: \"99999999999\" is not an employee number",
                           "line 5, column Employee Number: is empty"};
        QTest::newRow("the first of two rows counts")
            << header + "17,COOK,10\r\n17,cook,11\r\n" << QStringList{"17 COOK 1000"}
            << QStringList{"line 3, column Position: \"17 COOK\" was given on an earlier line; that line counts"};
        QTest::newRow("too few fields") << header + "17,12\r\n" << QStringList{}
                                        << QStringList{"line 2: has 2 fields, the header has 3"};
        QTest::newRow("missing rate column") << QByteArray("Employee Number,Position\r\n17,\r\n") << QStringList{}
                                             << QStringList{"line 1: the header has no column Hourly Rate"};
        QTest::newRow("open quote") << header + "17,\"COOK,1\r\n" << QStringList{}
                                    << QStringList{"not readable as CSV: line 2: a quoted field is not closed"};
    }

    void payRates()
    {
        QFETCH(QByteArray, csv);
        const PayRates read = PayRates::parse(csv);
        QStringList rates, problems;
        for (const PayRate &r : read.rates())
            rates << QStringLiteral("%1 %2 %3").arg(r.employee).arg(r.position).arg(r.cents);
        for (const CsvProblem &p : read.problems())
            problems << p.text();
        QTEST(rates, "rates");
        QTEST(problems, "problems");
        QCOMPARE(PayRates::parse(read.toCsv()).rates(), read.rates());
    }

    void rateForAPosition()
    {
        const PayRates rates = PayRates::parse("Employee Number,Position,Hourly Rate\n17,,12\n17,COOK,14\n18,COOK,9\n");
        QCOMPARE(rates.rateFor(17, QStringLiteral("cook")).value_or(-1), 1400);
        QCOMPARE(rates.rateFor(17, QStringLiteral("WAITER")).value_or(-1), 1200);
        QCOMPARE(rates.rateFor(18, QStringLiteral("COOK")).value_or(-1), 900);
        QVERIFY(!rates.rateFor(18, QStringLiteral("WAITER")));
        QVERIFY(!rates.rateFor(19, QStringLiteral("COOK")));
    }

    void budgets_data()
    {
        QTest::addColumn<QByteArray>("csv");
        QTest::addColumn<QStringList>("budgets");   // "department cents multiplier"
        QTest::addColumn<QStringList>("problems");

        const QByteArray header = "Department,Weekly Budget,Overtime Multiplier\r\n";
        QTest::newRow("budget, default multiplier") << header + "kitchen,5000,\r\n" << QStringList{"KITCHEN 500000 150"} << QStringList{};
        QTest::newRow("without the multiplier column") << QByteArray("Department,Weekly Budget\nBAR,100.5\n")
                                                      << QStringList{"BAR 10050 150"} << QStringList{};
        QTest::newRow("multiplier only") << header + "BAR,,2\r\n" << QStringList{"BAR none 200"} << QStringList{};
        QTest::newRow("multiplier below 1 or above 10")
            << header + "BAR,1,0.5\r\nTOP,1,10.01\r\nOK,1,10\r\n" << QStringList{"OK 100 1000"}
            << QStringList{"line 2, column Overtime Multiplier: \"0.5\" is not a multiplier from 1 to 10 like 1.5",
                           "line 3, column Overtime Multiplier: \"10.01\" is not a multiplier from 1 to 10 like 1.5"};
        QTest::newRow("bad budget and no department")
            << header + "BAR,lots,\r\n,5,\r\n" << QStringList{}
            << QStringList{"line 2, column Weekly Budget: \"lots\" is not an amount like 12.50", "line 3, column Department: is empty"};
        QTest::newRow("one department twice") << header + "BAR,1,\r\nbar,2,\r\n" << QStringList{"BAR 100 150"}
                                              << QStringList{"line 3, column Department: \"BAR\" was given on an earlier line; that line counts"};
    }

    void budgets()
    {
        QFETCH(QByteArray, csv);
        const Budgets read = Budgets::parse(csv);
        QStringList budgets, problems;
        for (const DepartmentBudget &b : read.budgets())
            budgets << QStringLiteral("%1 %2 %3").arg(b.department, b.weeklyCents ? QString::number(*b.weeklyCents) : QStringLiteral("none"))
                           .arg(b.multiplierHundredths);
        for (const CsvProblem &p : read.problems())
            problems << p.text();
        QTEST(budgets, "budgets");
        QTEST(problems, "problems");
        QCOMPARE(Budgets::parse(read.toCsv()).budgets(), read.budgets());
    }

    void writtenFilesAndOlderFilesUntouched()
    {
        QTemporaryDir dir;
        const QByteArray dept("old bytes");
        ScheduleHelper::WriteFileBytes(dir.filePath(QStringLiteral("Dept.dat")), dept);
        PayRates rates;
        rates.setRatesOf(17, {{QString(), 1250}, {QStringLiteral("cook"), 1400}});
        rates.write(dir.path());
        Budgets budgets;
        budgets.set({QStringLiteral("bar"), 50000, 150});
        budgets.set({QStringLiteral("kitchen"), std::nullopt, 150});   // nothing to keep
        budgets.write(dir.path());
        QCOMPARE(ScheduleHelper::ReadFileBytes(PayRates::filePath(dir.path())),
                 QByteArray("Employee Number,Position,Hourly Rate\r\n17,,12.50\r\n17,COOK,14.00\r\n"));
        QCOMPARE(ScheduleHelper::ReadFileBytes(Budgets::filePath(dir.path())),
                 QByteArray("Department,Weekly Budget,Overtime Multiplier\r\nBAR,500.00,\r\n"));
        QCOMPARE(ScheduleHelper::ReadFileBytes(dir.filePath(QStringLiteral("Dept.dat"))), dept);
        QCOMPARE(QDir(dir.path()).count(), uint(2 + 3));
    }

    void failedWriteKeepsTheOldFile()
    {
        QTemporaryDir dir;
        PayRates rates;
        rates.setRatesOf(17, {{QString(), 1250}});
        rates.write(dir.path());
        rates.setRatesOf(17, {{QString(), 9900}});
        ScheduleHelper::InjectWriteFailure(PayRates::filePath(dir.path()), QStringLiteral("disk full"));
        QVERIFY_THROWS_EXCEPTION(FileError, rates.write(dir.path()));
        ScheduleHelper::ClearInjectedWriteFailures();
        QCOMPARE(PayRates::read(dir.path()).rateFor(17, {}).value_or(-1), 1250);
    }
};

QTEST_GUILESS_MAIN(TestCostFiles)
#include "tst_costfiles.moc"
