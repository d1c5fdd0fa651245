// Reports: every report of the catalog as text against golden files over a hand-made folder, the
// corrected behaviours, the outcomes, page breaking, and the geometry of every layout's fields.

#include "FolderChecks.h"
#include "ReportBusiness.h"
#include "data/OleDate.h"
#include "data/clsEmployeeInfo.h"
#include "data/Prompt.h"
#include "data/ScheduleHelper.h"
#include "data/clsOptions.h"
#include "reports/ReportCatalog.h"
#include "reports/clsPrintschedule.h"
#include "reports/rptWeekPosting.h"
#include "reports/rptWeekReport.h"
#include "reports/engine/BandedReport.h"

#include <QTemporaryDir>
#include <QtTest>

Q_DECLARE_METATYPE(ReportOutcome)

const QPageLayout kA4(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(36, 36, 36, 36), QPageLayout::Point);

class TestReports : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    QTemporaryDir m_broken;   // a week whose Monday file cannot be read

    // A selection of the hand-made folder; the range defaults to its week.
    struct Selection {
        double first = kMon;
        double last = kMon + 6;
        QStringList departments;
        QStringList positions;
        QString folder;
        bool fullIds = false;
        bool sortByName = false;
    };
    // The report the word names over the selection, laid out on A4.
    BuiltReport build(const QString &word, const Selection &selection, const QPageLayout &layout = kA4)
    {
        const ReportEntry *entry = ReportCatalog::byWord(word);
        if (!entry)
            qFatal("no report %s", qPrintable(word));
        const QString folder = selection.folder.isEmpty() ? m_dir.path() : selection.folder;
        clsEmployeeInfo info(folder, clsEmployeeInfo::Access::ReadOnly);
        clsOptions options(ScheduleHelper::SettingsFilePath(folder));
        ReportRequest request;
        request.firstDay = selection.first;
        request.lastDay = selection.last;
        request.departments = selection.departments;
        request.positions = selection.positions;
        request.fullIds = selection.fullIds;
        request.sortByName = selection.sortByName;
        request.pageLayout = layout;
        return ReportCatalog::build(entry->id, info, options, request);
    }
    QString text(const QString &word, double first, double last)
    {
        Selection selection;
        selection.first = first;
        selection.last = last;
        const BuiltReport built = build(word, selection);
        return built.report ? built.report->pagesText() : QString();
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        writeBusiness(m_dir.path());
        writeUnreadableMonday(m_broken.path());
    }

    void textMatchesGolden_data()
    {
        QTest::addColumn<QString>("type");
        QTest::addColumn<QStringList>("departments");
        QTest::addColumn<QStringList>("positions");
        for (const QString &type : ReportCatalog::words())
            QTest::newRow(qPrintable(type)) << type << QStringList() << QStringList();
        QTest::newRow("weekly-bar-host") << "weekly" << QStringList{"BAR"} << QStringList{"HOST"};
        QTest::newRow("contact-list-kitchen") << "contact-list" << QStringList{"KITCHEN"} << QStringList();
    }
    void textMatchesGolden()
    {
        QFETCH(QString, type);
        QFETCH(QStringList, departments);
        QFETCH(QStringList, positions);
        const auto before = snapshot(m_dir.path());
        Selection selection;
        selection.departments = departments;
        selection.positions = positions;
        const BuiltReport built = build(type, selection);
        QCOMPARE(snapshot(m_dir.path()), before);   // reads only
        QCOMPARE(built.outcome, ReportOutcome::Built);
        QVERIFY(built.unreadable.isEmpty());
        QVERIFY(matchesGolden(built.report->pagesText(), QTest::currentDataTag() + QStringLiteral(".txt")));
    }

    // Behaviours that differ from a literal reading of the old program, each with the lines
    // (those starting with `prefix`) it must print: every expected text begins its line.
    void correctedBehaviour_data()
    {
        QTest::addColumn<QString>("type");
        QTest::addColumn<double>("first");
        QTest::addColumn<double>("last");
        QTest::addColumn<QString>("prefix");
        QTest::addColumn<QStringList>("lines");
        QTest::newRow("time off beginning at 9:00 on the last day is listed")
            << "time-off" << kMon << kMon + 6 << "Detail\tJos\u00e9"
            << QStringList{"Detail\tJos\u00e9 Lee\tMon 3/5/01 9:00a - Wed 3/7/01 5:00p\tTrip",
                           "Detail\tJos\u00e9 Lee\t9:00a - 1:00p\tDentist"};
        QTest::newRow("time off at 14:00 Monday stays in Monday's one group")
            << "time-off" << kMon << kMon + 6 << "groupDateHead"
            << QStringList{"groupDateHead\tMon Mar 05", "groupDateHead\tTue Mar 06", "groupDateHead\tWed Mar 07",
                           "groupDateHead\tSat Mar 10", "groupDateHead\tSun Mar 11"};
        // Who is off on a day: every period that covers part of it, whole, also one that began
        // earlier or ends later.
        QTest::newRow("time off on Tuesday")
            << "time-off" << kMon + 1 << kMon + 1 << "Detail"
            << QStringList{"Detail\tAnn Lee\tAll Day\tHoliday", "Detail\tJos\u00e9 Lee\tMon 3/5/01 9:00a - Wed 3/7/01 5:00p\tTrip"};
        QTest::newRow("time off on Monday")
            << "time-off" << kMon << kMon << "Detail"
            << QStringList{"Detail\tBo Ek\t2:00p - 6:00p\tClass", "Detail\tJos\u00e9 Lee\tMon 3/5/01 9:00a - Wed 3/7/01 5:00p\tTrip",
                           "Detail\tSam Ray\tSat 3/3/01 - Mon 3/5/01\tLeave"};
        QTest::newRow("time off on Monday 12th")
            << "time-off" << kMon + 7 << kMon + 7 << "Detail"
            << QStringList{"Detail\tSam Ray\tSat 3/10/01 9:00a - Mon 3/12/01\tCourse"};
        QTest::newRow("two employees of one name never interleave")
            << "individual" << kMon << kMon + 6 << "GroupEmployee\t"
            << QStringList{"GroupEmployee\tAnn Lee", "GroupEmployee\tBo Ek", "GroupEmployee\tJos\u00e9 Lee",
                           "GroupEmployee\tSam Ray", "GroupEmployee\tSam Ray"};
        // Two employees of one name are told apart by their numbers wherever they are named.
        QTest::newRow("equal names in the individual report")
            << "individual" << kMon << kMon + 6 << "GroupEmployee\tSam Ray"
            << QStringList{"GroupEmployee\tSam Ray (#40)", "GroupEmployee\tSam Ray (#41)"};
        QTest::newRow("an employee's first line shows its date")
            << "individual" << kMon << kMon + 6 << "Detail\t3/5/01"
            << QStringList{"Detail\t3/5/01\tMon\t5:00 P", "Detail\t3/5/01\tMon\t8:00 A", "Detail\t3/5/01\tMon\t10:00 A"};
    }
    void correctedBehaviour()
    {
        QFETCH(QString, type);
        QFETCH(double, first);
        QFETCH(double, last);
        QFETCH(QString, prefix);
        QFETCH(QStringList, lines);
        QStringList got;
        for (const QString &line : text(type, first, last).split(u'\n'))
            if (line.startsWith(prefix))
                got << line;
        QCOMPARE(got.size(), lines.size());
        for (qsizetype i = 0; i < lines.size(); ++i)
            QVERIFY2(got[i].startsWith(lines[i]), qPrintable(got[i]));
    }

    // What building ends with when there is nothing, or not everything, to print.
    void outcomes_data()
    {
        QTest::addColumn<QString>("type");
        QTest::addColumn<double>("first");
        QTest::addColumn<double>("last");
        QTest::addColumn<QStringList>("departments");
        QTest::addColumn<QStringList>("positions");
        QTest::addColumn<bool>("broken");
        QTest::addColumn<ReportOutcome>("outcome");
        QTest::addColumn<QString>("unreadable");
        const double jan = OleDate::fromDate(QDate(2002, 1, 1));
        QTest::newRow("weekly without shifts in the range") << "weekly" << jan << jan + 6 << QStringList() << QStringList() << false << ReportOutcome::NoData << QString();
        QTest::newRow("time-off without time off in the range") << "time-off" << jan << jan + 6 << QStringList() << QStringList() << false << ReportOutcome::NoData << QString();
        QTest::newRow("hours-by-position without shifts of the position") << "hours-by-position" << kMon << kMon + 6 << QStringList{"KITCHEN"} << QStringList{"HOST"} << false << ReportOutcome::NoData << QString();
        QTest::newRow("phone-list of nobody left by the filter") << "phone-list" << 0.0 << 0.0 << QStringList{"KITCHEN"} << QStringList{"HOST"} << false << ReportOutcome::NoData << QString();
        QTest::newRow("weekly over reversed days") << "weekly" << kMon + 6 << kMon << QStringList() << QStringList() << false << ReportOutcome::ReversedRange << QString();
        QTest::newRow("weekly with a day that cannot be read") << "weekly" << kMon << kMon + 6 << QStringList() << QStringList() << true << ReportOutcome::Built << "20010305.KELSCD";
        QTest::newRow("weekly of an unreadable day") << "weekly" << kMon << kMon << QStringList() << QStringList() << true << ReportOutcome::NoData << "20010305.KELSCD";
    }
    void outcomes()
    {
        QFETCH(QString, type);
        QFETCH(double, first);
        QFETCH(double, last);
        QFETCH(QStringList, departments);
        QFETCH(QStringList, positions);
        QFETCH(bool, broken);
        QFETCH(ReportOutcome, outcome);
        QFETCH(QString, unreadable);
        Selection selection;
        selection.first = first;
        selection.last = last;
        selection.departments = departments;
        selection.positions = positions;
        if (broken)
            selection.folder = m_broken.path();
        const BuiltReport built = build(type, selection);
        QCOMPARE(built.outcome, outcome);
        QCOMPARE(bool(built.report), outcome == ReportOutcome::Built);
        QCOMPARE(built.unreadable.size(), unreadable.isEmpty() ? 0 : 1);
        if (!unreadable.isEmpty())
            QVERIFY2(built.unreadable.first().path().endsWith(unreadable), qPrintable(built.unreadable.first().path()));
        if (built.report)   // what could be read is printed
            QVERIFY(built.report->pagesText().contains("Detail\t3/6/01"));
    }

    // Every visible text of the first page of each layout lies inside the printable area and
    // touches no other.
    void fieldsNeitherOverlapNorLeaveThePage_data()
    {
        QTest::addColumn<QString>("type");
        for (const QString &type : ReportCatalog::words())
            QTest::newRow(qPrintable(type)) << type;
    }
    void fieldsNeitherOverlapNorLeaveThePage()
    {
        QFETCH(QString, type);
        for (const QPageLayout &layout : {kA4, BandedReport::defaultPageLayout(QLocale(QLocale::English, QLocale::UnitedStates))}) {
            const BuiltReport built = build(type, Selection(), layout);
            QVERIFY(built.report);
            QCOMPARE(built.report->pageLayout().pageSize(), layout.pageSize());
            // The paper's printable area (a label sheet has margins of its own; the week posting
            // keeps its landscape page).
            const QRectF page = built.report->pageLayout().paintRect(QPageLayout::Point);
            QList<PrintedField> fields;
            for (const PrintedSection &s : built.report->printedSections(1))
                for (const PrintedField &f : s.fields)
                    if (!f.text.isEmpty())
                        fields << f;
            QVERIFY(fields.size() > 5);
            for (qsizetype i = 0; i < fields.size(); ++i) {
                QVERIFY2(page.contains(fields[i].box), qPrintable(fields[i].name));
                for (qsizetype j = i + 1; j < fields.size(); ++j) {
                    const QRectF overlap = fields[i].box.intersected(fields[j].box);
                    QVERIFY2(overlap.width() <= 0.01 || overlap.height() <= 0.01,
                             qPrintable(fields[i].name + " overlaps " + fields[j].name));
                }
            }
            // Address blocks: the name on one line, no blank line where a second address line
            // is missing, city, state and postal code on one line in that order.
            if (type == "mailing-list") {
                // Three across, then down.
                QList<QRectF> labels;
                for (const PrintedSection &s : built.report->printedSections(1))
                    if (s.name == "Detail")
                        labels << s.box;
                QCOMPARE(labels.size(), 5);
                QCOMPARE(labels[1].top(), labels[0].top());
                QCOMPARE(labels[2].left() - labels[1].left(), labels[1].left() - labels[0].left());
                QVERIFY(labels[1].left() >= labels[0].right() - 0.01);
                QCOMPARE(labels[3].left(), labels[0].left());
                QCOMPARE(labels[3].top(), labels[0].bottom());
                for (const PrintedSection &s : built.report->printedSections(1)) {
                    if (s.name != "Detail")
                        continue;
                    QMap<QString, QRectF> at;
                    QList<qreal> tops;
                    for (const PrintedField &f : s.fields)
                        if (!f.text.isEmpty()) {
                            at[f.name] = f.box;
                            if (!tops.contains(f.box.top()))
                                tops << f.box.top();
                        }
                    std::sort(tops.begin(), tops.end());
                    for (qsizetype i = 1; i < tops.size(); ++i)
                        QVERIFY(tops[i] - tops[i - 1] < 1.5 * at.first().height());
                    if (at.contains("fldLastName") && at.contains("fldFirstName")) {
                        QCOMPARE(at["fldLastName"].top(), at["fldFirstName"].top());
                        QVERIFY(at["fldLastName"].left() > at["fldFirstName"].left());
                    }
                    if (at.contains("fldState") && at.contains("fldPostal"))
                        QVERIFY(at["fldCity"].right() <= at["fldState"].left() && at["fldState"].right() <= at["fldPostal"].left());
                }
            }
            const QString pdf = m_dir.filePath("out.pdf");
            QVERIFY(built.report->writePdf(pdf, built.title));
            QVERIFY(HandMade::read(pdf).startsWith("%PDF"));
            QFile::remove(pdf);
        }
    }

    // The layout's progress handler stays with the layout: printing the report later (when the
    // window that gave the handler is gone) never calls it.
    void progressHandlerEndsWithTheLayout()
    {
        clsEmployeeInfo info(m_dir.path(), clsEmployeeInfo::Access::ReadOnly);
        clsOptions options(ScheduleHelper::SettingsFilePath(m_dir.path()));
        clsPrintschedule data(info, options);
        data.FirstDate(kMon);
        data.Lastdate(kMon + 6);
        int calls = 0;
        data.setProgress([&calls](int, int) { ++calls; return true; });
        const auto report = ReportCatalog::build(ReportId::Weekly, data).report;
        QVERIFY(report);
        QVERIFY(calls > 0);
        const int laidOut = calls;
        QVERIFY(!report->pdfBytes("Weekly").isEmpty());
        QCOMPARE(calls, laidOut);
    }

    // A control that follows its neighbour starts a space after that neighbour's text, which
    // keeps only its text's room; one that collapses when empty lifts the controls below it.
    void movingControls()
    {
        struct Block : BandedReport {
            ReportSection::Control first, last, second, city;
            Block()
            {
                detail().setHeight(60);
                first = detail().addField("first", QRectF(0, 0, 100, 12));
                last = detail().addField("last", QRectF(0, 0, 100, 12));
                detail()[last].followsPrevious = true;
                second = detail().addField("second", QRectF(0, 12, 100, 12));
                detail()[second].collapsesWhenEmpty = true;
                city = detail().addField("city", QRectF(0, 24, 100, 12));
            }
            int rowCount() const override { return 1; }
            void formatDetail(ReportSection &s, int) override
            {
                s.set(first, "Rosa");
                s.set(last, "Silva");
                s.set(second, "");
                s.set(city, "Springfield");
            }
        } block;
        block.run();
        QMap<QString, QRectF> at;
        for (const PrintedSection &s : block.printedSections(1))
            for (const PrintedField &f : s.fields)
                at[f.name] = f.box;
        QVERIFY(at["first"].width() > 10 && at["first"].width() < 30);
        QVERIFY(at["last"].left() >= at["first"].right() && at["last"].left() < at["first"].left() + 35);
        QCOMPARE(at["last"].top(), at["first"].top());
        QCOMPARE(at["city"].top(), at["first"].top() + 12);
    }

    // Writing through a handle that is not the section's stops the program, also in a release
    // build, instead of changing some other control. Each case runs in a child process.
    void foreignHandleStops_data()
    {
        QTest::addColumn<bool>("fromAnotherSection");
        QTest::newRow("handle of another section") << true;
        QTest::newRow("handle never returned by an adder") << false;
    }
    void foreignHandleStops()
    {
        QFETCH(bool, fromAnotherSection);
        if (qEnvironmentVariableIsSet("SHIFTGRID_FOREIGN_HANDLE_CHILD")) {
            ReportSection header("PageHeader", 20), detail("Detail", 14);
            const ReportSection::Control title = header.addLabel("title", QRectF(0, 0, 100, 12), "Title");
            detail.addField("name", QRectF(0, 0, 100, 12));
            detail.set(fromAnotherSection ? title : ReportSection::Control(), "written");
            return;   // not reached
        }
        QProcess child;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("SHIFTGRID_FOREIGN_HANDLE_CHILD", "1");
        child.setProcessEnvironment(environment);
        child.setProcessChannelMode(QProcess::MergedChannels);
        child.start(QCoreApplication::applicationFilePath(),
                    {QStringLiteral("foreignHandleStops:") + QTest::currentDataTag()});
        QVERIFY(child.waitForFinished(30000));
        QCOMPARE(child.exitStatus(), QProcess::CrashExit);
        const QByteArray output = child.readAll();
        QVERIFY2(output.contains("a control of another section, or none"), output.constData());
    }

    // Wherever a group falls relative to a page's end, no page ends with its header and fewer
    // than two of its lines, none starts with fewer than two of its lines before its footer,
    // groups of up to three lines never split, and a repeated header says "(continued)".
    void groupsKeepTwoLinesTogether_data()
    {
        QTest::addColumn<int>("lines");
        for (int lines : {1, 2, 3, 4, 5, 8, 30})
            QTest::newRow(qPrintable(QString("group of %1 lines").arg(lines))) << lines;
    }
    void groupsKeepTwoLinesTogether()
    {
        QFETCH(int, lines);
        // A filler group of `before` lines, the group under test, then a group of three.
        struct Groups : BandedReport {
            QList<int> group;   // the group of each row
            ReportSection::Control name, total;
            Groups()
            {
                setPageLayout(QPageLayout(QPageSize(QSizeF(200, 160), QPageSize::Point), QPageLayout::Portrait, QMarginsF()));
                pageHeader().setHeight(10);
                ReportGroup &g = addGroup("GroupHeader", 15, "GroupFooter", 12);
                g.repeatHeader = true;
                name = g.header.addLabel("name", QRectF(0, 0, 200, 15), QString());
                g.continuedMark = name;
                total = g.footer.addField("total", QRectF(0, 0, 200, 12));
                detail().setHeight(13);
                detail().addField("line", QRectF(0, 0, 200, 13));
            }
            int rowCount() const override { return int(group.size()); }
            QString breakValue(int, int row) const override { return QString::number(group.at(row)); }
            void formatGroupHeader(int, ReportSection &s, int row) override { s.set(name, "G" + breakValue(0, row)); }
            void formatGroupFooter(int, ReportSection &s, int row) override { s.set(total, "T" + breakValue(0, row)); }
        };
        for (int before = 1; before <= 14; ++before) {
            Groups report;
            report.group = QList<int>(before, 1) + QList<int>(lines, 2) + QList<int>(3, 3);
            QVERIFY(report.run());
            const QString where = QString("after %1 lines").arg(before);
            int details = 0;
            QMap<QString, int> pagesOfGroup;
            for (int p = 1; p <= report.pageCount(); ++p) {
                const QList<PrintedSection> sections = report.printedSections(p);
                QStringList names;
                for (const PrintedSection &s : sections)
                    names << s.name;
                for (const PrintedSection &s : sections) {
                    if (s.name != "GroupHeader")
                        continue;
                    const QString text = s.fields.first().text;
                    ++pagesOfGroup[text.left(2)];
                    // Only a header at the top of a page repeats, and it says so.
                    QCOMPARE(text.endsWith(" (continued)"), &s == &sections.at(1) && pagesOfGroup[text.left(2)] > 1);
                }
                details += names.count("Detail");
                // The last header of the page: two lines after it, or its footer.
                const qsizetype header = names.lastIndexOf("GroupHeader");
                if (header >= 0) {
                    const QStringList after = names.mid(header + 1);
                    QVERIFY2(after.count("Detail") >= 2 || after.contains("GroupFooter"),
                             qPrintable(where + QString(", page %1").arg(p)));
                }
                // The first footer of the page: two lines above it, or its header.
                const qsizetype footer = names.indexOf("GroupFooter");
                if (footer >= 0) {
                    const QStringList above = names.mid(0, footer);
                    const bool continued = !above.contains("GroupHeader")
                                           || sections.at(above.indexOf("GroupHeader")).fields.first().text.endsWith("(continued)");
                    QVERIFY2(!continued || above.count("Detail") >= 2, qPrintable(where + QString(", page %1").arg(p)));
                }
            }
            QCOMPARE(details, report.rowCount());
            if (lines <= 3)
                QVERIFY2(pagesOfGroup.value("G2") == 1, qPrintable(where));
        }
    }

    // Every field at the longest a record holds, in wide letters, prints whole: the PDF's own
    // text holds each value (wrapped lines joined) and no ellipsis.
    void longValuesPrintWhole_data()
    {
        QTest::addColumn<QString>("type");
        QTest::addColumn<QString>("paper");
        for (const char *type : {"master-list", "contact-list", "phone-list", "id-list", "mailing-list"})
            for (const char *paper : {"A4", "Letter"})
                QTest::newRow(qPrintable(QString("%1 on %2").arg(type, paper))) << type << paper;
    }
    void longValuesPrintWhole()
    {
        QFETCH(QString, type);
        QFETCH(QString, paper);
        QTemporaryDir dir;
        // Each value starts with its own tag and runs on in wide letters to the field's length.
        auto value = [](const char *tag, int length) {
            QByteArray text(tag);
            while (text.size() < length)
                text += text.size() % 2 ? 'M' : 'W';
            return text;
        };
        QList<QByteArray> values;
        QByteArray records;
        for (int n = 1; n <= 3; ++n) {
            using namespace HandMade;
            const QByteArray tag = QByteArray::number(n);
            QByteArray r = employee(900 + n, value("Fi" + tag, 50), value("La" + tag, 50), "9999999999", n == 2);
            const struct { int offset, width; const char *tag; } fields[] = {
                {54, 50, "Mi"}, {160, 50, "Sc"}, {216, 50, "De"}, {458, 30, "Aa"}, {488, 30, "Ab"}, {518, 30, "Ci"},
                {548, 20, "St"}, {578, 20, "Sp"}, {598, 20, "Em"},
            };
            for (const auto &f : fields) {
                putText(r, f.offset, f.width, value(f.tag + tag, f.width));
                values << value(f.tag + tag, f.width);
            }
            putText(r, 568, 10, "12345-6789");
            putText(r, 618, 10, "8885550199");
            putI32(r, 212, 999999999);
            putI32(r, 156, 30000);
            putI32(r, 268, 36892);
            values << value("Fi" + tag, 50) << value("La" + tag, 50);
            records += r;
        }
        HandMade::write(dir.filePath("EmployeeInfo.dat"), records);
        Selection selection;
        selection.folder = dir.path();
        selection.fullIds = true;
        const QPageLayout layout = paper == "A4" ? kA4 : BandedReport::defaultPageLayout(QLocale(QLocale::English, QLocale::UnitedStates));
        const BuiltReport built = build(type, selection, layout);
        QVERIFY(built.report);
        const QString pdf = dir.filePath("long.pdf");
        QVERIFY(built.report->writePdf(pdf, built.title));
        QProcess pdftotext;
        pdftotext.start("pdftotext", {"-raw", "-enc", "UTF-8", pdf, "-"});
        QVERIFY(pdftotext.waitForFinished(30000));
        QCOMPARE(pdftotext.exitCode(), 0);
        QString text = QString::fromUtf8(pdftotext.readAllStandardOutput());
        QVERIFY2(!text.contains(QChar(0x2026)), qPrintable(text.mid(std::max<qsizetype>(0, text.indexOf(QChar(0x2026)) - 80), 100)));
        text.remove(QRegularExpression("\\s"));
        // What each layout prints of a record: tags of the values, and fixed texts.
        const QMap<QString, QStringList> tags{
            {"master-list", {"Fi", "La", "Mi", "Sc", "De", "Aa", "Ab", "Ci", "St", "Sp", "Em"}},
            {"contact-list", {"Fi", "La", "Sp", "Em"}},
            {"phone-list", {"Fi", "La"}},
            {"id-list", {"Fi", "La", "De"}},
            {"mailing-list", {"Fi", "La", "Aa", "Ab", "Ci", "St"}},
        };
        const QMap<QString, QList<QByteArray>> fixed{
            {"master-list", {"999999999", "12345-6789", "(888) 555-0199"}},
            {"contact-list", {"(999) 999-9999", "(888) 555-0199"}},
            {"phone-list", {"(999) 999-9999"}},
            {"id-list", {"999999999"}},
            {"mailing-list", {"12345-6789"}},
        };
        QList<QByteArray> printed = fixed.value(type);
        for (const QByteArray &v : std::as_const(values))
            if (tags.value(type).contains(QString::fromLatin1(v.left(2))))
                printed << v;
        QCOMPARE(printed.size(), fixed.value(type).size() + 3 * tags.value(type).size());
        for (const QByteArray &v : std::as_const(printed))
            QVERIFY2(text.contains(QString::fromLatin1(v).remove(u' ')), v.constData());
        // Wrapped texts push what is below them down: no two texts touch, and each stays in its
        // section (a label on its label).
        for (const PrintedSection &s : built.report->printedSections(1)) {
            QList<PrintedField> fields;
            for (const PrintedField &f : s.fields)
                if (!f.text.isEmpty())
                    fields << f;
            for (qsizetype i = 0; i < fields.size(); ++i) {
                QVERIFY2(s.box.adjusted(-0.01, -0.01, 0.01, 0.01).contains(fields[i].box),
                         qPrintable(QString("%1 at %2..%3 in %4..%5").arg(fields[i].name).arg(fields[i].box.top()).arg(fields[i].box.bottom()).arg(s.box.top()).arg(s.box.bottom())));
                for (qsizetype j = i + 1; j < fields.size(); ++j) {
                    const QRectF overlap = fields[i].box.intersected(fields[j].box);
                    QVERIFY2(overlap.width() <= 0.01 || overlap.height() <= 0.01,
                             qPrintable(fields[i].name + " overlaps " + fields[j].name));
                }
            }
        }
    }

    // The employee lists keep file order unless asked to sort by last name, then first name.
    void employeeOrder_data()
    {
        QTest::addColumn<QString>("type");
        QTest::addColumn<bool>("sortByName");
        QTest::addColumn<QStringList>("names");
        const QStringList file{"Jos\u00e9 Lee", "Bo Ek", "Ann Lee", "Sam Ray", "Sam Ray"};
        const QStringList sorted{"Bo Ek", "Ann Lee", "Jos\u00e9 Lee", "Sam Ray", "Sam Ray"};
        QTest::newRow("phone-list in file order") << "phone-list" << false << file;
        QTest::newRow("phone-list by name") << "phone-list" << true << sorted;
        QTest::newRow("id-list by name") << "id-list" << true << sorted;
        QTest::newRow("contact-list by name") << "contact-list" << true << sorted;
    }
    void employeeOrder()
    {
        QFETCH(QString, type);
        QFETCH(bool, sortByName);
        QFETCH(QStringList, names);
        Selection selection;
        selection.sortByName = sortByName;
        QStringList got;
        for (const QString &line : build(type, selection).report->pagesText().split(u'\n'))
            if (line.startsWith("Detail\t"))
                got << line.section(u'\t', 1, 1);
        QCOMPARE(got, names);
    }

    // Long but ordinary values (a 44-character name, a 20-character spouse and emergency
    // contact) stay on one line of each list: the columns share the page by what they need.
    void ordinaryLongValuesKeepOneLine_data()
    {
        QTest::addColumn<QString>("type");
        for (const char *type : {"contact-list", "phone-list", "id-list"})
            QTest::newRow(type) << type;
    }
    void ordinaryLongValuesKeepOneLine()
    {
        QFETCH(QString, type);
        QTemporaryDir dir;
        using namespace HandMade;
        QByteArray r = employee(77, "Maximiliana", "Featherstonehaugh-Wolverhampton", "6175550123");
        putText(r, 216, 50, "EMP-2024-000077-NIGHT-SHIFT");
        putText(r, 578, 20, "Bartholomew Ashcroft");
        putText(r, 598, 20, "Wilhelmina Worthings");
        putText(r, 618, 10, "6175550199");
        putI32(r, 212, 123456789);
        write(dir.filePath("EmployeeInfo.dat"), r + employee(78, "Bo", "Ek"));
        Selection selection;
        selection.folder = dir.path();
        const BuiltReport built = build(type, selection);
        QVERIFY(built.report);
        int details = 0;
        for (const PrintedSection &s : built.report->printedSections(1)) {
            if (s.name != "Detail")
                continue;
            ++details;
            QCOMPARE(s.box.height(), 13.0);
            for (const PrintedField &f : s.fields)
                QVERIFY2(f.box.height() <= 13.01, qPrintable(f.name));
        }
        QCOMPARE(details, 2);
    }

    // Social Security numbers print as their last four digits unless asked for whole.
    void idsPrintMasked_data()
    {
        QTest::addColumn<QString>("type");
        QTest::addColumn<bool>("fullIds");
        QTest::addColumn<QString>("shown");
        QTest::newRow("master-list") << "master-list" << false << "***-**-6789";
        QTest::newRow("master-list full") << "master-list" << true << "123456789";
        QTest::newRow("id-list") << "id-list" << false << "***-**-6789";
        QTest::newRow("id-list full") << "id-list" << true << "123456789";
    }
    void idsPrintMasked()
    {
        QFETCH(QString, type);
        QFETCH(bool, fullIds);
        QFETCH(QString, shown);
        Selection selection;
        selection.fullIds = fullIds;
        const QString text = build(type, selection).report->pagesText();
        QVERIFY(text.contains("\t" + shown + "\t"));
        QCOMPARE(text.contains("123456789"), fullIds);
    }

    // Every report's rows for a spreadsheet: a header, then a row per printed detail line with
    // a cell per column, against golden text (cells tab-separated).
    void tableMatchesGolden_data()
    {
        QTest::addColumn<QString>("type");
        for (const QString &type : ReportCatalog::words())
            QTest::newRow(qPrintable(type)) << type;
    }
    void tableMatchesGolden()
    {
        QFETCH(QString, type);
        const BuiltReport built = build(type, Selection());
        QVERIFY(built.report);
        const ReportTable table = built.report->table();
        QVERIFY(table.header.size() > 1);
        int details = 0;
        for (int p = 1; p <= built.report->pageCount(); ++p)
            for (const PrintedSection &s : built.report->printedSections(p))
                details += s.name == "Detail";
        QCOMPARE(table.rows.size(), details);
        QString text = table.header.join(u'\t') + u'\n';
        for (const QStringList &row : table.rows) {
            QCOMPARE(row.size(), table.header.size());
            text += row.join(u'\t') + u'\n';
        }
        QVERIFY(matchesGolden(text, type + QStringLiteral(".rows.txt")));
    }

    // The week posting: forty employees of a department fit one landscape page, whatever the
    // paper; a forty-first goes on a second page under the repeated headers. The needs summary
    // closes the week only when the department has needs.
    void postingFitsFortyEmployees_data()
    {
        QTest::addColumn<int>("employees");
        QTest::addColumn<bool>("needs");
        QTest::addColumn<int>("pages");
        QTest::newRow("40 employees") << 40 << false << 1;
        QTest::newRow("40 employees and needs") << 40 << true << 1;
        QTest::newRow("41 employees") << 41 << false << 2;
        QTest::newRow("41 employees and needs") << 41 << true << 2;
    }
    void postingFitsFortyEmployees()
    {
        QFETCH(int, employees);
        QFETCH(bool, needs);
        QFETCH(int, pages);
        QTemporaryDir dir;
        using namespace HandMade;
        write(dir.filePath("Dept.dat"), department("STORE", 1));
        write(dir.filePath("Jobs.dat"), position("CLERK", 0, 255));
        QByteArray people, members, shifts;
        for (int e = 1; e <= employees; ++e) {
            people += person(e, "Clerk", QByteArray::number(e).rightJustified(2, '0'));
            members += membership(e, "STORE");
            shifts += shift(e, kMon + (6 + e % 8) * H, kMon + (14 + e % 8) * H, "CLERK");
        }
        write(dir.filePath("EmployeeInfo.dat"), people);
        write(dir.filePath("EmployeeDept.dat"), members);
        QDir(dir.path()).mkpath("STORE");
        write(dir.filePath("STORE/" + OleDate::format(kMon, "yyyymmdd") + ".KELSCD"), shifts);

        for (const QLocale &locale : {QLocale(QLocale::German, QLocale::Germany), QLocale(QLocale::English, QLocale::UnitedStates)}) {
            clsEmployeeInfo info(dir.path(), clsEmployeeInfo::Access::ReadOnly);
            clsOptions options(ScheduleHelper::SettingsFilePath(dir.path()));
            ReportRequest request;
            request.firstDay = kMon + 2;   // any day of the week posts the whole week
            request.lastDay = kMon + 2;
            request.pageLayout = BandedReport::defaultPageLayout(locale);
            if (needs)
                request.weekNeeds = [](const QString &department, double first) {
                    return department == "STORE" && first == kMon ? WeekNeeds{{600, 0, 0, 0, 0, 0, 0}, {480, 0, 0, 0, 0, 0, 0}, {120, 0, 0, 0, 0, 0, 0}}
                                                                 : WeekNeeds{};
                };
            const BuiltReport built = ReportCatalog::build(ReportId::WeekPosting, info, options, request);
            QVERIFY(built.report);
            QCOMPARE(built.report->pageLayout().orientation(), QPageLayout::Landscape);
            QCOMPARE(built.report->pageCount(), pages);
            const QRectF page = built.report->pageLayout().paintRect(QPageLayout::Point);
            int details = 0;
            bool summary = false;
            for (int p = 1; p <= pages; ++p) {
                const QList<PrintedSection> sections = built.report->printedSections(p);
                QCOMPARE(sections.at(1).name, QString("GroupDepartmentWeek"));   // the header, on every page
                QCOMPARE(sections.at(1).fields.at(0).text, QString("STORE"));
                QCOMPARE(sections.at(1).fields.at(1).text, QString("Week 3/5/01 - 3/11/01"));
                for (const PrintedSection &s : sections) {
                    QVERIFY2(s.box.height() == 0 || page.adjusted(0, 0, 0, 0.01).contains(s.box), qPrintable(s.name));
                    details += s.name == "Detail";
                    if (s.name == "GroupNeeds" && !s.fields.at(0).text.isEmpty()) {
                        summary = true;
                        QCOMPARE(p, pages);
                        QCOMPARE(s.fields.mid(1, 2).first().text, QString("10:00"));
                    }
                }
                // Forty fit a page; of forty-one, the last two go on together with the week's foot.
                if (p == 1)
                    QCOMPARE(details, employees <= int(rptWeekPosting::kRowsPerPage) ? employees : employees - 2);
            }
            QCOMPARE(details, employees);
            QCOMPARE(summary, needs);
        }
    }

    // My Schedule's weeks follow the employee's first department of the report: a baker who also
    // cooks gets Saturday weeks on the whole business's schedule, Monday weeks on the kitchen's.
    void employeeScheduleWeeksFollowTheReportsDepartment_data()
    {
        QTest::addColumn<QStringList>("departments");
        QTest::addColumn<QString>("firstWeek");
        QTest::newRow("every department") << QStringList() << "Week of Sat 3/3/01";
        QTest::newRow("the kitchen") << QStringList{"KITCHEN"} << "Week of Mon 3/5/01";
    }
    void employeeScheduleWeeksFollowTheReportsDepartment()
    {
        QFETCH(QStringList, departments);
        QFETCH(QString, firstWeek);
        QTemporaryDir dir;
        using namespace HandMade;
        write(dir.filePath("Dept.dat"), department("BAKERY", 6) + department("KITCHEN", 1));
        write(dir.filePath("EmployeeInfo.dat"), person(23, "Bo", "Ek"));
        write(dir.filePath("EmployeeDept.dat"), membership(23, "BAKERY") + membership(23, "KITCHEN"));
        QDir(dir.path()).mkpath("KITCHEN");
        write(dir.filePath("KITCHEN/" + OleDate::format(kMon, "yyyymmdd") + ".KELSCD"), shift(23, kMon + 8 * H, kMon + 16 * H, "COOK"));
        Selection selection;
        selection.folder = dir.path();
        selection.departments = departments;
        const QString text = build("employee-schedule", selection).report->pagesText();
        const qsizetype at = text.indexOf("Week of ");
        QVERIFY2(at >= 0, qPrintable(text));
        QCOMPARE(text.mid(at, firstWeek.size()), firstWeek);
    }

    // Weekly subtotals of the individual report, from the department's first weekday, marked
    // where the department's week limit is passed; the weekly report ends with a grand total.
    void subtotalsAndGrandTotal_data()
    {
        QTest::addColumn<int>("firstDay");   // of the kitchen: 0 Sunday, 1 Monday
        QTest::addColumn<int>("weekLimit");
        QTest::addColumn<QStringList>("weeks");
        QTest::newRow("weeks from Monday, no limit")
            << 1 << 0 << QStringList{"Week 3/5/01 - 3/11/01  Hours 16:30", "Week 3/12/01 - 3/18/01  Hours 8:00"};
        QTest::newRow("weeks from Sunday")
            << 0 << 0 << QStringList{"Week 3/4/01 - 3/10/01  Hours 8:30", "Week 3/11/01 - 3/17/01  Hours 16:00"};
        QTest::newRow("over a 16 hour limit")
            << 1 << 16 << QStringList{"Week 3/5/01 - 3/11/01  Hours 16:30 OT (over 16)", "Week 3/12/01 - 3/18/01  Hours 8:00"};
    }
    void subtotalsAndGrandTotal()
    {
        QFETCH(int, firstDay);
        QFETCH(int, weekLimit);
        QFETCH(QStringList, weeks);
        QTemporaryDir dir;
        using namespace HandMade;
        write(dir.filePath("Dept.dat"), department("KITCHEN", qint16(firstDay), quint8(weekLimit)));
        write(dir.filePath("EmployeeInfo.dat"), person(23, "Bo", "Ek"));
        write(dir.filePath("EmployeeDept.dat"), membership(23, "KITCHEN"));
        QDir(dir.path()).mkpath("KITCHEN");
        auto day = [&](int d) { return dir.filePath("KITCHEN/" + OleDate::format(kMon + d, "yyyymmdd") + ".KELSCD"); };
        write(day(0), shift(23, kMon + 8 * H, kMon + 16.5 * H, "COOK"));
        write(day(6), shift(23, kMon + 6 + 8 * H, kMon + 6 + 16 * H, "COOK"));    // Sunday
        write(day(8), shift(23, kMon + 8 + 8 * H, kMon + 8 + 16 * H, "COOK"));
        Selection selection;
        selection.folder = dir.path();
        selection.first = kMon;
        selection.last = kMon + 13;
        const QString individual = build("individual", selection).report->pagesText();
        QStringList printed;
        for (const QString &line : individual.split(u'\n'))
            if (line.startsWith("GroupWeekFooter\t"))
                printed << line.section(u'\t', 1);
        QCOMPARE(printed, weeks);
        QVERIFY(individual.contains("GroupEmployeeFooter\tTotal Hours 24:30"));
        const QString weekly = build("weekly", selection).report->pagesText();
        QVERIFY(weekly.endsWith("\nGroupFooter0\tGrand Total Hours 24:30\nPageFooter\n"));
    }

    // A long weekly report: no page ends with a group header, every page says which of how many
    // it is, and the first line of every page shows its date.
    void longReportBreaksPagesSoundly()
    {
        clsEmployeeInfo info(m_dir.path(), clsEmployeeInfo::Access::ReadOnly);
        QList<ReportShiftRow> rows;
        for (int day = 0; day < 40; ++day)
            for (int i = 0; i < 3 + (day * 7) % 11; ++i)
                rows.append({17, kMon + day + (8 + i % 9) * H, kMon + day + (12 + i % 9) * H, "COOK",
                             day < 20 ? "BAR" : "KITCHEN"});
        rptWeekReport weekly(info, true);
        weekly.setPageLayout(kA4);
        weekly.SetupData("Weekly", rows);
        weekly.run();
        QVERIFY(weekly.pageCount() > 3);
        int details = 0;
        for (int p = 1; p <= weekly.pageCount(); ++p) {
            const QList<PrintedSection> sections = weekly.printedSections(p);
            QCOMPARE(sections.first().fields.at(1).text, QString("Page %1 of ").arg(p));
            QCOMPARE(sections.first().fields.at(2).text, QString::number(weekly.pageCount()));
            // No header alone at a page's foot, no footer alone at the top of the next.
            QVERIFY(!sections.at(sections.size() - 2).name.startsWith("Group") || sections.at(sections.size() - 2).name.startsWith("GroupFooter"));
            QVERIFY2(!sections.at(1).name.startsWith("GroupFooter"), qPrintable(QString::number(p)));
            const auto firstDetail = std::find_if(sections.cbegin(), sections.cend(), [](const PrintedSection &s) { return s.name == "Detail"; });
            QVERIFY(firstDetail != sections.cend());
            QCOMPARE(firstDetail->fields.first().name, QString("fldDateNumber"));
            for (const PrintedSection &s : sections)
                details += s.name == "Detail";
        }
        QCOMPARE(details, rows.size());
        QCOMPARE(weekly.pagesText().count(u'\f'), weekly.pageCount() - 1);
        // A window can stop a long layout.
        int told = 0;
        weekly.setProgress([&told](int done, int total) { ++told; return done < total; });
        QVERIFY(!weekly.run());
        QCOMPARE(told, 1);
        weekly.setProgress({});
        QVERIFY(weekly.run());
        const QImage image = weekly.pageImage(2, 72);
        QVERIFY(image.width() == 595 && image.pixelColor(image.width() / 2, 5) == Qt::white);
    }

};

QTEST_MAIN(TestReports)
#include "tst_reports.moc"
