#include "SetupTestKit.h"
#include "data/OleDate.h"
#include "setup/frmShiftsSetup.h"

#include <QComboBox>
#include <QListWidget>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QTimeEdit>

class WorkShiftWindows : public QObject
{
    Q_OBJECT

    static double at(int hours, int minutes = 0) { return OleDate::timeValue(hours, minutes); }
    static QListWidget *list(QWidget *window) { return child<QListWidget>(window, "lisShifts"); }
    static QStringList shown(QWidget *window)
    {
        QStringList texts;
        for (int i = 0; i < list(window)->count(); ++i)
            texts << list(window)->item(i)->text();
        return texts;
    }
    // The stored shifts of a department as list texts, as a later run reads them.
    static QStringList stored(const DataFolder &data, const QString &department)
    {
        QStringList texts;
        for (const DefaultShift &s : data.reloaded()->ShiftAutoGetAll(department))
            texts << OleDate::format(s.start, QStringLiteral("h:mma/p")) + " - "
                         + OleDate::format(s.end, QStringLiteral("h:mma/p"));
        return texts;
    }
    static void storeShifts(DataFolder &data, const QString &department, const QList<QPair<double, double>> &times)
    {
        QList<DefaultShift> shifts;
        for (const auto &t : times)
            shifts.append({department, t.first, t.second});
        data.info->ShiftSaveAll(department, shifts);
    }
    static const QStringList threeShifts() { return {"6:00a - 2:00p", "8:00a - 4:00p", "2:00p - 10:00p"}; }
    static void storeThree(DataFolder &data)
    {
        data.info->AddDepartment(QStringLiteral("DELI"));
        storeShifts(data, QStringLiteral("DELI"), {{at(6), at(14)}, {at(8), at(16)}, {at(14), at(22)}});
    }

private Q_SLOTS:
    void withoutADepartmentTheWindowSaysSoAndCloses()
    {
        DataFolder data;
        QMdiArea area;
        auto *window = new frmShiftsSetup(*data.info, *data.options, data.prompt);
        QMdiSubWindow *sub = area.addSubWindow(window);
        sub->setAttribute(Qt::WA_DeleteOnClose, false);
        area.show();
        sub->show();
        QTest::qWait(30);
        QCOMPARE(data.prompt.messages(), QStringList{QStringLiteral("Please setup a department")});
        QVERIFY(!sub->isVisible());
    }

    void addWithTheProposedTimesAppendsEightToFour()
    {
        DataFolder data;
        data.info->AddDepartment(QStringLiteral("DELI"));
        storeShifts(data, QStringLiteral("DELI"), {{at(6), at(14)}});
        frmShiftsSetup window(*data.info, *data.options, data.prompt);
        showAndSettle(&window);
        QString caption;
        whenModal([&](QWidget *dialog) {
            caption = dialog->windowTitle();
            QCOMPARE(child<QTimeEdit>(dialog, "dtpStart")->time(), QTime(8, 0));
            QCOMPARE(child<QTimeEdit>(dialog, "dtpEnd")->time(), QTime(16, 0));
            click(dialog, "cmdSave");
        });
        click(&window, "cmdAdd");
        QCOMPARE(caption, QStringLiteral("Add Shift"));
        const QStringList expected{"6:00a - 2:00p", "8:00a - 4:00p"};
        QCOMPARE(shown(&window), expected);
        QCOMPARE(stored(data, QStringLiteral("DELI")), expected);
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
        storeThree(data);
        const QByteArray before = data.bytes("Shifts.dat");
        frmShiftsSetup window(*data.info, *data.options, data.prompt);
        showAndSettle(&window);
        for (const char *button : {"cmdAdd", "cmdEdit"}) {
            whenModal([&](QWidget *dialog) {
                child<QTimeEdit>(dialog, "dtpStart")->setTime(QTime(9, 0));
                if (how == "close")
                    click(dialog, "cmdClose");
                else if (how == "escape")
                    QTest::keyClick(dialog, Qt::Key_Escape);
                else
                    dialog->close();
            });
            click(&window, button);
        }
        QCOMPARE(shown(&window), threeShifts());
        QCOMPARE(data.bytes("Shifts.dat"), before);
    }

    void anOvernightShiftIsKeptAsEntered()
    {
        DataFolder data;
        data.info->AddDepartment(QStringLiteral("DELI"));
        frmShiftsSetup window(*data.info, *data.options, data.prompt);
        showAndSettle(&window);
        whenModal([&](QWidget *dialog) {
            child<QTimeEdit>(dialog, "dtpStart")->setTime(QTime(22, 0));
            child<QTimeEdit>(dialog, "dtpEnd")->setTime(QTime(6, 0));
            QTest::keyClick(dialog, Qt::Key_Return);
        });
        click(&window, "cmdAdd");
        QCOMPARE(shown(&window), QStringList{"10:00p - 6:00a"});
        const QList<DefaultShift> shifts = data.reloaded()->ShiftAutoGetAll(QStringLiteral("DELI"));
        QCOMPARE(shifts.size(), 1);
        QCOMPARE(OleDate::durationMinutes(shifts[0].start), 22 * 60);
        QCOMPARE(OleDate::durationMinutes(shifts[0].end), 6 * 60);
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
        storeThree(data);
        frmShiftsSetup window(*data.info, *data.options, data.prompt);
        showAndSettle(&window);
        QTest::mouseClick(list(&window)->viewport(), Qt::LeftButton, {},
                          list(&window)->visualItemRect(list(&window)->item(row)).center());
        click(&window, button);
        QStringList expected;
        for (int i : order)
            expected << threeShifts()[i];
        QCOMPARE(shown(&window), expected);
        QCOMPARE(stored(data, QStringLiteral("DELI")), expected);
        QCOMPARE(list(&window)->currentRow(), selected);
    }

    void deletingTheOnlyShiftLeavesNothingSelected()
    {
        DataFolder data;
        data.info->AddDepartment(QStringLiteral("DELI"));
        storeShifts(data, QStringLiteral("DELI"), {{at(8), at(16)}});
        frmShiftsSetup window(*data.info, *data.options, data.prompt);
        showAndSettle(&window);
        click(&window, "cmdDelete");
        QCOMPARE(list(&window)->count(), 0);
        QVERIFY(list(&window)->currentItem() == nullptr);
        QVERIFY(stored(data, QStringLiteral("DELI")).isEmpty());
        // Nothing selected: the commands do nothing.
        for (const char *button : {"cmdDelete", "cmdUp", "CmdDown", "cmdEdit"})
            click(&window, button);
        QVERIFY(data.prompt.shown().isEmpty());
    }

    void editChangesTheShiftInItsPlace()
    {
        DataFolder data;
        storeThree(data);
        frmShiftsSetup window(*data.info, *data.options, data.prompt);
        showAndSettle(&window);
        whenModal([&](QWidget *dialog) {
            QCOMPARE(child<QTimeEdit>(dialog, "dtpStart")->time(), QTime(8, 0));
            child<QTimeEdit>(dialog, "dtpEnd")->setTime(QTime(17, 30));
            click(dialog, "cmdSave");
        });
        QListWidgetItem *second = list(&window)->item(1);
        QTest::mouseClick(list(&window)->viewport(), Qt::LeftButton, {},
                          list(&window)->visualItemRect(second).center());
        QTest::mouseDClick(list(&window)->viewport(), Qt::LeftButton, {},
                           list(&window)->visualItemRect(second).center());
        const QStringList expected{"6:00a - 2:00p", "8:00a - 5:30p", "2:00p - 10:00p"};
        QCOMPARE(shown(&window), expected);
        QCOMPARE(stored(data, QStringLiteral("DELI")), expected);
        QCOMPARE(list(&window)->currentRow(), 1);
    }

    void eachDepartmentKeepsItsOwnList()
    {
        DataFolder data;
        storeThree(data);
        data.info->AddDepartment(QStringLiteral("BAKERY"));
        storeShifts(data, QStringLiteral("BAKERY"), {{at(4), at(12)}});
        frmShiftsSetup window(*data.info, *data.options, data.prompt);
        showAndSettle(&window);
        QCOMPARE(shown(&window), threeShifts());
        child<QComboBox>(&window, "comDepartmentName")->setCurrentIndex(1);
        QCOMPARE(shown(&window), QStringList{"4:00a - 12:00p"});
        data.prompt.clear();
        whenModal([&](QWidget *dialog) { click(dialog, "cmdSave"); });
        click(&window, "cmdAdd");
        QCOMPARE(stored(data, QStringLiteral("BAKERY")), (QStringList{"4:00a - 12:00p", "8:00a - 4:00p"}));
        QCOMPARE(stored(data, QStringLiteral("DELI")), threeShifts());
    }
};

QTEST_MAIN(WorkShiftWindows)
#include "tst_workshifts.moc"
