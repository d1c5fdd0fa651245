#include "data/FileError.h"
#include "data/clsInifile.h"
#include "data/clsOptions.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

// The settings file: profile-file reading and writing as the bytes on disk show them, and the
// options object's keys, encodings and defaults.
class TestSettings : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<QTemporaryDir> m_tmp;
    QString m_ini;

    QString path(const QString &name) const { return m_tmp->filePath(name); }

    void put(const QByteArray &bytes)
    {
        QFile file(m_ini);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
    QByteArray disk() const
    {
        QFile file(m_ini);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

private Q_SLOTS:
    void init()
    {
        m_tmp = std::make_unique<QTemporaryDir>();
        QVERIFY(m_tmp->isValid());
        m_ini = path(QStringLiteral("Schedule.ini"));
    }

    void readRules_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QString>("section");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("value");
        const auto row = [](const char *name, const char *file, const char *section,
                            const char *key, const char *value) {
            QTest::newRow(name) << QByteArray(file) << section << key << value;
        };
        row("names ignore case", "[sChEdUlE]\r\nBAR display=Names\r\n", "Schedule", "Bar Display",
            "Names");
        row("LF line ends", "[A]\nx=1\ny=2\n", "a", "Y", "2");
        row("blanks trimmed", "  [A]  \r\n  key one \t=  some value  \r\n", "A", "key one",
            "some value");
        row("inner blanks of a key count", "[A]\r\nSnap  To=5\r\n", "A", "Snap To", "");
        row("double quotes", "[A]\r\nx= \"  padded \"\r\n", "A", "x", "  padded ");
        row("single quotes", "[A]\r\nx='v'\r\n", "A", "x", "v");
        row("one pair only", "[A]\r\nx=\"\"v\"\"\r\n", "A", "x", "\"v\"");
        row("mismatched quotes", "[A]\r\nx=\"v'\r\n", "A", "x", "\"v'");
        row("lone quote", "[A]\r\nx=\"\r\n", "A", "x", "\"");
        row("semicolon inside value", "[A]\r\nx=a ; b\r\n", "A", "x", "a ; b");
        row("commented key", "[A]\r\n;x=1\r\n  ;y=2\r\n", "A", "y", "");
        row("equals in value", "[A]\r\nx=a=b\r\n", "A", "x", "a=b");
        row("first section wins", "[A]\r\nx=1\r\n[a]\r\nx=2\r\ny=3\r\n", "A", "y", "");
        row("first key wins", "[A]\r\nx=1\r\nX=2\r\n", "A", "x", "1");
        row("key before any section", "x=1\r\n[A]\r\n", "A", "x", "");
        row("key of the next section", "[A]\r\n[B]\r\nx=1", "A", "x", "");
        row("bracket in section name", "[Dept-A]B]\r\nx=1\r\n", "Dept-A]B", "x", "1");
        row("accented names ignore case", "[Dept-CAF\xC9]\r\nStartTime=8:00\r\n",
            "Dept-Caf\u00e9", "starttime", "8:00");
    }

    void readRules()
    {
        QFETCH(QByteArray, file);
        QFETCH(QString, section);
        QFETCH(QString, key);
        QFETCH(QString, value);
        put(file);
        QCOMPARE(clsInifile::kelVBGetPrivateProfileString(section, key, m_ini), value);
    }

    void writeRules_data()
    {
        QTest::addColumn<QByteArray>("before");
        QTest::addColumn<QString>("section");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("value");
        QTest::addColumn<QByteArray>("after");
        const auto row = [](const char *name, const char *before, const char *section,
                            const char *key, const char *value, const char *after) {
            QTest::newRow(name) << QByteArray(before) << section << key << value << QByteArray(after);
        };
        row("in place, spelling and other lines kept",
            "; settings\r\n[schedule]\r\n  snap to = 5 \r\nBar Display=Names\r\n\r\n[General]\r\n",
            "Schedule", "Snap TO", "20",
            "; settings\r\n[schedule]\r\nsnap to=20\r\nBar Display=Names\r\n\r\n[General]\r\n");
        row("append to a section followed by another",
            "[Schedule]\r\nView Mode=1\r\n\r\n[General]\r\nSnapToMinutes=15\r\n", "SCHEDULE",
            "Bar Display", "Times",
            "[Schedule]\r\nView Mode=1\r\nBar Display=Times\r\n\r\n[General]\r\nSnapToMinutes=15\r\n");
        row("append under a bare header", "[A]\r\n[B]\r\nx=1\r\n", "A", "y", "2",
            "[A]\r\ny=2\r\n[B]\r\nx=1\r\n");
        row("append after a last line without break", "[A]\r\nx=1", "A", "y", "2",
            "[A]\r\nx=1\r\ny=2\r\n");
        row("new section at the end", "[A]\r\nx=1", "B", "y", "", "[A]\r\nx=1\r\n[B]\r\ny=\r\n");
        row("LF lines elsewhere kept", "[A]\nx=1\ny=2\n", "A", "x", "5", "[A]\nx=5\r\ny=2\n");
        row("same value leaves file alone", "[A]\nx=1\n", "a", "X", "1", "[A]\nx=1\n");
        row("first of duplicate sections", "[A]\r\nx=1\r\n[a]\r\ny=2\r\n", "A", "y", "3",
            "[A]\r\nx=1\r\ny=3\r\n[a]\r\ny=2\r\n");
        row("first of duplicate keys", "[A]\r\nx=1\r\nX=2\r\n", "A", "x", "9",
            "[A]\r\nx=9\r\nX=2\r\n");
        row("commented key stays", "[A]\r\n;x=1\r\n", "A", "x", "2", "[A]\r\n;x=1\r\nx=2\r\n");
        row("lines before the first section", "x=1\r\n[A]\r\n", "A", "x", "2",
            "x=1\r\n[A]\r\nx=2\r\n");
        row("bracket in section name", "[Dept-A]B]\r\nx=1\r\n", "Dept-A]B", "x", "2",
            "[Dept-A]B]\r\nx=2\r\n");
        row("Windows-1252 bytes", "[A]\r\n", "A", "Name", "Caf\u00e9 Zo\u00eb \u20ac5 \u0141",
            "[A]\r\nName=Caf\xE9 Zo\xEB \x80" "5 ?\r\n");
    }

    void writeRules()
    {
        QFETCH(QByteArray, before);
        QFETCH(QString, section);
        QFETCH(QString, key);
        QFETCH(QString, value);
        QFETCH(QByteArray, after);
        put(before);
        QVERIFY(clsInifile::kelVBWritePrivateProfileString(section, key, value, m_ini));
        QCOMPARE(disk(), after);
        // What was written reads back (characters outside the code page as '?').
        QCOMPARE(clsInifile::kelVBGetPrivateProfileString(section, key, m_ini),
                 QString(value).replace(QChar(0x0141), u'?'));
    }

    void longValueReadsAs126Characters()
    {
        QString value;
        for (int i = 0; i < 200; ++i)
            value += QChar(u'a' + i % 26);
        QVERIFY(clsInifile::kelVBWritePrivateProfileString("A", "x", value, m_ini));
        QVERIFY(disk().contains(value.toLatin1()));
        QCOMPARE(clsInifile::kelVBGetPrivateProfileString("A", "x", m_ini), value.left(126));
    }

    void refusedWrites_data()
    {
        QTest::addColumn<QString>("section");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("value");
        QTest::newRow("line break in value") << "A" << "x" << "1\r\n[B]\r\ny=2";
        QTest::newRow("line break in section") << "A]\n[B" << "x" << "1";
        QTest::newRow("equals in key") << "A" << "x=y" << "1";
        QTest::newRow("comment key") << "A" << ";x" << "1";
        QTest::newRow("empty key") << "A" << "  " << "1";
    }

    // Input that would change the file's structure is refused; the file stays as it was.
    void refusedWrites()
    {
        QFETCH(QString, section);
        QFETCH(QString, key);
        QFETCH(QString, value);
        const QByteArray before("[A]\r\nx=0\r\n");
        put(before);
        QVERIFY(!clsInifile::kelVBWritePrivateProfileString(section, key, value, m_ini));
        QVERIFY_THROWS_EXCEPTION(FileError,
                                 clsInifile::WriteProfileString(section, key, value, m_ini));
        QCOMPARE(disk(), before);
    }

    void missingAndUnreadableFiles()
    {
        // A missing file reads empty and is created on the first write.
        QCOMPARE(clsInifile::kelVBGetPrivateProfileString("A", "x", m_ini), QString());
        QVERIFY(!QFile::exists(m_ini));
        QVERIFY(clsInifile::kelVBWritePrivateProfileString("A", "x", "1", m_ini));
        QCOMPARE(disk(), QByteArray("[A]\r\nx=1\r\n"));

        // A missing folder is a failed write, never a success.
        const QString lost = path("missing/Schedule.ini");
        QVERIFY(!clsInifile::kelVBWritePrivateProfileString("A", "x", "1", lost));
        QVERIFY(!QFile::exists(lost));

        // A path that cannot be read is not replaced by a file holding the one key.
        const QString folder = path("folder.ini");
        QVERIFY(QDir().mkdir(folder));
        QCOMPARE(clsInifile::kelVBGetPrivateProfileString("A", "x", folder), QString());
        QVERIFY(!clsInifile::kelVBWritePrivateProfileString("A", "x", "1", folder));
        QVERIFY(QFileInfo(folder).isDir());
    }

    void optionDefaultsWithoutFile()
    {
        clsOptions options(m_ini);
        QCOMPARE(options.hourdisplay(), QString());
        QCOMPARE(options.WeekViewMode(), qint16(0));
        QCOMPARE(options.SnapTo(), qint16(15));
        QCOMPARE(options.bardisplay(), QString());
        QCOMPARE(options.GetSnapToMinutes(), qint16(15));
        QVERIFY(options.ShowPositionGet(0));
        QVERIFY(options.ShowPositionGet(1));
        QVERIFY(!options.ShowPositionGet(2));
        QCOMPARE(options.GetShiftLength("Kitchen"), 1.0 / 3.0);
        QCOMPARE(options.GetScheduleStartTime("Kitchen"), 0.5);
        QVERIFY(!options.ForceJobDisplayForSingleJobGet("Kitchen"));
        QVERIFY(!QFile::exists(m_ini));
    }

    void optionReading_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QString>("setting");
        QTest::addColumn<double>("expected");

        const auto row = [](const char *name, const char *file, const char *setting, double v) {
            QTest::newRow(name) << QByteArray(file) << QString::fromLatin1(setting) << v;
        };
        row("snap minutes 45", "[General]\r\nSnapToMinutes=45", "snapMinutes", 15);
        row("snap minutes 0", "[General]\r\nSnapToMinutes=0", "snapMinutes", 0);
        row("snap minutes 30", "[General]\r\nSnapToMinutes=30", "snapMinutes", 30);
        row("snap minutes -1", "[General]\r\nSnapToMinutes=-1", "snapMinutes", 15);
        row("snap minutes abc", "[General]\r\nSnapToMinutes=abc", "snapMinutes", 15);
        row("view mode 2.5abc", "[Schedule]\r\nView Mode=2.5abc", "viewMode", 2);
        row("view mode 3.5", "[Schedule]\r\nView Mode=3.5", "viewMode", 4);
        row("view mode -1.5", "[Schedule]\r\nView Mode=-1.5", "viewMode", -2);
        row("view mode 1e2x", "[Schedule]\r\nView Mode=1e2x", "viewMode", 100);
        row("view mode abc", "[Schedule]\r\nView Mode=abc", "viewMode", 0);
        row("view mode too big", "[Schedule]\r\nView Mode=40000", "viewMode", 0);
        row("snap to as written", "[Schedule]\r\nSnap To=45", "snapTo", 45);
        row("snap to negative", "[Schedule]\r\nSnap To=-3", "snapTo", -3);
        row("snap to abc", "[Schedule]\r\nSnap To=abc", "snapTo", 15);
        row("snap to 2x", "[Schedule]\r\nSnap To=2x", "snapTo", 15);
        row("snap to too big", "[Schedule]\r\nSnap To=70000", "snapTo", 15);
        row("week flag 0", "[Week Report]\r\nShowPosition=0", "weekFlag", 0);
        row("week flag FALSE", "[Week Report]\r\nShowPosition=FALSE", "weekFlag", 0);
        row("week flag no", "[Week Report]\r\nShowPosition=no", "weekFlag", 1);
        row("week flag empty", "[Week Report]\r\nShowPosition=", "weekFlag", 1);
        row("emp flag false", "[emp report]\r\nshowposition=false", "empFlag", 0);
        row("start 6 AM", "[Dept-KITCHEN]\r\nStartTime=6:00:00 AM", "startTime", 0.25);
        row("start midnight", "[Dept-KITCHEN]\r\nStartTime=12:00:00 AM", "startTime", 0.0);
        row("start with a date", "[Dept-KITCHEN]\r\nStartTime=3/5/2001 9:00:00 AM", "startTime",
            0.5);
        row("start abc", "[Dept-KITCHEN]\r\nStartTime=abc", "startTime", 0.5);
        row("length 10 AM", "[Dept-KITCHEN]\r\nShiftLength=10:00:00 AM", "shiftLength", 10 / 24.0);
        row("length a whole day", "[Dept-KITCHEN]\r\nShiftLength=12/31/1899", "shiftLength", 1.0);
        row("length empty", "[Dept-KITCHEN]\r\nShiftLength=", "shiftLength", 1 / 3.0);
        row("force 1", "[Dept-Kitchen]\r\nForceSingleJobPick= 1 ", "force", 1);
        row("force True", "[Dept-Kitchen]\r\nForceSingleJobPick=True", "force", 0);
    }

    void optionReading()
    {
        QFETCH(QByteArray, file);
        QFETCH(QString, setting);
        QFETCH(double, expected);
        put(file);
        const clsOptions options(m_ini);
        double actual = -99;
        if (setting == u"snapMinutes")
            actual = options.GetSnapToMinutes();
        else if (setting == u"viewMode")
            actual = options.WeekViewMode();
        else if (setting == u"snapTo")
            actual = options.SnapTo();
        else if (setting == u"weekFlag")
            actual = options.ShowPositionGet(0);
        else if (setting == u"empFlag")
            actual = options.ShowPositionGet(1);
        else if (setting == u"startTime")
            actual = options.GetScheduleStartTime(" Kitchen");
        else if (setting == u"shiftLength")
            actual = options.GetShiftLength("Kitchen ");
        else if (setting == u"force")
            actual = options.ForceJobDisplayForSingleJobGet("KITCHEN");
        QVERIFY2(qAbs(actual - expected) < 1e-7, qPrintable(QString::number(actual, 'g', 12)));
    }

    // Every setter writes its key with the written spelling and encoding; a new object (the
    // next start) reads the same values back.
    void optionsWriteAndReadBack()
    {
        {
            clsOptions options(m_ini);
            options.setHourdisplay("Weekly");
            options.setWeekViewMode(3);
            options.setSnapTo(20);
            options.setBardisplay("Times");
            options.setSnapToMinutes(10);
            QVERIFY(!disk().contains("SnapToMinutes"));   // kept in memory until saved
            options.ShowPositionSet(0, false);
            options.SetScheduleStartTime("Kitchen", 0.25);
            options.SetShiftLength(" KITCHEN ", 0.375);
            options.ForceJobDisplayForSingleJobSet("Kitchen", true);
        }
        QCOMPARE(disk(), QByteArray("[Schedule]\r\nHour Display=Weekly\r\nView Mode=3\r\n"
                                    "Snap To=20\r\nBar Display=Times\r\n"
                                    "[General]\r\nSnapToMinutes=10\r\n"
                                    "[Emp Report]\r\nShowPosition=True\r\n"
                                    "[Week Report]\r\nShowPosition=False\r\n"
                                    "[Dept-Kitchen]\r\nStartTime=6:00:00 AM\r\n"
                                    "ShiftLength=9:00:00 AM\r\nForceSingleJobPick=1\r\n"));

        // The other keys' reading of these very lines is in optionReading.
        clsOptions options(m_ini);
        QCOMPARE(options.hourdisplay(), QString("Weekly"));
        QCOMPARE(options.bardisplay(), QString("Times"));
        QVERIFY(options.ShowPositionGet(1));

        // An unknown report kind changes no flag.
        options.ShowPositionSet(7, false);
        QVERIFY(clsOptions(m_ini).ShowPositionGet(1));
        options.ForceJobDisplayForSingleJobSet("KITCHEN", false);
        QVERIFY(!clsOptions(m_ini).ForceJobDisplayForSingleJobGet("Kitchen"));
    }

    void optionSetterFailureThrows()
    {
        clsOptions options(path("missing/Schedule.ini"));
        QVERIFY_THROWS_EXCEPTION(FileError, options.setHourdisplay("Weekly"));
        QVERIFY_THROWS_EXCEPTION(FileError, options.SetShiftLength("Kitchen", 0.25));
        QVERIFY_THROWS_EXCEPTION(FileError, options.ShowPositionSet(0, false));
        QCOMPARE(options.GetShiftLength("Kitchen"), 1.0 / 3.0);
    }
};

QTEST_GUILESS_MAIN(TestSettings)
#include "tst_settings.moc"
