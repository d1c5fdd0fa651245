// Importing employees from CSV: the reader's quoting rules, the checks of every row before
// anything is written, and what a good file adds.

#include "data/CsvReader.h"
#include "data/FileError.h"
#include "data/PayRates.h"
#include "FolderChecks.h"
#include "exchange/ImportEmployees.h"
#include "data/OleDate.h"
#include "data/ScheduleHelper.h"
#include "data/clsEmployeeInfo.h"

#include <QProcess>
#include <QStringEncoder>
#include <QTemporaryDir>
#include <QtTest>

class TestImport : public QObject
{
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> m_tmp;
    std::unique_ptr<clsEmployeeInfo> m_info;

    QStringList checked(const QByteArray &csv, const ImportEmployees::Options &options = {})
    {
        const ImportEmployees::Plan plan = ImportEmployees::check(*m_info, csv, options);
        QStringList lines;
        if (!plan.error.isEmpty())
            lines << plan.error;
        for (const auto &p : plan.problems + plan.duplicates)
            lines << p.text();
        for (const auto &e : plan.employees)
            lines << QStringLiteral("adds %1 %2").arg(e.fields.firstName, e.fields.lastName);
        return lines;
    }

private slots:
    void init()
    {
        m_tmp = std::make_unique<QTemporaryDir>();
        HandMade::write(m_tmp->filePath("Dept.dat"), HandMade::department("KITCHEN"));
        HandMade::write(m_tmp->filePath("Jobs.dat"), HandMade::position("COOK", 0, 255));
        QByteArray ann = HandMade::employee(7, "Ann", "Lee");
        HandMade::putI32(ann, 156, qint32(OleDate::fromDate(QDate(1990, 2, 3))));   // birth date
        HandMade::write(m_tmp->filePath("EmployeeInfo.dat"), ann);
        m_info = std::make_unique<clsEmployeeInfo>(m_tmp->path());
    }

    void csvQuoting_data()
    {
        QTest::addColumn<QByteArray>("csv");
        QTest::addColumn<QString>("records");   // fields joined by "|", records by "/", with their lines
        QTest::addColumn<QString>("error");
        QTest::newRow("plain, CRLF, blank line skipped") << QByteArray("a,b\r\n\r\nc,d\r\n") << "1:a|b/3:c|d" << "";
        QTest::newRow("byte-order mark, no final line end") << QByteArray("\xef\xbb\xbf" "a,b") << "1:a|b" << "";
        QTest::newRow("quoted comma, doubled quote, line break")
            << QByteArray("\"x, y\",\"say \"\"hi\"\"\",\"two\nlines\"\nz,") << "1:x, y|say \"hi\"|two\nlines/3:z|" << "";
        QTest::newRow("empty quoted field") << QByteArray("\"\",a") << "1:|a" << "";
        QTest::newRow("quote left open") << QByteArray("a,\"b\nc") << "" << "line 1: a quoted field is not closed";
        QTest::newRow("quote inside a field") << QByteArray("a,b\"c") << "" << "line 1: a quote in the middle of a field";
    }

    void csvQuoting()
    {
        QFETCH(QByteArray, csv);
        QString error;
        QStringList records;
        for (const CsvReader::Record &r : CsvReader::parse(csv, &error))
            records << QString::number(r.line) + u':' + r.fields.join(u'|');
        QTEST(records.join(u'/'), "records");
        QTEST(error, "error");
    }

    void rowsAreChecked_data()
    {
        QTest::addColumn<QByteArray>("csv");
        QTest::addColumn<QStringList>("expected");
        const QByteArray header = "First Name,last name,Birth Date,Phone,Departments,Positions,Male\n";
        QTest::newRow("good row") << header + "Bob,Ray,1985-06-07,(555) 123-4567,kitchen,Cook,yes\n"
                                  << QStringList{"adds Bob Ray"};
        QTest::newRow("unknown column") << QByteArray("First Name,Shoe Size\nBob,42\n")
                                        << QStringList{"unknown column \"Shoe Size\"; the columns are: "
                                                       + ImportEmployees::columns().join(", ")};
        QTest::newRow("bad date and phone reshaped nowhere")
            << header + "Bob,Ray,1985-13-07,+33 6 12 34 56 78,,,\n"
            << QStringList{"line 2, Birth Date: not a date (YYYY-MM-DD): 1985-13-07",
                           "line 2, Phone: only digits, with blanks, dashes, dots or brackets between them, can be "
                           "stored, not \"+\": +33 6 12 34 56 78"};
        // The same phone rule as the employee editor's.
        QTest::newRow("phone with dots") << header + "Bob,Ray,,555.123.4567,,,\n" << QStringList{"adds Bob Ray"};
        QTest::newRow("phone of eleven digits") << header + "Bob,Ray,,1 800 555 1234,,,\n"
            << QStringList{"line 2, Phone: 11 digits; at most 10 can be stored: 1 800 555 1234"};
        QTest::newRow("hours that are none") << QByteArray("First Name,Available Mon,Available Sun\nBob,9:00-5:00,noon\n")
            << QStringList{"line 2, Available Mon: hours as HH:MM-HH:MM ending after they begin, \"off\" or nothing are "
                           "needed: 9:00-5:00",
                           "line 2, Available Sun: hours as HH:MM-HH:MM ending after they begin, \"off\" or nothing are "
                           "needed: noon"};
        QTest::newRow("characters the files cannot hold") << header + "Nguy\xe1\xbb\x85n,\xc5\x81\xc3\xb3" "d\xc5\xba,,,,,\n"
            << QStringList{QString::fromUtf8("line 2, First Name: the data files cannot hold these characters: \xe1\xbb\x85"),
                           QString::fromUtf8("line 2, Last Name: the data files cannot hold these characters: \xc5\x81\xc5\xba")};
        QTest::newRow("too long, missing department and position, no name")
            << header + QByteArray(51, 'x') + ",,,,BAR,HOST,\n,,,,,,maybe\n"
            << QStringList{"line 2, First Name: longer than 50 characters",
                           "line 2, Departments: no department named \"BAR\" (create it with --create-missing)",
                           "line 2, Positions: no position named \"HOST\" (create it with --create-missing)",
                           "line 3, Male: yes or no is needed: maybe", "line 3: a first or last name is needed"};
        QTest::newRow("already there, or twice in the file")
            << header + "ann,LEE,1990-02-03,,,,\nBob,Ray,,,,,\nBob,Ray,,,,,\n"
            << QStringList{"line 2: ann LEE with this birth date is already there; not added again",
                           "line 4: Bob Ray with this birth date is already there; not added again", "adds Bob Ray"};
        QTest::newRow("unsafe department name") << header + "Bob,Ray,,,Bar/Grill,,\n"
            << QStringList{"line 2, Departments: \"BAR/GRILL\": " + ScheduleHelper::FolderNameProblem("BAR/GRILL")};
        QTest::newRow("TAB inside a first name") << header + "\"Bo\tb\",Ray,,,,,\n"
            << QStringList{"line 2, First Name: control characters are not allowed: TAB"};
        QTest::newRow("BEL and ESC in a last name") << header + "Bob,R\x07" "a\x1by,,,,,\n"
            << QStringList{"line 2, Last Name: control characters are not allowed: BEL, ESC"};
        static const char nul[] = "Bob,Ray,,,KIT\0CHEN,,\n";
        QTest::newRow("NUL in a department") << header + QByteArray(nul, sizeof nul - 1)
            << QStringList{"line 2, Departments: control characters are not allowed: NUL"};
        QTest::newRow("line break inside a quoted city")
            << QByteArray("First Name,City\nBob,\"Paris\r\nTexas\"\n")
            << QStringList{"line 2, City: control characters are not allowed: line break"};
        QTest::newRow("hourly rate with a comma") << QByteArray("First Name,Hourly Rate\nBob,\"12,50\"\n")
            << QStringList{"line 2, Hourly Rate: not an amount like 12.50: 12,50"};
        QTest::newRow("time after the birth date") << header + "Bob,Ray,1990-01-02T10:00,,,,\n"
            << QStringList{"line 2, Birth Date: not a date (YYYY-MM-DD): 1990-01-02T10:00"};
    }

    void rowsAreChecked()
    {
        QFETCH(QByteArray, csv);
        QTEST(checked(csv), "expected");
    }

    // A file in another encoding is named as such, before any row is read.
    void encodingIsNamed_data()
    {
        QTest::addColumn<QByteArray>("csv");
        QTest::addColumn<QString>("expected");
        const QString text = QString::fromUtf8("First Name,Last Name\nJos\xc3\xa9,Lee\n");
        auto utf16 = [&text](QStringConverter::Flags flags, QStringConverter::Encoding encoding) {
            QStringEncoder encoder(encoding, flags);
            return QByteArray(encoder.encode(text));
        };
        const QString saveAs = "; save it as UTF-8 (in a spreadsheet: CSV UTF-8) and import it again";
        QTest::newRow("Latin-1") << QByteArray("First Name,Last Name\nJos\xe9,Lee\n")
            << "the file is not UTF-8: it looks like Latin-1 (ISO 8859-1) or Windows-1252 (line 2 holds the byte 0xE9)" + saveAs;
        QTest::newRow("Windows-1252 quotes") << QByteArray("First Name,Last Name\n\x93" "Bo\x94,Lee\n")
            << "the file is not UTF-8: it looks like Windows-1252 (line 2 holds the byte 0x93)" + saveAs;
        QTest::newRow("UTF-16 LE with a byte-order mark") << utf16(QStringConverter::Flag::WriteBom, QStringConverter::Utf16LE)
            << "the file is not UTF-8: it looks like UTF-16 (little-endian, with a byte-order mark)" + saveAs;
        QTest::newRow("UTF-16 BE with a byte-order mark") << utf16(QStringConverter::Flag::WriteBom, QStringConverter::Utf16BE)
            << "the file is not UTF-8: it looks like UTF-16 (big-endian, with a byte-order mark)" + saveAs;
        QTest::newRow("UTF-16 LE without a mark") << utf16(QStringConverter::Flag::Default, QStringConverter::Utf16LE)
            << "the file is not UTF-8: it looks like UTF-16 (little-endian)" + saveAs;
        QTest::newRow("UTF-16 BE without a mark") << utf16(QStringConverter::Flag::Default, QStringConverter::Utf16BE)
            << "the file is not UTF-8: it looks like UTF-16 (big-endian)" + saveAs;
    }
    void encodingIsNamed()
    {
        QFETCH(QByteArray, csv);
        QTEST(checked(csv).value(0), "expected");
        QCOMPARE(checked(csv).size(), 1);
    }

    // The command: an import that adds nothing leaves the folder exactly as it was, not even
    // creating BarNames.dat.
    void importThatAddsNothingWritesNothing_data()
    {
        QTest::addColumn<QByteArray>("csv");
        QTest::addColumn<int>("exitCode");
        QTest::newRow("a bad row") << QByteArray("First Name,Birth Date\nBob,1990-13-01\n") << 1;
        QTest::newRow("UTF-16") << QByteArray("\xff\xfe" "F\0i\0", 6) << 1;
        QTest::newRow("only employees already there") << QByteArray("First Name,Last Name,Birth Date\nAnn,Lee,1990-02-03\n") << 0;
    }
    void importThatAddsNothingWritesNothing()
    {
        QFETCH(QByteArray, csv);
        QFETCH(int, exitCode);
        QTemporaryDir folder;
        HandMade::write(folder.filePath("Dept.dat"), HandMade::department("KITCHEN"));
        QByteArray ann = HandMade::employee(7, "Ann", "Lee");
        HandMade::putI32(ann, 156, qint32(OleDate::fromDate(QDate(1990, 2, 3))));
        HandMade::write(folder.filePath("EmployeeInfo.dat"), ann);
        QTemporaryDir elsewhere;
        const QString file = elsewhere.filePath("staff.csv");
        HandMade::write(file, csv);
        const auto before = snapshot(folder.path());

        QProcess import;
        import.start(QCoreApplication::applicationDirPath() + "/../src/app/shiftgrid",
                     {"import", "employees", "--data", folder.path(), file});
        QVERIFY(import.waitForFinished(30000));
        QCOMPARE(import.exitCode(), exitCode);
        QCOMPARE(snapshot(folder.path()), before);
    }

    // Hours per weekday as the record holds them (Sunday first): empty is all day, as for a
    // new employee; "off" is no hours at all; an end of 24:00 is midnight.
    void availabilityColumnsStoreTheHours_data()
    {
        QTest::addColumn<QByteArray>("cells");   // Available Mon, Tue and Sun
        QTest::addColumn<QString>("week");       // Sun..Sat as stored, start-end in hours
        QTest::newRow("nothing given") << QByteArray(",,") << "0-24 0-24 0-24 0-24 0-24 0-24 0-24";
        QTest::newRow("Mon 09:00-17:00, Tue off") << QByteArray("09:00-17:00,off,") << "0-24 9-17 12-12 0-24 0-24 0-24 0-24";
        QTest::newRow("Sun 22:00-24:00") << QByteArray(",,22:00-24:00") << "22-24 0-24 0-24 0-24 0-24 0-24 0-24";
        QTest::newRow("Sun 6:30-00:00") << QByteArray(",,6:30-00:00") << "6.5-24 0-24 0-24 0-24 0-24 0-24 0-24";
    }
    void availabilityColumnsStoreTheHours()
    {
        QFETCH(QByteArray, cells);
        QFETCH(QString, week);
        const ImportEmployees::Plan plan = ImportEmployees::check(
            *m_info, "First Name,Available Mon,Available Tue,Available Sun\nBob," + cells + "\n", {});
        QCOMPARE(ImportEmployees::apply(*m_info, plan, {}), 1);
        clsEmployeeInfo reread(m_tmp->path());
        std::array<double, 7> starts{}, ends{};
        reread.EmployeeGetAvalTimes(reread.Employees().last().number, starts, ends);
        QStringList days;
        for (int d = 0; d < 7; ++d)
            days << QStringLiteral("%1-%2").arg(starts[d] * 24).arg(ends[d] * 24);
        QCOMPARE(days.join(u' '), week);
    }

    // The sample the import window offers imports as it is, every column named.
    void theSampleImports()
    {
        ImportEmployees::Options options;
        options.createMissing = true;
        QCOMPARE(checked(ImportEmployees::sample(), options), (QStringList{"adds Ann Lee", "adds Bob Ray"}));
        QCOMPARE(ImportEmployees::sample().left(ImportEmployees::sample().indexOf('\r')),
                 ImportEmployees::columns().join(u',').toUtf8());
    }

    // The rate goes to PayRates.csv beside an existing rate, with the employees or not at all.
    void hourlyRateIsWrittenWithTheEmployees()
    {
        HandMade::write(m_tmp->filePath("PayRates.csv"), "Employee Number,Position,Hourly Rate\r\n7,,9.00\r\n");
        const ImportEmployees::Plan plan = ImportEmployees::check(*m_info, "First Name,Hourly Rate\nBob,12.5\nCy,\n", {});
        const QByteArray before = HandMade::read(m_tmp->filePath("EmployeeInfo.dat"));
        ScheduleHelper::InjectWriteFailure(m_tmp->filePath("PayRates.csv"), "disk full");
        QVERIFY_THROWS_EXCEPTION(FileError, ImportEmployees::apply(*m_info, plan, {}));
        ScheduleHelper::ClearInjectedWriteFailures();
        QCOMPARE(HandMade::read(m_tmp->filePath("EmployeeInfo.dat")), before);

        QCOMPARE(ImportEmployees::apply(*m_info, plan, {}), 2);
        clsEmployeeInfo reread(m_tmp->path());
        const PayRates rates = PayRates::read(m_tmp->path());
        QCOMPARE(rates.rateFor(7, {}).value_or(-1), 900);
        QCOMPARE(rates.rateFor(reread.Employees()[1].number, "COOK").value_or(-1), 1250);
        QVERIFY(!rates.rateFor(reread.Employees()[2].number, {}));
    }

    void importWritesAllOrNothing()
    {
        const QByteArray csv = "Last Name,First Name,Departments,Positions,City,Birth Date\n"
                               "Ray,Bob,KITCHEN;BAR,COOK;HOST,\"Paris, TX\",1985-06-07\n"
                               "Day,,,,,nonsense\n";
        const QByteArray before = HandMade::read(m_tmp->filePath("EmployeeInfo.dat"));
        ImportEmployees::Options options;
        options.createMissing = true;
        ImportEmployees::Plan plan = ImportEmployees::check(*m_info, csv, options);
        QCOMPARE(ImportEmployees::apply(*m_info, plan, options), 0);   // one bad row: nothing written
        options.dryRun = options.skipBad = true;
        QCOMPARE(ImportEmployees::apply(*m_info, plan, options), 0);
        QCOMPARE(HandMade::read(m_tmp->filePath("EmployeeInfo.dat")), before);
        QVERIFY(!QFile::exists(m_tmp->filePath("EmployeeDept.dat")));

        options.dryRun = false;
        QCOMPARE(ImportEmployees::apply(*m_info, plan, options), 1);
        clsEmployeeInfo reread(m_tmp->path());
        const EmployeeFields bob = reread.Employees().last();
        QCOMPARE(bob.fullName(), QStringLiteral("Bob Ray"));
        QCOMPARE(bob.city, QStringLiteral("Paris, TX"));
        QCOMPARE(bob.dob, qint32(OleDate::fromDate(QDate(1985, 6, 7))));
        QCOMPARE(reread.DeptEmployeeGetDepts(bob.number), (QStringList{"KITCHEN", "BAR"}));
        QCOMPARE(reread.JobEmpAvalGet(bob.number), (QStringList{"COOK", "HOST"}));
        QCOMPARE(reread.JobNamesGetAll(), (QStringList{"COOK", "HOST"}));
        QStringList departments;
        for (const DepartmentInfo &d : reread.Departments())
            departments << d.name;
        QVERIFY2(departments.contains("BAR") && departments.contains("KITCHEN"), qPrintable(departments.join(',')));
    }
};

QTEST_GUILESS_MAIN(TestImport)
#include "tst_import.moc"
