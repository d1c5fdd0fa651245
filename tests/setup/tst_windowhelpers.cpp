#include "SetupTestKit.h"
#include "setup/WindowHelpers.h"

#include <QComboBox>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QVBoxLayout>

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

    void anMdiChildIsPlacedInsideTheArea()
    {
        QMdiArea area;
        area.resize(1000, 800);
        auto *form = new QWidget;
        QMdiSubWindow *sub = area.addSubWindow(form);
        sub->resize(400, 300);
        area.show();
        sub->show();
        PlaceFormInMainWindow(form);
        const QSize viewport = area.viewport()->size();
        QCOMPARE(sub->pos(), PlacementInMainWindow(sub->size(), viewport, 0));
        QVERIFY(sub->pos().x() > 0 && sub->pos().y() > 0);
    }

    void leadingNumber_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("value");
        QTest::newRow("plain") << "45" << 45.0;
        QTest::newRow("blanks around") << "  12 " << 12.0;
        QTest::newRow("blanks inside") << "1 2 3" << 123.0;
        QTest::newRow("tab first") << "\t5" << 5.0;
        QTest::newRow("decimal") << "7.5" << 7.5;
        QTest::newRow("second point stops") << "800.555.1234" << 800.555;
        QTest::newRow("point first") << ".5" << 0.5;
        QTest::newRow("signs") << "-3" << -3.0;
        QTest::newRow("plus") << "+7" << 7.0;
        QTest::newRow("dash stops") << "123-45" << 123.0;
        QTest::newRow("letters stop") << "12abc" << 12.0;
        QTest::newRow("exponent") << "1e3" << 1000.0;
        QTest::newRow("no number") << "abc" << 0.0;
        QTest::newRow("empty") << "" << 0.0;
        QTest::newRow("sign alone") << "-" << 0.0;
    }
    void leadingNumber()
    {
        QFETCH(QString, text);
        QFETCH(double, value);
        QCOMPARE(LeadingNumber(text), value);
    }

    void aTextBoxSelectsAllWhenClickedInto()
    {
        QWidget window;
        auto *layout = new QVBoxLayout(&window);
        auto *first = new QLineEdit(QStringLiteral("first"), &window);
        first->setObjectName(QStringLiteral("txtFirst"));
        auto *second = new QLineEdit(QStringLiteral("second text"), &window);
        second->setObjectName(QStringLiteral("txtSecond"));
        layout->addWidget(first);
        layout->addWidget(second);
        SelectAllOnFocusIn(&window);
        window.show();
        QApplication::setActiveWindow(&window);
        QVERIFY(QTest::qWaitForWindowActive(&window));

        first->setFocus();
        QTest::mouseClick(second, Qt::LeftButton, {}, QPoint(5, second->height() / 2));
        QTest::qWait(10);
        QVERIFY(second->hasFocus());
        QCOMPARE(second->selectedText(), QStringLiteral("second text"));
    }

    void departmentsFillTheComboBoxInStoredOrder()
    {
        DataFolder data;
        QComboBox box;
        box.addItem(QStringLiteral("stale"));
        FillDepartmentList(&box, *data.info);
        QCOMPARE(box.count(), 0);
        data.info->AddDepartment(QStringLiteral(" deli"));
        data.info->AddDepartment(QStringLiteral("BAKERY"));
        FillDepartmentList(&box, *data.info);
        QCOMPARE(box.count(), 2);
        QCOMPARE(box.itemText(0), QStringLiteral("DELI"));
        QCOMPARE(box.currentText(), QStringLiteral("DELI"));
        // Listing writes the department file, so added departments are stored.
        QCOMPARE(data.reloaded()->Departments().size(), 2);
    }
};

QTEST_MAIN(WindowHelpers)
#include "tst_windowhelpers.moc"
