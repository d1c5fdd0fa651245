#include "mdiSchedule.h"

#include "AppIcon.h"
#include "frmAbout.h"
#include "frmHelp.h"
#include "frmInitialSetup.h"

#include "data/FileError.h"
#include "data/Prompt.h"
#include "data/ScheduleHelper.h"
#include "data/clsEmployeeInfo.h"
#include "data/clsInifile.h"
#include "data/clsOptions.h"
#include "ui/common/DialogRunner.h"
#include "ui/common/WindowHelpers.h"
#include "ui/setup/frmDepartmentList.h"
#include "ui/setup/frmEmployeeInfo.h"
#include "ui/setup/frmJobSetup.h"
#include "ui/setup/frmShiftsSetup.h"
#include "ui/setup/frmStaffingNeeds.h"
#include "reports/DelayedPrintStore.h"
#include "ui/reporting/frmEmployeeReports.h"
#include "ui/reporting/frmPrint.h"
#include "ui/scheduling/frmSchedule.h"
#include "ui/scheduling/frmTimeOffSetup.h"

#include <QAction>
#include <QActionGroup>
#include <QCloseEvent>
#include <QDataStream>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QProxyStyle>
#include <QStyleOptionMenuItem>
#include <QTimer>
#include <QToolBar>
#include <QScreen>
#include <QStyle>
#include <QStyleFactory>
#include <QUrl>

#ifndef SHIFTGRID_HOME_URL
#define SHIFTGRID_HOME_URL ""
#endif
#ifndef SHIFTGRID_SUPPORT_URL
#define SHIFTGRID_SUPPORT_URL ""
#endif

// The help page is compiled into the library; a static library needs its resources registered
// by hand.
static void initShellResources()
{
    Q_INIT_RESOURCE(shell);
}

namespace {

// "MenuCustom.bin": a tag, a format number, then the window state and geometry.
constexpr quint32 kLayoutTag = 0x53474d43;   // "SGMC"
constexpr quint32 kLayoutFormat = 1;
constexpr int kStateVersion = 1;

const char *const kWizardSection = "Wizard";
const char *const kWizardKey = "HelpWizardHide";

// The commands whose windows change data; the others only show, print or open help.
const char *const kWritingCommands[] = {"toolDepartments", "toolPositions", "toolWorkShifts", "toolEmployees",
                                        "toolScheduleWork", "toolTimeOffSchedules"};

// Escape in a menu opened by keyboard closes it and leaves its title current in the menu bar,
// which keeps the keyboard until a second Escape. Some styles (Fusion) paint a title as chosen only
// while its menu is open, so the bar seemed to hold the keyboard with nothing chosen: this paints
// the current title as chosen whenever the bar has the keyboard.
class MenuBarStyle : public QProxyStyle
{
public:
    using QProxyStyle::QProxyStyle;

    void drawControl(ControlElement element, const QStyleOption *option, QPainter *painter,
                     const QWidget *widget) const override
    {
        if (element == CE_MenuBarItem && widget && widget->hasFocus() && (option->state & State_Selected)) {
            if (const auto *item = qstyleoption_cast<const QStyleOptionMenuItem *>(option)) {
                QStyleOptionMenuItem chosen(*item);
                chosen.state |= State_Sunken;
                QProxyStyle::drawControl(element, &chosen, painter, widget);
                return;
            }
        }
        QProxyStyle::drawControl(element, option, painter, widget);
    }
};

} // namespace

mdiSchedule::mdiSchedule(const QString &dataFolder, Prompt &prompt, DialogRunner &dialogs, QWidget *parent,
                         bool readOnly)
    : QMainWindow(parent), m_dataFolder(QDir::cleanPath(dataFolder)), m_prompt(prompt), m_dialogs(dialogs),
      m_readOnly(readOnly)
{
    initShellResources();
    setObjectName(QStringLiteral("mdiSchedule"));
    setWindowTitle(QStringLiteral("Shiftgrid"));
    setWindowIcon(ShiftgridIcon());
    // No built-in menu for hiding the toolbar: the layout is the program's, not a customisation.
    setContextMenuPolicy(Qt::NoContextMenu);

    m_mdiArea = new QMdiArea(this);
    m_mdiArea->setObjectName(QStringLiteral("mdiArea"));
    m_mdiArea->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    m_mdiArea->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setCentralWidget(m_mdiArea);
    m_mdiArea->viewport()->installEventFilter(this);
    connect(m_mdiArea, &QMdiArea::subWindowActivated, this, &mdiSchedule::childActivated);

    buildCommands();
    buildMenus();
    buildToolBar();
    resize(1024, 700);
    loadLayout();
    if (!m_layoutRestored) {
        FitToScreen(this);
        m_firstRunSize = size();
    }

    m_employeeInfo = std::make_unique<clsEmployeeInfo>(
        m_dataFolder, readOnly ? clsEmployeeInfo::Access::ReadOnly : clsEmployeeInfo::Access::ReadWrite);
    m_options = std::make_unique<clsOptions>(ScheduleHelper::SettingsFilePath(m_dataFolder));
    m_printers = std::make_unique<PrinterSource>();
    m_reports = std::make_unique<ReportContext>(
        ReportContext{m_prompt, m_dialogs, *m_printers, DelayedPrintStore::folderBeside(m_dataFolder)});

    tool(QStringLiteral("toolTest"))->setVisible(false);
    applyReadOnly();

    m_helpWizardShown = HelpWizardSettingGet();
    setuphelpwizard();
}

mdiSchedule::~mdiSchedule()
{
    // The child windows go after this object's members: their activations must not reach it.
    disconnect(m_mdiArea, nullptr, this, nullptr);
}

QPair<QString, QString> mdiSchedule::webAddresses()
{
    return {QStringLiteral(SHIFTGRID_HOME_URL), QStringLiteral(SHIFTGRID_SUPPORT_URL)};
}

QString mdiSchedule::layoutFilePath() const
{
    return m_dataFolder + QStringLiteral("/MenuCustom.bin");
}

frmInitialSetup *mdiSchedule::wizard() const
{
    return m_wizardWindow ? qobject_cast<frmInitialSetup *>(m_wizardWindow->widget()) : nullptr;
}

QMdiSubWindow *mdiSchedule::childWindow(const QString &toolId) const
{
    QMdiSubWindow *window = m_children.value(toolId);
    return window && !window->isHidden() ? window : nullptr;
}

// ---- menus ---------------------------------------------------------------------------------

QAction *mdiSchedule::addTool(QMenu *band, const QString &toolId, const QString &caption)
{
    QAction *action = band->addAction(caption);
    action->setObjectName(toolId);
    connect(action, &QAction::triggered, this, [this, toolId] { ToolClick(toolId); });
    m_tools.insert(toolId, action);
    return action;
}

QMenu *mdiSchedule::addBand(QMenu *parentMenu, const QString &bandId, const QString &toolId,
                            const QString &toolCaption, const QString &bandCaption)
{
    auto *band = new QMenu(toolCaption, this);
    band->setObjectName(bandId);
    if (!bandCaption.isEmpty())
        band->setWindowTitle(bandCaption);
    band->menuAction()->setObjectName(toolId);
    if (parentMenu)
        parentMenu->addMenu(band);
    else
        menuBar()->addMenu(band);
    m_bands.insert(bandId, band);
    m_tools.insert(toolId, band->menuAction());
    return band;
}

void mdiSchedule::buildMenus()
{
    menuBar()->setObjectName(QStringLiteral("bandMainMenu"));
    auto *barStyle = new MenuBarStyle(QStyleFactory::create(style()->name()));
    barStyle->setParent(menuBar());
    menuBar()->setStyle(barStyle);

    QMenu *file = addBand(nullptr, QStringLiteral("bandFileMenu"), QStringLiteral("toolFile"), tr("&File"),
                          tr("File Menu"));
    addTool(file, QStringLiteral("toolOptions"), tr("&Options"));
    file->addSeparator();
    addTool(file, QStringLiteral("toolExit"), tr("&Exit"))->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));
    file->addSeparator();
    addTool(file, QStringLiteral("toolTest"), QString());

    QMenu *schedule = addBand(nullptr, QStringLiteral("bandSchedule"), QStringLiteral("toolSchedule"),
                              tr("&Schedules"), QString());
    addTool(schedule, QStringLiteral("toolScheduleWork"), tr("&Employee Scheduler"));
    addTool(schedule, QStringLiteral("toolTimeOffSchedules"), tr("&Availability Scheduler"));

    QMenu *reports = addBand(nullptr, QStringLiteral("bandReports"), QStringLiteral("toolReports"),
                             tr("&Reports"), tr("Reports"));
    addTool(reports, QStringLiteral("toolWorkSchedules"), tr("&Schedule Reports"));
    addTool(reports, QStringLiteral("toolsubEmployeeReports"), tr("&Employee Reports"));

    QMenu *setup = addBand(nullptr, QStringLiteral("bandSetup"), QStringLiteral("toolSetup"), tr("Se&tup"),
                           tr("Setup"));
    addTool(setup, QStringLiteral("toolDepartments"), tr("&Departments"));
    addTool(setup, QStringLiteral("toolPositions"), tr("&Positions"));
    addTool(setup, QStringLiteral("toolWorkShifts"), tr("Work &Shifts"));
    addTool(setup, QStringLiteral("toolEmployees"), tr("&Employees"));
    addTool(setup, QStringLiteral("toolStaffingNeeds"), tr("Staffing &Needs"));

    QMenu *help = addBand(nullptr, QStringLiteral("bandHelp"), QStringLiteral("toolHelp"), tr("&Help"),
                          tr("HelpMenu"));
    addTool(help, QStringLiteral("toolContents"), tr("&Contents"))->setShortcut(QKeySequence::HelpContents);
    QMenu *online = addBand(help, QStringLiteral("bandOnlineSupport"), QStringLiteral("toolOnlineSupport"),
                            tr("&Online Support"), tr("Online Support"));
    addTool(online, QStringLiteral("toolSupportWebSite"), tr("&Support Web Site"));
    addTool(online, QStringLiteral("toolProductInformation"), tr("&Product Information"));
    addTool(help, QStringLiteral("toolHelpWizard"), tr("Help &Wizard"))->setCheckable(true);
    help->addSeparator();
    addTool(help, QStringLiteral("toolAbout"), tr("&About"));

    QMenu *windows = addBand(nullptr, QStringLiteral("bandWindowList"), QStringLiteral("toolWindowList"),
                             tr("&Window List"), QString());
    connect(windows, &QMenu::aboutToShow, this, &mdiSchedule::fillWindowList);
    // Commands on the open windows. They live with the main window, so their keys work while
    // the menu is closed; the menu shows them above the list of windows.
    const QList<std::tuple<QString, QString, QList<QKeySequence>, std::function<void()>>> windowCommands{
        {QStringLiteral("toolCascade"), tr("&Cascade"), {}, [this] { m_mdiArea->cascadeSubWindows(); }},
        {QStringLiteral("toolTile"), tr("&Tile"), {}, [this] { m_mdiArea->tileSubWindows(); }},
        {QStringLiteral("toolCloseWindow"), tr("C&lose Window"),
         {QKeySequence(Qt::CTRL | Qt::Key_W), QKeySequence(Qt::CTRL | Qt::Key_F4)},
         [this] { m_mdiArea->closeActiveSubWindow(); }},
        {QStringLiteral("toolCloseAll"), tr("Close &All"), {}, [this] { unloadChildren(); }},
    };
    for (const auto &[id, caption, keys, run] : windowCommands) {
        auto *action = new QAction(caption, this);
        action->setObjectName(id);
        // A child window closes itself with the platform's Close key (Ctrl+W on Linux); the
        // main window adds the other, so that both keys work everywhere without clashing.
        QList<QKeySequence> own = keys;
        own.removeIf([](const QKeySequence &key) { return QKeySequence::keyBindings(QKeySequence::Close).contains(key); });
        action->setShortcuts(own);
        connect(action, &QAction::triggered, this, run);
        addAction(action);
        m_tools.insert(id, action);
        m_windowCommands << action;
    }
    fillWindowList();

    for (auto it = m_commands.cbegin(); it != m_commands.cend(); ++it) {
        QAction *action = tool(it.key());
        if (!action)
            continue;
        action->setEnabled(bool(it.value()));
        if (!it.value())
            action->setToolTip(tr("Not available yet: %1 is not part of this version of Shiftgrid.")
                                   .arg(action->text().remove(QLatin1Char('&'))));
    }
    for (QMenu *menu : std::as_const(m_bands))
        menu->setToolTipsVisible(true);
}

void mdiSchedule::buildToolBar()
{
    m_toolBar = addToolBar(tr("Commands"));
    m_toolBar->setObjectName(QStringLiteral("bandMainToolbar"));
    m_toolBar->setToolButtonStyle(Qt::ToolButtonTextOnly);
    for (const char *id : {"toolDepartments", "toolPositions", "toolWorkShifts", "toolEmployees"})
        m_toolBar->addAction(tool(QLatin1String(id)));
    m_toolBar->addSeparator();
    for (const char *id : {"toolScheduleWork", "toolTimeOffSchedules", "toolWorkSchedules"})
        m_toolBar->addAction(tool(QLatin1String(id)));
    m_toolBar->addSeparator();
    m_toolBar->addAction(tool(QStringLiteral("toolContents")));
}

void mdiSchedule::fillWindowList()
{
    QMenu *menu = band(QStringLiteral("bandWindowList"));
    qDeleteAll(menu->findChildren<QActionGroup *>(Qt::FindDirectChildrenOnly));
    menu->clear();
    for (QAction *action : std::as_const(m_windowCommands))
        menu->addAction(action);
    menu->addSeparator();
    const QList<QMdiSubWindow *> windows = m_mdiArea->subWindowList(QMdiArea::CreationOrder);
    auto *group = new QActionGroup(menu);
    group->setExclusive(true);
    int number = 0;
    for (QMdiSubWindow *window : windows) {
        if (window->isHidden())
            continue;
        ++number;
        QString title = window->windowTitle();
        title.replace(QLatin1Char('&'), QLatin1String("&&"));
        const QString text = number < 10 ? QStringLiteral("&%1 %2").arg(number).arg(title)
                                         : QStringLiteral("%1 %2").arg(number).arg(title);
        QAction *action = menu->addAction(text);
        action->setCheckable(true);
        action->setActionGroup(group);
        action->setChecked(window == m_mdiArea->activeSubWindow());
        QPointer<QMdiSubWindow> target(window);
        connect(action, &QAction::triggered, this, [this, target] {
            if (!target)
                return;
            if (target->isMinimized())
                target->showNormal();
            m_mdiArea->setActiveSubWindow(target);
        });
    }
    if (number == 0)
        menu->addAction(tr("No windows are open"))->setEnabled(false);
}

// ---- commands ------------------------------------------------------------------------------

void mdiSchedule::buildCommands()
{
    // Tool id and what it does; no handler: its window is not part of the program yet, so the
    // command is shown but not available.
    const QList<QPair<QString, std::function<void()>>> commands{
        {QStringLiteral("toolExit"), [this] { close(); }},
        {QStringLiteral("toolScheduleWork"), [this] { showScheduler(); }},
        {QStringLiteral("toolOptions"), nullptr},
        {QStringLiteral("toolContents"), [this] { ShowContentsTab(); }},
        {QStringLiteral("toolHelpWizard"),
         [this] {
             m_helpWizardShown = !m_helpWizardShown;
             HelpWizardSettingSet(m_helpWizardShown);
             setuphelpwizard();
         }},
        {QStringLiteral("toolAbout"), [this] { showAbout(); }},
        {QStringLiteral("toolSupportWebSite"), [this] { openWebPage(webAddresses().second); }},
        {QStringLiteral("toolProductInformation"), [this] { openWebPage(webAddresses().first); }},
    };
    for (const auto &[toolId, run] : commands)
        m_commands.insert(toolId, run);

    // Tool id and the list window it opens: the single shared instance of its class, brought
    // forward by another click.
    const QList<QPair<QString, std::function<QWidget *()>>> listWindows{
        {QStringLiteral("toolDepartments"),
         [this] { return new frmDepartmentList(*m_employeeInfo, *m_options, m_prompt, m_dialogs); }},
        {QStringLiteral("toolPositions"), [this] { return new frmJobSetup(*m_employeeInfo, *m_options, m_prompt); }},
        {QStringLiteral("toolWorkShifts"),
         [this] { return new frmShiftsSetup(*m_employeeInfo, *m_options, m_prompt, m_dialogs); }},
        {QStringLiteral("toolEmployees"),
         [this] {
             auto *editor = new frmEmployeeInfo(*m_employeeInfo, *m_options, m_prompt, m_dialogs);
             connect(editor, &frmEmployeeInfo::printRequested, this,
                     [this] { ToolClick(QStringLiteral("toolsubEmployeeReports")); });
             return editor;
         }},
        {QStringLiteral("toolStaffingNeeds"), [this] { return new frmStaffingNeeds(*m_employeeInfo, m_prompt); }},
        {QStringLiteral("toolTimeOffSchedules"),
         [this] { return new frmTimeOffSetup(*m_employeeInfo, *m_options, m_prompt, m_dialogs); }},
        {QStringLiteral("toolWorkSchedules"), [this] { return new frmPrint(*m_employeeInfo, *m_options, *m_reports); }},
        {QStringLiteral("toolsubEmployeeReports"), [this] { return new frmEmployeeReports(*m_employeeInfo, *m_reports); }},
    };
    for (const auto &[toolId, create] : listWindows)
        m_commands.insert(toolId, [this, toolId, create] { showSingle(toolId, create); });
}

void mdiSchedule::showScheduler()
{
    // Modal, over the whole work area, and resizable.
    frmSchedule form(*m_employeeInfo, *m_options, m_prompt, m_dialogs, this);
    // The schedule reports of the scheduler's department and range, in a window of the
    // scheduler's own: the scheduler is modal, and so are the windows outside it.
    connect(&form, &frmSchedule::printRequested, &form, [this, &form](const QString &department, double first, double last) {
        auto *print = new frmPrint(*m_employeeInfo, *m_options, *m_reports, &form);
        print->setWindowFlag(Qt::Dialog);
        print->setAttribute(Qt::WA_DeleteOnClose);
        print->DisplayWindow(department, first, last);
        print->show();
    });
    // The needs window belongs to the scheduler while it is open; what it saved is counted at once.
    connect(&form, &frmSchedule::staffingNeedsRequested, &form, [this, &form](const QString &department) {
        auto *needs = new frmStaffingNeeds(*m_employeeInfo, m_prompt, &form);
        needs->setWindowFlag(Qt::Dialog);
        needs->setWindowModality(Qt::WindowModal);
        needs->setAttribute(Qt::WA_DeleteOnClose);
        needs->showDepartment(department);
        connect(needs, &QObject::destroyed, &form, &frmSchedule::reloadNeeds);
        needs->show();
    });
    bool editEmployees = false;
    connect(&form, &frmSchedule::employeeEditorRequested, &form, [&editEmployees] { editEmployees = true; });
    if (!form.Form_Load())
        return;
    form.resize(m_mdiArea->size());
    form.move(m_mdiArea->mapToGlobal(QPoint(0, 0)));
    m_dialogs.exec(form);
    if (editEmployees)
        ToolClick(QStringLiteral("toolEmployees"));
}

void mdiSchedule::ToolClick(const QString &toolId)
{
    const QAction *action = tool(toolId);
    if (action && !action->isEnabled()) {
        // The wizard's buttons ask too: a command that is off only because the folder is read
        // here says so.
        if (m_readOnly && std::find_if(std::begin(kWritingCommands), std::end(kWritingCommands),
                                       [&](const char *id) { return toolId == QLatin1String(id); })
                              != std::end(kWritingCommands))
            m_prompt.message(action->toolTip());
        return;
    }
    if (const auto command = m_commands.constFind(toolId); command != m_commands.cend() && command.value())
        RunShowingFileError(m_prompt, QString(), command.value());
    else if (!action || !action->menu())   // a command that opens a menu does nothing else
        m_prompt.message(toolId);
}

QMdiSubWindow *mdiSchedule::showSingle(const QString &toolId, const std::function<QWidget *()> &create)
{
    QMdiSubWindow *window = childWindow(toolId);
    if (!window) {
        QWidget *content = create();
        window = m_mdiArea->addSubWindow(content);
        window->setAttribute(Qt::WA_DeleteOnClose);
        m_children.insert(toolId, window);
        window->setWindowIcon(windowIcon());
        window->resize(window->sizeHint().expandedTo(window->minimumSizeHint()).boundedTo(m_mdiArea->viewport()->size()));
        placeChild(window);
        cascadeFromOthers(window);
        window->show();
    } else if (window->isMinimized()) {
        window->showNormal();
    }
    m_mdiArea->setActiveSubWindow(window);
    window->raise();
    return window;
}

void mdiSchedule::childActivated(QMdiSubWindow *window)
{
    QPointer<QMdiSubWindow> previous = m_lastActive;
    if (window)
        m_lastActive = window;
    if (!window || window != m_wizardWindow)
        return;
    // The wizard stays behind every other child window, even when it is activated.
    window->lower();
    // Behind another window it would take the keyboard unseen: the activation passes on, onwards
    // from the window that had it (Ctrl+Tab, Ctrl+Shift+Tab) or back to it (a closed dialog).
    // Once the event is over, so that a window being closed has gone.
    QTimer::singleShot(0, this, [this, previous] { passActivationOn(previous); });
}

void mdiSchedule::passActivationOn(QPointer<QMdiSubWindow> previous)
{
    QMdiSubWindow *window = m_mdiArea->activeSubWindow();
    if (!window || window != m_wizardWindow)
        return;
    const QList<QMdiSubWindow *> others = openChildren();
    if (others.isEmpty())
        return;
    QList<QMdiSubWindow *> cycle;
    for (QMdiSubWindow *child : m_mdiArea->subWindowList(m_mdiArea->activationOrder()))
        if (!child->isHidden() && !child->isMinimized())
            cycle << child;
    QMdiSubWindow *next = previous && others.contains(previous.data()) ? previous.data() : others.last();
    const qsizetype at = cycle.indexOf(window);
    const qsizetype from = cycle.indexOf(next);
    if (at >= 0 && from >= 0 && cycle.size() > 2) {
        const qsizetype count = cycle.size();
        if ((from + 1) % count == at)
            next = cycle.at((at + 1) % count);
        else if ((at + 1) % count == from)
            next = cycle.at((at + count - 1) % count);
    }
    m_lastActive = next;
    m_mdiArea->setActiveSubWindow(next);
}

QList<QMdiSubWindow *> mdiSchedule::openChildren() const
{
    QList<QMdiSubWindow *> open;
    for (QMdiSubWindow *window : m_mdiArea->subWindowList(QMdiArea::StackingOrder))
        if (!window->isHidden() && window != m_wizardWindow)
            open << window;
    return open;
}

void mdiSchedule::cascadeFromOthers(QMdiSubWindow *window) const
{
    // The first window is centred; each further one opens a title bar below and right of the
    // window in front, so that no window hides another. Where that would leave the work area,
    // the cascade starts again at the top left.
    QList<QMdiSubWindow *> others = openChildren();
    others.removeAll(window);
    if (others.isEmpty())
        return;
    const int step = window->style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, window) + 4;
    const QSize area = m_mdiArea->viewport()->size();
    QPoint at = others.last()->pos() + QPoint(step, step);
    for (int tries = 0; tries < 50; ++tries) {
        if (at.x() + window->width() > area.width() || at.y() + window->height() > area.height())
            at = QPoint(step * (tries % 8), 0);
        const bool taken = std::any_of(others.cbegin(), others.cend(), [&](const QMdiSubWindow *other) {
            return (other->pos() - at).manhattanLength() < step;
        });
        if (!taken)
            break;
        at += QPoint(step, step);
    }
    window->move(at);
}

void mdiSchedule::placeChild(QWidget *child) const
{
    // The work area already lies below the menu bar and the toolbar, so no band is subtracted.
    PlaceFormInMainWindow(child, m_mdiArea->viewport()->size(), 0);
}

void mdiSchedule::ShowContentsTab(const QString &anchor)
{
    QMdiSubWindow *window = showSingle(QStringLiteral("toolContents"), [this] { return new frmHelp(m_dataFolder); });
    if (auto *help = qobject_cast<frmHelp *>(window->widget()))
        help->showAnchor(anchor);
}

void mdiSchedule::showAbout()
{
    frmAbout about(m_dataFolder, this);
    m_dialogs.exec(about);
}

void mdiSchedule::openWebPage(const QString &address)
{
    if (address.isEmpty()) {
        ShowContentsTab(QStringLiteral("support"));
        return;
    }
    if (!QDesktopServices::openUrl(QUrl(address)))
        m_prompt.message(tr("Could not open %1 in the web browser.").arg(address), QString(),
                         Prompt::Icon::Warning);
}

void mdiSchedule::applyReadOnly()
{
    if (!m_readOnly)
        return;
    setWindowTitle(tr("Shiftgrid (read-only)"));
    for (const char *id : kWritingCommands)
        if (QAction *action = tool(QLatin1String(id))) {
            action->setEnabled(false);
            action->setToolTip(tr("Not available: another copy of Shiftgrid is changing this data folder, so this "
                                  "one only reads it."));
        }
}

// ---- the setup wizard ----------------------------------------------------------------------

void mdiSchedule::setDemoBusinessMaker(std::function<QString(const QString &)> make)
{
    m_makeDemo = std::move(make);
    if (frmInitialSetup *shown = wizard())
        shown->updateDemoOffer();
}

bool mdiSchedule::offersDemoBusiness() const
{
    return m_makeDemo && m_employeeInfo->Departments().isEmpty() && m_employeeInfo->Positions().isEmpty()
           && m_employeeInfo->Employees().isEmpty();
}

void mdiSchedule::openDemoBusiness()
{
    const QString folder = demoFolder();
    // A demo made at an earlier start is opened as it was left.
    if (!QFileInfo::exists(folder + u'/' + QLatin1String(clsEmployeeInfo::kDepartmentsFile))) {
        QString refusal;
        const bool made = RunShowingFileError(m_prompt, tr("Demo Business"), [&] { refusal = m_makeDemo(folder); });
        if (!made)
            return;
        if (!refusal.isEmpty()) {
            m_prompt.message(refusal, tr("Demo Business"), Prompt::Icon::Warning);
            return;
        }
    }
    m_nextDataFolder = folder;
    if (!close())
        m_nextDataFolder.clear();
}

void mdiSchedule::HelpWizardSettingSet(bool show)
{
    if (m_readOnly)
        return;
    const QString file = ScheduleHelper::SettingsFilePath(m_dataFolder);
    if (!clsInifile::kelVBWritePrivateProfileString(QLatin1String(kWizardSection), QLatin1String(kWizardKey),
                                                   show ? QStringLiteral("0") : QStringLiteral("1"), file))
        m_prompt.message(tr("Could not save the Help Wizard setting in \"%1\".").arg(QDir::toNativeSeparators(file)),
                         QString(), Prompt::Icon::Warning);
}

bool mdiSchedule::HelpWizardSettingGet() const
{
    const QString value = clsInifile::kelVBGetPrivateProfileString(
        QLatin1String(kWizardSection), QLatin1String(kWizardKey), ScheduleHelper::SettingsFilePath(m_dataFolder));
    return value != QLatin1String("1");
}

void mdiSchedule::setuphelpwizard()
{
    if (!m_helpWizardShown) {
        closeWizard();
    } else if (!m_wizardWindow) {
        auto *content = new frmInitialSetup(*this);
        m_wizardWindow = m_mdiArea->addSubWindow(content);
        m_wizardWindow->setAttribute(Qt::WA_DeleteOnClose);
        m_wizardWindow->resize(m_wizardWindow->sizeHint());
        // Activation raises a window; the wizard goes straight back behind the others.
        connect(m_wizardWindow, &QMdiSubWindow::windowStateChanged, m_wizardWindow,
                [window = m_wizardWindow.data()](Qt::WindowStates, Qt::WindowStates now) {
                    if (now & Qt::WindowActive)
                        window->lower();
                });
        placeWizard();
        m_wizardWindow->show();
        m_wizardWindow->lower();
    } else {
        m_wizardWindow->lower();
    }
    tool(QStringLiteral("toolHelpWizard"))->setChecked(m_helpWizardShown);
}

void mdiSchedule::closeWizard()
{
    QPointer<QMdiSubWindow> window = m_wizardWindow;
    m_wizardWindow = nullptr;
    if (!window)
        return;
    // When the wizard itself is closing (its close box), it is already on its way out.
    const frmInitialSetup *content = qobject_cast<frmInitialSetup *>(window->widget());
    if (!content || !content->isClosing())
        window->close();
}

void mdiSchedule::placeWizard()
{
    if (m_wizardWindow)
        placeChild(m_wizardWindow);
}

// ---- layout and shutdown -------------------------------------------------------------------

bool mdiSchedule::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_mdiArea->viewport() && event->type() == QEvent::Resize && m_helpWizardShown)
        placeWizard();
    return QMainWindow::eventFilter(watched, event);
}

void mdiSchedule::loadLayout()
{
    const QString path = layoutFilePath();
    if (!QFileInfo::exists(path))
        return;
    QByteArray bytes;
    try {
        bytes = ScheduleHelper::ReadFileBytes(path);
    } catch (const FileError &) {
        return;   // an unreadable layout is no reason to stop: the built-in one is used
    }
    QDataStream in(bytes);
    in.setVersion(QDataStream::Qt_6_0);
    quint32 tag = 0;
    quint32 format = 0;
    QByteArray state;
    QByteArray geometry;
    in >> tag >> format;
    if (in.status() != QDataStream::Ok || tag != kLayoutTag || format != kLayoutFormat)
        return;
    in >> state >> geometry;
    if (in.status() != QDataStream::Ok || !in.atEnd())
        return;
    if (!restoreState(state, kStateVersion))
        return;
    restoreGeometry(geometry);
    FitToScreen(this);
    m_layoutRestored = true;
}

void mdiSchedule::FitToScreen(QWidget *window)
{
    // A layout saved on a larger screen, or at another scale factor, may no longer fit: keep
    // the window on the screen it opens on, within its free area.
    const QScreen *screen = window->screen();
    if (!screen)
        return;
    const QRect free = screen->availableGeometry();
    QRect frame = window->frameGeometry();
    const QSize frameExtra = frame.size() - window->geometry().size();
    QRect inner = window->geometry();
    inner.setSize(inner.size().boundedTo(free.size() - frameExtra));
    frame.setSize(inner.size() + frameExtra);
    frame.moveLeft(qBound(free.left(), frame.left(), free.right() - frame.width() + 1));
    frame.moveTop(qBound(free.top(), frame.top(), free.bottom() - frame.height() + 1));
    window->resize(inner.size());
    window->move(frame.topLeft());
}

void mdiSchedule::showEvent(QShowEvent *event)
{
    QMainWindow::showEvent(event);
    // A size set by hand after construction is kept as it was asked for.
    const bool ownSize = m_layoutRestored || size() == m_firstRunSize;
    if (m_fittedShown || !ownSize || isMaximized() || isFullScreen())
        return;
    m_fittedShown = true;
    // The title bar and borders come with the first show; before it the whole window was taken
    // for the client area, and on a small screen its bottom went off the screen, restored or not.
    fitOnceFramed(20);
}

void mdiSchedule::fitOnceFramed(int triesLeft)
{
    // The window manager adds the frame a moment after the show; until then it is waited for.
    QTimer::singleShot(triesLeft > 0 ? 25 : 0, this, [this, triesLeft] {
        if (frameGeometry() == geometry() && triesLeft > 0 && !isMaximized())
            fitOnceFramed(triesLeft - 1);
        else
            FitToScreen(this);
    });
}

void mdiSchedule::saveLayout()
{
    if (m_readOnly)
        return;
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    out.setVersion(QDataStream::Qt_6_0);
    out << kLayoutTag << kLayoutFormat << saveState(kStateVersion) << saveGeometry();
    RunShowingFileError(m_prompt, QString(), [&] { ScheduleHelper::WriteFileBytes(layoutFilePath(), bytes); },
                        Prompt::Icon::Warning);
}

bool mdiSchedule::unloadChildren()
{
    const QList<QMdiSubWindow *> windows = m_mdiArea->subWindowList(QMdiArea::CreationOrder);
    for (QMdiSubWindow *window : windows) {
        if (window->isHidden() || (!m_appClosing && window == m_wizardWindow))
            continue;   // already closed, waiting to be deleted; "Close All" leaves the wizard
        if (!window->close())
            return false;
    }
    return true;
}

void mdiSchedule::closeEvent(QCloseEvent *event)
{
    m_appClosing = true;
    if (!unloadChildren()) {
        // A window kept itself open (for example because its data could not be saved): the
        // program keeps running so that nothing the user typed is lost.
        m_appClosing = false;
        event->ignore();
        return;
    }
    m_wizardWindow = nullptr;
    m_children.clear();
    saveLayout();
    event->accept();
}
