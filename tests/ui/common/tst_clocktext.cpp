// Times in the windows: the program's own formats in English, the language's own elsewhere.

#include "data/OleDate.h"
#include "ui/common/ClockText.h"

#include <QtTest>

namespace {
// Monday 5 March 2001, 14:30.
const double kTime = 36955.0 + 14.5 / 24;
const QLocale kGerman(QLocale::German, QLocale::Germany);
const QLocale kUs(QLocale::English, QLocale::UnitedStates);
} // namespace

class TestClockText : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void format_data()
    {
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<QString>("pattern");
        QTest::addColumn<QString>("text");
        QTest::newRow("English time") << kUs << "h:mma/p" << "2:30p";
        QTest::newRow("English day and time") << kUs << "ddd h:mma/p" << "Mon 2:30p";
        QTest::newRow("English date and time") << kUs << "ddd mm/dd h:mma/p" << "Mon 03/05 2:30p";
        QTest::newRow("English hover") << kUs << "ddd mm/dd/yy h:mma/p  " << "Mon 03/05/01 2:30p  ";
        QTest::newRow("C as English") << QLocale::c() << "ddd mmm d, h:mma/p" << "Mon Mar 5, 2:30p";
        QTest::newRow("German time") << kGerman << "h:mma/p" << "14:30";
        QTest::newRow("German day and time") << kGerman << "ddd h:mma/p" << "Mo. 14:30";
        QTest::newRow("German date and time") << kGerman << "ddd mm/dd h:mma/p" << "Mo. 05.03. 14:30";
        QTest::newRow("German hover") << kGerman << "ddd mm/dd/yy h:mma/p  " << "Mo. 05.03.01 14:30  ";
        QTest::newRow("German time off") << kGerman << "ddd mmm d, h:mma/p" << "Mo. 05.03., 14:30";
    }
    void format()
    {
        QFETCH(QLocale, locale);
        QFETCH(QString, pattern);
        QFETCH(QString, text);
        QCOMPARE(ClockText::format(kTime, pattern, locale), text);
    }

    void shortTimeDropsWholeHoursInEnglishOnly()
    {
        QCOMPARE(ClockText::shortTime(36955.0 + 6.0 / 24, kUs), QStringLiteral("6a"));
        QCOMPARE(ClockText::shortTime(kTime, kUs), QStringLiteral("2:30p"));
        QCOMPARE(ClockText::shortTime(36955.0 + 6.0 / 24, kGerman), QStringLiteral("06:00"));
        QCOMPARE(ClockText::axisLocale(kUs), QLocale::c());
        QCOMPARE(ClockText::axisLocale(kGerman), kGerman);
    }
};

QTEST_GUILESS_MAIN(TestClockText)
#include "tst_clocktext.moc"
