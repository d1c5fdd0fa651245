#include "SetupTestKit.h"
#include "data/OleDate.h"
#include "ui/setup/frmShiftsSetup.h"

#include "ui/widgets/TimeBox.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>

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

    // Eight to four is proposed; times are typed as people write them, the box shows what it
    // will store, and a shift over midnight is kept as entered. A text that is no time is not saved.
    void typedTimesAreStoredAsShown_data()
    {
        QTest::addColumn<QString>("start");
        QTest::addColumn<QString>("end");
        QTest::addColumn<QString>("startShows");
        QTest::addColumn<QString>("added");
        QTest::newRow("10:00 PM, 6a") << "10:00 PM" << "6a" << "= 10:00 PM" << "10:00p - 6:00a";
        QTest::newRow("10p, 6:00 am") << "10p" << "6:00 am" << "= 10:00 PM" << "10:00p - 6:00a";
        QTest::newRow("22:00, 0600") << "22:00" << "0600" << "= 10:00 PM" << "10:00p - 6:00a";
        QTest::newRow("p and a switch the half day") << "p" << "a" << "= 8:00 PM" << "8:00p - 4:00a";
        QTest::newRow("12a to 12p") << "12a" << "12p" << "= 12:00 AM" << "12:00a - 12:00p";
        QTest::newRow("25:00 is no time") << "25:00" << "5p" << "not a time" << "";
    }
    void typedTimesAreStoredAsShown()
    {
        QFETCH(QString, start);
        QFETCH(QString, end);
        QFETCH(QString, startShows);
        QFETCH(QString, added);
        DataFolder data;
        storeShifts(data, QStringLiteral("DELI"), {{at(6), at(14)}});
        auto window = openOn<frmShiftsSetup>(data);
        QString shows;
        data.dialogs.queue([&](QWidget *dialog) {
            QCOMPARE(child<TimeBox>(dialog, "dtpStart")->time(), QTime(8, 0));
            QCOMPARE(child<TimeBox>(dialog, "dtpEnd")->time(), QTime(16, 0));
            retype(dialog, "dtpStart", start);
            retype(dialog, "dtpEnd", end);
            shows = child<QLabel>(dialog, "dtpStartShows")->text();
            QTest::keyClick(dialog, Qt::Key_Return);   // Save is the default button
        });
        click(window.get(), "cmdAdd");
        QCOMPARE(shows, startShows);
        const QStringList expected = QStringList{"6:00a - 2:00p"} + (added.isEmpty() ? QStringList() : QStringList{added});
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
                retype(dialog, "dtpStart", QStringLiteral("9a"));
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
        // Nothing to edit, delete or move.
        for (const char *button : {"cmdDelete", "cmdUp", "CmdDown", "cmdEdit"})
            QVERIFY(!child<QWidget>(window.get(), button)->isEnabled());
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
            QCOMPARE(child<TimeBox>(dialog, "dtpStart")->time(), QTime(8, 0));
            retype(dialog, "dtpEnd", QStringLiteral("5:30p"));
            click(dialog, "cmdSave");
        });
        clickRow(list(window.get()), 1, true);
        const QStringList expected{"6:00a - 2:00p", "8:00a - 5:30p", "2:00p - 10:00p"};
        QCOMPARE(texts(list(window.get())), expected);
        QCOMPARE(stored(data), expected);
        QCOMPARE(list(window.get())->currentRow(), 1);
        QCOMPARE(stored(data, QStringLiteral("BAKERY")), QStringList{"4:00a - 12:00p"});

        // A department deleted in another window leaves the drop-down list at once.
        data.info->DeleteDepartment(QStringLiteral("DELI"));
        auto *departments = child<QComboBox>(window.get(), "comDepartmentName");
        QCOMPARE(departments->count(), 1);
        QCOMPARE(departments->currentText(), QStringLiteral("BAKERY"));
        QCOMPARE(texts(list(window.get())), QStringList{"4:00a - 12:00p"});
    }

    // Escape in the open department list closes the list only; a second Escape closes the window.
    void escapeInTheOpenDropDownClosesOnlyTheDropDown()
    {
        DataFolder data;
        auto window = openWithThree(data);
        window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
        auto *departments = child<QComboBox>(window.get(), "comDepartmentName");
        departments->setFocus();
        departments->showPopup();
        QTRY_VERIFY(QApplication::activePopupWidget());
        QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_Escape);
        QTRY_VERIFY(!QApplication::activePopupWidget());
        QVERIFY(window->isVisible());
        QTest::keyClick(departments, Qt::Key_Escape);
        QVERIFY(!window->isVisible());
    }
};

QTEST_MAIN(WorkShiftWindows)
#include "tst_workshifts.moc"
