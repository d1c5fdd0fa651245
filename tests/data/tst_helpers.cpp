// Whole-file routines, record lists, text fields, date formats and the small text helpers.

#include "HandMadeRecords.h"
#include "data/CodePage.h"
#include "data/FileError.h"
#include "data/OleDate.h"
#include "data/RecordList.h"
#include "data/ScheduleHelper.h"

#include <QElapsedTimer>
#include <QProcess>
#include <QStorageInfo>
#include <QTemporaryDir>
#include <QtTest>

using namespace ScheduleHelper;


class TestHelpers : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        m_tmp = std::make_unique<QTemporaryDir>();
        QVERIFY(m_tmp->isValid());
    }
    void cleanup()
    {
        ClearInjectedWriteFailures();
        if (!m_mounted.isEmpty())
            QProcess::execute("umount", {std::exchange(m_mounted, QString())});
    }

    void recordCounts_data()
    {
        QTest::addColumn<int>("bytes");   // -1: no file
        QTest::addColumn<int>("records");
        QTest::newRow("missing file") << -1 << 0;
        QTest::newRow("empty file") << 0 << 0;
        QTest::newRow("1.5 records") << 54 << 2;
        QTest::newRow("2.5 records") << 90 << 2;
        QTest::newRow("0.5 record") << 18 << 0;
        QTest::newRow("3.5 records") << 126 << 4;
        QTest::newRow("2.4 records") << 86 << 2;
        QTest::newRow("exact") << 72 << 2;
    }
    void recordCounts()
    {
        QFETCH(int, bytes);
        QFETCH(int, records);
        QByteArray content;
        for (int i = 0; i < bytes; ++i)
            content += char('A' + i % 26);
        const QString path = m_dir.filePath("odd.dat");
        if (bytes >= 0)
            HandMade::write(path, content);

        RecordList list(36);
        list.load(path);
        QCOMPARE(list.count(), records);
        QCOMPARE(QFile::exists(path), bytes >= 0);   // reading never creates
        // The file's bytes come first, never beyond the last record; the rest stays zero.
        const int copied = qMin(qMax(bytes, 0), records * 36);
        QCOMPARE(list.bytes().left(copied), content.left(copied));
        QCOMPARE(list.bytes().mid(copied), QByteArray(records * 36 - copied, '\0'));
    }

    void writesAreExactAndReplaceTheWholeFile()
    {
        const QString path = m_dir.filePath("x.dat");
        HandMade::write(path, QByteArray(100, 'z'));
        WriteFileBytes(path, QByteArray("abc"));
        QCOMPARE(HandMade::read(path), QByteArray("abc"));   // shorter: cut to the new length
        WriteFileBytes(path, QByteArray(200, 'q'));
        QCOMPARE(HandMade::read(path).size(), 200);          // longer: extended

        const QString fresh = m_dir.filePath("fresh.dat");
        WriteFileBytes(fresh, {});
        QVERIFY(QFile::exists(fresh));                        // an empty buffer leaves a 0-byte file
        QCOMPARE(QFileInfo(fresh).size(), 0);
        // No temporary file is left behind by the atomic write.
        QCOMPARE(QDir(m_dir.path()).entryList(QDir::Files).size(), 2);
    }

    // A save that fails in any way throws, leaves the old file byte for byte and no temporary
    // file; only a file held open by another program is retried. Failures that a retry cannot
    // cure are reported at once.
    void failedWrites_data()
    {
        QTest::addColumn<QString>("target");      // ending in '/': a folder stands in the file's place
        QTest::addColumn<QString>("refused");     // the file whose next save is made to fail; "*": all
        QTest::addColumn<bool>("busy");           // the failure is one of a file held by another program
        QTest::addColumn<bool>("fails");
        QTest::newRow("this file refused") << "Dept.dat" << "Dept.dat" << false << true;
        QTest::newRow("every file refused") << "Dept.dat" << "*" << false << true;
        QTest::newRow("another file refused") << "Dept.dat" << "Jobs.dat" << false << false;
        QTest::newRow("busy once, then free") << "Dept.dat" << "Dept.dat" << true << false;
        QTest::newRow("folder in the file's place") << "Shifts.dat/" << "" << false << true;
        QTest::newRow("missing parent folder") << "no/such/Dept.dat" << "" << false << true;
    }
    void failedWrites()
    {
        QFETCH(QString, target);
        QFETCH(QString, refused);
        QFETCH(bool, busy);
        QFETCH(bool, fails);
        HandMade::write(m_dir.filePath("Dept.dat"), "old");
        if (target.endsWith('/'))
            QVERIFY(QDir().mkdir(m_dir.filePath(target)));
        if (!refused.isEmpty())
            InjectWriteFailure(refused == "*" ? QString() : m_dir.filePath(refused), "Permission denied",
                               refused == "*" ? -1 : 1, busy);
        const QString path = QDir::cleanPath(m_dir.filePath(target));
        const QByteArray fresh(10000, 'n');
        QElapsedTimer clock;
        clock.start();
        try {
            WriteFileBytes(path, fresh);
            QVERIFY2(!fails, "the save should have failed");
            QCOMPARE(HandMade::read(path), fresh);
        } catch (const FileError &e) {
            QVERIFY2(fails, qPrintable(e.userText()));
            QCOMPARE(e.kind(), FileError::Kind::Write);
            QVERIFY2(e.userText().startsWith("Could not save \"" + QFileInfo(path).fileName() + "\""),
                     qPrintable(e.userText()));
            QVERIFY2(clock.elapsed() < 200, "a failure a retry cannot cure is reported at once");
            QCOMPARE(HandMade::read(m_dir.filePath("Dept.dat")), QByteArray("old"));
        }
        // No temporary file stays behind.
        QCOMPARE(QDir(m_dir.path()).entryList(QDir::Files | QDir::Hidden | QDir::System), QStringList{"Dept.dat"});
    }

    void readingAFolderFailsAtOnce()
    {
        const QString path = m_dir.filePath("Dept.dat");
        QVERIFY(QDir().mkdir(path));
        QElapsedTimer clock;
        clock.start();
        try {
            ReadFileBytes(path);
            QFAIL("reading a folder must fail");
        } catch (const FileError &e) {
            QCOMPARE(e.kind(), FileError::Kind::Read);
            QVERIFY2(e.userText().startsWith("Could not read \"Dept.dat\""), qPrintable(e.userText()));
        }
        QVERIFY2(clock.elapsed() < 200, "a failure a retry cannot cure is reported at once");
    }

    // A real file system that runs full during the save (a small tmpfs; mounting needs root).
    void fullDiskKeepsTheOldFile_data()
    {
        QTest::addColumn<int>("freeBytes");   // left free before the save; -1: all that is left
        QTest::addColumn<int>("saveBytes");
        QTest::newRow("100,000 bytes into 64 KiB") << -1 << 100000;
        QTest::newRow("10,000 bytes into 4 KiB free") << 4096 << 10000;
        QTest::newRow("20,000 bytes into 16 KiB free") << 16384 << 20000;
    }
    void fullDiskKeepsTheOldFile()
    {
        QFETCH(int, freeBytes);
        QFETCH(int, saveBytes);
        const QString mountPoint = m_dir.filePath("small");
        QVERIFY(QDir().mkdir(mountPoint));
        if (QProcess::execute("mount", {"-t", "tmpfs", "-o", "size=64k", "tmpfs", mountPoint}) != 0)
            QSKIP("mounting a small file system needs root rights");
        m_mounted = mountPoint;

        const QString path = mountPoint + "/EmployeeInfo.dat";
        const QByteArray old(700, 'o');
        WriteFileBytes(path, old);
        if (freeBytes >= 0) {
            const qint64 filler = QStorageInfo(mountPoint).bytesAvailable() - freeBytes;
            HandMade::write(mountPoint + "/filler", QByteArray(filler, 'f'));
            QCOMPARE(QStorageInfo(mountPoint).bytesAvailable(), qint64(freeBytes));
        }

        QVERIFY_THROWS_EXCEPTION(FileError, WriteFileBytes(path, QByteArray(saveBytes, 'n')));
        QCOMPARE(HandMade::read(path), old);
        QStringList left = QDir(mountPoint).entryList(QDir::Files | QDir::Hidden | QDir::System);
        left.removeOne("filler");
        QCOMPARE(left, QStringList{"EmployeeInfo.dat"});
        // The failed save gave its space back: a save that fits still works.
        WriteFileBytes(path, "new");
        QCOMPARE(HandMade::read(path), QByteArray("new"));
    }

    void truncateCreatesAndCuts()
    {
        const QString path = m_dir.filePath("t.dat");
        QVERIFY(TruncateFile(path, 0));
        QVERIFY(QFile::exists(path));
        HandMade::write(path, QByteArray(50, 'a'));
        QVERIFY(TruncateFile(path, 20));
        QCOMPARE(QFileInfo(path).size(), 20);
    }

    void recordRemovalMovesTheLastIntoTheGap()
    {
        RecordList list(4);
        for (char c : {'a', 'b', 'c', 'd', 'e'})
            list.append(QByteArray(4, c).constData());
        list.removeMovingLast(2);
        QCOMPARE(list.bytes(), QByteArray("aaaaeeeeccccdddd"));
        list.removeMovingLast(4);   // the last one itself
        QCOMPARE(list.bytes(), QByteArray("aaaaeeeecccc"));
    }

    // Fixed fields: cut to the width, padded with blanks; read back with blanks (not NULs or
    // tabs) trimmed. Windows-1252, one byte per character, '?' for what it cannot hold.
    void textFields_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QByteArray>("field");
        QTest::addColumn<QString>("readBack");
        QTest::newRow("shorter") << "Cook" << QByteArray("Cook  ") << "Cook";
        QTest::newRow("longer") << "Cooking!" << QByteArray("Cookin") << "Cookin";
        QTest::newRow("empty") << "" << QByteArray("      ") << "";
        QTest::newRow("blanks around") << "  ab" << QByteArray("  ab  ") << "ab";
        QTest::newRow("tab kept") << "\tab" << QByteArray("\tab   ") << "\tab";
        QTest::newRow("code page") << "\u00e9\u20ac\u201c\u0160" << QByteArray("\xe9\x80\x93\x8a  ")
                                   << "\u00e9\u20ac\u201c\u0160";
        QTest::newRow("outside the code page") << "\u4e2d\u00e9" << QByteArray("?\xe9    ") << "?\u00e9";
    }
    void textFields()
    {
        QFETCH(QString, text);
        QFETCH(QByteArray, field);
        QFETCH(QString, readBack);
        char f[6];
        CodePage::TextToField(f, 6, text);
        QCOMPARE(QByteArray(f, 6), field);
        QCOMPARE(CodePage::FieldToText(f, 6), readBack);
    }

    void fieldEdges()
    {
        // A never-filled field reads as NUL characters: NULs are not trimmed.
        const char zeros[4] = {0, 0, 0, 0};
        QCOMPARE(CodePage::FieldToText(zeros, 4), QString(4, QChar(0)));
        QCOMPARE(CodePage::FieldToText("abcdef", 6, 1, 3), QStringLiteral("bcd"));
        QCOMPARE(CodePage::FieldToText("abcdef", 6, -1, 1), QStringLiteral("ab"));
        QCOMPARE(CodePage::FieldToText("abcdef", 6, 4, -1), QStringLiteral("ef"));
        // The bytes the code page leaves undefined survive a round trip.
        const QByteArray odd("\x81\x8d\x8f\x90\x9d");
        QCOMPARE(CodePage::encode(CodePage::decode(odd)), odd);
    }

    void upperCaseFollowsTheCodePage_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("upper");
        QTest::newRow("ascii") << "cook 2nd-shift" << "COOK 2ND-SHIFT";
        QTest::newRow("accented") << "\u00e0\u00e9\u00ee\u00f5\u00fc\u00fd\u00fe"
                                  << "\u00c0\u00c9\u00ce\u00d5\u00dc\u00dd\u00de";
        QTest::newRow("division sign") << "a\u00f7b" << "A\u00f7B";
        QTest::newRow("sharp s keeps the length") << "stra\u00dfe" << "STRA\u00dfE";
        QTest::newRow("micro sign") << "5\u00b5m" << "5\u00b5M";
        QTest::newRow("0x80-0x9F letters") << "\u0161\u0153\u017e\u00ff" << "\u0160\u0152\u017d\u0178";
        QTest::newRow("capitals and signs") << "\u00c9\u20ac@[`{" << "\u00c9\u20ac@[`{";
        QTest::newRow("outside the code page") << "\u0434\u03b1" << "\u0434\u03b1";
        QTest::newRow("empty") << "" << "";
    }
    void upperCaseFollowsTheCodePage()
    {
        QFETCH(QString, text);
        QFETCH(QString, upper);
        QCOMPARE(CodePage::toUpper(text), upper);
    }

    void bits()
    {
        QVERIFY(BitIsSet(1, 0));
        QVERIFY(BitIsSet(0x8000, 15));
        QVERIFY(!BitIsSet(0xFFFF, 16));
        QVERIFY(!BitIsSet(0xFFFF, -1));
        QCOMPARE(SetBit(4, 2), 4);
        QCOMPARE(SetBit(0, 3), 8);
        QCOMPARE(ClearBit(0xF, 0), 0xE);
        QCOMPARE(ClearBit(0xE, 0), 0xE);
    }

    void formatPhone_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QString>("shown");
        QTest::newRow("seven") << "5551234" << "555-1234";
        QTest::newRow("ten") << "8005551234" << "(800) 555-1234";
        QTest::newRow("eleven with 1") << "18005551234" << "(800) 555-1234";
        QTest::newRow("eleven with 2") << "28005551234" << "28005551234";
        QTest::newRow("zero") << "0" << "";
        QTest::newRow("five") << "12345" << "12345";
        QTest::newRow("blanks and NULs") << QString(" 5551234") + QChar(0) + QChar(0) << "555-1234";
        QTest::newRow("empty") << "" << "";
        QTest::newRow("single") << "7" << "7";
    }
    void formatPhone()
    {
        QFETCH(QString, stored);
        QFETCH(QString, shown);
        QCOMPARE(FormatPhone(stored), shown);
    }

    void snapTime_data()
    {
        QTest::addColumn<QString>("time");
        QTest::addColumn<int>("snap");
        QTest::addColumn<QString>("snapped");
        QTest::addColumn<int>("snapAfter");
        QTest::newRow("10:07 by 15") << "3/5/2001 10:07" << 15 << "3/5/2001 10:00:00 AM" << 15;
        QTest::newRow("10:08 by 15") << "3/5/2001 10:08" << 15 << "3/5/2001 10:15:00 AM" << 15;
        QTest::newRow("half rounds up") << "3/5/2001 10:05" << 10 << "3/5/2001 10:10:00 AM" << 10;
        QTest::newRow("10:53 by 15") << "3/5/2001 10:53" << 15 << "3/5/2001 11:00:00 AM" << 15;
        QTest::newRow("into next day") << "3/5/2001 23:53" << 15 << "3/6/2001" << 15;
        QTest::newRow("9 min, 58") << "3/5/2001 10:58" << 9 << "3/5/2001 10:54:00 AM" << 9;
        QTest::newRow("9 min, 59") << "3/5/2001 10:59" << 9 << "3/5/2001 11:00:00 AM" << 9;
        QTest::newRow("zero snap keeps seconds") << "3/5/2001 10:07:31" << 0 << "3/5/2001 10:07:31 AM" << 1;
        QTest::newRow("30 by 60") << "3/5/2001 10:30" << 60 << "3/5/2001 11:00:00 AM" << 60;
    }
    void snapTime()
    {
        QFETCH(QString, time);
        QFETCH(int, snap);
        QFETCH(QString, snapped);
        QFETCH(int, snapAfter);
        qint16 minutes = qint16(snap);
        QCOMPARE(OleDate::generalDate(SnapTime(time, minutes)), snapped);
        QCOMPARE(int(minutes), snapAfter);
    }

    void hourTotals_data()
    {
        QTest::addColumn<double>("days");
        QTest::addColumn<QString>("text");
        QTest::newRow("zero") << 0.0 << "0:00";
        QTest::newRow("one day") << 1.0 << "24:00";
        QTest::newRow("1.75 days") << 1.75 << "42:00";
        QTest::newRow("8.5 hours") << 8.5 / 24 << "8:30";
        QTest::newRow("37.25 hours") << 37.25 / 24 << "37:15";
        QTest::newRow("15 minutes") << 0.25 / 24 << "0:15";
        // Sums of shift lengths that floating-point arithmetic leaves just below the minute.
        QTest::newRow("five 8-hour shifts") << (1.0 / 3 + 1.0 / 3 + 1.0 / 3 + 1.0 / 3 + 1.0 / 3) << "40:00";
        QTest::newRow("end minus begin") << ((36956.0 + 17.0 / 24) - (36956.0 + 9.0 / 24)) << "8:00";
        QTest::newRow("seven hours difference") << ((37000.0 + 14.0 / 24) - (37000.0 + 7.0 / 24)) << "7:00";
    }
    void hourTotals()
    {
        QFETCH(double, days);
        QFETCH(QString, text);
        QCOMPARE(FormatHourTotal(days), text);
    }

    void sortIndexByKeys()
    {
        QList<qint32> index{0, 1, 2};
        QStringList keys{"b", "A", "a"};
        SortIndexByKeys(index, keys, false);
        QCOMPARE(index, (QList<qint32>{1, 2, 0}));   // A, a, b

        index = {0, 1, 2};
        SortIndexByKeys(index, keys, true);
        QCOMPARE(keys, (QStringList{"B", "A", "A"}));
        QCOMPARE(keys[index[0]] + keys[index[1]] + keys[index[2]], QStringLiteral("AAB"));

        // A longer list exercises the larger gaps.
        QStringList many;
        QList<qint32> order;
        for (int i = 0; i < 50; ++i) {
            many << QString::number((i * 37) % 50).rightJustified(2, u'0');
            order << i;
        }
        SortIndexByKeys(order, many, false);
        for (int i = 1; i < 50; ++i)
            QVERIFY(many[order[i - 1]] <= many[order[i]]);

        QList<qint32> none;
        SortIndexByKeys(none, keys, true);
        QVERIFY(none.isEmpty());
    }

    void folderNames_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("safe");
        QTest::newRow("plain") << "KITCHEN" << true;
        QTest::newRow("blanks inside") << "FRONT DESK" << true;
        QTest::newRow("accented") << "CAF\u00c9" << true;
        QTest::newRow("slash") << "A/B" << false;
        QTest::newRow("backslash") << "..\\X" << false;
        QTest::newRow("colon") << "C:" << false;
        QTest::newRow("dot") << "." << false;
        QTest::newRow("dot dot") << ".." << false;
        QTest::newRow("control") << QString("A") + QChar(7) << false;
        QTest::newRow("reserved") << "CON" << false;
        QTest::newRow("reserved with extension") << "nul.txt" << false;
        QTest::newRow("empty") << "  " << false;
        QTest::newRow("star") << "A*" << false;
    }
    void folderNames()
    {
        QFETCH(QString, name);
        QFETCH(bool, safe);
        QCOMPARE(IsSafeFolderName(name), safe);
        if (!safe)
            QVERIFY(!FolderNameProblem(name).isEmpty());
    }

    void dateFormats_data()
    {
        QTest::addColumn<QString>("pattern");
        QTest::addColumn<QString>("text");
        // Monday 5 March 2001, 14:07:09.
        QTest::newRow("file name") << "yyyymmdd" << "20010305";
        QTest::newRow("label") << "h:mma/p" << "2:07p";
        QTest::newRow("report time") << "h:mm A/P" << "2:07 P";
        QTest::newRow("picker") << "h:mm tt" << "2:07 PM";
        QTest::newRow("caption") << "ddd mmm dd,yyyy" << "Mon Mar 05,2001";
        QTest::newRow("group") << "ddd mmm dd, yyyy" << "Mon Mar 05, 2001";
        QTest::newRow("short") << "m/d/yy" << "3/5/01";
        QTest::newRow("week caption") << "ddd mm/dd/yyyy" << "Mon 03/05/2001";
        QTest::newRow("status") << "ddd mm/dd/yy h:mma/p  " << "Mon 03/05/01 2:07p  ";
        QTest::newRow("two-digit hour") << "hh:mma/p" << "02:07p";
        QTest::newRow("stamp") << "MM/DD/YYYY HH:MM:SS" << "03/05/2001 14:07:09";
        QTest::newRow("day caption") << "ddd" << "Mon";
        QTest::newRow("day number") << "dd" << "05";
        QTest::newRow("long") << "dddd, mmmm d" << "Monday, March 5";
        QTest::newRow("one-digit minute") << "h:n" << "14:7";
        QTest::newRow("seconds") << "s ss" << "9 09";
        QTest::newRow("quoted") << "\"at\" h:nn" << "at 14:07";
        QTest::newRow("escaped") << "\\d d" << "d 5";
    }
    void dateFormats()
    {
        QFETCH(QString, pattern);
        QFETCH(QString, text);
        const double value = OleDate::fromDateAndTime(QDate(2001, 3, 5), QTime(14, 7, 9));
        QCOMPARE(OleDate::format(value, pattern), text);
    }

    // The bar label at the turns of the clock: 12 for both midnight and noon, a second short of
    // a minute rounding up. Labels are kept by the minute minuteOfDay gives, so it rounds alike.
    void clockLabels_data()
    {
        QTest::addColumn<int>("ms");
        QTest::addColumn<QString>("text");
        QTest::newRow("midnight") << 0 << "12:00a";
        QTest::newRow("morning") << (9 * 60 + 5) * 60000 << "9:05a";
        QTest::newRow("rounded to the second") << ((8 * 60 + 59) * 60 + 59) * 1000 + 600 << "9:00a";
        QTest::newRow("noon") << 12 * 3600000 << "12:00p";
        QTest::newRow("last minute") << (23 * 60 + 59) * 60000 << "11:59p";
        QTest::newRow("rounded to midnight") << 86400000 - 400 << "12:00a";
        QTest::newRow("not yet rounded") << (9 * 60 + 4) * 60000 + 59400 << "9:04a";
    }
    void clockLabels()
    {
        QFETCH(int, ms);
        QFETCH(QString, text);
        const double value = OleDate::fromDate(QDate(2001, 3, 5)) + double(ms) / 86400000.0;
        QCOMPARE(OleDate::format(value, "h:mma/p"), text);
        QCOMPARE(OleDate::format(OleDate::minuteOfDay(value) / 1440.0, "h:mma/p"), text);
    }

    void dateValues()
    {
        QCOMPARE(OleDate::fromDate(QDate(1899, 12, 30)), 0.0);
        QCOMPARE(OleDate::fromDate(QDate(2000, 1, 16)), 36541.0);
        QCOMPARE(OleDate::toDate(36541.75), QDate(2000, 1, 16));
        QCOMPARE(OleDate::toTime(36541.75), QTime(18, 0));
        // Negative values keep a positive time fraction.
        QCOMPARE(OleDate::toDate(-1.25), QDate(1899, 12, 29));
        QCOMPARE(OleDate::toTime(-1.25), QTime(6, 0));
        QCOMPARE(OleDate::fromDateAndTime(QDate(1899, 12, 29), QTime(6, 0)), -1.25);
        // A value just below midnight rounds to the next day, not to 24:00 of this one.
        QCOMPARE(OleDate::isoDateTime(36541.0 - 1e-10), QStringLiteral("2000-01-16T00:00:00"));
        QCOMPARE(OleDate::format(1.0 / 3, "h:mm"), QStringLiteral("8:00"));
        QCOMPARE(OleDate::formatPercent(36955.5, "%a %d %H:%M"), QStringLiteral("Mon 05 12:00"));
        QCOMPARE(OleDate::clockText(1.0), QStringLiteral("24:00"));
        QCOMPARE(OleDate::clockText(0.75), QStringLiteral("18:00"));
        QCOMPARE(OleDate::clockText(36955.25), QStringLiteral("06:00"));
    }

    void generalDateRoundTrip_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("general");
        QTest::newRow("time only") << "8:00:00 AM" << 1.0 / 3 << "8:00:00 AM";
        QTest::newRow("24-hour") << "20:30" << 20.5 / 24 << "8:30:00 PM";
        QTest::newRow("noon") << "12:00 PM" << 0.5 << "12:00:00 PM";
        QTest::newRow("midnight am") << "12:00 AM" << 0.0 << "12:00:00 AM";
        QTest::newRow("date only") << "3/5/2001" << 36955.0 << "3/5/2001";
        QTest::newRow("both") << "3/5/2001 2:07:09 PM" << 36955.0 + (14 * 3600 + 7 * 60 + 9) / 86400.0
                              << "3/5/2001 2:07:09 PM";
        QTest::newRow("iso") << "2001-03-05T06:00" << 36955.25 << "3/5/2001 6:00:00 AM";
    }
    void generalDateRoundTrip()
    {
        QFETCH(QString, text);
        QFETCH(double, value);
        QFETCH(QString, general);
        double parsed = -1;
        QVERIFY(OleDate::parse(text, &parsed));
        QVERIFY(qAbs(parsed - value) < 1e-9);
        QCOMPARE(OleDate::generalDate(parsed), general);
    }

    void parseRefusesNonsense()
    {
        double v = 0;
        for (const char *bad : {"", "abc", "8", "25:00", "13:00 PM", "2/30/2001", "8:61"})
            QVERIFY2(!OleDate::parse(QString::fromLatin1(bad), &v), bad);
    }

private:
    struct Dir {
        TestHelpers *t;
        QString filePath(const QString &name) const { return t->m_tmp->filePath(name); }
        QString path() const { return t->m_tmp->path(); }
    };
    std::unique_ptr<QTemporaryDir> m_tmp;
    QString m_mounted;
    Dir m_dir{this};
};

QTEST_GUILESS_MAIN(TestHelpers)
#include "tst_helpers.moc"
