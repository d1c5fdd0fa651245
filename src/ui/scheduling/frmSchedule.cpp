#include "frmSchedule.h"

#include "frmCopySchedule.h"
#include "frmEmployeeWeek.h"
#include "frmPickDate.h"
#include "FillNeedsDialog.h"
#include "NeedsCoverageView.h"

#include "data/FileError.h"
#include "data/OleDate.h"
#include "data/clsOptions.h"
#include "exchange/ExportIcs.h"
#include "schedule/ScheduleCopy.h"
#include "schedule/ShiftEditCommand.h"
#include "schedule/WeekPicture.h"
#include "schedule/clsScheduleData.h"
#include "ui/common/DialogRunner.h"
#include "ui/common/WindowHelpers.h"
#include "ui/widgets/CoverageStrip.h"
#include "WeekCostView.h"
#include "ui/widgets/FlowLayout.h"
#include "ui/widgets/TimeGrid.h"

#include <QActionGroup>
#include <QButtonGroup>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSaveFile>
#include <QTimer>
#include <QToolBar>
#include <QVBoxLayout>

namespace {

struct ViewRange {
    const char *text;   // translated where shown
    int halfDays;
};
constexpr ViewRange kViewRanges[] = {
    {QT_TRANSLATE_NOOP("frmSchedule", "12 Hours"), 1}, {QT_TRANSLATE_NOOP("frmSchedule", "1 Day"), 2},
    {QT_TRANSLATE_NOOP("frmSchedule", "2 Days"), 4},   {QT_TRANSLATE_NOOP("frmSchedule", "3 Days"), 6},
    {QT_TRANSLATE_NOOP("frmSchedule", "4 Days"), 8},   {QT_TRANSLATE_NOOP("frmSchedule", "5 Days"), 10},
    {QT_TRANSLATE_NOOP("frmSchedule", "6 Days"), 12},  {QT_TRANSLATE_NOOP("frmSchedule", "7 Days"), 14}};

const char *const kHourNames[3] = {"WEEK", "DAY", "AVAL"};

} // namespace

frmSchedule::frmSchedule(clsEmployeeInfo &info, clsOptions &options, Prompt &prompt, DialogRunner &dialogs,
                         QWidget *parent)
    : ShiftEditWindow(info, options, prompt, dialogs, parent)
{
    setObjectName(QStringLiteral("frmSchedule"));
    setWindowTitle(tr("Schedule"));
    setSizeGripEnabled(true);
    setWindowFlag(Qt::WindowMaximizeButtonHint, true);
    buildEditing();
    buildBands();
    buildCommands();
    connect(TimeGrid1, &TimeGrid::resourceDoubleClicked, this, &frmSchedule::openEmployeeWeek);
    connect(TimeGrid1, &TimeGrid::dateShownChanged, this, &frmSchedule::onDateShown);
    if (const int width = m_options.nameColumnWidth(); width > 0)
        TimeGrid1->setCaptionWidth(width);
    connect(TimeGrid1, &TimeGrid::visibleSpanChanged, this, [this](double days) {
        const int index = int(TimeGrid::zoomSpans().indexOf(days));
        if (index >= 0 && comViewRange->isEnabled()) {
            const QSignalBlocker block(comViewRange);
            comViewRange->setCurrentIndex(index);
        }
    });
    resize(1100, 640);
}

frmSchedule::~frmSchedule()
{
    // The editing outlives this part of the window and clears its undo stack on the way out:
    // nothing here may be asked to count that.
    disconnect(&m_edits->undoStack(), nullptr, this, nullptr);
}

// ---- layout -----------------------------------------------------------------------------------

QToolBar *frmSchedule::band(const QString &bandName, const QString &toolId, const QString &frameName,
                            QWidget *content, const QString &caption)
{
    auto *bar = new QToolBar(this);
    bar->setObjectName(bandName);
    auto *frame = new QWidget(bar);
    frame->setObjectName(frameName);
    auto *layout = new QHBoxLayout(frame);
    layout->setContentsMargins(2, 0, 2, 0);
    if (!caption.isEmpty())
        layout->addWidget(new QLabel(caption, frame));
    content->setParent(frame);
    layout->addWidget(content);
    bar->addWidget(frame)->setObjectName(toolId);
    return bar;
}

void frmSchedule::buildBands()
{
    comDepartment = new QComboBox;
    comDepartment->setObjectName(QStringLiteral("comDepartment"));
    comDepartment->setMinimumContentsLength(14);
    cmdSetDate = NamedButton(QString(), QStringLiteral("cmdSetDate"), nullptr);
    cmdSetDate->setToolTip(tr("Go to another week (Ctrl+G)"));
    comSnapTo = new QComboBox;
    comSnapTo->setObjectName(QStringLiteral("comSnapTo"));
    comViewRange = new QComboBox;
    comViewRange->setObjectName(QStringLiteral("comViewRange"));
    for (const ViewRange &range : kViewRanges)
        comViewRange->addItem(tr(range.text), range.halfDays);
    comAddShift = new QComboBox;
    comAddShift->setObjectName(QStringLiteral("comAddShift"));
    comBarDisplay = new QComboBox;
    comBarDisplay->setObjectName(QStringLiteral("comBarDisplay"));
    fillSnapAndBarLists(comSnapTo, comBarDisplay);

    auto *hours = new QWidget;
    auto *hoursLayout = new QHBoxLayout(hours);
    hoursLayout->setContentsMargins(0, 0, 0, 0);
    m_hourButtons = new QButtonGroup(this);
    const QString hourCaptions[3] = {tr("Week"), tr("Day"), tr("Days")};
    for (int i = 0; i < 3; ++i) {
        optWeekHours[i] = new QRadioButton(hourCaptions[i], hours);
        optWeekHours[i]->setObjectName(QStringLiteral("optWeekHours%1").arg(i));
        m_hourButtons->addButton(optWeekHours[i], i);
        hoursLayout->addWidget(optWeekHours[i]);
    }
    optWeekHours[0]->setChecked(true);

    cmdViewMode = NamedButton(tr(" Week View"), QStringLiteral("cmdViewMode"), nullptr);
    auto *days = new QWidget;
    auto *daysLayout = new QHBoxLayout(days);
    daysLayout->setContentsMargins(0, 0, 0, 0);
    cmdWeekMinus = NamedButton(QStringLiteral("<<"), QStringLiteral("cmdWeekMinus"), days);
    cmdDayMinus = NamedButton(QStringLiteral("<"), QStringLiteral("cmdDayMinus"), days);
    cmdDayPlus = NamedButton(QStringLiteral(">"), QStringLiteral("cmdDayPlus"), days);
    cmdWeekPlus = NamedButton(QStringLiteral(">>"), QStringLiteral("cmdWeekPlus"), days);
    cmdWeekMinus->setToolTip(tr("Previous week (Page Up)"));
    cmdWeekPlus->setToolTip(tr("Next week (Page Down)"));
    cmdDayMinus->setToolTip(tr("Previous day"));
    cmdDayPlus->setToolTip(tr("Next day"));
    for (QPushButton *b : {cmdWeekMinus, cmdDayMinus, cmdDayPlus, cmdWeekPlus}) {
        b->setMaximumWidth(36);
        daysLayout->addWidget(b);
    }
    cmdCopy = NamedButton(tr("Copy Week"), QStringLiteral("cmdCopy"), nullptr);
    cmdPrint = NamedButton(tr("Print"), QStringLiteral("cmdPrint"), nullptr);
    cmdPrint->setToolTip(tr("Saves the week, then opens the schedule reports for this department and these days."));
    labCurrentTime = new QLabel;
    labCurrentTime->setObjectName(QStringLiteral("labCurrentTime"));
    labCurrentTime->setMinimumWidth(320);
    labCurrentTime->setAutoFillBackground(true);

    for (QPushButton *b : {cmdSetDate, cmdViewMode, cmdWeekMinus, cmdDayMinus, cmdDayPlus, cmdWeekPlus, cmdCopy, cmdPrint}) {
        b->setAutoDefault(false);
        b->setFocusPolicy(Qt::NoFocus);
    }

    fraEmpty = new QWidget(this);
    fraEmpty->setObjectName(QStringLiteral("fraEmpty"));
    auto *emptyLayout = new QHBoxLayout(fraEmpty);
    labEmpty = new QLabel(fraEmpty);
    labEmpty->setObjectName(QStringLiteral("labEmpty"));
    labEmpty->setWordWrap(true);
    auto *openEmployees = NamedButton(tr("&Open the Employee Editor"), QStringLiteral("cmdOpenEmployees"), fraEmpty);
    openEmployees->setAutoDefault(false);
    emptyLayout->addWidget(labEmpty, 1);
    emptyLayout->addWidget(openEmployees);
    fraEmpty->hide();
    connect(openEmployees, &QPushButton::clicked, this, [this] {
        Q_EMIT employeeEditorRequested();
        close();
    });

    // One flow of bands: they wrap onto more lines as the window narrows.
    auto *bands = new QWidget(this);
    bands->setObjectName(QStringLiteral("fraBands"));
    auto *flow = new FlowLayout(bands, 0);
    flow->addWidget(band(QStringLiteral("bandDeptName"), QStringLiteral("toolDepartmentDisplay"),
                          QStringLiteral("fraDepartment"), comDepartment, tr("Department")));
    flow->addWidget(band(QStringLiteral("bandInfo"), QStringLiteral("toolCurrentDate"),
                          QStringLiteral("fraCurrentDate"), cmdSetDate));
    flow->addWidget(band(QStringLiteral("bandQuickDaySelect"), QStringLiteral("toolQuickDay"),
                          QStringLiteral("fraChangeDay"), days));
    flow->addWidget(band(QStringLiteral("bandViewMode"), QStringLiteral("toolViewMode"),
                          QStringLiteral("fraViewMode"), cmdViewMode));
    flow->addWidget(band(QStringLiteral("bandCopy"), QStringLiteral("toolCopy"), QStringLiteral("fraCopy"), cmdCopy));
    flow->addWidget(band(QStringLiteral("bandPrint"), QStringLiteral("toolPrint"), QStringLiteral("fraPrint"), cmdPrint));
    auto *needs = new QWidget(this);
    auto *needsLayout = new QHBoxLayout(needs);
    needsLayout->setContentsMargins(0, 0, 0, 0);
    needsLayout->setSpacing(2);
    for (const auto &[name, caption, toolId] :
         {std::tuple{"cmdStaffingNeeds", tr("Needs..."), "toolStaffingNeeds"}, std::tuple{"cmdFillNeeds", tr("Fill..."), "toolFillNeeds"}}) {
        auto *button = NamedButton(caption, QLatin1String(name), needs);
        button->setAutoDefault(false);
        button->setFocusPolicy(Qt::NoFocus);
        const QString id = QLatin1String(toolId);
        connect(button, &QPushButton::clicked, this, [this, id] { ToolClick(id); });
        needsLayout->addWidget(button);
    }
    flow->addWidget(band(QStringLiteral("bandNeeds"), QStringLiteral("toolNeeds"), QStringLiteral("fraNeeds"), needs,
                         tr("Staffing Needs")));
    auto *undoBar = new QToolBar(this);
    undoBar->setObjectName(QStringLiteral("bandUndo"));
    // The buttons name the step in a few words; the tooltip and the Edit menu name it whole.
    for (QAction *source : {m_edits->undoAction(), m_edits->redoAction()}) {
        auto *shown = new QAction(undoBar);
        shown->setObjectName(source->objectName() + QStringLiteral("Button"));
        auto sync = [this, shown, source] {
            shown->setEnabled(source->isEnabled());
            shown->setToolTip(source->text());
            shown->setText(fontMetrics().elidedText(source->text(), Qt::ElideRight, 150));
        };
        connect(source, &QAction::changed, shown, sync);
        connect(shown, &QAction::triggered, source, &QAction::trigger);
        sync();
        undoBar->addAction(shown);
    }
    flow->addWidget(undoBar);

    flow->addWidget(band(QStringLiteral("bandAddShift"), QStringLiteral("toolAddShift"),
                           QStringLiteral("fraAddShiftHow"), comAddShift, tr("Add Shift")));
    flow->addWidget(band(QStringLiteral("bandSnapTo"), QStringLiteral("toolSnapTo"), QStringLiteral("fraSnapTo"),
                           comSnapTo, tr("Snap To")));
    flow->addWidget(band(QStringLiteral("bandViewRange"), QStringLiteral("toolViewRange"),
                           QStringLiteral("fraViewRange"), comViewRange, tr("View")));
    flow->addWidget(band(QStringLiteral("bandBarTextView"), QStringLiteral("toolBarView"),
                           QStringLiteral("fraBarDisplay"), comBarDisplay, tr("Bar Text")));
    flow->addWidget(band(QStringLiteral("bandHourDisplay"), QStringLiteral("toolHourDisplay"),
                           QStringLiteral("fraHourDisplay"), hours, tr("Hours")));

    auto *bottom = new QHBoxLayout;
    bottom->addWidget(band(QStringLiteral("bandMouseDisplay"), QStringLiteral("toolMouseDisplay"),
                           QStringLiteral("fraMouseDisplay"), labCurrentTime, tr("Mouse Position")));
    bottom->addWidget(labStatus, 1);
    m_coverage = std::make_unique<NeedsCoverageView>(TimeGrid1, this);
    bottom->addWidget(m_coverage->unmetLabel());
    m_cost = std::make_unique<WeekCostView>(TimeGrid1, this);
    bottom->addWidget(m_cost->costLabel());

    m_menuBar = new QMenuBar(this);
    auto *main = new QVBoxLayout(this);
    main->setContentsMargins(4, 0, 4, 4);
    main->setSpacing(2);
    main->setMenuBar(m_menuBar);
    main->addWidget(bands);
    main->addWidget(fraEmpty);
    main->addWidget(TimeGrid1, 1);
    main->addWidget(m_coverage->strip());
    main->addLayout(bottom);

    connect(comDepartment, &QComboBox::currentIndexChanged, this, &frmSchedule::onDepartmentChosen);
    connect(cmdSetDate, &QPushButton::clicked, this, &frmSchedule::pickDate);
    connect(comSnapTo, &QComboBox::currentIndexChanged, this, [this] {
        applySnapChoice(comSnapTo);
        recountCoverage();
    });
    connect(&m_edits->undoStack(), &QUndoStack::indexChanged, this, &frmSchedule::recountCoverage);
    connect(&m_edits->undoStack(), &QUndoStack::indexChanged, this, &frmSchedule::recountCost);
    connect(comViewRange, &QComboBox::currentIndexChanged, this, &frmSchedule::setViewRangeIndex);
    connect(comAddShift, &QComboBox::currentIndexChanged, this, [this](int index) { setAddModeFromList(index); });
    connect(comBarDisplay, &QComboBox::currentIndexChanged, this,
            [this] { applyBarDisplay(comBarDisplay->currentData().toString()); });
    connect(m_hourButtons, &QButtonGroup::idClicked, this, &frmSchedule::setHoursMode);
    connect(cmdViewMode, &QPushButton::clicked, this, [this] { setViewMode(!m_weekView); });
    connect(cmdWeekMinus, &QPushButton::clicked, this, [this] { stepDays(-7); });
    connect(cmdWeekPlus, &QPushButton::clicked, this, [this] { stepDays(7); });
    connect(cmdDayMinus, &QPushButton::clicked, this, [this] { stepDays(-1); });
    connect(cmdDayPlus, &QPushButton::clicked, this, [this] { stepDays(1); });
    connect(cmdCopy, &QPushButton::clicked, this, &frmSchedule::copyCommand);
    connect(cmdPrint, &QPushButton::clicked, this, &frmSchedule::printReports);
}

QAction *frmSchedule::command(const QString &id, const QString &caption, const std::function<void()> &run,
                              const QKeySequence &key)
{
    auto *action = new QAction(caption, this);
    action->setObjectName(id);
    if (!key.isEmpty()) {
        action->setShortcut(key);
        action->setShortcutContext(Qt::WindowShortcut);
        addAction(action);
    }
    if (run)
        connect(action, &QAction::triggered, this, run);
    m_tools.insert(id, action);
    return action;
}

void frmSchedule::buildCommands()
{
    QMenu *scheduleMenu = m_menuBar->addMenu(tr("&Schedule"));
    scheduleMenu->setObjectName(QStringLiteral("bandScheduleMenu"));
    scheduleMenu->addAction(command(QStringLiteral("toolPrevWeek"), tr("Previous &Week"), [this] { stepDays(-7); },
                                    QKeySequence(Qt::Key_PageUp)));
    scheduleMenu->addAction(command(QStringLiteral("toolNextWeek"), tr("&Next Week"), [this] { stepDays(7); },
                                    QKeySequence(Qt::Key_PageDown)));
    scheduleMenu->addAction(command(QStringLiteral("toolPrevDay"), tr("Previous &Day"), [this] { stepDays(-1); }));
    scheduleMenu->addAction(command(QStringLiteral("toolNextDay"), tr("Next D&ay"), [this] { stepDays(1); }));
    scheduleMenu->addAction(command(QStringLiteral("toolCurrentDate"), tr("&Go to Date..."), [this] { pickDate(); },
                                    QKeySequence(Qt::CTRL | Qt::Key_G)));
    scheduleMenu->addSeparator();
    scheduleMenu->addAction(command(QStringLiteral("toolCopySchedule"), tr("&Copy Day or Week..."),
                                    [this] { copyCommand(); }));
    QAction *conflicts = command(QStringLiteral("toolConflicts"), tr("Show C&onflicts..."), [this] { showConflicts(); });
    scheduleMenu->addAction(conflicts);
    connect(scheduleMenu, &QMenu::aboutToShow, conflicts, [this, conflicts] { conflicts->setEnabled(hasConflicts()); });
    scheduleMenu->addAction(command(QStringLiteral("toolStaffingNeeds"), tr("&Staffing Needs..."), [this] {
        if (m_loaded)
            Q_EMIT staffingNeedsRequested(m_department);
    }));
    scheduleMenu->addAction(command(QStringLiteral("toolFillNeeds"), tr("&Fill Open Needs..."), [this] { fillOpenNeeds(); }));
    scheduleMenu->addSeparator();
    scheduleMenu->addAction(command(QStringLiteral("toolExportPicture"), tr("&Export Picture..."),
                                    [this] { exportPicture(); }));
    scheduleMenu->addAction(command(QStringLiteral("toolExportCalendar"), tr("Export Calenda&r..."),
                                    [this] { exportCalendar(); }));
    scheduleMenu->addAction(command(QStringLiteral("toolPrint"), tr("&Print..."), [this] { printReports(); },
                                    QKeySequence::Print));
    scheduleMenu->addSeparator();
    scheduleMenu->addAction(command(QStringLiteral("toolClose"), tr("C&lose"), [this] { close(); }));

    QMenu *edit = m_edits->editMenu();
    m_menuBar->addMenu(edit);
    for (const char *id : {"toolCut", "toolCopy", "toolPaste", "toolDelete", "toolChangeJob", "toolUndo", "toolRedo"})
        if (QAction *a = findChild<QAction *>(QLatin1String(id)))
            m_tools.insert(QLatin1String(id), a);
    command(QStringLiteral("toolCancel"), tr("Cancel"), [] {});

    QMenu *view = m_menuBar->addMenu(tr("&View"));
    view->setObjectName(QStringLiteral("bandViewMenu"));
    view->addAction(command(QStringLiteral("toolViewMode"), tr("Switch &Day/Week View"),
                            [this] { setViewMode(!m_weekView); }));
    view->addSeparator();
    view->addAction(command(QStringLiteral("toolWeekHours"), tr("&Week Hours"), [this] { setHoursMode(0); }));
    view->addAction(command(QStringLiteral("toolDayHours"), tr("D&ay Hours"), [this] { setHoursMode(1); }));
    view->addAction(command(QStringLiteral("toolDayDisplay"), tr("Days &Worked"), [this] { setHoursMode(2); }));
    view->addSeparator();
    QAction *strip = command(QStringLiteral("toolCoverage"), tr("&Coverage Strip"), [] {});
    strip->setCheckable(true);
    connect(strip, &QAction::toggled, this, &frmSchedule::setCoverageShown);
    strip->setChecked(m_options.coverageStripShown());
    view->addAction(strip);
    QAction *costColumn = command(QStringLiteral("toolCostColumn"), tr("Cost Co&lumn"), [] {});
    costColumn->setCheckable(true);
    connect(costColumn, &QAction::toggled, this, [this](bool shown) {
        m_cost->setColumnShown(shown);
        recountCost();
        recountCoverage();   // the strip below follows the grid's time axis, which moved
    });
    costColumn->setChecked(m_options.costColumnShown());
    view->addAction(costColumn);
    view->addSeparator();
    view->addAction(command(QStringLiteral("toolJobDesc"), tr("Bars Show &Position"),
                            [this] { comBarDisplay->setCurrentIndex(0); }));
    view->addAction(command(QStringLiteral("toolStartEndTime"), tr("Bars Show &Times"),
                            [this] { comBarDisplay->setCurrentIndex(1); }));
    view->addAction(command(QStringLiteral("toolNone"), tr("Bars Show &Nothing"),
                            [this] { comBarDisplay->setCurrentIndex(2); }));

    QMenu *add = m_menuBar->addMenu(tr("&Add Shift"));
    add->setObjectName(QStringLiteral("bandAddShiftMenu"));
    add->addAction(command(QStringLiteral("toolNoneAddShift"), tr("&Default"), [this] { comAddShift->setCurrentIndex(0); }));
    // Choosing the mode that is already set returns to "Default".
    auto toggle = [this](int mode) { comAddShift->setCurrentIndex(m_addMode == mode ? 0 : mode); };
    add->addAction(command(QStringLiteral("toolPickShift"), tr("Pick &Shift"), [toggle] { toggle(1); }));
    add->addAction(command(QStringLiteral("toolPickStart"), tr("Pick S&tart"), [toggle] { toggle(2); }));
    add->addAction(command(QStringLiteral("toolPickEnd"), tr("Pick &End"), [toggle] { toggle(3); }));
    add->addAction(command(QStringLiteral("toolSelectShift"), tr("The Chosen Default Shift"), [this] {
        if (comAddShift->currentIndex() >= 4)
            setAddModeFromList(comAddShift->currentIndex());
    }));
    command(QStringLiteral("SysCustomize"), tr("Customize..."), [] {});

    // The modes in the menus carry a check mark, one of each group at a time.
    const QList<QStringList> groups{{"toolWeekHours", "toolDayHours", "toolDayDisplay"},
                                    {"toolJobDesc", "toolStartEndTime", "toolNone"},
                                    {"toolNoneAddShift", "toolPickShift", "toolPickStart", "toolPickEnd", "toolSelectShift"}};
    for (const QStringList &ids : groups) {
        auto *group = new QActionGroup(this);
        for (const QString &id : ids) {
            m_tools.value(id)->setCheckable(true);
            group->addAction(m_tools.value(id));
        }
    }
    connect(comAddShift, &QComboBox::currentIndexChanged, this, &frmSchedule::updateModeChecks);
    connect(comBarDisplay, &QComboBox::currentIndexChanged, this, &frmSchedule::updateModeChecks);
    connect(m_hourButtons, &QButtonGroup::idClicked, this, &frmSchedule::updateModeChecks);
    updateModeChecks();
}

void frmSchedule::updateModeChecks()
{
    static const char *const hours[] = {"toolWeekHours", "toolDayHours", "toolDayDisplay"};
    static const char *const bars[] = {"toolJobDesc", "toolStartEndTime", "toolNone"};
    static const char *const adds[] = {"toolNoneAddShift", "toolPickShift", "toolPickStart", "toolPickEnd", "toolSelectShift"};
    m_tools.value(QLatin1String(hours[std::clamp(m_schedule->hoursMode(), 0, 2)]))->setChecked(true);
    m_tools.value(QLatin1String(bars[std::clamp(comBarDisplay->currentIndex(), 0, 2)]))->setChecked(true);
    m_tools.value(QLatin1String(adds[std::clamp(m_addMode, 0, 4)]))->setChecked(true);
    m_tools.value(QStringLiteral("toolDayHours"))->setEnabled(!m_weekView);
}

void frmSchedule::ToolClick(const QString &toolId)
{
    QAction *action = m_tools.value(toolId);
    if (!action) {
        m_prompt.message(toolId);
        return;
    }
    if (action->isEnabled())
        action->trigger();
}

// ---- loading ----------------------------------------------------------------------------------

bool frmSchedule::Form_Load()
{
    comViewRange->setCurrentIndex(0);
    TimeGrid1->model()->setSnapMinutes(QString::number(m_options.GetSnapToMinutes()) + QStringLiteral(" Minutes"));
    {
        const QSignalBlocker block(comDepartment);
        if (!RunShowingFileError(m_prompt, windowTitle(), [this] { FillDepartmentList(comDepartment, m_info); }))
            return false;
        comDepartment->setCurrentIndex(-1);
    }
    if (comDepartment->count() == 0) {
        m_prompt.message(tr("Please setup a department first"));
        return false;
    }
    const double today = m_openingDay != 0 ? OleDate::wholeDay(m_openingDay)
                                           : OleDate::wholeDay(OleDate::fromDate(QDate::currentDate()));
    m_firstDay = clsScheduleData::WeekStart(m_info, comDepartment->itemText(0), today);
    m_lastDay = m_firstDay + 6;
    showWeekCaption();
    // Selecting the department loads it; nothing was loaded before, so nothing is saved.
    comDepartment->setCurrentIndex(0);

    setHoursMode(0);
    const QString bars = m_options.bardisplay();
    const int barIndex = comBarDisplay->findData(bars);
    comBarDisplay->setCurrentIndex(barIndex >= 0 ? barIndex : 0);
    applyBarDisplay(comBarDisplay->currentData().toString());
    setViewMode(m_options.WeekViewMode() != 0);
    const QString hours = m_options.hourdisplay().trimmed().toUpper();
    for (int i = 0; i < 3; ++i)
        if (hours == QLatin1String(kHourNames[i]))
            setHoursMode(i);
    const int snapIndex = comSnapTo->findData(int(m_options.SnapTo()));
    if (snapIndex >= 0) {
        comSnapTo->setCurrentIndex(snapIndex);
        applySnapChoice(comSnapTo);
    } else {
        const int current = comSnapTo->findData(int(m_options.GetSnapToMinutes()));
        const QSignalBlocker block(comSnapTo);
        comSnapTo->setCurrentIndex(current >= 0 ? current : 2);
    }
    OnFirstShow(this, [this] { TimeGrid1->setFocus(); });
    return true;
}

void frmSchedule::refreshData()
{
    m_loaded = reloadGrid();
    updateEmptyNotice();
    reloadNeeds();
}

void frmSchedule::reloadNeeds()
{
    m_coverage->readNeeds(m_info.DataPath(), m_department);
    recountCoverage();
    m_cost->readRates(m_info.DataPath(), m_department);
    recountCost();
}

void frmSchedule::recountCost()
{
    if (m_loaded)
        m_cost->recount(*m_schedule);
}

void frmSchedule::recountCoverage()
{
    if (m_loaded)
        m_coverage->recount(*m_schedule, m_options.GetSnapToMinutes());
}

void frmSchedule::setCoverageShown(bool shown)
{
    m_coverage->setStripShown(shown);
    recountCoverage();
}

void frmSchedule::fillOpenNeeds()
{
    if (!m_loaded)
        return;
    FillNeedsDialog dialog(m_info, *m_schedule, this);
    if (m_dialogs.exec(dialog) != QDialog::Accepted || dialog.added().isEmpty())
        return;
    // The plan was made against this very week, so every shift fits; one that no longer does
    // (nothing should have changed meanwhile) is left out and told.
    QStringList refused;
    QUndoStack &undo = m_edits->undoStack();
    undo.beginMacro(tr("Fill %n open need(s)", nullptr, int(dialog.added().size())));
    for (const PlannedShift &shift : dialog.added()) {
        const int row = m_schedule->findEmployeeRow(shift.employee);
        const EditOutcome outcome =
            row < 0 ? EditOutcome{} : m_edits->editor().add(row, shift.begin, shift.end, shift.position);
        if (outcome.applied)
            undo.push(new ShiftEditCommand(m_edits->editor(), outcome, m_edits->describe(shift.begin, shift.end, row)));
        else
            refused << m_edits->describe(shift.begin, shift.end, -1) + u' ' + shift.name;
    }
    undo.endMacro();
    if (!refused.isEmpty())
        m_prompt.message(tr("These planned shifts no longer fit and were not added:\n%1").arg(refused.join(u'\n')),
                         windowTitle());
}

void frmSchedule::updateEmptyNotice()
{
    const bool empty = m_loaded && TimeGrid1->model()->rowCount() == 0;
    labEmpty->setText(tr("Nobody works in %1 yet, so there is no one to plan. Add employees to it in the employee "
                         "editor.").arg(m_department));
    fraEmpty->setVisible(empty);
}

void frmSchedule::showWeekCaption()
{
    cmdSetDate->setText(tr("%1 - %2", "first and last day shown").arg(WindowDayText(m_firstDay), WindowDayText(m_lastDay)));
}

bool frmSchedule::saveBeforeLeaving()
{
    if (!m_loaded)
        return true;   // nothing was read, so nothing may be written over the files
    return saveWithChoice();
}

bool frmSchedule::leaveAndLoad(const QString &department, double date)
{
    if (!saveBeforeLeaving())
        return false;
    const bool departmentChanged = department != m_department;
    m_department = department;
    m_firstDay = clsScheduleData::WeekStart(m_info, department, date);
    m_lastDay = m_firstDay + 6;
    showWeekCaption();
    m_schedule->SetDate(m_firstDay, m_lastDay);
    if (departmentChanged || m_schedule->Department() != department) {
        m_schedule->SetDepartment(department);
        loadDepartmentShifts(department, comAddShift);
    }
    m_loaded = reloadGrid();
    updateEmptyNotice();
    reloadNeeds();
    applyBarDisplay(comBarDisplay->currentData().toString());
    TimeGrid1->scrollToTime(date + m_options.GetScheduleStartTime(department));
    TimeGrid1->resetCursor();
    m_chosenDay = date;
    m_schedule->SetDayView(date);
    updateModeChecks();
    return true;
}

void frmSchedule::GoToDate(double date)
{
    if (date == 0)
        return;
    leaveAndLoad(m_department, OleDate::wholeDay(date));
}

void frmSchedule::stepDays(int days)
{
    GoToDate((m_chosenDay != 0 ? m_chosenDay : m_firstDay) + days);
}

void frmSchedule::onDepartmentChosen(int index)
{
    if (index < 0)
        return;
    const QString department = comDepartment->itemText(index);
    if (department == m_department && m_loaded)
        return;
    if (!leaveAndLoad(department, m_firstDay)) {
        // The old week stays; so does its name in the list.
        const QSignalBlocker block(comDepartment);
        comDepartment->setCurrentIndex(comDepartment->findText(m_department));
    }
}

void frmSchedule::onDateShown(double time)
{
    const double day = OleDate::wholeDay(time);
    if (day < m_firstDay)
        return;
    m_chosenDay = day;
    m_schedule->SetDayView(day);
}

// ---- view choices -----------------------------------------------------------------------------

void frmSchedule::setViewMode(bool weekView)
{
    m_weekView = weekView;
    {
        const QSignalBlocker block(comViewRange);
        comViewRange->setCurrentIndex(weekView ? 7 : 1);
    }
    setViewRangeIndex(comViewRange->currentIndex());
    comViewRange->setEnabled(weekView);
    TimeGrid1->setZoomEnabled(weekView);
    for (QPushButton *b : {cmdDayMinus, cmdDayPlus})
        b->setEnabled(!weekView);
    optWeekHours[1]->setEnabled(!weekView);
    if (weekView && m_schedule->hoursMode() == clsScheduleData::DayHours)
        setHoursMode(0);
    cmdViewMode->setText(weekView ? tr(" Week View") : tr(" Day View"));
    cmdCopy->setText(weekView ? tr("Copy Week") : tr("Copy Day"));
    TimeGrid1->model()->setDateScaleFormat(weekView ? QStringLiteral("%a %d") : QStringLiteral("%a %b %d"));
    if (!m_tools.isEmpty())
        updateModeChecks();
}

void frmSchedule::setViewRangeIndex(int index)
{
    if (index < 0)
        return;
    TimeGrid1->setVisibleSpan(comViewRange->itemData(index).toInt() / 2.0);
}

void frmSchedule::setHoursMode(int mode)
{
    if (mode == clsScheduleData::DayHours && m_weekView)
        mode = clsScheduleData::WeekHours;
    optWeekHours[mode]->setChecked(true);
    // A mark for each day of the week needs more room than hours do.
    const int daysWidth = TimeGrid1->fontMetrics().horizontalAdvance(QStringLiteral("XXXXXXX")) + 16;
    TimeGrid1->setInfoWidth(mode == clsScheduleData::DaysWorked ? std::max(64, daysWidth) : 64);
    m_schedule->ScheduleDisplayHours(mode);
    if (!m_tools.isEmpty())
        updateModeChecks();
    if (mode == clsScheduleData::DayHours)
        m_schedule->SetDayView(m_chosenDay);
}

void frmSchedule::setPositionText(const QString &text, const QColor &color)
{
    labCurrentTime->setText(text);
    QPalette palette = labCurrentTime->palette();
    palette.setColor(QPalette::Window, color.isValid() ? color : this->palette().color(QPalette::Window));
    palette.setColor(QPalette::WindowText, color.isValid() && color.lightness() < 120 ? Qt::white : Qt::black);
    labCurrentTime->setPalette(palette);
}

// ---- editing ----------------------------------------------------------------------------------

void frmSchedule::pasteAt(int row, double)
{
    if (m_edits->clip().begin == 0 || row < 0)
        return;
    const QString position = m_edits->PickJob(row, 0);
    if (position.isEmpty())
        return;
    // The copied date and times, on this row.
    m_edits->addShift(row, m_edits->clip().begin, m_edits->clip().end, position, tr("Paste"));
}

void frmSchedule::onBlockChangeRequested(int id, BlockPlace from, BlockPlace to)
{
    const int block = TimeGrid1->model()->TBFromId(id);
    if (block < 0)
        return;
    if (m_schedule->isTimeOffBlock(block)) {
        m_prompt.message(tr("Time off is changed in the time-off window (Schedules, Availability Scheduler)."));
        return;
    }
    if (!m_edits->isSavedBegin(from.begin)) {
        m_edits->tellRefusal(EditOutcome::refused(EditRefusal::NotChangeable, m_edits->editor().snapshot(id)));
        return;
    }
    if (to.row != from.row) {
        // Dragging onto another employee copies the shift there.
        const QString position = m_edits->PickJob(to.row, 0);
        if (position.isEmpty())
            return;
        m_edits->addShift(to.row, from.begin, from.end, position, tr("Copy"));
        return;
    }
    const bool stretched = std::abs((to.end - to.begin) - (from.end - from.begin)) > 1e-9;
    if (!m_edits->confirmOtherDepartments(to.row, to.begin, to.end))
        return;
    m_edits->applyEdit(m_edits->editor().place(id, to),
                       (stretched ? tr("Stretch %1 to %2") : tr("Move %1 to %2"))
                           .arg(m_edits->describe(from.begin, from.end, from.row), m_edits->describe(to.begin, to.end, -1)));
}

// ---- commands that leave the week -------------------------------------------------------------

void frmSchedule::pickDate()
{
    if (!saveBeforeLeaving())
        return;
    frmPickDate picker(m_dialogs, this);
    picker.SetDates(OleDate::wholeDay(TimeGrid1->model()->ScrollTime()), 0);
    double first = 0;
    double last = 0;
    picker.GetSettings(first, last);
    if (first == 0)
        return;
    // Saved just now; going there saves again only what is still on the grid.
    GoToDate(first);
}

void frmSchedule::openEmployeeWeek(int row)
{
    const qint32 employee = m_schedule->FindEmployeeNumberFromResorce(row);
    if (employee == 0 || !saveBeforeLeaving())
        return;
    frmEmployeeWeek week(m_info, m_options, m_prompt, m_dialogs, this);
    if (week.DisplayWindow(employee, m_firstDay, m_department))
        m_dialogs.exec(week);
    // Reloaded once the week window is gone, as the older program's one-shot timer did; the day
    // and time shown stay.
    const double shown = TimeGrid1->model()->ScrollTime();
    const double day = m_chosenDay;
    QTimer::singleShot(1, this, [this, shown, day] {
        refreshData();
        TimeGrid1->scrollToTime(shown);
        m_chosenDay = day;
        m_schedule->SetDayView(day);
        const QSignalBlocker block(comSnapTo);
        const int index = comSnapTo->findData(int(m_options.GetSnapToMinutes()));
        if (index >= 0)
            comSnapTo->setCurrentIndex(index);
    });
}

void frmSchedule::exportPicture()
{
    const std::optional<QString> file =
        m_prompt.saveFileName(tr("Export Picture"), suggestedExportFile(QStringLiteral("png")), tr("PNG pictures (*.png)"));
    if (!file || file->isEmpty())
        return;
    rememberExportFolder(*file);
    if (!WeekPicture::write(*m_schedule, *file))
        m_prompt.message(tr("Could not write the picture \"%1\".").arg(QDir::toNativeSeparators(*file)), windowTitle(),
                         Prompt::Icon::Critical);
}

QString frmSchedule::suggestedExportFile(const QString &extension) const
{
    QString folder = m_options.exportFolder();
    if (folder.isEmpty() || !QDir(folder).exists())
        folder = QDir::homePath();
    return QDir(folder).filePath(QStringLiteral("%1-%2.%3").arg(m_department, OleDate::isoDate(m_firstDay), extension));
}

void frmSchedule::rememberExportFolder(const QString &file)
{
    try {
        m_options.setExportFolder(QFileInfo(file).absolutePath());
    } catch (const FileError &) {
        // Only a suggestion for next time: the export itself goes on.
    }
}

void frmSchedule::printReports()
{
    // The reports are made from the files: the week is saved first.
    if (!saveBeforeLeaving())
        return;
    Q_EMIT printRequested(m_department, m_firstDay, m_lastDay);
}

void frmSchedule::exportCalendar()
{
    // The calendar is made from the files: the week is saved first.
    if (!saveBeforeLeaving())
        return;
    const QString title = tr("Export Calendar");
    QList<qint32> shown;   // the employees of the grid's rows, as the week shows them
    for (int row = 0; row < TimeGrid1->model()->ResourcesMax(); ++row)
        if (const qint32 number = m_schedule->FindEmployeeNumberFromResorce(row))
            shown << number;
    const int row = TimeGrid1->currentRow();
    const qint32 selected = row >= 0 ? m_schedule->FindEmployeeNumberFromResorce(row) : 0;
    QStringList choices;
    if (selected != 0)
        choices << tr("Only %1").arg(TimeGrid1->model()->ResourceTitle(row).trimmed());   // told apart from equal names
    choices << tr("The whole department %1").arg(m_department);
    const std::optional<int> chosen = m_prompt.chooseItem(tr("Whose shifts of the week?"), choices, 0, title);
    if (!chosen)
        return;
    const std::optional<QString> file =
        m_prompt.saveFileName(title, suggestedExportFile(QStringLiteral("ics")), tr("iCalendar files (*.ics)"));
    if (!file || file->isEmpty())
        return;
    rememberExportFolder(*file);

    ExportIcs::Request request;
    request.firstDay = m_firstDay;
    request.lastDay = m_lastDay;
    request.departments = {m_department};
    request.employees = (selected != 0 && *chosen == 0) ? QList<qint32>{selected} : shown;
    request.timeOff = !request.employees.isEmpty();   // an empty list would mean every employee's
    ExportIcs::Result result;
    if (!RunShowingFileError(m_prompt, title, [&] { result = ExportIcs::run(m_info, m_options, request); }))
        return;
    const QString shownPath = QDir::toNativeSeparators(*file);
    if (!result.error.isEmpty()) {
        m_prompt.message(tr("Could not export the calendar \"%1\": %2").arg(shownPath, result.error), title,
                         Prompt::Icon::Critical);
        return;
    }
    QSaveFile out(*file);
    if (!out.open(QIODevice::WriteOnly) || out.write(result.ics) != result.ics.size() || !out.commit())
        m_prompt.message(tr("Could not write the calendar \"%1\": %2").arg(shownPath, out.errorString()), title,
                         Prompt::Icon::Critical);
    else if (!result.leftOut.isEmpty())   // the calendar shows what the grid shows
        labStatus->setText(tr("Exported %1 without %n conflicting shift(s) (Schedule, Show Conflicts lists them).", "",
                              int(result.leftOut.size()))
                               .arg(shownPath));
}

void frmSchedule::copyCommand()
{
    // The copy works on the files: the week is saved first and read again afterwards.
    if (!saveBeforeLeaving())
        return;
    const bool week = m_weekView;
    const int days = week ? 7 : 1;
    const double source = week ? m_firstDay : (m_chosenDay != 0 ? m_chosenDay : m_firstDay);
    const QString caption = tr("Copy %1").arg(OleDate::format(source, QStringLiteral("ddd mmm dd,yyyy")));
    frmCopySchedule picker(m_dialogs, this);
    picker.setWindowTitle(caption);
    const double chosen = picker.Ask(caption, week ? tr("Select the week to copy to.") : tr("Select the day to copy to."),
                                     source + days);
    if (chosen == 0)
        return;
    const double target = week ? clsScheduleData::WeekStart(m_info, m_department, chosen) : OleDate::wholeDay(chosen);
    const QString question = week ? tr("Copy week of %1 to week of %2") : tr("Copy %1 to %2");
    if (!m_prompt.askYesNo(question.arg(OleDate::generalDate(source), OleDate::generalDate(target)), tr("Verify Copy")))
        return;

    // Every question is answered before anything is written.
    ScheduleCopy copier(*m_schedule, m_department);
    QList<double> occupied;
    if (!RunShowingFileError(m_prompt, tr("Copy Schedule"), [&] { occupied = copier.occupiedDays(target, days); }))
        return;
    if (!occupied.isEmpty()) {
        QStringList names;
        for (double day : std::as_const(occupied))
            names << WindowDayText(day);
        if (!m_prompt.askYesNo(tr("%n day(s) already hold shifts: %1.\nReplace their schedule?", "", int(occupied.size()))
                                   .arg(names.join(QStringLiteral(", "))),
                               tr("Replace Schedule"), true))
            return;
    }
    RunShowingFileError(m_prompt, tr("Copy Schedule"), [&] { copier.copy(source, target, days); });
    refreshData();
}

// ---- closing ----------------------------------------------------------------------------------

void frmSchedule::storeOptions()
{
    RunShowingFileError(m_prompt, windowTitle(), [this] {
        m_options.setBardisplay(comBarDisplay->currentData().toString());
        m_options.setHourdisplay(QLatin1String(kHourNames[std::clamp(m_schedule->hoursMode(), 0, 2)]));
        m_options.setSnapTo(qint16(comSnapTo->currentData().toInt()));
        m_options.setWeekViewMode(m_weekView ? -1 : 0);
        m_options.setNameColumnWidth(TimeGrid1->captionWidth());
        m_options.setCoverageStripShown(m_coverage->isStripShown());
        m_options.setCostColumnShown(m_cost->isColumnShown());
    });
}

void frmSchedule::done(int result)
{
    if (m_closing) {
        QDialog::done(result);
        return;
    }
    if (!saveBeforeLeaving())
        return;   // the user stays with the week
    m_closing = true;
    if (m_loaded || comDepartment->count() > 0)
        storeOptions();
    QDialog::done(result);
}

void frmSchedule::keyPressEvent(QKeyEvent *event)
{
    // Escape cancels a drag in the grid; it never closes the scheduler by accident.
    if (event->key() == Qt::Key_Escape) {
        event->accept();
        return;
    }
    ShiftEditWindow::keyPressEvent(event);
}
