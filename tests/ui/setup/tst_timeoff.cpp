// The time-off scheduler driven with the mouse and the keyboard: adding a period through its
// dialog, edits written before another employee shows, undo and redo, and a write that fails.

#include "HandMadeRecords.h"
#include "SetupTestKit.h"
#include "data/OleDate.h"
#include "ui/scheduling/frmTimeOffSetup.h"
#include "ui/widgets/DateBox.h"
#include "ui/widgets/TimeBox.h"
#include "ui/widgets/TimeGrid.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDateEdit>
#include <QUndoStack>

namespace {
const double kMon = OleDate::fromDate(QDate(2001, 3, 5));   // Monday 5 March 2001
constexpr double H = 1.0 / 24;
const qint32 ANN = 101, BOB = 202;
// Ann's stored period: Wednesday 9:00 to Thursday 17:00.
const QByteArray kStored = HandMade::timeOff(ANN, kMon + 2 + 9 * H, kMon + 3 + 17 * H, "Wedding");
} // namespace

class TestTimeOff : public QObject
{
    Q_OBJECT

    std::unique_ptr<DataFolder> m_data;
    std::unique_ptr<clsEmployeeInfo> m_info;
    std::unique_ptr<frmTimeOffSetup> m_window;

    TimeGrid *grid() const { return m_window->grid(); }
    TimeGridModel *model() const { return grid()->model(); }
    QPoint at(double time) const { return QPoint(int(grid()->mapper().xForTime(time)), grid()->mapper().rowTop(0) + 20); }
    void click(double time) { QTest::mouseClick(grid()->viewport(), Qt::LeftButton, {}, at(time)); }
    QString undoText() const { return m_window->findChild<QAction *>("actUndo")->text(); }
    QString annFile() const { return m_data->path("101.KELOFF"); }
    // The periods shown, as "begin..end reason" in block order, days counted from kMon.
    QStringList shown() const
    {
        QStringList periods;
        for (int b = 0; b < model()->TBMax(); ++b)
            periods << OleDate::format(model()->TBBeg(b), "ddd h:mma/p") + ".." + OleDate::format(model()->TBEnd(b), "ddd h:mma/p") + " " + model()->TBNote(b);
        return periods;
    }
    // The next dialog gets these times (hours after kMon) and reason, then `button` is clicked.
    void answerDialog(const QString &button, double first = -1, double last = -1, const QString &reason = {})
    {
        m_data->dialogs.queue([=](QDialog *d) {
            if (first >= 0) {
                child<DateBox>(d, "dtpFirstDate")->setDate(OleDate::toDate(kMon + first * H));
                child<TimeBox>(d, "dtpFirstTime")->setTime(OleDate::toTime(kMon + first * H));
                child<DateBox>(d, "dtpLastDate")->setDate(OleDate::toDate(kMon + last * H));
                child<TimeBox>(d, "dtpLastTime")->setTime(OleDate::toTime(kMon + last * H));
                retype(d, "txtReason", reason);
            }
            ::click(d, button);
        });
    }
    void pickByKey(Qt::Key key) { QTest::keyClick(child<QComboBox>(m_window.get(), "comEmployee"), key); }

private slots:
    void init()
    {
        m_data = std::make_unique<DataFolder>();
        HandMade::write(m_data->path("EmployeeInfo.dat"), HandMade::employee(ANN, "Ann", "Lee") + HandMade::employee(BOB, "Bob", "Ray"));
        HandMade::write(annFile(), kStored);
        m_info = m_data->reloaded();
        m_window = openOn<frmTimeOffSetup>(*m_data, m_info.get());
        m_window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
        m_window->resize(1400, 240);   // about 8 minutes a pixel: drags land within the snap step
        QTest::qWait(10);
        grid()->scrollToTime(kMon);
    }
    void cleanup() { ScheduleHelper::ClearInjectedWriteFailures(); }

    // A click on free Monday proposes the whole day; the period is kept as changed, and written
    // with the stored one when the window closes.
    void addsAPeriodThroughItsDialog()
    {
        openOn<frmTimeOffSetup>(*m_data, m_info.get()).swap(m_window);   // a fresh window opens at today
        QCOMPARE(model()->ScrollTime(), OleDate::fromDate(QDate::currentDate()));
        QCOMPARE(model()->ViewEnd(), OleDate::fromDate(QDate::currentDate().addYears(20)));
        m_window->resize(1400, 240);
        QTest::qWait(10);
        grid()->scrollToTime(kMon);
        m_data->dialogs.queue([](QDialog *d) {
            QCOMPARE(d->windowTitle(), QStringLiteral("Add Time Off"));
            QVERIFY(!child(d, "cmdDelete")->isVisible());
            QCOMPARE(child<DateBox>(d, "dtpFirstDate")->date(), QDate(2001, 3, 5));
            QCOMPARE(child<TimeBox>(d, "dtpFirstTime")->time(), QTime(0, 0));
            QCOMPARE(child<DateBox>(d, "dtpLastDate")->date(), QDate(2001, 3, 5));
            QCOMPARE(child<TimeBox>(d, "dtpLastTime")->time(), QTime(23, 59));
            child<TimeBox>(d, "dtpLastTime")->setTime(QTime(12, 0));
            retype(d, "txtReason", "Dentist");
            ::click(d, "cmdAdd");
        });
        click(kMon + 10 * H);
        QCOMPARE(shown(), (QStringList{"Wed 9:00a..Thu 5:00p Wedding", "Mon 12:00a..Mon 12:00p Dentist"}));
        QCOMPARE(undoText(), QStringLiteral("Undo Add time off Mon Mar 5, 12:00a - 12:00p"));
        QCOMPARE(HandMade::read(annFile()), kStored);   // nothing written yet

        QVERIFY(m_window->close());
        QCOMPARE(HandMade::read(annFile()), kStored + HandMade::timeOff(ANN, kMon, kMon + 12 * H, "Dentist"));
    }

    // A period over another of the same employee is refused with a warning that names them;
    // the dialog comes back with what was typed, and nothing is changed.
    void aPeriodOverAnotherIsRefusedByName()
    {
        answerDialog("cmdAdd", 2 * 24 + 12, 2 * 24 + 14, "Lunch");   // inside the stored Wednesday
        m_data->dialogs.queue([](QDialog *d) {
            QCOMPARE(child<TimeBox>(d, "dtpFirstTime")->time(), QTime(12, 0));   // as typed
            ::click(d, "cmdCancel");
        });
        click(kMon + 10 * H);
        QCOMPARE(m_data->prompt.shown().size(), 1);
        const auto &told = m_data->prompt.shown().first();
        QCOMPARE(told.text, QStringLiteral("This time off touches or overlaps %1's time off Wed 9a-Thu 5p.")
                                .arg(child<QComboBox>(m_window.get(), "comEmployee")->currentText()));
        QVERIFY(told.text.contains("Ann"));
        QCOMPARE(told.title, QStringLiteral("Availability Manager"));
        QCOMPARE(shown(), QStringList{"Wed 9:00a..Thu 5:00p Wedding"});
        QCOMPARE(m_window->undoStack()->count(), 0);
    }

    // The grid from the keyboard: the cursor starts on Monday; Insert or Enter on free time adds
    // a period on the cursor's day, Tab selects the stored one, Enter or Space edits it, Delete
    // removes it.
    void periodsFromTheKeyboard_data()
    {
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QString>("button");   // clicked in the period dialog; empty: none opens
        QTest::addColumn<QStringList>("periods");
        const QString wedding = "Wed 9:00a..Thu 5:00p Wedding";
        QTest::newRow("insert: the cursor's day") << "Right Insert" << "cmdAdd"
                                                  << QStringList{wedding, "Mon 12:00a..Mon 11:59p "};
        QTest::newRow("enter on free time") << "End Right Return" << "cmdAdd"
                                            << QStringList{wedding, "Tue 12:00a..Tue 11:59p "};
        QTest::newRow("tab enter: edit, delete there") << "Tab Return" << "cmdDelete" << QStringList();
        QTest::newRow("tab space: edit, cancelled") << "Tab Space" << "cmdCancel" << QStringList{wedding};
        QTest::newRow("tab delete") << "Tab Delete" << "" << QStringList();
        QTest::newRow("delete without a selection") << "Delete" << "" << QStringList{wedding};
    }

    void periodsFromTheKeyboard()
    {
        QFETCH(QString, keys);
        QFETCH(QString, button);
        QFETCH(QStringList, periods);
        if (!button.isEmpty())
            answerDialog(button);
        grid()->setFocus();
        for (const QString &key : keys.split(u' ')) {
            const QKeyCombination combo = QKeySequence::fromString(key)[0];
            QTest::keyClick(grid(), combo.key(), combo.keyboardModifiers());
        }
        QCOMPARE(m_data->dialogs.shown().size(), button.isEmpty() ? 0 : 1);
        QCOMPARE(shown(), periods);
    }

    // Dates by a picker, Today and a week back or on; the grid grows with the window.
    void movesThroughDatesAndGrows()
    {
        auto *picker = child<QDateEdit>(m_window.get(), "dtpShown");
        QCOMPARE(picker->date(), QDate(2001, 3, 5));   // follows the grid
        ::click(m_window.get(), "cmdNextWeek");
        QCOMPARE(model()->ScrollTime(), kMon + 7);
        QCOMPARE(picker->date(), QDate(2001, 3, 12));
        ::click(m_window.get(), "cmdPrevWeek");
        ::click(m_window.get(), "cmdPrevWeek");
        QCOMPARE(model()->ScrollTime(), kMon - 7);
        picker->setDate(QDate(2002, 7, 4));
        QCOMPARE(model()->ScrollTime(), OleDate::fromDate(QDate(2002, 7, 4)));
        ::click(m_window.get(), "cmdToday");
        QCOMPARE(model()->ScrollTime(), OleDate::fromDate(QDate::currentDate()));
        const int before = grid()->height();
        m_window->resize(1400, 480);
        QTest::qWait(10);
        QVERIFY(grid()->height() >= before + 200);
        QVERIFY(grid()->rowHeight() >= grid()->height() - grid()->mapper().headerHeight - 40);
    }

    // Each employee once, sorted, equal names told apart.
    void listsEmployeesSortedAndDistinct()
    {
        HandMade::write(m_data->path("EmployeeInfo.dat"),
                        HandMade::employee(303, "Zoe", "Park") + HandMade::employee(ANN, "Ann", "Lee")
                            + HandMade::employee(BOB, "Kim", "Rossi") + HandMade::employee(404, "Kim", "Rossi")
                            + HandMade::employee(ANN, "Ann", "Lee"));
        m_info = m_data->reloaded();
        m_window = openOn<frmTimeOffSetup>(*m_data, m_info.get());
        auto *list = child<QComboBox>(m_window.get(), "comEmployee");
        QStringList items;
        for (int i = 0; i < list->count(); ++i)
            items << list->itemText(i);
        QCOMPARE(items, (QStringList{"Ann Lee", "Kim Rossi (#202)", "Kim Rossi (#404)", "Zoe Park"}));
    }

    // The edits are written before another employee shows, however the choice changes; the
    // undo history belongs to the employee shown.
    void editsSurviveAnEmployeeChangeByKeyboard()
    {
        answerDialog("cmdAdd", 24 + 8, 24 + 12, "Doctor");
        click(kMon + 1 + 10 * H);
        pickByKey(Qt::Key_Down);
        QCOMPARE(m_window->currentEmployee(), BOB);
        QCOMPARE(m_window->undoStack()->count(), 0);
        QCOMPARE(HandMade::read(annFile()), kStored + HandMade::timeOff(ANN, kMon + 1 + 8 * H, kMon + 1 + 12 * H, "Doctor"));
        QVERIFY(shown().isEmpty());
        QVERIFY(!QFile::exists(m_data->path("202.KELOFF")));   // no change, nothing written

        pickByKey(Qt::Key_Up);
        QCOMPARE(shown(), (QStringList{"Wed 9:00a..Thu 5:00p Wedding", "Tue 8:00a..Tue 12:00p Doctor"}));
    }

    // Edit, drag and delete, then every step back with Ctrl+Z and forward with Ctrl+Shift+Z and
    // Ctrl+Y; the undo command names the step it takes back.
    void undoesAndRedoesEveryEdit()
    {
        const QStringList original = shown();
        answerDialog("cmdAdd", 48 + 9, 72 + 18, "Wedding trip");   // edit the stored period
        click(kMon + 2 + 12 * H);
        const QStringList edited{"Wed 9:00a..Thu 6:00p Wedding trip"};
        QCOMPARE(shown(), edited);
        QCOMPARE(undoText(), QStringLiteral("Undo Edit time off Wed Mar 7 9:00a - Thu Mar 8 5:00p"));

        // Dragged a day earlier.
        const QPoint from = at(kMon + 2 + 20 * H), to = from - QPoint(qRound(grid()->mapper().pixelsPerDay()), 0);
        QTest::mousePress(grid()->viewport(), Qt::LeftButton, {}, from);
        QMouseEvent move(QEvent::MouseMove, to, grid()->viewport()->mapToGlobal(to), Qt::NoButton, Qt::LeftButton, {});
        QCoreApplication::sendEvent(grid()->viewport(), &move);
        QTest::mouseRelease(grid()->viewport(), Qt::LeftButton, {}, to);
        const QStringList moved{"Tue 9:00a..Wed 6:00p Wedding trip"};
        QCOMPARE(shown(), moved);
        QCOMPARE(undoText(), QStringLiteral("Undo Move time off Wed Mar 7 9:00a - Thu Mar 8 6:00p"));

        answerDialog("cmdDelete");
        click(kMon + 1 + 12 * H);
        QVERIFY(shown().isEmpty());
        QCOMPARE(undoText(), QStringLiteral("Undo Delete time off Tue Mar 6 9:00a - Wed Mar 7 6:00p"));

        const QList<QStringList> states{original, edited, moved, {}};
        for (int step = 2; step >= 0; --step) {
            QTest::keyClick(grid(), Qt::Key_Z, Qt::ControlModifier);
            QCOMPARE(shown(), states[step]);
        }
        QTest::keyClick(grid(), Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(shown(), edited);
        QTest::keyClick(grid(), Qt::Key_Y, Qt::ControlModifier);
        QTest::keyClick(grid(), Qt::Key_Y, Qt::ControlModifier);
        QVERIFY(shown().isEmpty());
        QVERIFY(m_window->close());
        QCOMPARE(HandMade::read(annFile()), QByteArray());
    }

    // Add Time Off typed from its first box to Enter: Tab goes from box to box, a time reads as
    // everywhere else ("5p", "17:00"), and the dialog says what it cannot take.
    void addTimeOffIsTypedBoxByBox_data()
    {
        QTest::addColumn<QString>("keys");      // from the first date box; Enter follows
        QTest::addColumn<QString>("periods");   // shown afterwards, besides the stored one
        QTest::addColumn<QString>("said");      // a message, or what the reason box said
        QTest::newRow("9a to 5p") << "3/6/2001\t9a\t3/6/2001\t5p\tDentist" << "Tue 9:00a..Tue 5:00p Dentist" << "";
        QTest::newRow("5, then 17:00") << "3/6/2001\t5\t3/6/2001\t17:00\tP" << "Tue 5:00a..Tue 5:00p P" << "";
        QTest::newRow("reason of 35 letters") << "3/6/2001\t9a\t3/6/2001\t5p\t" + QString(35, u'x')
                                              << "Tue 9:00a..Tue 5:00p " + QString(30, u'x') << "At most 30 characters fit here.";
        QTest::newRow("2/30/2001") << "2/30/2001" << "" << "\"2/30/2001\" is not a date. Please type it as 3/15/2026.";
        QTest::newRow("5 to 25") << "3/6/2001\t5p\t3/6/2001\t25" << "" << "\"25\" is not a time of day.";
    }
    void addTimeOffIsTypedBoxByBox()
    {
        QFETCH(QString, keys);
        QFETCH(QString, periods);
        QFETCH(QString, said);
        QString reasonSaid;
        m_data->dialogs.queue([&](QDialog *d) {
            QApplication::setActiveWindow(d);
            QVERIFY(QTest::qWaitForWindowActive(d));
            QTest::keyClick(d, Qt::Key_F, Qt::AltModifier);   // "&From"
            typeIntoFocus(d, keys);
            reasonSaid = child(d, "txtReason")->property("refusalText").toString();
            QTest::keyClick(d->focusWidget(), Qt::Key_Return);
            if (d->isVisible())
                ::click(d, "cmdCancel");
        });
        click(kMon + 10 * H);
        QStringList expected{"Wed 9:00a..Thu 5:00p Wedding"};
        if (!periods.isEmpty())
            expected << periods;
        QCOMPARE(shown(), expected);
        QCOMPARE(m_data->prompt.messages().value(0, reasonSaid), said);
    }

    // A write that fails names the file and the reason and keeps the employee and the edits;
    // closing then asks before anything is lost.
    void failedSaveKeepsTheEdits()
    {
        ScheduleHelper::InjectWriteFailure(annFile(), "Disk full", -1);
        answerDialog("cmdAdd", 8, 12, "Dentist");
        click(kMon + 10 * H);
        pickByKey(Qt::Key_Down);
        QCOMPARE(m_window->currentEmployee(), ANN);
        QCOMPARE(child<QComboBox>(m_window.get(), "comEmployee")->currentIndex(), 0);
        QCOMPARE(shown().size(), 2);
        QCOMPARE(m_data->prompt.messages().size(), 1);
        QVERIFY(m_data->prompt.messages().first().contains(QRegularExpression("101.KELOFF.*Disk full")));

        m_data->prompt.queueYesNo(false);
        QVERIFY(!m_window->close());
        QCOMPARE(HandMade::read(annFile()), kStored);

        ScheduleHelper::ClearInjectedWriteFailures();
        QVERIFY(m_window->close());
        QCOMPARE(HandMade::read(annFile()), kStored + HandMade::timeOff(ANN, kMon + 8 * H, kMon + 12 * H, "Dentist"));
    }
};

QTEST_MAIN(TestTimeOff)
#include "tst_timeoff.moc"
