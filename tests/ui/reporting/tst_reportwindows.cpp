// The report windows: the filter's steps, the schedule report selection, the employee lists,
// the preview (pages, zoom, keys, PDF, print dialog, Print Later) and the delayed-print store.

#include "ReportBusiness.h"
#include "ScriptedDialogs.h"
#include "ScriptedPrompt.h"
#include "data/ScheduleHelper.h"
#include "data/clsEmployeeInfo.h"
#include "data/clsOptions.h"
#include "reports/DelayedPrintStore.h"
#include "reports/rptWeekReport.h"
#include "ui/reporting/frmEmployeeReports.h"
#include "ui/reporting/frmPrint.h"
#include "ui/reporting/frmReportFilter.h"
#include "ui/reporting/frmReportPreview.h"
#include "ui/reporting/ReportPageView.h"

#include <QtTest>
#include <QtWidgets>
#include <QPrintDialog>
#include <QPrinter>

namespace {

// A printer that writes a PDF file and notes, when it is done, which document it printed.
class RecordingPrinter : public QPrinter
{
public:
    RecordingPrinter(QStringList &log, const QString &file) : QPrinter(QPrinter::HighResolution), m_log(log)
    {
        setOutputFormat(QPrinter::PdfFormat);
        setOutputFileName(file);
    }
    ~RecordingPrinter() override { m_log << docName(); }

private:
    QStringList &m_log;
};

struct RecordingPrinters : PrinterSource {
    QString folder;
    bool installed = true;
    QStringList printed;   // document names, in the order they were printed
    std::unique_ptr<QPrinter> defaultPrinter() override
    {
        if (!installed)
            return nullptr;
        return std::make_unique<RecordingPrinter>(printed, QStringLiteral("%1/printed%2.pdf").arg(folder).arg(printed.size()));
    }
};

int pdfPages(const QString &file)
{
    QFile pdf(file);
    if (!pdf.open(QIODevice::ReadOnly))
        return -1;
    return int(QString::fromLatin1(pdf.readAll()).count(QRegularExpression(QStringLiteral("/Type\\s*/Page\\b"))));
}

// The business, its master data, and report windows over it, all children of one owner window
// (as inside the main window), where the previews open too.
struct Kit {
    QTemporaryDir dir;
    QString data = dir.filePath(QStringLiteral("data"));
    std::unique_ptr<clsEmployeeInfo> info;
    std::unique_ptr<clsOptions> options;
    ScriptedPrompt prompt;
    ScriptedDialogs dialogs;
    RecordingPrinters printers;
    ReportContext context{prompt, dialogs, printers, DelayedPrintStore::folderBeside(data)};
    QWidget owner;

    Kit()
    {
        QDir().mkpath(data);
        writeBusiness(data);
        info = std::make_unique<clsEmployeeInfo>(data);
        options = std::make_unique<clsOptions>(ScheduleHelper::SettingsFilePath(data));
        printers.folder = dir.path();
        owner.resize(900, 700);
    }
    QList<frmReportPreview *> previews() const { return owner.findChildren<frmReportPreview *>(); }

    // The next filter is finished as it is, after `change` (if any) had its say.
    void finishFilter(std::function<void(frmReportFilter *)> change = {})
    {
        dialogs.queue([change](QDialog *dialog) {
            auto *filter = qobject_cast<frmReportFilter *>(dialog);
            QVERIFY(filter);
            if (change)
                change(filter);
            filter->cmdFinish->click();
        });
    }
    frmPrint *printWindow(const QList<int> &rows, double first = kMon, double last = kMon + 6)
    {
        auto *window = new frmPrint(*info, *options, context, &owner);
        window->DisplayWindow({}, first, last);
        for (int row : rows)
            window->lisReportType->item(row)->setSelected(true);
        return window;
    }
};

std::unique_ptr<BandedReport> longReport(const clsEmployeeInfo &info, int rows)
{
    QList<ReportShiftRow> shifts;
    for (int i = 0; i < rows; ++i)
        shifts << ReportShiftRow{17, kMon + i / 10 + 8 * H, kMon + i / 10 + 16 * H, QStringLiteral("COOK"), QStringLiteral("KITCHEN")};
    auto report = std::make_unique<rptWeekReport>(info, true);
    report->SetupData(QStringLiteral("Long"), shifts);
    report->setPageLayout(BandedReport::defaultPageLayout(QLocale(QLocale::English, QLocale::UnitedStates)));
    report->run();
    return report;
}

QStringList selected(const QListWidget *list)
{
    QStringList texts;
    for (const QListWidgetItem *item : list->selectedItems())
        texts << item->text();
    return texts;
}

} // namespace

class tst_reportwindows : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // Steps: a preset department chooses "Selected"; Next narrows positions then employees to
    // it; Finish stops at the last step; "All" keeps everyone whatever the list still selects;
    // a "Selected" step without a choice is refused where it is.
    void filterSteps()
    {
        Kit kit;
        frmReportFilter filter(*kit.info, kit.prompt);
        filter.DisplayWindow({QStringLiteral("BAR")});
        QVERIFY(filter.optDepartmentSelected->isChecked());
        QCOMPARE(selected(filter.lisDepartments), QStringList{QStringLiteral("BAR")});
        QVERIFY(filter.Next());
        QCOMPARE(filter.step(), 1);
        QVERIFY(filter.optPositionsSelected->isChecked());
        QCOMPARE(selected(filter.lisPositions).size(), filter.lisPositions->count());
        QVERIFY(filter.Next());
        QCOMPARE(filter.lisEmployees->count(), 4);   // the BAR staff: Ann, José and both Sams
        filter.lisEmployees->item(0)->setSelected(false);
        QVERIFY(filter.Finish());
        QCOMPARE(filter.step(), 2);
        QVERIFY(filter.Finish());
        QCOMPARE(filter.step(), 2);
        QCOMPARE(filter.choice().departments, QStringList{QStringLiteral("BAR")});
        QVERIFY(!filter.choice().allEmployees);
        QCOMPARE(filter.choice().employees.size(), 3);

        filter.optEmployeesAll->setChecked(true);
        QVERIFY(!filter.lisEmployees->isEnabled());
        QVERIFY(filter.Finish());
        QVERIFY(filter.choice().allEmployees);
        QVERIFY(filter.choice().employees.isEmpty());

        // Both "All", finished on the first step: every employee is listed, nothing narrows.
        filter.DisplayWindow({});
        QVERIFY(filter.Finish());
        QCOMPARE(filter.lisEmployees->count(), 5);
        QVERIFY(filter.choice().allDepartments && filter.choice().allPositions && filter.choice().allEmployees);

        filter.DisplayWindow({});
        filter.optDepartmentSelected->setChecked(true);
        filter.Back();
        QCOMPARE(filter.step(), 0);
        QVERIFY(!filter.Next());
        QVERIFY(!filter.Finish());
        QCOMPARE(filter.step(), 0);
        QCOMPARE(kit.prompt.messages(), (QStringList{"No Departments Selected", "No Departments Selected"}));
        QVERIFY(!filter.SSTab1->isTabEnabled(1));
    }

    void printRefusals_data()
    {
        QTest::addColumn<QList<int>>("rows");
        QTest::addColumn<double>("last");
        QTest::addColumn<bool>("filterCancelled");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QStringList>("dialogs");
        QTest::newRow("no type") << QList<int>{} << kMon + 6 << false << "Please select a report type" << QStringList{};
        QTest::newRow("reversed dates") << QList<int>{1} << kMon - 1 << false
                                        << "The first date (Mon 3/5/2001) is after the last date (Sun 3/4/2001). Please put them in order."
                                        << QStringList{};
        QTest::newRow("filter cancelled") << QList<int>{1} << kMon + 6 << true << QString() << QStringList{"frmReportFilter"};
        QTest::newRow("no data") << QList<int>{1, 4} << kMon + 6 << false << "No Data" << QStringList{"frmReportFilter"};
    }
    // Print and Preview do nothing but say why; the filter is shown only for a sound request.
    // With no data, each type says so in turn.
    void printRefusals()
    {
        QFETCH(QList<int>, rows);
        QFETCH(double, last);
        QFETCH(bool, filterCancelled);
        QFETCH(QString, message);
        QFETCH(QStringList, dialogs);
        Kit kit;
        const bool noData = QTest::currentDataTag() == QLatin1String("no data");
        frmPrint *window = kit.printWindow(rows, noData ? kMon + 14 : kMon, noData ? kMon + 20 : last);
        for (bool preview : {false, true}) {
            kit.prompt.clear();
            if (!filterCancelled && !dialogs.isEmpty())
                kit.finishFilter();
            window->CmdPrint_Click(preview);
            QStringList expected;
            if (!message.isEmpty())
                expected = QStringList(noData ? 2 : 1, message);
            QCOMPARE(kit.prompt.messages(), expected);
        }
        QVERIFY(kit.printers.printed.isEmpty());
        QVERIFY(kit.previews().isEmpty());
        QCOMPARE(kit.dialogs.shown().mid(0, 1), dialogs);
    }

    // What looks chosen is chosen: entering the list by keyboard chooses its highlighted entry,
    // a click chooses only what it clicks.
    void theHighlightedTypeIsChosen_data()
    {
        QTest::addColumn<int>("reason");
        QTest::addColumn<QList<int>>("chosen");   // rows
        QTest::newRow("Tab") << int(Qt::TabFocusReason) << QList<int>{0};
        QTest::newRow("Alt+T") << int(Qt::ShortcutFocusReason) << QList<int>{0};
        QTest::newRow("click on the third") << int(Qt::MouseFocusReason) << QList<int>{2};
    }
    void theHighlightedTypeIsChosen()
    {
        QFETCH(int, reason);
        Kit kit;
        frmPrint *window = kit.printWindow({});
        window->window()->show();
        window->show();
        QApplication::setActiveWindow(window->window());
        QVERIFY(QTest::qWaitForWindowActive(window->window()));
        // The window opens with the first entry highlighted and chosen; start elsewhere.
        QTRY_COMPARE(window->lisReportType->selectedItems().size(), 1);
        window->dtpFirstDate->setFocus();
        window->lisReportType->clearSelection();
        if (reason == Qt::MouseFocusReason) {
            QListWidget *list = window->lisReportType;
            QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(2)).center());
        } else {
            window->lisReportType->setFocus(Qt::FocusReason(reason));
        }
        QList<int> chosen;
        QTRY_VERIFY(window->lisReportType->hasFocus());
        QTest::qWait(10);
        for (QListWidgetItem *item : window->lisReportType->selectedItems())
            chosen << window->lisReportType->row(item);
        QTEST(chosen, "chosen");
    }

    // Print sends each chosen type to the default printer in list order with the same filter;
    // Preview opens one window per type; a preset department (from the scheduler) is chosen in
    // the filter and narrows every report.
    void printAndPreviewEachChosenType()
    {
        Kit kit;
        frmPrint *window = kit.printWindow({4, 1});
        kit.finishFilter();
        window->CmdPrint_Click(false);
        QCOMPARE(kit.printers.printed, (QStringList{"Weekly Schedule 3/5/01 - 3/11/01", "Time Off 3/5/01 - 3/11/01"}));
        QVERIFY(pdfPages(kit.dir.filePath("printed0.pdf")) >= 1);
        QVERIFY(window->labStatus->text().contains("Weekly Schedule"));

        window->lisReportType->item(0)->setSelected(true);
        window->lisReportType->item(2)->setSelected(true);
        window->DisplayWindow(QStringLiteral("KITCHEN"), kMon, kMon + 6);
        kit.finishFilter([](frmReportFilter *filter) {
            QVERIFY(filter->optDepartmentSelected->isChecked());
            QCOMPARE(selected(filter->lisDepartments), QStringList{QStringLiteral("KITCHEN")});
        });
        const QList<QWidget *> opened = window->CmdPrint_Click(true);
        QCOMPARE(opened.size(), 4);
        QCOMPARE(kit.previews().size(), 4);
        QStringList captions;
        for (QWidget *preview : opened)
            captions << preview->windowTitle();
        QCOMPARE(captions, (QStringList{"Employee Schedule 3/5/01 - 3/11/01 Preview", "Weekly Schedule 3/5/01 - 3/11/01 Preview",
                                        "Total Hours Summary - Department Preview", "Time Off 3/5/01 - 3/11/01 Preview"}));
        const QString weekly = static_cast<frmReportPreview *>(opened.at(1))->report()->pagesText();
        QVERIFY(weekly.contains("KITCHEN") && !weekly.contains("BAR"));
        // The previews stay when the selection window closes.
        delete window;
        QCOMPARE(kit.previews().size(), 4);
    }

    // Without a printer, Print offers a PDF file instead; declined, nothing happens.
    void noPrinterOffersPdf()
    {
        Kit kit;
        kit.printers.installed = false;
        frmPrint *window = kit.printWindow({1});
        kit.finishFilter();
        kit.prompt.queueYesNo(true);
        kit.prompt.queueSaveFile(kit.dir.filePath("weekly"));
        window->CmdPrint_Click(false);
        QVERIFY(kit.prompt.texts().first().startsWith("No printer is installed, so \"Weekly Schedule 3/5/01 - 3/11/01\""));
        QCOMPARE(pdfPages(kit.dir.filePath("weekly.pdf")), 1);

        kit.prompt.clear();
        kit.finishFilter();
        kit.prompt.queueYesNo(false);
        window->CmdPrint_Click(false);
        QCOMPARE(kit.prompt.shown().size(), 1);
        QVERIFY(kit.printers.printed.isEmpty());
    }

    void employeeLists_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<QString>("caption");
        const QStringList captions{"Employee Master List", "Employee Contact List", "Phone List", "Employee Id List",
                                   "Employee Addresses"};
        for (int i = 0; i < captions.size(); ++i)
            QTest::newRow(qPrintable(frmEmployeeReports::reportTypes().at(i).name)) << i << captions.at(i);
    }
    // Each list previews under its title and prints; the filter narrows it; a cancelled filter
    // ends the command (it used to print everyone's private data without asking).
    void employeeLists()
    {
        QFETCH(int, type);
        QFETCH(QString, caption);
        Kit kit;
        auto *window = new frmEmployeeReports(*kit.info, kit.context, &kit.owner);
        window->comReportType->setCurrentIndex(type);
        kit.finishFilter([](frmReportFilter *filter) {
            filter->optDepartmentSelected->setChecked(true);
            filter->lisDepartments->item(0)->setSelected(true);   // KITCHEN: José and Bo
        });
        auto *preview = qobject_cast<frmReportPreview *>(window->run(true));
        QVERIFY(preview);
        QCOMPARE(preview->windowTitle(), caption + " Preview");
        const QString text = preview->report()->pagesText();
        QVERIFY2(text.contains("Bo") && !text.contains("Ann"), qPrintable(text));

        kit.finishFilter();
        QVERIFY(!window->run(false));
        QCOMPARE(kit.printers.printed, QStringList{caption});

        QVERIFY(!window->run(false));   // the filter is cancelled: nothing is asked
        QVERIFY(!window->run(true));
        QCOMPARE(kit.printers.printed.size(), 1);
        QCOMPARE(kit.previews().size(), 1);
        QVERIFY(kit.prompt.shown().isEmpty());
    }

    // The window's options reach the list: the order by name, and whole Social Security numbers
    // instead of their last four digits.
    void employeeListOptions_data()
    {
        QTest::addColumn<bool>("sortByName");
        QTest::addColumn<bool>("fullIds");
        QTest::addColumn<QString>("firstName");
        QTest::addColumn<QString>("id");
        QTest::newRow("as filed, masked") << false << false << QString("Jos\u00e9 Lee") << "***-**-6789";
        QTest::newRow("by name, whole") << true << true << "Bo Ek" << "123456789";
    }
    void employeeListOptions()
    {
        QFETCH(bool, sortByName);
        QFETCH(bool, fullIds);
        QFETCH(QString, firstName);
        QFETCH(QString, id);
        Kit kit;
        auto *window = new frmEmployeeReports(*kit.info, kit.context, &kit.owner);
        window->comReportType->setCurrentIndex(3);   // the id list
        if (sortByName)
            window->chkSortByName->click();
        if (fullIds)
            window->chkFullIds->click();
        kit.finishFilter();
        auto *preview = qobject_cast<frmReportPreview *>(window->run(true));
        QVERIFY(preview);
        const QStringList lines = preview->report()->pagesText().split(u'\n');
        const QStringList details = lines.filter(QRegularExpression("^Detail\t"));
        QVERIFY(!details.isEmpty());
        QCOMPARE(details.first().section(u'\t', 1, 1), firstName);
        QVERIFY2(preview->report()->pagesText().contains("\t" + id + "\t"), qPrintable(details.join(u'\n')));
    }

    // A page picture is drawn in device pixels: on a 2x screen (QT_SCALE_FACTOR=2) it is twice
    // as many pixels as its place in the list, and marked so, instead of being blown up.
    void previewThumbnailsAtDevicePixelRatio()
    {
        Kit kit;
        frmReportPreview preview(kit.context);
        preview.RunReport(longReport(*kit.info, 30));
        const qreal ratio = preview.lisPages->devicePixelRatioF();
        const QPixmap picture = preview.lisPages->model()->index(0, 0).data(Qt::DecorationRole).value<QPixmap>();
        QVERIFY(!picture.isNull());
        QCOMPARE(picture.devicePixelRatio(), ratio);
        const QSize place = preview.lisPages->iconSize();
        const QSizeF logical = picture.deviceIndependentSize();
        // Kept in proportion: one side fills its place, the other fits in it.
        QVERIFY(logical.width() <= place.width() + 0.5 && logical.height() <= place.height() + 0.5);
        QVERIFY(qAbs(logical.width() - place.width()) < 1 || qAbs(logical.height() - place.height()) < 1);
        QVERIFY(picture.width() >= int(place.width() * ratio) - 1 || picture.height() >= int(place.height() * ratio) - 1);
    }

    // Pages: buttons, the page box and the page list agree and stop at the ends; zoom steps stop
    // at 50 and 400 %; fitting follows the room; keys turn pages and Escape closes only the
    // preview that has it.
    void previewPagesZoomAndKeys()
    {
        Kit kit;
        auto *preview = new frmReportPreview(kit.context, &kit.owner);
        preview->RunReport(longReport(*kit.info, 300));
        const int pages = preview->report()->pageCount();
        QVERIFY(pages >= 4);
        QCOMPARE(preview->labPageCount->text(), QStringLiteral(" of %1 ").arg(pages));
        QVERIFY(!preview->toolPrevious->isEnabled() && preview->toolNext->isEnabled());
        preview->toolLast->trigger();
        QCOMPARE(preview->currentPage(), pages);
        QVERIFY(!preview->toolNext->isEnabled());
        preview->spnPage->setValue(2);
        QCOMPARE(preview->currentPage(), 2);
        QCOMPARE(preview->lisPages->currentIndex().row(), 1);
        preview->lisPages->setCurrentIndex(preview->lisPages->model()->index(2, 0));
        QCOMPARE(preview->currentPage(), 3);
        QCOMPARE(preview->spnPage->value(), 3);
        preview->setPage(pages + 9);
        QCOMPARE(preview->currentPage(), pages);

        preview->setZoomPercent(400);
        QVERIFY(!preview->toolZoomIn->isEnabled());
        preview->toolZoomOut->trigger();
        QCOMPARE(preview->comZoom->currentText(), QStringLiteral("300%"));
        preview->setZoomPercent(10);
        QCOMPARE(preview->zoom(), 0.5);
        QVERIFY(!preview->toolZoomOut->isEnabled());

        preview->show();
        QVERIFY(QTest::qWaitForWindowExposed(preview));
        const QSize room = preview->scrPage->viewport()->size();
        preview->setFit(frmReportPreview::Fit::Width);
        QVERIFY(preview->pageView->width() <= room.width() && preview->pageView->width() > room.width() / 2);
        preview->setFit(frmReportPreview::Fit::Page);
        QVERIFY(preview->pageView->height() <= preview->scrPage->viewport()->height());
        preview->resize(preview->width() + 200, preview->height());
        QCOMPARE(preview->comZoom->currentText(), QStringLiteral("Fit Page"));

        auto *other = new frmReportPreview(kit.context, &kit.owner);
        other->RunReport(longReport(*kit.info, 30));
        other->show();
        QVERIFY(QTest::qWaitForWindowExposed(other));
        preview->activateWindow();
        preview->windowHandle()->requestActivate();
        QTRY_COMPARE(QGuiApplication::focusWindow(), preview->windowHandle());
        preview->setPage(1);
        preview->pageView->setFocus();
        QTest::keyClick(preview->pageView, Qt::Key_PageDown);
        QCOMPARE(preview->currentPage(), 2);
        QPointer<frmReportPreview> closing(preview);
        QTest::keyClick(preview->pageView, Qt::Key_Escape);
        QTRY_VERIFY(!closing);
        QCOMPARE(kit.previews(), QList<frmReportPreview *>{other});
    }

    // The print dialog's range is what its From and To boxes say, filled in and accepted through
    // the dialog's own controls; its "Pages" box (which refuses every entry in Qt 6.4) is hidden.
    void printDialogRangeFromItsBoxes_data()
    {
        QTest::addColumn<int>("from");
        QTest::addColumn<int>("to");
        QTest::addColumn<int>("printed");
        QTest::newRow("pages 2 to 3") << 2 << 3 << 2;
        QTest::newRow("page 1 to 1") << 1 << 1 << 1;
        QTest::newRow("pages 1 to 4") << 1 << 4 << 4;
        QTest::newRow("page 3 to 3") << 3 << 3 << 1;
    }
    void printDialogRangeFromItsBoxes()
    {
        QFETCH(int, from);
        QFETCH(int, to);
        QFETCH(int, printed);
        Kit kit;
        frmReportPreview preview(kit.context);
        preview.SetupReportInfo({QStringLiteral("Long")});
        preview.RunReport(longReport(*kit.info, 300));
        QVERIFY(preview.report()->pageCount() >= 4);
        const QString file = kit.dir.filePath("range.pdf");
        kit.dialogs.queue([file, from, to](QDialog *dialog) {
            for (const char *name : {"pagesRadioButton", "pagesLineEdit"})
                if (auto *pages = dialog->findChild<QWidget *>(name))
                    QVERIFY(pages->isHidden());
            auto *printers = dialog->findChild<QComboBox *>("printers");
            QVERIFY(printers);
            printers->setCurrentIndex(printers->count() - 1);   // print to a PDF file
            auto *name = dialog->findChild<QLineEdit *>("filename");
            QVERIFY(name);
            name->setText(file);
            auto *range = dialog->findChild<QRadioButton *>("printRange");
            auto *first = dialog->findChild<QSpinBox *>("from");
            auto *last = dialog->findChild<QSpinBox *>("to");
            QVERIFY(range && first && last);
            range->click();
            first->setValue(from);
            last->setValue(to);
            auto *buttons = dialog->findChild<QDialogButtonBox *>();
            QVERIFY(buttons);
            buttons->button(QDialogButtonBox::Ok)->click();
        });
        preview.printWithDialog();
        QCOMPARE(kit.dialogs.shown(), QStringList{"printDialog"});
        QCOMPARE(pdfPages(file), printed);
    }

    // Export PDF writes every page to the file chosen, or names the file it could not write;
    // the print dialog prints every page unless a range is chosen (printDialogRangeFromItsBoxes);
    // Print Later stores a new pair each time.
    void previewOutputs()
    {
        Kit kit;
        frmReportPreview preview(kit.context);
        preview.SetupReportInfo({QStringLiteral("Long")});
        preview.RunReport(longReport(*kit.info, 300));
        const int pages = preview.report()->pageCount();

        kit.prompt.queueSaveFile(kit.dir.filePath("long.PDF"));
        preview.exportPdf();
        QCOMPARE(pdfPages(kit.dir.filePath("long.PDF")), pages);
        QVERIFY(preview.labStatus->text().contains("long.PDF"));
        QDir(kit.dir.path()).mkpath("taken.pdf");
        kit.prompt.queueSaveFile(kit.dir.filePath("taken.pdf"));
        preview.exportPdf();
        QVERIFY2(kit.prompt.messages().value(0).contains("\"taken.pdf\""), qPrintable(kit.prompt.messages().value(0)));

        const QString printed = kit.dir.filePath("range.pdf");
        kit.dialogs.queue([printed, pages](QDialog *dialog) {
            auto *print = qobject_cast<QPrintDialog *>(dialog);
            QVERIFY(print);
            QCOMPARE(print->minPage(), 1);
            QCOMPARE(print->maxPage(), pages);
            print->printer()->setOutputFileName(printed);
            print->done(QDialog::Accepted);
        });
        preview.printWithDialog();
        QCOMPARE(kit.dialogs.shown(), QStringList{"printDialog"});
        QCOMPARE(pdfPages(printed), pages);
        QFile::remove(printed);
        preview.printWithDialog();   // cancelled: nothing printed
        QVERIFY(!QFile::exists(printed));

        // Landscape chosen in the dialog: the pages are laid out again for it, printed and shown.
        const QString landscape = kit.dir.filePath("landscape.pdf");
        kit.dialogs.queue([landscape](QDialog *dialog) {
            auto *print = qobject_cast<QPrintDialog *>(dialog);
            print->printer()->setOutputFileName(landscape);
            print->printer()->setPageOrientation(QPageLayout::Landscape);
            print->done(QDialog::Accepted);
        });
        preview.printWithDialog();
        QCOMPARE(preview.report()->pageLayout().orientation(), QPageLayout::Landscape);
        QVERIFY(preview.report()->pageCount() > pages);
        QCOMPARE(pdfPages(landscape), preview.report()->pageCount());
        QCOMPARE(preview.labPageCount->text(), QStringLiteral(" of %1 ").arg(preview.report()->pageCount()));

        const QString first = preview.storeinprintlater();
        const QString second = preview.storeinprintlater();
        QVERIFY(!first.isEmpty() && !second.isEmpty() && first != second);
        for (const QString &wha : {first, second}) {
            QVERIFY(HandMade::read(wha).startsWith("REPORT NAME=Long\r\nDELAYED PRINT TIME="));
            QCOMPARE(pdfPages(QString(wha).replace(".WHA", ".RDF")), preview.report()->pageCount());
        }
        QVERIFY(preview.labStatus->text().startsWith("Kept for printing later as "));

        // A file where the store's folder should be: the user is told, nothing is stored.
        const QString folder = DelayedPrintStore::folderBeside(kit.data);
        QDir(folder).removeRecursively();
        HandMade::write(folder, "not a folder");
        kit.prompt.clear();
        QVERIFY(preview.storeinprintlater().isEmpty());
        QVERIFY(kit.prompt.messages().value(0).startsWith("The report was not kept for printing later."));
    }

    // Every tool of the preview's bar shows at the window's default size and on a 1024 by 600
    // screen: none hides behind the bar's overflow button, even with a four-digit page count.
    void previewToolsAllShow_data()
    {
        QTest::addColumn<QSize>("size");   // empty: the size the window gives itself
        QTest::newRow("default size") << QSize();
        QTest::newRow("1024 by 600 screen") << QSize(1024 * 9 / 10, 600 * 9 / 10);
    }
    void previewToolsAllShow()
    {
        QFETCH(QSize, size);
        Kit kit;
        frmReportPreview preview(kit.context);
        preview.RunReport(longReport(*kit.info, 300));
        preview.labPageCount->setText(QStringLiteral(" of %1 ").arg(9580));
        preview.spnPage->setRange(1, 9580);
        if (size.isValid())
            preview.resize(size);
        preview.show();
        QVERIFY(QTest::qWaitForWindowExposed(&preview));
        const QList<QToolBar *> bars{preview.ReportViewer1, preview.ReportPages};
        QList<QAction *> all;
        for (QToolBar *bar : bars) {
            for (QAction *tool : bar->actions()) {
                all << tool;
                if (tool->isSeparator())
                    continue;
                QWidget *shown = bar->widgetForAction(tool);
                QVERIFY2(shown && shown->isVisible(), qPrintable(tool->objectName() + tool->text()));
                QVERIFY2(bar->rect().contains(shown->geometry()), qPrintable(tool->objectName()));
            }
            for (QWidget *child : bar->findChildren<QWidget *>(QStringLiteral("qt_toolbar_ext_button")))
                QVERIFY(!child->isVisible());
            QVERIFY(preview.rect().contains(QRect(bar->mapTo(&preview, QPoint(0, 0)), bar->size())));
        }
        for (QAction *tool : {preview.toolClose, preview.toolPrint, preview.toolExport, preview.toolExportCsv, preview.toolPrintLater,
                              preview.toolFirst, preview.toolPrevious, preview.toolNext, preview.toolLast, preview.toolZoomOut,
                              preview.toolZoomIn})
            QVERIFY2(all.contains(tool), qPrintable(tool->objectName()));
    }

    // Export CSV writes the report's rows under a header line to the file chosen; a file that
    // cannot be written is named.
    void previewExportsCsv()
    {
        Kit kit;
        frmReportPreview preview(kit.context);
        preview.SetupReportInfo({QStringLiteral("Long")});
        preview.RunReport(longReport(*kit.info, 30));
        kit.prompt.queueSaveFile(kit.dir.filePath("rows"));
        preview.toolExportCsv->trigger();
        const QList<QByteArray> lines = HandMade::read(kit.dir.filePath("rows.csv")).split('\n');
        QCOMPARE(lines.size() - 2, preview.report()->table().rows.size());
        QVERIFY(lines.first().startsWith("Department,Date,Day,From,To,Name"));
        QVERIFY(preview.labStatus->text().contains("rows.csv"));
        QDir(kit.dir.path()).mkpath("taken.csv");
        kit.prompt.queueSaveFile(kit.dir.filePath("taken.csv"));
        preview.exportCsv();
        QVERIFY2(kit.prompt.messages().value(0).contains("\"taken.csv\""), qPrintable(kit.prompt.messages().value(0)));
    }

    // Long work gets a progress window after a moment, whose Cancel stops the work; short work
    // never shows one, and it is gone when the work is done.
    void progressOnlyForLongWork()
    {
        QWidget parent;
        auto windows = [&parent] { return parent.findChildren<QProgressDialog *>(QStringLiteral("reportProgress")); };
        {
            ReportProgress progress(&parent, QStringLiteral("Laying out"));
            const auto step = progress.callback();
            QVERIFY(step(1, 10));
            QVERIFY(windows().isEmpty());
            QTest::qSleep(450);
            QVERIFY(step(2, 10));
            QCOMPARE(windows().size(), 1);
            windows().first()->cancel();
            QVERIFY(!step(3, 10));
        }
        QTRY_VERIFY(windows().isEmpty());
    }

    // The information file to the byte; the number avoids both names of an earlier pair; the
    // store sits beside the data folder.
    void delayedPrintStore()
    {
        const QDateTime when(QDate(2001, 3, 5), QTime(14, 7, 9));
        QCOMPARE(DelayedPrintStore::infoFileText({QStringLiteral("Weekly Schedule 3/5/01 - 3/11/01"), QStringLiteral("COPIES=2"),
                                                  QStringLiteral("Jos\u00e9")},
                                                 when, QStringLiteral("/x/Delayed Print/17.WHA")),
                 QByteArray("REPORT NAME=Weekly Schedule 3/5/01 - 3/11/01\r\nCOPIES=2\r\nJos\xe9\r\n"
                            "DELAYED PRINT TIME=03/05/2001 14:07:09\r\nREPORT FILE NAME=/x/Delayed Print/17.WHA\r\n"));
        QCOMPARE(DelayedPrintStore::folderBeside(QStringLiteral("/a/b/data/")), QStringLiteral("/a/b/Delayed Print"));

        Kit kit;
        const auto report = longReport(*kit.info, 10);
        DelayedPrintStore store(kit.dir.filePath("store"));
        QDir().mkpath(store.folder());
        HandMade::write(store.folder() + "/5.WHA", "earlier");
        HandMade::write(store.folder() + "/6.RDF", "orphan");
        QList<int> numbers{5, 6, 1000005, 7};
        store.setNumberSource([&numbers] { return numbers.takeFirst(); });
        QCOMPARE(store.store(*report, {QStringLiteral("Long")}, when), store.folder() + "/7.WHA");
        QCOMPARE(HandMade::read(store.folder() + "/6.RDF"), QByteArray("orphan"));
        QVERIFY(HandMade::read(store.folder() + "/7.RDF").startsWith("%PDF"));
    }
};

QTEST_MAIN(tst_reportwindows)
#include "tst_reportwindows.moc"
