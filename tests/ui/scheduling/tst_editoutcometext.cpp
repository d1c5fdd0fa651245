// The words of the engine's outcomes: every refusal reads as its own sentence and names the
// facts it carries.

#include "data/OleDate.h"
#include "ui/scheduling/EditOutcomeText.h"

#include <QSet>
#include <QtTest>

namespace {
// Monday 5 March 2001 and the hours of a day.
const double kMon = OleDate::fromDate(QDate(2001, 3, 5));
constexpr double H = 1.0 / 24;

BlockSnapshot block(double begin, double end, bool timeOff = false)
{
    return {7, 0, begin, end, timeOff ? QString() : QStringLiteral("COOK"), timeOff, QString()};
}
} // namespace

Q_DECLARE_METATYPE(EditRefusal)

class TestEditOutcomeText : public QObject
{
    Q_OBJECT

private slots:
    void everyRefusalIsWorded_data()
    {
        QTest::addColumn<EditRefusal>("reason");
        QTest::addColumn<bool>("timeOff");
        QTest::addColumn<QString>("expected");   // the whole sentence
        QTest::newRow("no row") << EditRefusal::NoRow << false << "There is no row to place the shift in.";
        QTest::newRow("no length") << EditRefusal::NoLength << false << "A shift must end after it begins.";
        QTest::newRow("block gone") << EditRefusal::BlockGone << false << "The shift no longer exists.";
        QTest::newRow("moved outside the days") << EditRefusal::MovedOutsideDays << false
                                                << "A shift must begin on one of the days shown.";
        QTest::newRow("new outside the days")
            << EditRefusal::NewOutsideDays << false
            << "This shift would begin on Mon Mar 05,2001, outside the days shown, so it could not be saved here. "
               "Go to that week to add it.";
        QTest::newRow("shift collision") << EditRefusal::Collision << false
                                         << "This shift touches or overlaps Ann Lee's time off Tue 8a-12p.";
        QTest::newRow("time-off collision") << EditRefusal::Collision << true
                                            << "This time off touches or overlaps Ann Lee's time off Tue 8a-12p.";
        QTest::newRow("time off has no position") << EditRefusal::TimeOffHasNoPosition << true
                                                  << "Time off has no position.";
        QTest::newRow("touches time off") << EditRefusal::TouchesTimeOff << false
                                          << "This shift touches Ann Lee's time off (Tue 03/06 8:00a to Tue 03/06 12:00p).";
        QTest::newRow("not changeable")
            << EditRefusal::NotChangeable << false
            << "This shift begins outside the days shown, so it can be copied but not changed here.";
    }

    void everyRefusalIsWorded()
    {
        QFETCH(EditRefusal, reason);
        QFETCH(bool, timeOff);
        QFETCH(QString, expected);
        const EditOutcome outcome = EditOutcome::refused(reason, block(kMon + 9 * H, kMon + 17 * H, timeOff), {},
                                                         block(kMon + 1 + 8 * H, kMon + 1 + 12 * H, true));
        QCOMPARE(EditOutcomeText::refusal(outcome, QStringLiteral("Ann Lee")), expected);
    }

    // A collision names what is in the way: a shift by its day, times and position.
    void collisionsNameWhatIsInTheWay_data()
    {
        QTest::addColumn<QString>("position");   // of the shift in the way
        QTest::addColumn<QString>("expected");
        QTest::newRow("a shift with a position") << "WAITER" << "This touches or overlaps Ann Lee's shift Tue 8a-12:30p as WAITER.";
        QTest::newRow("a shift without one") << "DEFAULT" << "This touches or overlaps Ann Lee's shift Tue 8a-12:30p.";
    }

    void collisionsNameWhatIsInTheWay()
    {
        QFETCH(QString, position);
        QFETCH(QString, expected);
        const BlockSnapshot other{8, 0, kMon + 1 + 8 * H, kMon + 1 + 12.5 * H, position, false, QString()};
        const EditOutcome outcome =
            EditOutcome::refused(EditRefusal::Collision, block(kMon + 1 + 9 * H, kMon + 1 + 17 * H), {}, other);
        QCOMPARE(EditOutcomeText::refusal(outcome, QStringLiteral("Ann Lee")), expected);
    }

    // A new reason without words would be shown as an empty message box.
    void noTwoReasonsShareWords()
    {
        QSet<QString> seen;
        for (int r = int(EditRefusal::NoRow); r <= int(EditRefusal::NotChangeable); ++r) {
            const EditOutcome outcome = EditOutcome::refused(EditRefusal(r), block(kMon + 9 * H, kMon + 17 * H));
            const QString text = EditOutcomeText::refusal(outcome, QStringLiteral("Ann Lee"));
            QVERIFY2(!text.isEmpty(), qPrintable(QString::number(r)));
            QVERIFY2(!seen.contains(text), qPrintable(text));
            seen.insert(text);
        }
        EditOutcome applied;
        applied.applied = true;
        QCOMPARE(EditOutcomeText::refusal(applied, QStringLiteral("Ann Lee")), QString());
    }

    void shiftsAndOtherDepartmentsAreNamed_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("expected");
        QTest::newRow("shift") << EditOutcomeText::shift(kMon + 6 * H, kMon + 14.5 * H) << "6a-2:30p";
        QTest::newRow("shift for an employee")
            << EditOutcomeText::shift(kMon + 6 * H, kMon + 14 * H, QStringLiteral("Rosa Haddad"))
            << "6a-2p for Rosa Haddad";
        QTest::newRow("other department")
            << EditOutcomeText::otherDepartmentShift({QStringLiteral("BAR"), kMon + 11 * H, kMon + 19 * H})
            << "BAR Mon 11:00a-7:00p";
        QTest::newRow("question about two departments")
            << EditOutcomeText::otherDepartmentsQuestion(
                   QStringLiteral("Ann Lee"),
                   {{QStringLiteral("BAR"), kMon + 11 * H, kMon + 19 * H}, {QStringLiteral("DOOR"), kMon + 20 * H, kMon + 22 * H}})
            << "Ann Lee is already scheduled at this time in BAR Mon 11:00a-7:00p and DOOR Mon 8:00p-10:00p.\n\n"
               "Schedule this shift anyway?";
        const OtherDepartmentWording marks = EditOutcomeText::otherDepartmentWording();
        QTest::newRow("mark of a shift over two departments")
            << marks.overlaps({{QStringLiteral("BAR"), kMon + 11 * H, kMon + 19 * H},
                               {QStringLiteral("DOOR"), kMon + 20 * H, kMon + 22 * H}})
            << "Also scheduled at this time in BAR Mon 11:00a-7:00p, DOOR Mon 8:00p-10:00p";
        QTest::newRow("hours in every department")
            << marks.hours({{QStringLiteral("KITCHEN"), 5 * 3600}, {QStringLiteral("BAR"), 8 * 3600 + 1800}},
                           13 * 3600 + 1800)
            << "KITCHEN: 5:00\nBAR: 8:30\nAll departments: 13:30";
        QTest::newRow("stored conflicts")
            << EditOutcomeText::storedConflicts({{101, kMon + 17 * H, kMon + 20 * H, QStringLiteral("WAITER"), {}}},
                                                [](qint32 employee) { return QStringLiteral("#%1").arg(employee); })
            << "This conflicts with a previously scheduled shift:\n  #101  Mon 03/05 5:00p - 8:00p  WAITER\n\n"
               "These stored shifts are not shown. They stay in their files as they are; remove what they collide "
               "with to see them again.";
    }

    void shiftsAndOtherDepartmentsAreNamed()
    {
        QFETCH(QString, text);
        QFETCH(QString, expected);
        QCOMPARE(text, expected);
    }
};

QTEST_MAIN(TestEditOutcomeText)
#include "tst_editoutcometext.moc"
