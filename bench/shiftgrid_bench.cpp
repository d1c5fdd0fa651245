// Benchmarks of the schedule engine and the grid. Each engine figure is measured beside a
// baseline taken in the same run over the very same files, and the ratio is printed:
//   Reload/N      clsScheduleData::Reload of a department week with N employees
//                 (5 shifts and one time-off period each) against reading the same files whole
//   Save/N        SaveSchedule of that week against writing the same bytes to the same files
//                 (atomically, as every write of the program is; the plain unsynchronised write
//                 is printed too)
//   Paint/1000    one full paint of a 1,000-row week into a 1920 x 1080 image
//   OpenScheduler/1000   opening the scheduler window on a 1,000-employee department week until
//                 its grid has painted once, against Reload plus one paint of the same grid size
//   DragStep/1000  one mouse-move step of a drag on the 1,000-row week, with the repaint it
//                 causes; painted_rows shows that only the rows involved are drawn again
//   Undo/1000     undoing 1,000 grid edits on the 1,000-row week shown in a grid widget
//   ExportMaster/N   the master-data export (JSON text) of the business with N employees;
//                 us_per_employee shows whether the time grows in step with the staff
//   ReportWeeklyPdf  the weekly report of 200 employees over 52 weeks (about 52,000 shifts):
//                 loading, sorting, layout and every page written to a PDF file
//   ReportData    the report rows of that year against a plain read of the same day files
//   ReportLayout  the weekly layout of 52 weeks against 13 weeks of the same business
//   PreviewFirstPage  that weekly report from the rows to its first page painted in a preview
//   CheckDay/N    the check command over a folder whose one day file holds N copies of one shift
//                 (every pair overlaps) against a plain read of the folder's files

#include "app/commands/CheckCommand.h"
#include "app/commands/DemoBusiness.h"
#include "exchange/ExportMaster.h"
#include "reports/clsPrintschedule.h"
#include "reports/rptWeekReport.h"
#include "reports/engine/BandedReport.h"
#include "ui/reporting/frmReportPreview.h"
#include "ui/reporting/ReportPageView.h"
#include "data/OleDate.h"
#include "data/Prompt.h"
#include "data/ScheduleHelper.h"
#include "data/clsEmployeeInfo.h"
#include "data/clsOptions.h"
#include "schedule/ScheduleFiles.h"
#include "schedule/clsScheduleData.h"
#include "grid/TimeGridPainter.h"
#include "grid/CoverageStripPainter.h"
#include "planning/Coverage.h"
#include "planning/StaffingNeeds.h"
#include "schedule/ScheduleEditor.h"
#include "schedule/ShiftEditCommand.h"
#include "ui/scheduling/frmSchedule.h"
#include "ui/common/DialogRunner.h"
#include "ui/widgets/TimeGrid.h"

#include <QApplication>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QUndoStack>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include <unistd.h>
#include <chrono>
#include <cstring>
#include <ctime>
#include <map>
#include <memory>

namespace {

const QString kDepartment = QStringLiteral("KITCHEN");
const double kToday = OleDate::fromDate(QDate(2026, 12, 2));

using Clock = std::chrono::steady_clock;
double secondsSince(Clock::time_point start)
{
    return std::chrono::duration<double>(Clock::now() - start).count();
}

// One generated business per staff size, made once and kept for the whole run.
struct Business {
    QTemporaryDir dir;
    std::unique_ptr<clsEmployeeInfo> info;
    std::unique_ptr<clsOptions> options;
    double weekStart = 0;
    QStringList readFiles;   // the files a reload reads
};

Business &business(int employees)
{
    static std::map<int, std::unique_ptr<Business>> made;
    auto &slot = made[employees];
    if (!slot) {
        slot = std::make_unique<Business>();
        DemoBusiness::Options o;
        o.employees = employees;
        o.weeks = 1;
        o.today = kToday;
        o.shiftsPerWeek = 5;
        o.timeOffEvery = 1;
        o.oneDepartment = true;
        const QString folder = slot->dir.filePath(QStringLiteral("data"));
        DemoBusiness::create(folder, o);
        slot->info = std::make_unique<clsEmployeeInfo>(folder);
        slot->options = std::make_unique<clsOptions>(ScheduleHelper::SettingsFilePath(folder));
        slot->weekStart = clsScheduleData::WeekStart(*slot->info, kDepartment, kToday);
        for (int d = -1; d <= 7; ++d)
            slot->readFiles << ScheduleFiles::dayFile(folder, kDepartment, slot->weekStart + d);
        for (qint32 e : slot->info->GetEmployeeInDept(kDepartment))
            slot->readFiles << ScheduleFiles::timeOffFile(folder, e);
    }
    return *slot;
}

void readAll(const QStringList &files)
{
    for (const QString &f : files)
        benchmark::DoNotOptimize(ScheduleHelper::ReadFileBytes(f));
}

struct LoadedWeek {
    TimeGridModel grid;
    std::unique_ptr<clsScheduleData> schedule;
};

std::unique_ptr<LoadedWeek> loadWeek(Business &b)
{
    auto week = std::make_unique<LoadedWeek>();
    week->schedule = std::make_unique<clsScheduleData>(*b.info, *b.options);
    week->schedule->setScheduleControl(&week->grid);
    week->schedule->SetDate(b.weekStart, b.weekStart + 6);
    week->schedule->SetDepartment(kDepartment);
    week->schedule->Reload();
    return week;
}

void Reload(benchmark::State &state)
{
    Business &b = business(int(state.range(0)));
    double engine = 0, baseline = 0;
    int blocks = 0;
    for (auto _ : state) {
        auto start = Clock::now();
        readAll(b.readFiles);
        baseline += secondsSince(start);

        start = Clock::now();
        auto week = loadWeek(b);
        const double t = secondsSince(start);
        engine += t;
        state.SetIterationTime(t);
        blocks = week->grid.TBMax();
    }
    const double n = double(state.iterations());
    state.counters["blocks"] = blocks;
    state.counters["baseline_ms"] = 1000 * baseline / n;
    state.counters["ratio"] = engine / baseline;
}

void Save(benchmark::State &state)
{
    Business &b = business(int(state.range(0)));
    auto week = loadWeek(b);
    const QString folder = b.info->DataPath();
    QStringList files;
    QList<QByteArray> bytes;
    for (int d = 0; d < 7; ++d) {
        files << ScheduleFiles::dayFile(folder, kDepartment, b.weekStart + d);
        bytes << ScheduleHelper::ReadFileBytes(files.last());
    }
    double engine = 0, atomic = 0, plain = 0;
    for (auto _ : state) {
        auto start = Clock::now();
        for (int d = 0; d < 7; ++d)
            ScheduleHelper::WriteFileBytes(files[d], bytes[d]);
        atomic += secondsSince(start);

        start = Clock::now();
        for (int d = 0; d < 7; ++d) {
            QFile f(files[d]);
            f.open(QIODevice::WriteOnly | QIODevice::Truncate);
            f.write(bytes[d]);
        }
        plain += secondsSince(start);
        // The plain writes reach the disk here, untimed, rather than by write-back in the
        // middle of the save timed next.
        for (int d = 0; d < 7; ++d) {
            QFile f(files[d]);
            if (f.open(QIODevice::ReadWrite))
                ::fdatasync(f.handle());
        }

        start = Clock::now();
        week->schedule->SaveSchedule();
        const double t = secondsSince(start);
        engine += t;
        state.SetIterationTime(t);
    }
    const double n = double(state.iterations());
    state.counters["baseline_ms"] = 1000 * atomic / n;
    state.counters["ratio"] = engine / atomic;
    state.counters["plain_ms"] = 1000 * plain / n;
}

void Paint(benchmark::State &state)
{
    Business &b = business(int(state.range(0)));
    auto week = loadWeek(b);
    week->grid.setAllBarTextModes(TimeGridModel::Text);
    TimeGridPainter grid(&week->grid);
    const QSize size(1920, 1080);
    grid.setVisibleSpan(7);
    week->grid.setScrollTime(b.weekStart);
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        const auto start = Clock::now();
        QPainter painter(&image);
        grid.paintTo(painter, size);
        painter.end();
        state.SetIterationTime(secondsSince(start));
    }
    state.counters["rows"] = week->grid.ResourcesMax();
}

// What the coverage strip adds to an edit: counting the week against the needs (every position
// of the department needed 6:00-22:00 each day), its rows at the snap step, and painting them
// under the grid. The ratio compares that with painting the grid.
void PaintWithStrip(benchmark::State &state)
{
    Business &b = business(int(state.range(0)));
    auto week = loadWeek(b);
    QList<NeedRow> needs;
    for (const QString &position : b.info->PositionsInDept({kDepartment}))
        for (int day = 0; day < 7; ++day)
            needs << NeedRow{kDepartment, day, position, 6 * 60, 22 * 60, 3, 5};
    week->grid.setAllBarTextModes(TimeGridModel::Text);
    TimeGridPainter grid(&week->grid);
    grid.setVisibleSpan(7);
    week->grid.setScrollTime(b.weekStart);
    const QSize size(1920, 1080);
    const TimeGridMapper mapper = grid.mapper(size);
    const CoverageStripPainter strip;
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    double gridTime = 0, stripTime = 0;
    int rows = 0;
    for (auto _ : state) {
        auto start = Clock::now();
        {
            QPainter painter(&image);
            grid.paintTo(painter, size);
        }
        gridTime += secondsSince(start);
        start = Clock::now();
        const QList<CoverageStripRow> stripRows = Coverage(*week->schedule, needs).stripRows(15);
        {
            QPainter painter(&image);
            strip.paint(painter, mapper, QRect(0, 0, size.width(), strip.height(int(stripRows.size()))), stripRows);
        }
        const double t = secondsSince(start);
        stripTime += t;
        state.SetIterationTime(t);
        rows = int(stripRows.size());
    }
    const double n = double(state.iterations());
    state.counters["positions"] = rows;
    state.counters["grid_ms"] = 1000 * gridTime / n;
    state.counters["ratio"] = stripTime / gridTime;
}

struct NoDialogs : DialogRunner {
    int exec(QDialog &) override { return 0; }
};

void OpenScheduler(benchmark::State &state)
{
    Business &b = business(int(state.range(0)));
    NoDialogs dialogs;
    QuietPrompt prompt;
    double window = 0, baseline = 0;
    for (auto _ : state) {
        auto start = Clock::now();
        {
            frmSchedule form(*b.info, *b.options, prompt, dialogs);
            form.resize(1400, 900);
            form.setOpeningDay(b.weekStart);
            form.Form_Load();
            form.show();
            form.grid()->viewport()->repaint();
            const double t = secondsSince(start);
            window += t;
            state.SetIterationTime(t);
            const QSize size = form.grid()->viewport()->size();

            // The same week read and painted once at the same size, without any window.
            start = Clock::now();
            auto week = loadWeek(b);
            TimeGridPainter grid(&week->grid);
            grid.setVisibleSpan(1);
            QImage image(size, QImage::Format_ARGB32_Premultiplied);
            QPainter painter(&image);
            grid.paintTo(painter, size);
            painter.end();
            baseline += secondsSince(start);
        }
    }
    state.counters["baseline_ms"] = 1000 * baseline / double(state.iterations());
    state.counters["ratio"] = window / baseline;
}

// Counts the rows each paint of a widget covers.
struct PaintCounter : QObject {
    int rowHeight = 1;
    double rows = 0;
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint)
            rows += double(static_cast<QPaintEvent *>(event)->region().boundingRect().height()) / rowHeight;
        return false;
    }
};

void DragStep(benchmark::State &state)
{
    Business &b = business(int(state.range(0)));
    auto week = loadWeek(b);
    TimeGrid grid;
    grid.setModel(&week->grid);
    grid.resize(1400, 900);
    grid.setVisibleSpan(7);
    grid.scrollToTime(b.weekStart);
    grid.scrollToRow(500);
    grid.show();
    QApplication::processEvents();
    const TimeGridMapper m = grid.mapper();
    // A block well inside the time area.
    QPoint press;
    for (int row = m.firstVisibleRow(); row <= m.lastVisibleRow() && press.isNull(); ++row)
        for (int block : week->grid.blocksInResource(row)) {
            const QRectF r = m.blockRect(row, week->grid.TBBeg(block), week->grid.TBEnd(block));
            const QPoint centre = r.center().toPoint();
            if (centre.x() > m.timeLeft() + 100 && centre.x() < m.width - 300 && grid.TBFromPoint(centre) == block) {
                press = centre;
                break;
            }
        }
    QWidget *viewport = grid.viewport();
    auto send = [viewport](QEvent::Type type, QPoint at, Qt::MouseButtons buttons) {
        QMouseEvent e(type, at, viewport->mapToGlobal(at), type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton,
                      buttons, Qt::NoModifier);
        QApplication::sendEvent(viewport, &e);
    };
    send(QEvent::MouseButtonPress, press, Qt::LeftButton);
    send(QEvent::MouseMove, press + QPoint(20, 0), Qt::LeftButton);
    QApplication::processEvents();
    if (viewport->cursor().shape() != Qt::ClosedHandCursor)
        state.SkipWithError("the drag did not start");
    PaintCounter counter;
    counter.rowHeight = m.rowHeight;
    viewport->installEventFilter(&counter);
    int step = 0;
    for (auto _ : state) {
        // Back and forth across two rows, so that every step changes the preview.
        const QPoint at = press + QPoint(30 + 8 * (step % 20), (step / 20) % 2 * m.rowHeight);
        ++step;
        const auto start = Clock::now();
        send(QEvent::MouseMove, at, Qt::LeftButton);
        QApplication::processEvents();
        state.SetIterationTime(secondsSince(start));
    }
    viewport->removeEventFilter(&counter);
    send(QEvent::MouseButtonRelease, press, Qt::NoButton);
    state.counters["rows"] = week->grid.ResourcesMax();
    state.counters["painted_rows"] = counter.rows / double(state.iterations());
}

void Undo(benchmark::State &state)
{
    Business &b = business(int(state.range(0)));
    auto week = loadWeek(b);
    TimeGrid grid;
    grid.setModel(&week->grid);
    grid.resize(1400, 900);
    grid.show();
    QApplication::processEvents();
    ScheduleEditor editor(*week->schedule);
    for (auto _ : state) {
        state.PauseTiming();
        QUndoStack stack;
        // A late shift for each of 1,000 rows (no collision: the demo's shifts end by then).
        for (int i = 0; stack.count() < 1000 && i < 20000; ++i) {
            const double begin = b.weekStart + (i / 1000) % 7 + 23.5 / 24;
            const EditOutcome done = editor.add(i % week->grid.ResourcesMax(), begin, begin + 0.25 / 24,
                                                QStringLiteral("COOK"));
            if (done.applied)
                stack.push(new ShiftEditCommand(editor, done, QStringLiteral("Add")));
        }
        QApplication::processEvents();
        state.ResumeTiming();
        const auto start = Clock::now();
        while (stack.canUndo())
            stack.undo();
        QApplication::processEvents();
        state.SetIterationTime(secondsSince(start));
        state.counters["edits"] = stack.count();
    }
}

void ExportMasterData(benchmark::State &state)
{
    Business &b = business(int(state.range(0)));
    double total = 0;
    qsizetype size = 0;
    for (auto _ : state) {
        const auto start = Clock::now();
        size = ExportMaster::toJson(*b.info).size();
        const double t = secondsSince(start);
        total += t;
        state.SetIterationTime(t);
    }
    state.counters["chars"] = double(size);
    state.counters["us_per_employee"] = 1e6 * total / double(state.iterations()) / double(state.range(0));
}

// A year of shifts: 200 employees, five shifts a week each, over 52 weeks around kToday.
struct YearBusiness {
    QTemporaryDir dir;
    std::unique_ptr<clsEmployeeInfo> info;
    std::unique_ptr<clsOptions> options;
    double first = 0, last = 0;
    QStringList dayFiles;   // the files the report reads: every department's days first - 1 .. last
};

YearBusiness &yearBusiness()
{
    static std::unique_ptr<YearBusiness> made;
    if (!made) {
        made = std::make_unique<YearBusiness>();
        DemoBusiness::Options o;
        o.employees = 200;
        o.weeks = 52;
        o.today = kToday;
        o.shiftsPerWeek = 5;
        const QString folder = made->dir.filePath(QStringLiteral("data"));
        DemoBusiness::create(folder, o);
        made->info = std::make_unique<clsEmployeeInfo>(folder, clsEmployeeInfo::Access::ReadOnly);
        made->options = std::make_unique<clsOptions>(ScheduleHelper::SettingsFilePath(folder));
        made->first = kToday - 7 * 27;
        made->last = kToday + 7 * 27;
        for (const QString &department : DemoBusiness::departments())
            for (double d = made->first - 1; d <= made->last; ++d)
                made->dayFiles << ScheduleFiles::dayFile(folder, department, d);
    }
    return *made;
}

struct YearReport {
    QuietPrompt prompt;
    std::unique_ptr<clsPrintschedule> data;
};

YearReport yearReport(YearBusiness &b, double first, double last)
{
    YearReport r;
    r.data = std::make_unique<clsPrintschedule>(*b.info, *b.options);
    r.data->setPageLayout(BandedReport::defaultPageLayout(QLocale(QLocale::English, QLocale::UnitedStates)));
    r.data->FirstDate(first);
    r.data->Lastdate(last);
    return r;
}

void ReportWeeklyPdf(benchmark::State &state)
{
    YearBusiness &b = yearBusiness();
    const QString pdf = b.dir.filePath(QStringLiteral("weekly.pdf"));
    int pages = 0;
    double made = 0, madeCpu = 0, pdfCpu = 0;
    for (auto _ : state) {
        const auto start = Clock::now();
        const std::clock_t cpu = std::clock();
        YearReport r = yearReport(b, b.first, b.last);
        const auto report = ReportCatalog::build(ReportId::Weekly, *r.data).report;
        made += secondsSince(start);
        const std::clock_t cpuMade = std::clock();
        report->writePdf(pdf, QStringLiteral("Weekly"));
        state.SetIterationTime(secondsSince(start));
        madeCpu += double(cpuMade - cpu) / CLOCKS_PER_SEC;
        pdfCpu += double(std::clock() - cpuMade) / CLOCKS_PER_SEC;
        pages = report->pageCount();
    }
    // CPU seconds beside the elapsed time: on a busy machine the elapsed time says little.
    const double n = double(state.iterations());
    state.counters["pages"] = pages;
    state.counters["rows_layout_ms"] = 1000 * made / n;
    state.counters["rows_layout_cpu_ms"] = 1000 * madeCpu / n;
    state.counters["pdf_cpu_ms"] = 1000 * pdfCpu / n;
    state.counters["pdf_MB"] = double(QFileInfo(pdf).size()) / 1e6;
}

void ReportData(benchmark::State &state)
{
    YearBusiness &b = yearBusiness();
    double engine = 0, baseline = 0;
    qsizetype rows = 0;
    for (auto _ : state) {
        auto start = Clock::now();
        readAll(b.dayFiles);
        baseline += secondsSince(start);

        start = Clock::now();
        YearReport r = yearReport(b, b.first, b.last);
        const QList<ReportShiftRow> loaded = r.data->LoadReportdata();
        const double t = secondsSince(start);   // freeing the rows is not loading them
        rows = loaded.size();
        engine += t;
        state.SetIterationTime(t);
    }
    state.counters["rows"] = double(rows);
    state.counters["baseline_ms"] = 1000 * baseline / double(state.iterations());
    state.counters["ratio"] = engine / baseline;
}

void ReportLayout(benchmark::State &state)
{
    YearBusiness &b = yearBusiness();
    auto rowsOf = [&b](int weeks) {
        YearReport r = yearReport(b, b.first, b.first + 7 * weeks - 1);
        QList<ReportShiftRow> rows = r.data->LoadReportdata();
        r.data->sortShiftRows(rows, ReportId::Weekly);
        return rows;
    };
    const QList<ReportShiftRow> quarter = rowsOf(13), year = rowsOf(52);
    {
        YearReport r = yearReport(b, b.first, b.last);
        QList<ReportShiftRow> rows = r.data->LoadReportdata();
        const auto start = Clock::now();
        r.data->sortShiftRows(rows, ReportId::Weekly);
        state.counters["sort_ms"] = 1000 * secondsSince(start);
    }
    auto layout = [&b](const QList<ReportShiftRow> &rows) {
        const auto start = Clock::now();
        rptWeekReport report(*b.info, true);
        report.SetupData(QStringLiteral("Weekly"), rows);
        report.run();
        return secondsSince(start);
    };
    double small = 0, large = 0;
    for (auto _ : state) {
        small += layout(quarter);
        const double t = layout(year);
        large += t;
        state.SetIterationTime(t);
    }
    state.counters["rows13"] = double(quarter.size());
    state.counters["rows52"] = double(year.size());
    state.counters["ms13"] = 1000 * small / double(state.iterations());
    state.counters["ratio"] = large / small;
}

void PreviewFirstPage(benchmark::State &state)
{
    YearBusiness &b = yearBusiness();
    QuietPrompt prompt;
    NoDialogs dialogs;
    PrinterSource printers;
    const ReportContext context{prompt, dialogs, printers, b.dir.filePath(QStringLiteral("Delayed Print"))};
    double loading = 0;
    for (auto _ : state) {
        const auto start = Clock::now();
        YearReport r = yearReport(b, b.first, b.last);
        auto report = ReportCatalog::build(ReportId::Weekly, *r.data).report;
        loading += secondsSince(start);
        frmReportPreview preview(context);
        preview.RunReport(std::move(report));
        const QPixmap page = preview.pageView->grab();
        state.SetIterationTime(secondsSince(start));
        benchmark::DoNotOptimize(page.width());
    }
    state.counters["rows_layout_ms"] = 1000 * loading / double(state.iterations());
}

} // namespace

void CheckDay(benchmark::State &state)
{
    const int copies = int(state.range(0));
    QTemporaryDir dir;
    const QString folder = dir.path();
    QDir(folder).mkpath(kDepartment);
    const auto put = [&folder](const QString &name, const QByteArray &bytes) {
        ScheduleHelper::WriteFileBytes(folder + u'/' + name, bytes);
        return folder + u'/' + name;
    };
    QByteArray dept(530, '\0'), job(328, '\0'), employee(732, '\0'), member(36, '\0'), assignment(24, '\0');
    std::memcpy(dept.data(), "KITCHEN                       ", 30);
    std::memcpy(job.data(), "COOK                ", 20);
    employee[0] = 17;
    member[0] = 17;
    std::memcpy(member.data() + 4, "KITCHEN                       ", 30);
    assignment[0] = 17;
    std::memcpy(assignment.data() + 4, "COOK                ", 20);
    QStringList files = {put(QStringLiteral("Dept.dat"), dept), put(QStringLiteral("Jobs.dat"), job),
                         put(QStringLiteral("EmployeeInfo.dat"), employee),
                         put(QStringLiteral("EmployeeDept.dat"), member), put(QStringLiteral("JobsAval.dat"), assignment)};
    QByteArray shift(ScheduleFiles::Shift::Size, '\0');
    ScheduleFiles::Shift::setEmployee(shift.data(), 17);
    ScheduleFiles::Shift::setTimes(shift.data(), kToday + 8.0 / 24, kToday + 16.0 / 24);
    ScheduleFiles::Shift::setPosition(shift.data(), QStringLiteral("COOK"));
    files << ScheduleFiles::dayFile(folder, kDepartment, kToday);
    ScheduleHelper::WriteFileBytes(files.last(), shift.repeated(copies));

    double check = 0, baseline = 0;
    qsizetype lines = 0;
    for (auto _ : state) {
        auto start = Clock::now();
        readAll(files);
        baseline += secondsSince(start);

        start = Clock::now();
        const CheckCommand::Result result = CheckCommand::run(folder);
        const double t = secondsSince(start);
        check += t;
        state.SetIterationTime(t);
        lines = result.lines.size();
    }
    const double n = double(state.iterations());
    state.counters["lines"] = double(lines);
    state.counters["baseline_ms"] = 1000 * baseline / n;
    state.counters["ratio"] = check / baseline;
}

BENCHMARK(PreviewFirstPage)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(ReportWeeklyPdf)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(ReportData)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(ReportLayout)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(CheckDay)->Arg(2000)->Arg(20000)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(Reload)->Arg(100)->Arg(1000)->Arg(5000)->Arg(20000)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(Save)->Arg(100)->Arg(1000)->Arg(5000)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(Paint)->Arg(1000)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(PaintWithStrip)->Arg(1000)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(OpenScheduler)->Arg(1000)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(DragStep)->Arg(1000)->UseManualTime()->Unit(benchmark::kMicrosecond);
BENCHMARK(Undo)->Arg(1000)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(ExportMasterData)->Name("ExportMaster")->Arg(1000)->Arg(5000)->Arg(20000)->UseManualTime()
    ->Unit(benchmark::kMillisecond);

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
