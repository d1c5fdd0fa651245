#pragma once

#include <QHash>
#include <QMainWindow>
#include <QMdiSubWindow>
#include <QPair>
#include <QPointer>
#include <functional>
#include <memory>

class QAction;
class QMdiArea;
class QMenu;
class QToolBar;
class DialogRunner;
class Prompt;
class clsEmployeeInfo;
class clsOptions;
class frmInitialSetup;
class frmHelp;
class PrinterSource;
struct ReportContext;

// The main window: holds every other window as a child of its work area, owns the one shared
// master-data object and the one shared options object, turns menu commands into windows,
// keeps the toolbar layout between runs and shows or hides the setup wizard.
class mdiSchedule : public QMainWindow
{
    Q_OBJECT

public:
    // Reads the master data and the settings of `dataFolder`. Throws FileError when a master-data
    // file cannot be read. Read-only (another copy of the program holds the folder): no file of
    // the folder is created or written, and the commands that would are off.
    mdiSchedule(const QString &dataFolder, Prompt &prompt, DialogRunner &dialogs, QWidget *parent = nullptr,
                bool readOnly = false);
    ~mdiSchedule() override;

    // Opens the help window on its contents page, or at `anchor` when one is given.
    void ShowContentsTab(const QString &anchor = {});
    // Brings the screen into line with HelpWizardShown: opens the wizard behind the other
    // windows or closes it, and sets the check mark of "Help Wizard".
    void setuphelpwizard();
    clsEmployeeInfo &GetEmployeeCLASS() const { return *m_employeeInfo; }
    clsOptions &getOptionClass() const { return *m_options; }
    // What the report windows share: prompts, printers, the delayed-print folder.
    ReportContext &reportContext() const { return *m_reports; }
    // Writes "HelpWizardHide" of section "Wizard": "0" when the wizard is to be shown, else "1".
    void HelpWizardSettingSet(bool show);
    // False only when "HelpWizardHide" is exactly "1".
    bool HelpWizardSettingGet() const;

    bool HelpWizardShown() const { return m_helpWizardShown; }
    void setHelpWizardShown(bool shown) { m_helpWizardShown = shown; }
    // Set when shutting down starts; windows use it to tell a user's close from the program's.
    bool AppClosing() const { return m_appClosing; }

    const QString &dataFolder() const { return m_dataFolder; }
    QString layoutFilePath() const;
    Prompt &prompt() const { return m_prompt; }
    DialogRunner &dialogs() const { return m_dialogs; }
    QMdiArea *mdiArea() const { return m_mdiArea; }
    QToolBar *mainToolBar() const { return m_toolBar; }
    // The menu command or menu band with that id, or null.
    QAction *tool(const QString &id) const { return m_tools.value(id); }
    QMenu *band(const QString &id) const { return m_bands.value(id); }
    // The open wizard, or null.
    frmInitialSetup *wizard() const;
    QMdiSubWindow *wizardWindow() const { return m_wizardWindow; }
    // The open child window that the command opened, or null.
    QMdiSubWindow *childWindow(const QString &toolId) const;
    // True when the saved layout was found and applied at start-up.
    bool layoutRestored() const { return m_layoutRestored; }

    // Read-only (set at construction): another copy of the program holds the data folder. The
    // title says so, the commands that change data (setup, scheduler, availability) are off and
    // say why when asked, and the program writes no file, the menu layout and the Help Wizard
    // setting included.
    bool isReadOnly() const { return m_readOnly; }

    // The product information and support page addresses this program was built with; empty
    // when there is no web site, and the help's support section is shown instead.
    static QPair<QString, QString> webAddresses();

    // The hook that fills a folder with the demo business (from the program's start); without
    // one, the wizard offers no demo.
    void setDemoBusinessMaker(std::function<QString(const QString &)> make);
    // True when the wizard may offer the demo business: a hook is set and this folder is empty.
    bool offersDemoBusiness() const;
    // The demo's own folder, beside the user's: never mixed into the user's data.
    QString demoFolder() const { return m_dataFolder + QStringLiteral("-demo"); }
    // Fills the demo folder (unless it holds the demo already) and closes the program so that it
    // starts again over it. Tells the user when that fails.
    void openDemoBusiness();
    // The folder to start over after this window closed; empty: the program ends.
    const QString &nextDataFolder() const { return m_nextDataFolder; }

    // Places a child window of the work area: centred across, its centre at 40% of the height.
    void placeChild(QWidget *child) const;
    // Moves and shrinks a top-level window so that it lies within its screen's free area.
    static void FitToScreen(QWidget *window);
    // The open child windows other than the wizard, topmost last.
    QList<QMdiSubWindow *> openChildren() const;

public Q_SLOTS:
    // Carries out the menu command with that id. A disabled command does nothing.
    void ToolClick(const QString &toolId);

protected:
    void closeEvent(QCloseEvent *event) override;
    // Once shown, the frame's size is known: a restored window is fitted to the screen again.
    void showEvent(QShowEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void buildMenus();
    void buildToolBar();
    QMenu *addBand(QMenu *parentMenu, const QString &bandId, const QString &toolId,
                   const QString &toolCaption, const QString &bandCaption);
    QAction *addTool(QMenu *band, const QString &toolId, const QString &caption);
    void buildCommands();
    QMdiSubWindow *showSingle(const QString &toolId, const std::function<QWidget *()> &create);
    void cascadeFromOthers(QMdiSubWindow *window) const;
    void closeWizard();
    void fitOnceFramed(int triesLeft);
    void childActivated(QMdiSubWindow *window);
    void passActivationOn(QPointer<QMdiSubWindow> previous);
    void placeWizard();
    bool unloadChildren();
    void loadLayout();
    void saveLayout();
    void fillWindowList();
    void showAbout();
    void showScheduler();
    void openWebPage(const QString &address);
    void applyReadOnly();

    QString m_dataFolder;
    Prompt &m_prompt;
    DialogRunner &m_dialogs;
    std::unique_ptr<clsEmployeeInfo> m_employeeInfo;
    std::unique_ptr<clsOptions> m_options;
    std::unique_ptr<PrinterSource> m_printers;
    std::unique_ptr<ReportContext> m_reports;

    QMdiArea *m_mdiArea = nullptr;
    QToolBar *m_toolBar = nullptr;
    QHash<QString, QAction *> m_tools;
    QHash<QString, QMenu *> m_bands;
    // What each command does; an empty handler: shown, but not available.
    QHash<QString, std::function<void()>> m_commands;
    QHash<QString, QPointer<QMdiSubWindow>> m_children;
    QPointer<QMdiSubWindow> m_wizardWindow;
    QPointer<QMdiSubWindow> m_lastActive;   // the child window that had the keyboard last
    std::function<QString(const QString &)> m_makeDemo;
    QString m_nextDataFolder;
    QList<QAction *> m_windowCommands;   // Cascade, Tile, Close Window, Close All

    bool m_helpWizardShown = false;
    bool m_appClosing = false;
    bool m_layoutRestored = false;
    bool m_readOnly = false;
    bool m_fittedShown = false;
    QSize m_firstRunSize;   // the size given on a start without a saved layout
};
