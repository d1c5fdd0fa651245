// The scheduler window and the employee week, driven as a user drives them: mouse clicks and
// drags at points computed through the grid's mapper, keys, and a scripted user answering the
// pick lists and questions.

#include "HandMadeRecords.h"
#include "ScriptedDialogs.h"
#include "ScriptedPrompt.h"
#include "exchange/ExportWeek.h"
#include "data/OleDate.h"
#include "data/ScheduleHelper.h"
#include "data/clsEmployeeInfo.h"
#include "data/clsOptions.h"
#include "schedule/clsScheduleData.h"
#include "ui/scheduling/frmCopySchedule.h"
#include "ui/scheduling/frmEmployeeWeek.h"
#include "ui/scheduling/frmPickDate.h"
#include "ui/scheduling/frmSchedule.h"
#include "ui/scheduling/ShiftDialog.h"
#include "ui/scheduling/WeekCostView.h"
#include "ui/common/WindowHelpers.h"
#include "ui/widgets/CoverageStrip.h"
#include "ui/widgets/TimeBox.h"
#include "ui/widgets/TimeGrid.h"

#include <QApplication>
#include <QCalendarWidget>
#include <QMenu>
#include <QTimer>
#include <array>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QDir>
#include <QImage>
#include <QLabel>
#include <QUndoStack>
#include <QPushButton>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>

namespace {

constexpr double kMon = 36955.0;   // Monday 5 March 2001
constexpr double H = 1.0 / 24;
constexpr double M = H / 60;
constexpr qint32 ANN = 101, BOB = 202, CY = 303;   // rows 0, 1, 2

QString hm(double t) { return OleDate::format(t, "ddd h:mma/p"); }

// Every block as "row begin-end bar tag", sorted, with the hours column: what a user sees.
QStringList gridState(const TimeGridModel &m)
{
    QStringList all;
    for (int b = 0; b < m.TBMax(); ++b)
        all << QStringLiteral("%1 %2-%3 %4 %5").arg(m.TBResource(b)).arg(hm(m.TBBeg(b)), hm(m.TBEnd(b)))
                   .arg(m.TBBar(b)).arg(m.TBTag(b));
    all.sort();
    for (int r = 0; r < m.ResourcesMax(); ++r)
        all << m.ResourceInfo(r);
    return all;
}

} // namespace

class tst_scheduler : public QObject
{
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> m_tmp;
    std::unique_ptr<clsEmployeeInfo> m_info;
    std::unique_ptr<clsOptions> m_options;
    ScriptedPrompt m_prompt;
    ScriptedDialogs m_dialogs;
    std::unique_ptr<frmSchedule> m_form;

    QString dayPath(double day) const
    {
        return m_tmp->filePath("KITCHEN/" + OleDate::format(day, "yyyymmdd") + ".KELSCD");
    }
    void writeDay(double day, const QByteArray &bytes)
    {
        QDir().mkpath(m_tmp->filePath("KITCHEN"));
        HandMade::write(dayPath(day), bytes);
    }

    // KITCHEN weeks start on Monday. Ann cooks, Bob cooks or waits, Cy has no position. Default
    // shifts 6a-2p, 2p-10p and 9a-5p.
    void makeBusiness()
    {
        HandMade::write(m_tmp->filePath("Dept.dat"), HandMade::department("KITCHEN", 1, 40, 8));
        HandMade::write(m_tmp->filePath("Jobs.dat"),
                        HandMade::position("COOK", 16777215, 255) + HandMade::position("WAITER", 0, 65535));
        HandMade::write(m_tmp->filePath("EmployeeInfo.dat"), HandMade::employee(ANN, "Ann", "Lee")
                                                                 + HandMade::employee(BOB, "Bob", "Ray")
                                                                 + HandMade::employee(CY, "Cy", "Day"));
        HandMade::write(m_tmp->filePath("EmployeeDept.dat"), HandMade::membership(ANN, "KITCHEN")
                                                                 + HandMade::membership(BOB, "KITCHEN")
                                                                 + HandMade::membership(CY, "KITCHEN"));
        m_info = std::make_unique<clsEmployeeInfo>(m_tmp->path());
        m_info->JobEmpAvalReplace(ANN, {"COOK"});
        m_info->JobEmpAvalReplace(BOB, {"COOK", "WAITER"});
        m_info->ShiftSaveAll("KITCHEN", {{"KITCHEN", 6 * H, 14 * H}, {"KITCHEN", 14 * H, 22 * H}, {"KITCHEN", 9 * H, 17 * H}});
        m_options = std::make_unique<clsOptions>(ScheduleHelper::SettingsFilePath(m_tmp->path()));
        m_options->SetShiftLength("KITCHEN", 4 * H);
    }

    // The scheduler on the week of 5 March 2001, one day wide from 6:00 on Monday.
    frmSchedule &open()
    {
        m_form = std::make_unique<frmSchedule>(*m_info, *m_options, m_prompt, m_dialogs);
        m_form->resize(1400, 500);
        m_form->show();
        if (!m_form->Form_Load())
            return *m_form;
        m_form->GoToDate(kMon);
        m_form->findChild<QComboBox *>("comAddShift")->setCurrentIndex(0);   // "Default": no list
        showDay(kMon);
        return *m_form;
    }
    void showDay(double day)
    {
        grid()->setVisibleSpan(1);
        grid()->scrollToTime(day + 6 * H);
        QTest::qWait(1);
    }
    TimeGrid *grid() const { return m_form->grid(); }
    TimeGridModel &model() const { return *m_form->grid()->model(); }
    QPoint at(int row, double time) const
    {
        const TimeGridMapper m = grid()->mapper();
        return QPoint(int(std::lround(m.xForTime(time))), m.rowTop(row) + m.rowHeight / 2);
    }
    void click(int row, double time, Qt::MouseButton button = Qt::LeftButton)
    {
        QTest::mouseClick(grid()->viewport(), button, {}, at(row, time));
    }
    void drag(QPoint from, QPoint to)
    {
        QWidget *v = grid()->viewport();
        QTest::mousePress(v, Qt::LeftButton, {}, from);
        for (int i = 1; i <= 4; ++i)
            QTest::mouseMove(v, from + (to - from) * i / 4);
        QTest::mouseRelease(v, Qt::LeftButton, {}, to);
    }
    // The next context menu is read as "Text (Shortcut)" items into `offered`, and the item
    // whose text starts with `choose` is chosen by the keyboard (none: the menu is closed).
    void answerMenu(const QString &choose, QStringList *offered = nullptr)
    {
        auto *poll = new QTimer(m_form.get());
        poll->setInterval(5);
        connect(poll, &QTimer::timeout, poll, [poll, choose, offered] {
            auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
            if (!menu)
                return;
            poll->stop();
            poll->deleteLater();
            QAction *chosen = nullptr;
            for (QAction *a : menu->actions()) {
                if (a->isSeparator())
                    continue;
                const QString text = a->text().remove(u'&');
                if (offered)
                    offered->append(a->shortcut().isEmpty() ? text
                                                            : QStringLiteral("%1 (%2)").arg(text, a->shortcut().toString()));
                if (!choose.isEmpty() && !chosen && text.startsWith(choose))
                    chosen = a;
            }
            if (chosen) {
                menu->setActiveAction(chosen);
                QTest::keyClick(menu, Qt::Key_Return);
            } else {
                menu->close();
            }
        });
        if (offered)
            offered->clear();
        poll->start();
    }
    // Types keys into the grid: key sequences separated by spaces ("Down Ctrl+V").
    void typeKeys(const QString &keys)
    {
        for (const QString &key : keys.split(u' ', Qt::SkipEmptyParts)) {
            const QKeyCombination combo = QKeySequence::fromString(key)[0];
            QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : grid(), combo.key(),
                            combo.keyboardModifiers());
        }
    }
    // The window's shortcuts reach it once a menu or dialog has given back the keyboard; the
    // offscreen platform hands it back some time later, or not at all without asking.
    bool backToTheWindow()
    {
        if (!QTest::qWaitFor([] { return !QApplication::activePopupWidget(); }))
            return false;
        m_form->activateWindow();
        return QTest::qWaitForWindowActive(m_form.get());
    }
    QString blocksText() const
    {
        QStringList all;
        for (int b = 0; b < model().TBMax(); ++b)
            all << QStringLiteral("%1 %2-%3 %4").arg(model().TBResource(b)).arg(hm(model().TBBeg(b)), hm(model().TBEnd(b)),
                                                                           model().BarCaption(model().TBBar(b)));
        all.sort();
        return all.join("; ");
    }

private Q_SLOTS:
    void init()
    {
        m_tmp = std::make_unique<QTemporaryDir>();
        m_prompt = ScriptedPrompt();
        m_dialogs = ScriptedDialogs();
        makeBusiness();
    }
    void cleanup()
    {
        if (m_form) {
            m_form->hide();
            m_form.reset();
        }
    }

    void addsAShiftInEachMode_data()
    {
        QTest::addColumn<int>("mode");          // comAddShift index
        QTest::addColumn<int>("row");
        QTest::addColumn<double>("clicked");
        QTest::addColumn<QList<int>>("picks");  // answers to the pick lists, in order
        QTest::addColumn<QString>("expected");
        QTest::addColumn<QStringList>("lists"); // the items the last pick list offered
        QTest::newRow("default, snapped") << 0 << 0 << kMon + 10 * H + 7 * M << QList<int>{}
                                          << "0 Mon 10:00a-Mon 2:00p COOK" << QStringList{};
        QTest::newRow("pick shift") << 1 << 0 << kMon + 11 * H << QList<int>{1}
                                    << "0 Mon 2:00p-Mon 10:00p COOK"
                                    << QStringList{"6:00a - 2:00p", "2:00p - 10:00p", "9:00a - 5:00p", "Cancel"};
        QTest::newRow("pick start before the click") << 2 << 0 << kMon + 20 * H << QList<int>{0}
                                                     << "0 Mon 6:00a-Mon 8:00p COOK"
                                                     << QStringList{"Starts 6:00a", "Starts 2:00p", "Starts 9:00a", "Cancel"};
        QTest::newRow("pick end after midnight") << 3 << 0 << kMon + 23 * H << QList<int>{0}
                                                 << "0 Mon 11:00p-Tue 2:00p COOK"
                                                 << QStringList{"Ends 2:00p", "Ends 10:00p", "Ends 5:00p", "Cancel"};
        QTest::newRow("named shift, position asked") << 5 << 1 << kMon + 7 * H << QList<int>{1}
                                                     << "1 Mon 2:00p-Mon 10:00p WAITER"
                                                     << QStringList{"COOK", "WAITER", "Cancel"};
        QTest::newRow("no position: None bar") << 0 << 2 << kMon + 8 * H << QList<int>{}
                                               << "2 Mon 8:00a-Mon 12:00p None" << QStringList{};
        QTest::newRow("position list cancelled") << 0 << 1 << kMon + 8 * H << QList<int>{2} << "" << QStringList{};
        QTest::newRow("shift list cancelled") << 1 << 0 << kMon + 8 * H << QList<int>{3} << "" << QStringList{};
    }
    void addsAShiftInEachMode()
    {
        QFETCH(int, mode);
        QFETCH(int, row);
        QFETCH(double, clicked);
        QFETCH(QList<int>, picks);
        QFETCH(QString, expected);
        QFETCH(QStringList, lists);
        open();
        m_form->findChild<QComboBox *>("comAddShift")->setCurrentIndex(mode);
        for (int pick : picks)
            m_prompt.queueItem(pick);
        click(row, clicked);
        QCOMPARE(blocksText(), expected);
        if (!lists.isEmpty())
            QCOMPARE(m_prompt.shown().last().offered.toStringList(), lists);
        QCOMPARE(m_prompt.messages(), QStringList());
    }

    void pickStartBeforeTheFirstDayIsRefused()
    {
        open();
        m_form->findChild<QComboBox *>("comAddShift")->setCurrentIndex(2);
        m_prompt.queueItem(1);   // starts 2:00p, so the shift would begin on Sunday, outside the week
        click(0, kMon + 7 * H);
        QCOMPARE(blocksText(), QString());
        QVERIFY(m_prompt.messages().value(0).contains("outside the days shown"));
    }

    void aClickOnABlockDoesNotBlockAdding()
    {
        open();
        click(0, kMon + 8 * H);
        click(0, kMon + 9 * H);               // on the new block: selects it
        QCOMPARE(grid()->selectedBlockId(), model().TBId(0));
        click(0, kMon + 16 * H);
        QCOMPARE(model().TBMax(), 2);
    }

    void dragsAreCheckedAndCopyToAnotherRow()
    {
        open();
        click(0, kMon + 8 * H);                // Ann 8a-12p
        click(0, kMon + 14 * H);               // Ann 2p-6p
        m_prompt.queueItem(0);
        drag(at(0, kMon + 10 * H), at(1, kMon + 10 * H));   // onto Bob: a copy, as COOK
        QCOMPARE(blocksText(), "0 Mon 2:00p-Mon 6:00p COOK; 0 Mon 8:00a-Mon 12:00p COOK; 1 Mon 8:00a-Mon 12:00p COOK");
        drag(at(0, kMon + 10 * H), at(0, kMon + 12 * H));   // onto the afternoon shift: refused
        QVERIFY2(m_prompt.messages().size() == 1, qPrintable(blocksText()));
        QCOMPARE(m_prompt.messages().value(0), QStringLiteral("This touches or overlaps Ann Lee's shift Mon 2p-6p as COOK."));
        const QRectF block = grid()->mapper().blockRect(1, kMon + 8 * H, kMon + 12 * H);
        drag(QPoint(int(block.right()) - 2, int(block.center().y())), at(1, kMon + 13 * H));   // stretch
        QVERIFY(blocksText().contains("1 Mon 8:00a-Mon 1:00p COOK"));
        QCOMPARE(m_form->undoStack().undoText(), QString("Stretch 8a-12p for Bob Ray to 8a-1p"));
    }

    void rightButtonMenusAndKeys()
    {
        open();
        m_prompt.queueItem(0);                 // Bob: COOK
        click(1, kMon + 8 * H);
        QStringList offered;
        answerMenu(QString(), &offered);
        click(1, kMon + 9 * H, Qt::RightButton);
        // A menu at the pointer with the shortcuts; Bob has two positions: Change Position.
        QCOMPARE(offered, QStringList({"Edit Shift... (Return)", "Cut (Ctrl+X)", "Copy (Ctrl+C)", "Delete (Del)",
                                       "Change Position..."}));
        m_prompt.queueItem(1);
        answerMenu("Change Position");
        click(1, kMon + 9 * H, Qt::RightButton);
        QCOMPARE(blocksText(), "1 Mon 8:00a-Mon 12:00p WAITER");
        // The window's shortcuts reach it again once the menu has given back the keyboard.
        QVERIFY(backToTheWindow());
        QTest::keyClick(grid(), Qt::Key_X, Qt::ControlModifier);   // cut
        QCOMPARE(blocksText(), QString());
        answerMenu(QString(), &offered);
        click(0, kMon + 20 * H, Qt::RightButton);                  // free time: add, or paste as copied
        QCOMPARE(offered, QStringList({"Add Shift (Ins)", "Paste 8a-12p"}));
        answerMenu("Paste");
        click(0, kMon + 20 * H, Qt::RightButton);                  // onto Ann's row, at the copied times
        QCOMPARE(blocksText(), "0 Mon 8:00a-Mon 12:00p COOK");
        QVERIFY(backToTheWindow());
        QTest::keyClick(grid(), Qt::Key_V, Qt::ControlModifier);   // at the cursor, where the menu was
        QCOMPARE(blocksText(), "0 Mon 8:00a-Mon 12:00p COOK; 0 Mon 8:00p-Tue 12:00a COOK");
        click(0, kMon + 9 * H);
        QTest::keyClick(grid(), Qt::Key_Right);                    // one snap step later
        QTest::keyClick(grid(), Qt::Key_Right, Qt::ShiftModifier); // and a step longer
        QCOMPARE(blocksText(), "0 Mon 8:00p-Tue 12:00a COOK; 0 Mon 8:15a-Mon 12:30p COOK");
        QTest::keyClick(grid(), Qt::Key_Delete);
        QCOMPARE(blocksText(), "0 Mon 8:00p-Tue 12:00a COOK");
        QTest::keyClick(grid(), Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(blocksText(), "0 Mon 8:00p-Tue 12:00a COOK; 0 Mon 8:15a-Mon 12:30p COOK");
        QCOMPARE(m_form->undoStack().undoText(), QString("Stretch 8:15a-12:15p for Ann Lee to 8:15a-12:30p"));
    }

    void pasteFromAnotherWeekIsRefused()
    {
        open();
        click(0, kMon + 8 * H);
        click(0, kMon + 9 * H);
        QTest::keyClick(grid(), Qt::Key_C, Qt::ControlModifier);
        QTest::keyClick(grid(), Qt::Key_PageDown);                 // next week, saved
        QCOMPARE(m_form->FirstDay(), kMon + 7);
        m_prompt.clear();
        QTest::keyClick(grid(), Qt::Key_Z, Qt::ControlModifier);   // the history ended with the week
        answerMenu("Paste");                                       // the menu's Paste keeps the copied day
        click(0, kMon + 7 + 14 * H, Qt::RightButton);
        QVERIFY(m_prompt.messages().value(0).contains("outside the days shown"));
        QCOMPARE(HandMade::read(dayPath(kMon)).size(), 540);
    }

    // A week planned from the keyboard: the grid has the keys when the window opens, and the
    // cursor starts on the first row at the time shown (Monday 6:00).
    void plansFromTheKeyboard_data()
    {
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QList<int>>("picks");   // answers to pick lists, in order
        QTest::addColumn<QString>("dialog");     // typed in the shift dialog: "begin|end|position"
        QTest::addColumn<QString>("menu");       // the context menu item chosen
        QTest::addColumn<QString>("blocks");
        QTest::addColumn<QString>("undo");
        QTest::newRow("insert at the cursor") << "Insert" << QList<int>{} << "" << ""
                                              << "0 Mon 6:00a-Mon 10:00a COOK" << "Add 6a-10a for Ann Lee";
        QTest::newRow("enter on free time, another row and time")
            << "Down Right Right Return" << QList<int>{1} << "" << "" << "1 Mon 6:30a-Mon 10:30a WAITER"
            << "Add 6:30a-10:30a for Bob Ray";
        QTest::newRow("end of the day, across midnight")
            << "End Insert" << QList<int>{} << "" << "" << "0 Mon 11:45p-Tue 3:45a COOK" << "Add 11:45p-3:45a for Ann Lee";
        QTest::newRow("ctrl+v at the cursor, keeping the length")
            << "Insert Tab Ctrl+C Escape Down Down End Home Ctrl+V" << QList<int>{} << "" << ""
            << "0 Mon 6:00a-Mon 10:00a COOK; 2 Mon 12:00a-Mon 4:00a None" << "Paste 12a-4a for Cy Day";
        QTest::newRow("ctrl+v on a bar collides") << "Insert Tab Ctrl+C Ctrl+V" << QList<int>{} << "" << ""
                                                  << "0 Mon 6:00a-Mon 10:00a COOK" << "Add 6a-10a for Ann Lee";
        QTest::newRow("tab right: move the bar") << "Insert Tab Right Right" << QList<int>{} << "" << ""
                                                 << "0 Mon 6:30a-Mon 10:30a COOK"
                                                 << "Move 6:15a-10:15a for Ann Lee to 6:30a-10:30a";
        QTest::newRow("tab delete") << "Insert Down Insert Tab Delete" << QList<int>{0} << "" << ""
                                    << "0 Mon 6:00a-Mon 10:00a COOK" << "Delete 6a-10a for Bob Ray";
        QTest::newRow("enter: the shift dialog, one step")
            << "Down Insert Tab Return" << QList<int>{0} << "7a|3:30p|WAITER" << ""
            << "1 Mon 7:00a-Mon 3:30p WAITER" << "Change 6a-10a for Bob Ray to 7a-3:30p, WAITER";
        QTest::newRow("the dialog past midnight") << "Insert Tab Return" << QList<int>{} << "10p|6a|" << ""
                                                  << "0 Mon 10:00p-Tue 6:00a COOK"
                                                  << "Change 6a-10a for Ann Lee to 10p-6a";
        QTest::newRow("the dialog cancelled") << "Insert Return" << QList<int>{} << "" << ""
                                              << "0 Mon 6:00a-Mon 10:00a COOK" << "Add 6a-10a for Ann Lee";
        QTest::newRow("shift+f10 on free time: add") << "Down Down Shift+F10" << QList<int>{} << "" << "Add Shift"
                                                     << "2 Mon 6:00a-Mon 10:00a None" << "Add 6a-10a for Cy Day";
        QTest::newRow("menu key on a bar: delete") << "Insert Tab Menu" << QList<int>{} << "" << "Delete"
                                                   << "" << "Delete 6a-10a for Ann Lee";
        QTest::newRow("menu key on a bar: the dialog") << "Insert Tab Menu" << QList<int>{} << "9a|1p|" << "Edit Shift"
                                                       << "0 Mon 9:00a-Mon 1:00p COOK"
                                                       << "Change 6a-10a for Ann Lee to 9a-1p";
    }

    void plansFromTheKeyboard()
    {
        QFETCH(QString, keys);
        QFETCH(QList<int>, picks);
        QFETCH(QString, dialog);
        QFETCH(QString, menu);
        QFETCH(QString, blocks);
        QFETCH(QString, undo);
        open();
        m_form->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_form.get()));
        QCOMPARE(QApplication::focusWidget(), grid());
        for (int pick : picks)
            m_prompt.queueItem(pick);
        if (!dialog.isEmpty()) {
            m_dialogs.queue([dialog](QDialog *d) {
                auto *shift = qobject_cast<ShiftDialog *>(d);
                QVERIFY(shift);
                const QStringList typed = dialog.split(u'|');
                shift->beginBox()->lineEdit()->setText(QString());
                QTest::keyClicks(shift->beginBox()->lineEdit(), typed[0]);
                shift->endBox()->lineEdit()->setText(QString());
                QTest::keyClicks(shift->endBox()->lineEdit(), typed[1]);
                if (!typed[2].isEmpty())
                    shift->positionBox()->setCurrentText(typed[2]);
                QTest::mouseClick(shift->buttons()->button(QDialogButtonBox::Ok), Qt::LeftButton);
            });
        }
        if (!menu.isEmpty())
            answerMenu(menu);
        typeKeys(keys);
        QCOMPARE(blocksText(), blocks);
        QCOMPARE(m_form->undoStack().undoText(), undo);
        // One step takes the last edit back whole.
        if (undo.startsWith("Change")) {
            QVERIFY(backToTheWindow());
            QTest::keyClick(grid(), Qt::Key_Z, Qt::ControlModifier);
            QVERIFY(!blocksText().contains(blocks));
        }
    }

    // The undo button names a long step in a few words, the tooltip and the Edit menu in full;
    // the name column keeps its width from one opening to the next.
    void undoTextsAreShortAndTheNameColumnIsKept()
    {
        HandMade::write(m_tmp->filePath("EmployeeInfo.dat"),
                        HandMade::employee(ANN, "Annabelle-Marguerite", "Lee-Featherstonehaugh")
                            + HandMade::employee(BOB, "Bob", "Ray") + HandMade::employee(CY, "Cy", "Day"));
        m_info = std::make_unique<clsEmployeeInfo>(m_tmp->path());
        open();
        click(0, kMon + 8 * H);
        QAction *undo = m_form->findChild<QAction *>("toolUndo");
        QAction *button = m_form->findChild<QAction *>("toolUndoButton");
        QVERIFY(undo->text().contains("Annabelle-Marguerite Lee-Featherstonehaugh"));
        QCOMPARE(button->toolTip(), undo->text());
        QVERIFY(button->text().endsWith(QChar(0x2026)));
        QVERIFY(m_form->fontMetrics().horizontalAdvance(button->text()) <= 150);
        // The toolbars wrap: the window fits a 1024 pixel screen, step texts and all.
        QVERIFY2(m_form->minimumSizeHint().width() <= 1024, qPrintable(QString::number(m_form->minimumSizeHint().width())));
        m_form->resize(1024, 600);
        QTest::qWait(1);
        QCOMPARE(m_form->width(), 1024);
        QVERIFY(grid()->height() > 200);
        grid()->setCaptionWidth(140);
        m_form->close();
        open();
        QCOMPARE(grid()->captionWidth(), 140);
    }

    // Equal names are told apart in the rows: by the schedule name, else by the number.
    void equalNamesAreToldApart()
    {
        HandMade::write(m_tmp->filePath("EmployeeInfo.dat"), HandMade::employee(ANN, "Kim", "Rossi")
                                                                 + HandMade::employee(BOB, "Kim", "Rossi")
                                                                 + HandMade::employee(CY, "Cy", "Day"));
        m_info = std::make_unique<clsEmployeeInfo>(m_tmp->path());
        open();
        QCOMPARE(model().ResourceTitle(0), QString("Kim Rossi (#101)"));
        QCOMPARE(model().ResourceTitle(1), QString("Kim Rossi (#202)"));
        QCOMPARE(model().ResourceTitle(2), QString("Cy Day"));
        // The position pick asks about the row's employee in the row's words.
        m_prompt.queueItem(0);
        click(1, kMon + 8 * H);
        QVERIFY2(m_prompt.texts().contains("Position of Kim Rossi (#202)'s shift:"), qPrintable(m_prompt.texts().join('|')));
    }

    // Days mode marks every row, shifts or not, after another week is loaded, and its column is
    // wide enough for the seven marks.
    void daysColumnIsWholeForEveryRow()
    {
        open();
        click(0, kMon + 8 * H);
        m_form->ToolClick("toolDayDisplay");
        QCOMPARE(model().ResourceInfo(0), QString("XOOOOOO"));
        QTest::keyClick(grid(), Qt::Key_PageDown);
        for (int row = 0; row < 3; ++row)
            QCOMPARE(model().ResourceInfo(row), QString("OOOOOOO"));
        QVERIFY(grid()->infoWidth() >= grid()->fontMetrics().horizontalAdvance("XXXXXXX"));
    }

    // The View and Add Shift menus check the mode in force, however it was chosen.
    void menusCheckTheModeInForce_data()
    {
        QTest::addColumn<QStringList>("tools");     // triggered in order
        QTest::addColumn<QStringList>("checked");   // the checked actions of the three groups
        QTest::newRow("as opened") << QStringList() << QStringList{"toolWeekHours", "toolJobDesc", "toolNoneAddShift"};
        QTest::newRow("days worked, times") << QStringList{"toolDayDisplay", "toolStartEndTime"}
                                            << QStringList{"toolDayDisplay", "toolStartEndTime", "toolNoneAddShift"};
        QTest::newRow("pick start") << QStringList{"toolPickStart"}
                                    << QStringList{"toolWeekHours", "toolJobDesc", "toolPickStart"};
        QTest::newRow("pick start twice: default") << QStringList{"toolPickStart", "toolPickStart"}
                                                   << QStringList{"toolWeekHours", "toolJobDesc", "toolNoneAddShift"};
    }

    void menusCheckTheModeInForce()
    {
        QFETCH(QStringList, tools);
        QFETCH(QStringList, checked);
        open();
        for (const QString &tool : tools)
            m_form->ToolClick(tool);
        QStringList on;
        for (const char *id : {"toolWeekHours", "toolDayHours", "toolDayDisplay", "toolJobDesc", "toolStartEndTime",
                               "toolNone", "toolNoneAddShift", "toolPickShift", "toolPickStart", "toolPickEnd",
                               "toolSelectShift"})
            if (m_form->tool(id)->isChecked())
                on << id;
        QCOMPARE(on, checked);
    }

    // A double-click on a bar opens its dialog; a refused change leaves it, and says why.
    void doubleClickOpensTheShiftDialog()
    {
        open();
        click(0, kMon + 8 * H);                // 8a-12p
        click(0, kMon + 13 * H);               // 1p-5p
        m_dialogs.queue([](QDialog *d) {
            auto *shift = qobject_cast<ShiftDialog *>(d);
            QVERIFY(shift);
            QCOMPARE(shift->beginBox()->time(), QTime(13, 0));
            QCOMPARE(shift->positionBox()->isVisible(), true);
            shift->beginBox()->lineEdit()->setText(QString());
            QTest::keyClicks(shift->beginBox()->lineEdit(), "11a");
            QTest::mouseClick(shift->buttons()->button(QDialogButtonBox::Ok), Qt::LeftButton);
        });
        click(0, kMon + 14 * H);               // a double-click is a click, then the second press
        QTest::mouseDClick(grid()->viewport(), Qt::LeftButton, {}, at(0, kMon + 14 * H));
        QCOMPARE(m_dialogs.shown(), QStringList{"ShiftDialog"});
        QCOMPARE(blocksText(), "0 Mon 1:00p-Mon 5:00p COOK; 0 Mon 8:00a-Mon 12:00p COOK");
        QVERIFY(m_prompt.messages().value(0).contains("8a-12p"));
    }

    void openingSavesNothingAndRefusedShiftsStay()
    {
        writeDay(kMon, HandMade::shift(ANN, kMon + 9 * H, kMon + 17 * H, "COOK")
                           + HandMade::shift(ANN, kMon + 16 * H, kMon + 20 * H, "OLD POSITION"));
        const QByteArray stored = HandMade::read(dayPath(kMon));
        m_form = std::make_unique<frmSchedule>(*m_info, *m_options, m_prompt, m_dialogs);
        QVERIFY(m_form->Form_Load());   // this week, not the stored one: nothing written there
        QCOMPARE(HandMade::read(dayPath(kMon)), stored);
        m_form->GoToDate(kMon);
        // One message lists the refused shift; the save keeps it byte for byte.
        QCOMPARE(m_prompt.messages().size(), 1);
        QVERIFY(m_prompt.messages().first().contains("Ann Lee  Mon 03/05 4:00p - 8:00p  OLD POSITION"));
        m_form->GoToDate(kMon + 2);   // the same week, saved and read again: not listed again
        QCOMPARE(m_prompt.messages().size(), 1);
        m_form->ToolClick("toolConflicts");   // but still to be had
        QCOMPARE(m_prompt.messages().size(), 2);
        QCOMPARE(m_prompt.messages().last(), m_prompt.messages().first());
        m_form->close();
        QCOMPARE(HandMade::read(dayPath(kMon)).mid(540), stored.mid(540));
    }

    // Ann also tends the BAR on Monday 11a-7p. Her KITCHEN shift over it is marked, her hours
    // tooltip counts both departments, and placing another shift over it is asked first.
    void aShiftInAnotherDepartmentIsAskedMarkedAndCounted()
    {
        HandMade::write(m_tmp->filePath("Dept.dat"), HandMade::department("KITCHEN", 1, 40, 8) + HandMade::department("BAR", 1));
        QDir().mkpath(m_tmp->filePath("BAR"));
        HandMade::write(m_tmp->filePath("BAR/20010305.KELSCD"), HandMade::shift(ANN, kMon + 11 * H, kMon + 19 * H, "COOK"));
        writeDay(kMon, HandMade::shift(ANN, kMon + 7 * H, kMon + 12 * H, "COOK"));
        m_info->Refresh();
        open();
        QCOMPARE(model().TBMax(), 1);
        QCOMPARE(model().TBWarning(0), QString("Also scheduled at this time in BAR Mon 11:00a-7:00p"));
        const TimeGridMapper m = grid()->mapper();
        const QString tip = grid()->toolTipAt(QPoint(m.captionWidth + 5, m.rowTop(0) + 3));
        QVERIFY2(tip.contains("BAR: 8:00") && tip.contains("All departments: 13:00"), qPrintable(tip));
        QVERIFY(grid()->toolTipAt(QPoint(m.captionWidth + 5, m.rowTop(2) + 3)).isEmpty());   // Cy works here only

        m_prompt.queueYesNo(false);    // 3p-7p over the BAR shift: not placed
        click(0, kMon + 15 * H);
        QCOMPARE(model().TBMax(), 1);
        QCOMPARE(m_prompt.texts().last(),
                 QString("Ann Lee is already scheduled at this time in BAR Mon 11:00a-7:00p.\n\nSchedule this shift anyway?"));
        m_prompt.queueYesNo(true);
        click(0, kMon + 15 * H);
        QCOMPARE(model().TBMax(), 2);
        QVERIFY(!model().TBWarning(1).isEmpty());
        const int asked = int(m_prompt.texts().size());
        click(2, kMon + 15 * H);       // Cy: nothing to ask
        QCOMPARE(int(m_prompt.texts().size()), asked);
        QCOMPARE(model().TBMax(), 3);
        QVERIFY(model().TBWarning(2).isEmpty());
    }

    void aFailedSaveLetsTheUserStayOrDiscard()
    {
        open();
        click(0, kMon + 8 * H);         // Monday's edit, saved before Wednesday's file
        QFile::remove(dayPath(kMon));
        QFile::remove(dayPath(kMon + 2));
        QDir().mkpath(dayPath(kMon + 2));   // a folder where Wednesday's file goes: the save fails
        m_prompt.queueItem(2);          // stay
        m_form->ToolClick("toolNextWeek");
        QCOMPARE(m_form->FirstDay(), kMon);
        QCOMPARE(model().TBMax(), 1);
        QVERIFY2(m_prompt.shown().last().text.contains("20010307.KELSCD"), qPrintable(m_prompt.shown().last().text));
        m_prompt.queueItem(2);
        QVERIFY(!m_form->close());      // closing waits too
        m_prompt.queueItem(1);          // discard
        m_form->ToolClick("toolNextWeek");
        QCOMPARE(m_form->FirstDay(), kMon + 7);
        // The week was saved whole or not at all: Monday is as it was on disk.
        QVERIFY(!QFileInfo::exists(dayPath(kMon)));
    }

    void weekCopyAsksEverythingBeforeWriting()
    {
        writeDay(kMon + 7, HandMade::shift(BOB, kMon + 7 + 9 * H, kMon + 7 + 17 * H, "COOK"));
        writeDay(kMon + 9, HandMade::shift(BOB, kMon + 9 + 9 * H, kMon + 9 + 17 * H, "COOK"));
        open();
        m_form->ToolClick("toolViewMode");
        QVERIFY(m_form->isWeekView());
        click(0, kMon + 8 * H);
        auto pickWeek = [](QDialog *d) {
            auto *copy = static_cast<frmCopySchedule *>(d);
            QCOMPARE(copy->Label1->text(), QString("Select the week to copy to."));
            Q_EMIT copy->MonthView1->clicked(QDate(2001, 3, 14));   // a Wednesday of the next week
        };
        m_dialogs.queue(pickWeek);
        m_prompt.queueYesNo(true);     // verify
        m_prompt.queueYesNo(false);    // not over the 12th and 14th: nothing is copied
        m_form->ToolClick("toolCopySchedule");
        // Asked once, naming the days that hold shifts.
        QCOMPARE(m_prompt.texts(), QStringList({"Copy week of 3/5/2001 to week of 3/12/2001",
                                                "2 day(s) already hold shifts: Mon 3/12/2001, Wed 3/14/2001.\nReplace their schedule?"}));
        QCOMPARE(HandMade::read(dayPath(kMon + 7)).size(), 540);
        QCOMPARE(HandMade::i32(HandMade::read(dayPath(kMon + 7)), 0), BOB);
        m_dialogs.queue(pickWeek);
        for (int i = 0; i < 2; ++i)
            m_prompt.queueYesNo(true);
        m_form->ToolClick("toolCopySchedule");
        QCOMPARE(HandMade::i32(HandMade::read(dayPath(kMon + 7)), 0), ANN);
        QCOMPARE(HandMade::read(dayPath(kMon + 9)).size(), 0);
    }

    void goToDateAndTheEmployeeWeek()
    {
        open();
        m_dialogs.queue([](QDialog *d) {
            auto *pick = static_cast<frmPickDate *>(d);
            pick->dtpFirstDate->setSelectedDate(QDate(2001, 3, 21));
            QTest::mouseClick(pick->cmdOk, Qt::LeftButton);
        });
        QTest::keyClick(grid(), Qt::Key_G, Qt::ControlModifier);
        QCOMPARE(m_form->FirstDay(), kMon + 14);
        QCOMPARE(m_form->ChosenDay(), kMon + 16);

        // Bob's week: a click on Tuesday adds a shift there; his time off on Wednesday refuses one.
        HandMade::write(m_tmp->filePath("202.KELOFF"), HandMade::timeOff(BOB, kMon + 16, kMon + 17, ""));
        m_dialogs.queue([this](QDialog *d) {
            auto *week = static_cast<frmEmployeeWeek *>(d);
            QCOMPARE(week->employee(), BOB);
            week->findChild<QComboBox *>("comShiftAddConfig")->setCurrentIndex(0);
            TimeGrid *g = week->grid();
            g->setVisibleSpan(1);
            auto point = [g](double t) {
                const TimeGridMapper m = g->mapper();
                return QPoint(int(std::lround(m.xForTime(t))), m.rowTop(0) + m.rowHeight / 2);
            };
            g->scrollToTime(kMon + 15 + 6 * H);
            m_prompt.queueItem(1);
            QTest::mouseClick(g->viewport(), Qt::LeftButton, {}, point(kMon + 15 + 9 * H));
            QCOMPARE(g->model()->TBMax(), 1);
            g->scrollToTime(kMon + 16 + 6 * H);
            m_prompt.queueItem(1);
            QTest::mouseClick(g->viewport(), Qt::LeftButton, {}, point(kMon + 16 + 9 * H));
            QVERIFY2(m_prompt.messages().value(0).contains("time off"), qPrintable(m_prompt.texts().join("|")));
            week->undoStack().undo();
            QCOMPARE(g->model()->TBMax(), 0);
            week->undoStack().redo();
            week->accept();
        });
        QTest::mouseDClick(grid()->viewport(), Qt::LeftButton, {}, QPoint(40, at(1, kMon).y()));
        QTRY_VERIFY(blocksText().contains("1 Tue 9:00a-Tue 1:00p WAITER"));
        // Back on the day shown before.
        QCOMPARE(m_form->ChosenDay(), kMon + 16);
        QCOMPARE(OleDate::wholeDay(model().ScrollTime()), kMon + 16);
    }

    void exportPictureIsTheExportWeekPicture()
    {
        open();
        click(0, kMon + 8 * H);
        const QString fromWindow = m_tmp->filePath("window.png");
        m_prompt.queueSaveFile(fromWindow);
        m_form->ToolClick("toolExportPicture");
        m_form->close();
        const QString fromCommand = m_tmp->filePath("command.png");
        QVERIFY(ExportWeek::run(*m_info, *m_options, "KITCHEN", kMon, fromCommand).error.isEmpty());
        QCOMPARE(QImage(fromWindow), QImage(fromCommand));
    }

    void randomEditsUndoAndRedoExactly()
    {
        open();
        m_form->ToolClick("toolViewMode");   // the whole week in view
        writeDay(kMon, {});
        QRandomGenerator random(20010305);
        const QStringList first = gridState(model());
        for (int step = 0; step < 300; ++step) {
            const int row = int(random.bounded(3));
            const double time = kMon + random.bounded(6) + (6 + random.bounded(14)) * H;
            switch (random.bounded(7)) {
            case 0:
            case 1:
                m_prompt.queueItem(int(random.bounded(2)));   // Bob's position, if asked
                click(row, time);
                break;
            case 2:
                click(row, time);
                QTest::keyClick(grid(), Qt::Key_Delete);
                break;
            case 3:
                click(row, time);
                QTest::keyClick(grid(), random.bounded(2) ? Qt::Key_Left : Qt::Key_Right,
                                random.bounded(2) ? Qt::ShiftModifier : Qt::NoModifier);
                break;
            case 4:
                click(row, time);
                QTest::keyClick(grid(), random.bounded(2) ? Qt::Key_X : Qt::Key_C, Qt::ControlModifier);
                break;
            case 5:
                m_prompt.queueItem(0);
                click(row, time);
                QTest::keyClick(grid(), Qt::Key_V, Qt::ControlModifier);
                break;
            default:
                m_prompt.queueItem(0);
                drag(at(row, time), at(int(random.bounded(3)), time + random.bounded(8) * H));
                break;
            }
        }
        const QStringList last = gridState(model());
        QUndoStack &undo = m_form->undoStack();
        QVERIFY(undo.count() > 100);
        while (undo.canUndo())
            undo.undo();
        QCOMPARE(gridState(model()), first);
        while (undo.canRedo())
            undo.redo();
        QCOMPARE(gridState(model()), last);
    }

    void shiftsOutsideAvailabilityAreAllowedButTold()
    {
        std::array<double, 7> starts{}, ends{1, 1, 1, 1, 1, 1, 1};
        starts[1] = 9 * H;   // Monday 9:00a - 5:00p
        ends[1] = 17 * H;
        m_info->EmployeeSetAvalTimes(ANN, starts, ends);
        open();
        click(0, kMon + 10 * H);
        QCOMPARE(m_form->findChild<QLabel *>("labStatus")->text(), QString());
        click(0, kMon + 15 * H);
        QCOMPARE(model().TBMax(), 2);
        QCOMPARE(m_form->findChild<QLabel *>("labStatus")->text(),
                 QString("3p-7p is outside Ann Lee's available hours on Monday (9:00a - 5:00p)."));
        QVERIFY(grid()->painter().isOutsideAvailability(1));
        QVERIFY(!grid()->painter().isOutsideAvailability(0));
        // The warning goes with the edit it was about: undone, or another week shown.
        QLabel *status = m_form->findChild<QLabel *>("labStatus");
        QTest::keyClick(grid(), Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(status->text(), QString());
        QTest::keyClick(grid(), Qt::Key_Y, Qt::ControlModifier);
        QCOMPARE(status->text(), QString());
        click(0, kMon + 19 * H + 30 * M);
        QVERIFY(!status->text().isEmpty());
        QTest::keyClick(grid(), Qt::Key_PageDown);
        QCOMPARE(status->text(), QString());
    }

    // A department with nobody in it says so, and offers the employee editor.
    void anEmptyDepartmentSaysWhy()
    {
        HandMade::write(m_tmp->filePath("Dept.dat"),
                        HandMade::department("KITCHEN", 1, 40, 8) + HandMade::department("BAR", 1, 40, 8));
        m_info = std::make_unique<clsEmployeeInfo>(m_tmp->path());
        open();
        QWidget *notice = m_form->findChild<QWidget *>("fraEmpty");
        QVERIFY(!notice->isVisible());
        auto *departments = m_form->findChild<QComboBox *>("comDepartment");
        departments->setCurrentIndex(departments->findText("BAR"));
        QVERIFY(notice->isVisible());
        QVERIFY(m_form->findChild<QLabel *>("labEmpty")->text().contains("BAR"));
        departments->setCurrentIndex(departments->findText("KITCHEN"));
        QVERIFY(!notice->isVisible());
        departments->setCurrentIndex(departments->findText("BAR"));
        bool asked = false;
        connect(m_form.get(), &frmSchedule::employeeEditorRequested, this, [&] { asked = true; });
        QTest::mouseClick(m_form->findChild<QPushButton *>("cmdOpenEmployees"), Qt::LeftButton);
        QVERIFY(asked);
        QVERIFY(!m_form->isVisible());
    }

    // A need on Monday morning: the strip counts the cooks, the status line tells the need left
    // open; filling the week adds its shifts as one step, which undo takes back whole.
    void fillsOpenNeedsAsOneStepAndCountsThem()
    {
        makeBusiness();
        HandMade::write(m_tmp->filePath("StaffingNeeds.csv"),
                        "Department,Weekday,Position,From,To,Needed,Most\r\n"
                        "KITCHEN,Mon,COOK,06:00,14:00,2,\r\n");
        open();
        auto *unmet = m_form->findChild<QLabel *>("labUnmet");
        auto *strip = m_form->findChild<CoverageStrip *>("coverageStrip");
        QVERIFY(strip->isVisible());
        QCOMPARE(unmet->text(), CoverageStrip::unmetText(2 * 8 * 60));
        const auto cookCells = [strip] {
            for (const CoverageStripRow &row : strip->rows())
                if (row.position == "COOK")
                    return row.cells;
            return QList<CoverageCell>();
        };
        const auto mondayMorning = [&] {
            for (const CoverageCell &cell : cookCells())
                if (cell.begin <= kMon + 7 * H && kMon + 7 * H < cell.end)
                    return QStringLiteral("%1/%2").arg(cell.scheduled).arg(cell.needed);
            return QString();
        };
        QCOMPARE(mondayMorning(), "0/2");

        m_dialogs.queue([](QDialog *dialog) {
            QTest::mouseClick(dialog->findChild<QPushButton *>("cmdFill"), Qt::LeftButton);
            auto *apply = dialog->findChild<QPushButton *>("cmdApply");
            QTRY_VERIFY_WITH_TIMEOUT(apply->isEnabled(), 20000);
            QTest::mouseClick(apply, Qt::LeftButton);
        });
        m_form->ToolClick("toolFillNeeds");
        QCOMPARE(blocksText(), "0 Mon 6:00a-Mon 2:00p COOK; 1 Mon 6:00a-Mon 2:00p COOK");
        QCOMPARE(mondayMorning(), "2/2");
        QVERIFY(!unmet->isVisible());
        QUndoStack &undo = m_form->undoStack();
        QCOMPARE(undo.count(), 1);
        undo.undo();
        QCOMPARE(blocksText(), "");
        QCOMPARE(mondayMorning(), "0/2");
        QVERIFY(unmet->isVisible());

        // Hidden, the strip is remembered hidden.
        m_form->tool("toolCoverage")->trigger();
        QVERIFY(!strip->isVisible());
        m_form->close();
        QVERIFY(!m_options->coverageStripShown());
    }

    // Ann cooks at 20.00 an hour, Bob has no rate; KITCHEN's budget is 150.00 a week. The week
    // cost follows each edit, red over the budget; the cost column is remembered.
    void weekCostFollowsEdits()
    {
        HandMade::write(m_tmp->filePath("PayRates.csv"), "Employee Number,Position,Hourly Rate\r\n" + QByteArray::number(ANN) + ",,20\r\n");
        HandMade::write(m_tmp->filePath("Budgets.csv"), "Department,Weekly Budget\r\nKITCHEN,150\r\n");
        writeDay(kMon, HandMade::shift(ANN, kMon + 6 * H, kMon + 14 * H, "COOK") + HandMade::shift(BOB, kMon + 15 * H, kMon + 17 * H, "COOK"));
        open();
        auto *cost = m_form->findChild<QLabel *>("labWeekCost");
        QVERIFY(cost->isVisible());
        QCOMPARE(cost->text(), WeekCostView::statusText(16000, 15000, 1));
        QVERIFY(cost->styleSheet().contains("red"));
        QCOMPARE(grid()->costWidth(), 0);

        m_form->tool("toolCostColumn")->trigger();
        QVERIFY(grid()->costWidth() > 0);
        QCOMPARE(model().ResourceCost(0), MoneyText(16000));
        QVERIFY(!model().ResourceCostMarked(0));
        QCOMPARE(model().ResourceCost(1), MoneyText(0));
        QVERIFY(model().ResourceCostMarked(1));   // Bob's shift has no rate

        click(0, kMon + 9 * H);
        QTest::keyClick(grid(), Qt::Key_Delete);
        QCOMPARE(cost->text(), WeekCostView::statusText(0, 15000, 1));
        QVERIFY(!cost->styleSheet().contains("red"));
        QCOMPARE(model().ResourceCost(0), QString());
        QTest::keyClick(grid(), Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(cost->text(), WeekCostView::statusText(16000, 15000, 1));
        m_form->close();
        QVERIFY(m_options->costColumnShown());
    }

    void noRatesNoCostLine()
    {
        open();
        QVERIFY(!m_form->findChild<QLabel *>("labWeekCost")->isVisible());
    }

    // Both exports suggest "<department>-<yyyy-mm-dd>" in the folder last exported to.
    void exportsRememberTheFolder()
    {
        open();
        QDir().mkpath(m_tmp->filePath("out"));
        m_prompt.queueSaveFile(m_tmp->filePath("out/mine.png"));
        m_form->ToolClick("toolExportPicture");
        QCOMPARE(m_prompt.shown().last().offered.toString(), QDir::home().filePath("KITCHEN-2001-03-05.png"));
        m_prompt.queueItem(1);
        m_prompt.queueSaveFile(std::nullopt);
        m_form->ToolClick("toolExportCalendar");
        QCOMPARE(m_prompt.shown().last().offered.toString(), m_tmp->filePath("out/KITCHEN-2001-03-05.ics"));
    }

    void noDepartmentNoWindow()
    {
        QFile::remove(m_tmp->filePath("Dept.dat"));
        m_info = std::make_unique<clsEmployeeInfo>(m_tmp->path());
        m_form = std::make_unique<frmSchedule>(*m_info, *m_options, m_prompt, m_dialogs);
        QVERIFY(!m_form->Form_Load());
        QCOMPARE(m_prompt.messages(), QStringList{"Please setup a department first"});
    }

    void exportCalendarWritesTheShownWeek_data()
    {
        QTest::addColumn<int>("clickedRow");   // clicked at Monday 10:00 first; -1: no click
        QTest::addColumn<QString>("keys");     // then typed in the grid
        QTest::addColumn<int>("item");
        QTest::addColumn<QString>("folder");
        QTest::addColumn<int>("events");   // -1: a message names the file instead
        QTest::addColumn<QString>("first");    // the first choice offered
        QTest::newRow("selected employee") << 0 << "" << 0 << "" << 3 << "Only Ann Lee";
        QTest::newRow("department, row selected") << 0 << "" << 1 << "" << 4 << "Only Ann Lee";
        QTest::newRow("the cursor's first row") << -1 << "" << 0 << "" << 3 << "Only Ann Lee";
        QTest::newRow("the cursor's row, not the last clicked") << 0 << "Escape Down" << 0 << "" << 1 << "Only Bob Ray";
        QTest::newRow("a new shift is saved first") << 2 << "" << 1 << "" << 5 << "Only Cy Day";
        QTest::newRow("missing folder") << -1 << "" << 1 << "missing/" << -1 << "Only Ann Lee";
    }

    void exportCalendarWritesTheShownWeek()
    {
        QFETCH(int, clickedRow);
        QFETCH(QString, keys);
        QFETCH(int, item);
        QFETCH(QString, folder);
        QFETCH(int, events);
        QFETCH(QString, first);
        // Ann: two shifts and a day off this week; Bob: one shift this week, one the next.
        writeDay(kMon, HandMade::shift(ANN, kMon + 9 * H, kMon + 17 * H, "COOK")
                           + HandMade::shift(BOB, kMon + 14 * H, kMon + 22 * H, "WAITER"));
        writeDay(kMon + 1, HandMade::shift(ANN, kMon + 1 + 9 * H, kMon + 1 + 17 * H, "COOK"));
        writeDay(kMon + 7, HandMade::shift(BOB, kMon + 7 + 9 * H, kMon + 7 + 17 * H, "COOK"));
        HandMade::write(m_tmp->filePath(QString::number(ANN) + ".KELOFF"), HandMade::timeOff(ANN, kMon + 3, kMon + 4, "Trip"));
        open();
        if (clickedRow >= 0)
            click(clickedRow, kMon + 10 * H);   // on Ann's shift: selects it; on Cy's free time: adds one
        typeKeys(keys);
        const QString path = m_tmp->filePath(folder + "week.ics");
        m_prompt.clear();
        m_prompt.queueItem(item);
        m_prompt.queueSaveFile(path);
        m_form->ToolClick("toolExportCalendar");
        QCOMPARE(m_prompt.shown().size(), events < 0 ? 3 : 2);
        QCOMPARE(m_prompt.shown()[0].offered.toStringList().value(0), first);
        QVERIFY(m_prompt.shown()[1].offered.toString().endsWith("/KITCHEN-2001-03-05.ics"));
        QFile file(path);
        if (events < 0) {
            QVERIFY(!file.exists());
            QVERIFY(m_prompt.messages().last().contains(QDir::toNativeSeparators(path)));
            return;
        }
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(int(file.readAll().count("BEGIN:VEVENT")), events);
    }
};

QTEST_MAIN(tst_scheduler)
#include "tst_scheduler.moc"
