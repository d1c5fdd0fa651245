// The Staffing Needs window: editing a department's needs as a table, with the reader's checks,
// copying a weekday, undo, and a save that keeps the other departments' rows or says why it failed.

#include "../../planning/PlanningFolder.h"
#include "ScriptedPrompt.h"
#include "data/ScheduleHelper.h"
#include "data/clsEmployeeInfo.h"
#include "ui/setup/frmStaffingNeeds.h"

#include <QLabel>
#include <QPushButton>
#include <QScopeGuard>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QtTest>

using namespace PlanningFolder;

namespace {

QStringList table(const frmStaffingNeeds &window)
{
    auto *t = window.findChild<QTableWidget *>("tblNeeds");
    QStringList rows;
    for (int r = 0; r < t->rowCount(); ++r) {
        QStringList cells;
        for (int c = 0; c < t->columnCount(); ++c)
            cells << t->item(r, c)->text();
        rows << cells.join(' ');
    }
    return rows;
}

void setCell(frmStaffingNeeds &window, int row, int column, const QString &text)
{
    window.findChild<QTableWidget *>("tblNeeds")->item(row, column)->setText(text);
}

const QByteArray kFile = "Department,Weekday,Position,From,To,Needed,Most\r\n"
                         "KITCHEN,Mon,COOK,08:00,14:00,2,\r\n"
                         "FRONT OF HOUSE,Tue,HOST,11:00,15:00,1,2\r\n";

} // namespace

class TestStaffingNeedsWindow : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    std::unique_ptr<clsEmployeeInfo> m_info;
    ScriptedPrompt m_prompt;

private Q_SLOTS:
    void init()
    {
        m_dir.~QTemporaryDir();
        new (&m_dir) QTemporaryDir;
        Business b;
        b.addEmployee(17, "Ann", {"COOK"});
        b.needs = kFile;
        b.write(m_dir.path());
        m_info = std::make_unique<clsEmployeeInfo>(m_dir.path());
        m_prompt.clear();
    }

    // Each bad cell is named in the window and keeps Save off; fixing it turns Save on.
    void checksAsTheFileIsRead_data()
    {
        QTest::addColumn<int>("column");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("problem");
        QTest::newRow("weekday Mond") << 0 << "Mond" << "Row 1, Weekday: \"Mond\" is not a weekday Mon..Sun";
        QTest::newRow("weekday Tuesday") << 0 << "Tuesday" << "";
        QTest::newRow("position empty") << 1 << "" << "Row 1, Position: is empty";
        QTest::newRow("from 8") << 2 << "8" << "Row 1, From: \"8\" is not a time HH:MM";
        QTest::newRow("to 25:00") << 3 << "25:00" << "Row 1, To: \"25:00\" is not a time HH:MM";
        QTest::newRow("needed 100") << 4 << "100" << "Row 1, Needed: \"100\" is not a number from 0 to 99";
        QTest::newRow("most 1 below needed 2") << 5 << "1" << "Row 1, Most: 1 is less than Needed";
        QTest::newRow("position with a comma and quote") << 1 << "CO\"OK, HEAD" << "";
    }
    void checksAsTheFileIsRead()
    {
        QFETCH(int, column);
        QFETCH(QString, text);
        QFETCH(QString, problem);
        frmStaffingNeeds window(*m_info, m_prompt);
        QCOMPARE(table(window), QStringList{"Mon COOK 08:00 14:00 2 "});
        auto *save = window.findChild<QPushButton *>("cmdSave");
        setCell(window, 0, column, text);
        QCOMPARE(window.findChild<QLabel *>("labProblem")->text(), problem);
        QCOMPARE(save->isEnabled(), problem.isEmpty());
    }

    // In German the table shows and takes "Mo".."So" and says what it expects in German day
    // names; the file keeps "Mon".."Sun".
    void weekdaysInTheUsersLanguage()
    {
        const QLocale before;
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        auto restore = qScopeGuard([&] { QLocale::setDefault(before); });
        frmStaffingNeeds window(*m_info, m_prompt);
        QCOMPARE(table(window), QStringList{"Mo COOK 08:00 14:00 2 "});
        setCell(window, 0, 0, "Dienstag");
        QCOMPARE(window.findChild<QLabel *>("labProblem")->text(), QString());
        QCOMPARE(window.rows().value(0).weekday, 1);
        setCell(window, 0, 0, "Tue");
        QCOMPARE(window.rows().value(0).weekday, 1);
        setCell(window, 0, 0, "Mond");
        QCOMPARE(window.findChild<QLabel *>("labProblem")->text(), "Row 1, Weekday: \"Mond\" is not a weekday Mo..So");
    }

    void addsCopiesUndoesAndSaves()
    {
        frmStaffingNeeds window(*m_info, m_prompt);
        window.cmdAdd_Click();
        QCOMPARE(table(window), QStringList({"Mon COOK 08:00 14:00 2 ", "Mon COOK 09:00 17:00 1 "}));
        setCell(window, 1, 4, "3");
        window.findChild<QTableWidget *>("tblNeeds")->setCurrentCell(0, 0);
        m_prompt.queueItem(1);   // Monday to Friday
        window.cmdCopyDay_Click();
        QCOMPARE(table(window).size(), 10);
        QCOMPARE(table(window).last(), "Fri COOK 09:00 17:00 3 ");
        window.cmdUndo_Click();
        QCOMPARE(table(window), QStringList({"Mon COOK 08:00 14:00 2 ", "Mon COOK 09:00 17:00 3 "}));
        window.findChild<QTableWidget *>("tblNeeds")->setCurrentCell(0, 0);
        window.cmdDelete_Click();
        QVERIFY(window.cmdSave_Click());
        // The other department's row stays, after the saved department's.
        QCOMPARE(HandMade::read(m_dir.filePath("StaffingNeeds.csv")),
                 QByteArray("Department,Weekday,Position,From,To,Needed,Most\r\n"
                            "FRONT OF HOUSE,Tue,HOST,11:00,15:00,1,2\r\n"
                            "KITCHEN,Mon,COOK,09:00,17:00,3,\r\n"));
    }

    void failedSaveNamesFileAndReason()
    {
        frmStaffingNeeds window(*m_info, m_prompt);
        window.cmdAdd_Click();
        ScheduleHelper::InjectWriteFailure(m_dir.filePath("StaffingNeeds.csv"), "No space left on device");
        QVERIFY(!window.cmdSave_Click());
        ScheduleHelper::ClearInjectedWriteFailures();
        QCOMPARE(m_prompt.messages().size(), 1);
        QVERIFY2(m_prompt.messages().first().contains("StaffingNeeds.csv"), qPrintable(m_prompt.messages().first()));
        QVERIFY(m_prompt.messages().first().contains("No space left on device"));
        QCOMPARE(HandMade::read(m_dir.filePath("StaffingNeeds.csv")), kFile);
        QCOMPARE(table(window).size(), 2);   // the edits stay
        QVERIFY(window.isModified());
    }
};

QTEST_MAIN(TestStaffingNeedsWindow)
#include "tst_staffingneedswindow.moc"
