#include "SetupTestKit.h"
#include "data/OleDate.h"
#include "setup/frmShiftsSetup.h"

#include <QComboBox>
#include <QTimeEdit>

class WorkShiftWindows : public QObject
{
    Q_OBJECT

    static double at(int hours) { return OleDate::timeValue(hours, 0); }
    static QListWidget *list(QWidget *window) { return child<QListWidget>(window, "lisShifts"); }
    // The stored shifts of a department as list texts, as a later run reads them.
    static QStringList stored(const DataFolder &data, const QString &department = QStringLiteral("DELI"))
    {
        QStringList all;
        for (const DefaultShift &s : data.reloaded()->ShiftAutoGetAll(department))
            all << OleDate::format(s.start, QStringLiteral("h:mma/p")) + " - " + OleDate::format(s.end, QStringLiteral("h:mma/p"));
        return all;
    }
    static void storeShifts(DataFolder &data, const QString &department, const QList<QPair<double, double>> &times)
    {
        data.info->AddDepartment(department);
        QList<DefaultShift> shifts;
        for (const auto &t : times)
            shifts.append({department, t.first, t.second});
        data.info->ShiftSaveAll(department, shifts);
    }
    static const QStringList threeShifts() { return {"6:00a - 2:00p", "8:00a - 4:00p", "2:00p - 10:00p"}; }
    static std::unique_ptr<frmShiftsSetup> openWithThree(DataFolder &data)
    {
        storeShifts(data, QStringLiteral("DELI"), {{at(6), at(14)}, {at(8), at(16)}, {at(14), at(22)}});
        return openOn<frmShiftsSetup>(data);
    }

private Q_SLOTS:
    void withoutADepartmentTheWindowSaysSoAndCloses()
    {
        DataFolder data;
        auto window = openOn<frmShiftsSetup>(data);
        QCOMPARE(data.prompt.messages(), QStringList{QStringLiteral("Please setup a department")});
        QVERIFY(!window->isVisible());
    }

    // Eight to four is proposed; a shift over midnight is kept as entered.
    void addAppendsAnOvernightShift()
    {
        DataFolder data;
        storeShifts(data, QStringLiteral("DELI"), {{at(6), at(14)}});
        auto window = openOn<frmShiftsSetup>(data);
        data.dialogs.queue([&](QWidget *dialog) {
            QCOMPARE(child<QTimeEdit>(dialog, "dtpStart")->time(), QTime(8, 0));
            QCOMPARE(child<QTimeEdit>(dialog, "dtpEnd")->time(), QTime(16, 0));
            child<QTimeEdit>(dialog, "dtpStart")->setTime(QTime(22, 0));
            child<QTimeEdit>(dialog, "dtpEnd")->setTime(QTime(6, 0));
            QTest::keyClick(dialog, Qt::Key_Return);   // Save is the default button
        });
        click(window.get(), "cmdAdd");
        const QStringList expected{"6:00a - 2:00p", "10:00p - 6:00a"};
        QCOMPARE(texts(list(window.get())), expected);
        QCOMPARE(stored(data), expected);
    }

    void leavingTheDialogWithoutSaveChangesNothing_data()
    {
        QTest::addColumn<QString>("how");
        QTest::newRow("Close button") << "close";
        QTest::newRow("Escape") << "escape";
        QTest::newRow("window frame") << "frame";
    }
    void leavingTheDialogWithoutSaveChangesNothing()
    {
        QFETCH(QString, how);
        DataFolder data;
        auto window = openWithThree(data);
        const QByteArray before = data.bytes("Shifts.dat");
        for (const char *button : {"cmdAdd", "cmdEdit"}) {
            data.dialogs.queue([&](QWidget *dialog) {
                child<QTimeEdit>(dialog, "dtpStart")->setTime(QTime(9, 0));
                if (how == "close")
                    click(dialog, "cmdClose");
                else if (how == "escape")
                    QTest::keyClick(dialog, Qt::Key_Escape);
                else
                    dialog->close();
            });
            click(window.get(), button);
        }
        QCOMPARE(texts(list(window.get())), threeShifts());
        QCOMPARE(data.bytes("Shifts.dat"), before);
    }

    void reorderAndDelete_data()
    {
        QTest::addColumn<int>("row");
        QTest::addColumn<QString>("button");
        QTest::addColumn<QList<int>>("order");   // indexes into the three shifts
        QTest::addColumn<int>("selected");
        QTest::newRow("up on the first") << 0 << "cmdUp" << QList<int>{0, 1, 2} << 0;
        QTest::newRow("down on the last") << 2 << "CmdDown" << QList<int>{0, 1, 2} << 2;
        QTest::newRow("up on the second") << 1 << "cmdUp" << QList<int>{1, 0, 2} << 0;
        QTest::newRow("up on the last") << 2 << "cmdUp" << QList<int>{0, 2, 1} << 1;
        QTest::newRow("down on the first") << 0 << "CmdDown" << QList<int>{1, 0, 2} << 1;
        QTest::newRow("down on the second") << 1 << "CmdDown" << QList<int>{0, 2, 1} << 2;
        QTest::newRow("delete the middle") << 1 << "cmdDelete" << QList<int>{0, 2} << 0;
        QTest::newRow("delete the last") << 2 << "cmdDelete" << QList<int>{0, 1} << 0;
    }
    void reorderAndDelete()
    {
        QFETCH(int, row);
        QFETCH(QString, button);
        QFETCH(QList<int>, order);
        QFETCH(int, selected);
        DataFolder data;
        auto window = openWithThree(data);
        clickRow(list(window.get()), row);
        click(window.get(), button);
        QStringList expected;
        for (int i : order)
            expected << threeShifts()[i];
        QCOMPARE(texts(list(window.get())), expected);
        QCOMPARE(stored(data), expected);
        QCOMPARE(list(window.get())->currentRow(), selected);
    }

    void deletingTheOnlyShiftLeavesNothingSelected()
    {
        DataFolder data;
        storeShifts(data, QStringLiteral("DELI"), {{at(8), at(16)}});
        auto window = openOn<frmShiftsSetup>(data);
        click(window.get(), "cmdDelete");
        QCOMPARE(texts(list(window.get())), QStringList());
        QCOMPARE(stored(data), QStringList());
        QVERIFY(list(window.get())->currentItem() == nullptr);
        // Nothing selected: the commands do nothing.
        for (const char *button : {"cmdDelete", "cmdUp", "CmdDown", "cmdEdit"})
            click(window.get(), button);
        QVERIFY(data.prompt.shown().isEmpty());
    }

    // Each department keeps its own list; a double click edits a shift in its place.
    void aDoubleClickEditsTheChosenDepartmentsShift()
    {
        DataFolder data;
        storeShifts(data, QStringLiteral("BAKERY"), {{at(4), at(12)}});
        auto window = openWithThree(data);
        QCOMPARE(texts(list(window.get())), QStringList{"4:00a - 12:00p"});   // the first listed
        child<QComboBox>(window.get(), "comDepartmentName")->setCurrentIndex(1);
        QCOMPARE(texts(list(window.get())), threeShifts());
        data.dialogs.queue([&](QWidget *dialog) {
            QCOMPARE(child<QTimeEdit>(dialog, "dtpStart")->time(), QTime(8, 0));
            child<QTimeEdit>(dialog, "dtpEnd")->setTime(QTime(17, 30));
            click(dialog, "cmdSave");
        });
        clickRow(list(window.get()), 1, true);
        const QStringList expected{"6:00a - 2:00p", "8:00a - 5:30p", "2:00p - 10:00p"};
        QCOMPARE(texts(list(window.get())), expected);
        QCOMPARE(stored(data), expected);
        QCOMPARE(list(window.get())->currentRow(), 1);
        QCOMPARE(stored(data, QStringLiteral("BAKERY")), QStringList{"4:00a - 12:00p"});
    }
};

QTEST_MAIN(WorkShiftWindows)
#include "tst_workshifts.moc"
