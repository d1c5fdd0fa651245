// The fields of the employee record through the master-data export and the employee import:
// a value written by hand at a field's place comes out under the field's key and, imported
// again under the field's heading, lands at the same place; texts longer than their field are
// cut by the store and refused by the import.

#include "HandMadeRecords.h"
#include "data/EmployeeFieldTable.h"
#include "data/OleDate.h"
#include "data/clsEmployeeInfo.h"
#include "exchange/ExportMaster.h"
#include "exchange/ImportEmployees.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QtTest>

namespace {

QByteArray le32(qint32 v)
{
    QByteArray b(4, '\0');
    HandMade::putI32(b, 0, v);
    return b;
}

QByteArray day(int y, int m, int d)
{
    return le32(qint32(OleDate::fromDate(QDate(y, m, d))));
}

// A text field's bytes: Windows-1252, padded with blanks.
QByteArray text(const QByteArray &latin1, int width)
{
    return latin1 + QByteArray(width - latin1.size(), ' ');
}

// What a field of a record holds when nothing was given.
QByteArray empty(int offset, int width)
{
    return HandMade::employee(1, "", "").mid(offset, width);
}

QByteArray onlyRecord(const QString &folder)
{
    const QByteArray bytes = HandMade::read(folder + "/EmployeeInfo.dat");
    return bytes.size() == 732 ? bytes : QByteArray();
}

// The JSON value as a CSV cell of the import.
QString cell(const QJsonValue &value)
{
    if (value.isBool())
        return value.toBool() ? QStringLiteral("yes") : QStringLiteral("no");
    return value.toVariant().toString();
}

QByteArray csvLine(const QStringList &cells)
{
    QStringList quoted;
    for (const QString &c : cells)
        quoted << u'"' + QString(c).replace(u'"', QStringLiteral("\"\"")) + u'"';
    return quoted.join(u',').toUtf8() + "\r\n";
}

} // namespace

class TestEmployeeFields : public QObject
{
    Q_OBJECT

private slots:
    void exportThenImportKeepsTheField_data()
    {
        QTest::addColumn<QString>("key");       // in the master-data export
        QTest::addColumn<QString>("heading");   // in the employee import; empty: not imported
        QTest::addColumn<int>("offset");
        QTest::addColumn<QByteArray>("bytes");  // as the record holds the value
        QTest::addColumn<QString>("exported");

        QTest::newRow("number") << "number" << "" << 0 << le32(424242) << "424242";
        QTest::newRow("first name") << "firstName" << "First Name" << 4 << text("Annabel", 50) << "Annabel";
        QTest::newRow("middle name") << "middleName" << "Middle Name" << 54 << text("Jo", 50) << "Jo";
        QTest::newRow("last name") << "lastName" << "Last Name" << 104 << text("Leeson", 50) << "Leeson";
        QTest::newRow("birth date") << "dob" << "Birth Date" << 156 << day(1985, 11, 2) << "1985-11-02";
        QTest::newRow("schedule name") << "scheduleName" << "Schedule Name" << 160 << text("Annie", 50) << "Annie";
        QTest::newRow("identification") << "ssNumber" << "" << 212 << le32(123456789) << "123456789";
        QTest::newRow("description code") << "descCode" << "" << 216 << text("PT", 50) << "PT";
        QTest::newRow("hire date") << "hireDate" << "Hire Date" << 268 << day(2024, 6, 1) << "2024-06-01";
        QTest::newRow("phone") << "phone" << "Phone" << 448 << text("5551234567", 10) << "5551234567";
        QTest::newRow("address 1") << "address1" << "Address 1" << 458 << text("1 Main Street", 30) << "1 Main Street";
        QTest::newRow("address 2") << "address2" << "Address 2" << 488 << text("Apt 4", 30) << "Apt 4";
        QTest::newRow("city, accented") << "city" << "City" << 518 << text("Z\xfcrich", 30) << QStringLiteral("Zürich");
        QTest::newRow("state") << "state" << "State" << 548 << text("IL", 20) << "IL";
        QTest::newRow("postal code") << "postalCode" << "Postal Code" << 568 << text("62701", 10) << "62701";
        QTest::newRow("spouse") << "spouse" << "" << 578 << text("Sam", 20) << "Sam";
        QTest::newRow("emergency contact") << "emergencyContact" << "Emergency Contact" << 598 << text("Bob", 20) << "Bob";
        QTest::newRow("emergency phone") << "emergencyPhone" << "Emergency Phone" << 618 << text("5559876", 10) << "5559876";
        QTest::newRow("male") << "male" << "Male" << 628 << QByteArray("\x01") << "true";
    }

    void exportThenImportKeepsTheField()
    {
        QFETCH(QString, key);
        QFETCH(QString, heading);
        QFETCH(int, offset);
        QFETCH(QByteArray, bytes);
        QFETCH(QString, exported);

        QTemporaryDir from, to;
        QByteArray record = HandMade::employee(7, "Ann", "Lee");
        record.replace(offset, bytes.size(), bytes);
        HandMade::write(from.filePath("EmployeeInfo.dat"), record);
        const clsEmployeeInfo source(from.path(), clsEmployeeInfo::Access::ReadOnly);
        const QJsonObject employee = QJsonDocument::fromJson(ExportMaster::toJson(source).toUtf8())
                                         .object()["employees"].toArray().first().toObject();
        QCOMPARE(employee.value(key).toVariant().toString(), exported);

        // The export's names, with the field under its heading, as a file to import.
        QStringList headings{"First Name", "Last Name"}, cells{cell(employee["firstName"]), cell(employee["lastName"])};
        if (!heading.isEmpty() && !headings.contains(heading)) {
            headings << heading;
            cells << cell(employee[key]);
        }
        clsEmployeeInfo target(to.path());
        const ImportEmployees::Plan plan = ImportEmployees::check(target, csvLine(headings) + csvLine(cells), {});
        QVERIFY2(plan.error.isEmpty() && plan.problems.isEmpty(),
                 qPrintable(plan.error + (plan.problems.isEmpty() ? QString() : plan.problems.first().text())));
        QCOMPARE(ImportEmployees::apply(target, plan, {}), 1);

        const QByteArray imported = onlyRecord(to.path()).mid(offset, bytes.size());
        if (!heading.isEmpty())
            QCOMPARE(imported, bytes);
        else if (key != QLatin1String("number"))   // an imported employee's number is drawn anew
            QCOMPARE(imported, empty(offset, int(bytes.size())));
    }

    // The store cuts a text to its field; the import refuses what would be cut, naming the
    // column and the width.
    void textLongerThanItsField_data()
    {
        QTest::addColumn<int>("field");
        QTest::addColumn<QString>("heading");   // empty: not imported
        QTest::addColumn<int>("offset");
        QTest::addColumn<int>("width");
        QTest::addColumn<QString>("refusal");

        using F = EmployeeField;
        const QString longer = QStringLiteral("longer than %1 characters");
        QTest::newRow("first name") << int(F::FirstName) << "First Name" << 4 << 50 << longer.arg(50);
        QTest::newRow("middle name") << int(F::MiddleName) << "Middle Name" << 54 << 50 << longer.arg(50);
        QTest::newRow("last name") << int(F::LastName) << "Last Name" << 104 << 50 << longer.arg(50);
        QTest::newRow("schedule name") << int(F::ScheduleName) << "Schedule Name" << 160 << 50 << longer.arg(50);
        QTest::newRow("description code") << int(F::DescCode) << "" << 216 << 50 << "";
        QTest::newRow("phone") << int(F::Phone) << "Phone" << 448 << 10 << "11 digits; at most 10 can be stored";
        QTest::newRow("address 1") << int(F::Address1) << "Address 1" << 458 << 30 << longer.arg(30);
        QTest::newRow("address 2") << int(F::Address2) << "Address 2" << 488 << 30 << longer.arg(30);
        QTest::newRow("city") << int(F::City) << "City" << 518 << 30 << longer.arg(30);
        QTest::newRow("state") << int(F::State) << "State" << 548 << 20 << longer.arg(20);
        QTest::newRow("postal code") << int(F::PostalCode) << "Postal Code" << 568 << 10 << longer.arg(10);
        QTest::newRow("spouse") << int(F::Spouse) << "" << 578 << 20 << "";
        QTest::newRow("emergency contact") << int(F::EmergencyContact) << "Emergency Contact" << 598 << 20 << longer.arg(20);
        QTest::newRow("emergency phone") << int(F::EmergencyPhone) << "Emergency Phone" << 618 << 10
                                         << "11 digits; at most 10 can be stored";
    }

    void textLongerThanItsField()
    {
        QFETCH(int, field);
        QFETCH(QString, heading);
        QFETCH(int, offset);
        QFETCH(int, width);
        QFETCH(QString, refusal);

        QTemporaryDir dir;
        clsEmployeeInfo info(dir.path());
        const QString tooLong = QString(width, u'7') + u'8';
        EmployeeFields fields;
        fields.*EmployeeFieldTable::entry(EmployeeField(field)).text = tooLong;
        info.AddEmployee(fields);
        QCOMPARE(onlyRecord(dir.path()).mid(offset, width), tooLong.left(width).toLatin1());

        if (heading.isEmpty())
            return;
        // A name the row needs besides the field.
        const QString other = heading == QLatin1String("Last Name") ? QStringLiteral("First Name") : QStringLiteral("Last Name");
        QTemporaryDir otherFolder;
        clsEmployeeInfo target(otherFolder.path());
        const ImportEmployees::Plan plan = ImportEmployees::check(
            target, csvLine({heading, other}) + csvLine({tooLong, QStringLiteral("Lee")}), {});
        QCOMPARE(plan.problems.size(), 1);
        QCOMPARE(plan.problems.first().column, heading);
        QVERIFY2(plan.problems.first().reason.startsWith(refusal), qPrintable(plan.problems.first().reason));
        QVERIFY(plan.employees.isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestEmployeeFields)
#include "tst_employeefields.moc"
