// A save that fails in the department, position and work-shift windows (the employee editor
// and the time-off window have their own): the user is told which file and why, the file
// keeps its old bytes, and what the user changed is still shown and reaches the disk with the
// next save. The failure is injected where the whole-file save checks its bytes, as a full disk
// would fail it.

#include "SetupTestKit.h"
#include "data/OleDate.h"
#include "ui/setup/frmDepartmentList.h"
#include "ui/setup/frmJobSetup.h"
#include "ui/setup/frmShiftsSetup.h"

#include <QLabel>
#include <QSpinBox>
#include "ui/widgets/TimeBox.h"

namespace {
const QString kReason = QStringLiteral("No space left on device");
}

class WriteFailures : public QObject
{
    Q_OBJECT

    // Works the window: the action whose save fails, then one more that saves. Returns what the
    // window showed of the change between the two, and what a later run reads after the second.
    struct Outcome {
        QString shown;
        QString stored;
        bool fileKept = false;   // the file held its old bytes right after the failed save
    };

    static Outcome departmentSettings(DataFolder &data, const QString &file)
    {
        data.info->AddDepartment(QStringLiteral("DELI"));
        auto window = openOn<frmDepartmentList>(data);
        Outcome out;
        data.dialogs.queue([&](QWidget *dialog) {
            retype(dialog, "txtWeekHours", QStringLiteral("38"));
            const QByteArray old = data.bytes(file);
            ScheduleHelper::InjectWriteFailure(data.path(file), kReason);
            click(dialog, "cmdSave");
            out.fileKept = data.bytes(file) == old;
            out.shown = dialog->isVisible() ? child<QSpinBox>(dialog, "txtWeekHours")->text() : QString();
            click(dialog, "cmdSave");
        });
        click(window.get(), "cmdEditDepartment");
        out.stored = QString::number(data.reloaded()->OverTimeDepartmentGet(QStringLiteral("DELI"), true));
        return out;
    }

    static Outcome positionColour(DataFolder &data, const QString &file)
    {
        data.info->JobInfoAdd(QStringLiteral("BAKER"), 0, 255);
        auto window = openOn<frmJobSetup>(data);
        const QByteArray old = data.bytes(file);
        ScheduleHelper::InjectWriteFailure(data.path(file), kReason);
        data.prompt.queueColor(65280);
        click(window.get(), "cmdEditBackColor");
        Outcome out;
        out.fileKept = data.bytes(file) == old;
        out.shown = child<QLabel>(window.get(), "LabTextDisplay")->palette().color(QPalette::Window).name();
        data.prompt.queueColor(std::nullopt);
        click(window.get(), "cmdTextColor");   // cancelled, but saves the position
        qint32 text = 0, bar = 0;
        data.reloaded()->JobNameInfoGet(QStringLiteral("BAKER"), text, bar);
        out.stored = QColor(bar & 0xFF, (bar >> 8) & 0xFF, (bar >> 16) & 0xFF).name();
        return out;
    }

    static Outcome workShift(DataFolder &data, const QString &file)
    {
        data.info->AddDepartment(QStringLiteral("DELI"));
        data.info->ShiftSaveAll(QStringLiteral("DELI"), {{QStringLiteral("DELI"), OleDate::timeValue(6, 0), OleDate::timeValue(14, 0)}});
        auto window = openOn<frmShiftsSetup>(data);
        auto addShift = [&](int from, int to) {
            data.dialogs.queue([&, from, to](QWidget *dialog) {
                child<TimeBox>(dialog, "dtpStart")->setTime(QTime(from, 0));
                child<TimeBox>(dialog, "dtpEnd")->setTime(QTime(to, 0));
                click(dialog, "cmdSave");
            });
            click(window.get(), "cmdAdd");
        };
        const QByteArray old = data.bytes(file);
        ScheduleHelper::InjectWriteFailure(data.path(file), kReason);
        addShift(22, 6);
        Outcome out;
        out.fileKept = data.bytes(file) == old;
        out.shown = texts(child<QListWidget>(window.get(), "lisShifts")).join(", ");
        addShift(10, 12);
        QStringList stored;
        for (const DefaultShift &s : data.reloaded()->ShiftAutoGetAll(QStringLiteral("DELI")))
            stored << OleDate::format(s.start, QStringLiteral("h:mma/p")) + " - " + OleDate::format(s.end, QStringLiteral("h:mma/p"));
        out.stored = stored.join(", ");
        return out;
    }

private Q_SLOTS:
    void cleanup() { ScheduleHelper::ClearInjectedWriteFailures(); }

    void failedSaveIsToldAndNothingIsLost_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("edit");   // what the window shows and later stores
        QTest::newRow("department settings: week hours") << "departments" << "Dept.dat" << "38";
        QTest::newRow("positions: bar colour") << "positions" << "Jobs.dat" << "#00ff00";
        QTest::newRow("work shifts: add a night shift") << "workshifts" << "Shifts.dat"
                                                         << "6:00a - 2:00p, 10:00p - 6:00a";
    }
    void failedSaveIsToldAndNothingIsLost()
    {
        QFETCH(QString, window);
        QFETCH(QString, file);
        QFETCH(QString, edit);
        DataFolder data;
        Outcome out;
        if (window == "departments")
            out = departmentSettings(data, file);
        else if (window == "positions")
            out = positionColour(data, file);
        else
            out = workShift(data, file);

        const QStringList told = data.prompt.messages();
        QCOMPARE(told.size(), 1);
        QVERIFY2(told[0].contains(file) && told[0].contains(kReason), qPrintable(told[0]));
        QVERIFY(out.fileKept);
        QVERIFY2(out.shown.startsWith(edit), qPrintable(out.shown));
        QVERIFY2(out.stored.startsWith(edit), qPrintable(out.stored));
    }
};

QTEST_MAIN(WriteFailures)
#include "tst_writefailures.moc"
