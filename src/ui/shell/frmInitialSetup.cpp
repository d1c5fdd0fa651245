#include "frmInitialSetup.h"

#include "mdiSchedule.h"

#include "data/clsEmployeeInfo.h"
#include "ui/common/WindowHelpers.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

frmInitialSetup::frmInitialSetup(mdiSchedule &main, QWidget *parent) : QWidget(parent), m_main(main)
{
    setObjectName(QStringLiteral("frmInitialSetup"));
    setWindowTitle(tr("Help Wizard"));

    auto *fraSetup = new QGroupBox(tr("Setup"), this);
    fraSetup->setObjectName(QStringLiteral("fraSetup"));
    auto *setupLayout = new QVBoxLayout(fraSetup);
    setupLayout->addWidget(taskFrame(QStringLiteral("fraDepartments"), tr("Departments"), cmdSetupDepartment,
                                     QStringLiteral("cmdSetupDepartment"), tr("Setup &Departments"),
                                     labSetupDepartment, QStringLiteral("labSetupDepartment")));
    setupLayout->addWidget(taskFrame(QStringLiteral("fraPositions"), tr("Positions"), cmdSetupPosition,
                                     QStringLiteral("cmdSetupPosition"), tr("Setup &Positions"), labSetupPosiition,
                                     QStringLiteral("labSetupPosiition")));
    setupLayout->addWidget(taskFrame(QStringLiteral("fraWorkShifts"), tr("Default Work Shifts"), cmdWorkShifts,
                                     QStringLiteral("cmdWorkShifts"), tr("Setup Wor&k Shifts"), labWorkShifts,
                                     QStringLiteral("labWorkShifts")));
    setupLayout->addWidget(taskFrame(QStringLiteral("fraEmployees"), tr("Employees"), cmdSetupEmloyees,
                                     QStringLiteral("cmdSetupEmloyees"), tr("Setup &Employees"), labEmployees,
                                     QStringLiteral("labEmployees")));

    auto *laterTasks = new QVBoxLayout;
    laterTasks->addWidget(taskFrame(QStringLiteral("fraScheduleEmployees"), tr("Schedule Employees"),
                                    cmdScheduleEmployees, QStringLiteral("cmdScheduleEmployees"),
                                    tr("Launch S&cheduler"), labScheduleWork, QStringLiteral("labScheduleWork")));
    laterTasks->addWidget(taskFrame(QStringLiteral("fraAvailability"), tr("Availability"), Command1,
                                    QStringLiteral("Command1"), tr("Schedule Days &Off"), labSetupAval,
                                    QStringLiteral("labSetupAval")));
    laterTasks->addWidget(taskFrame(QStringLiteral("fraReports"), tr("Reports"), cmdOpenReports,
                                    QStringLiteral("cmdOpenReports"), tr("Pr&int Reports"), labReportBox,
                                    QStringLiteral("labReportBox")));
    // On a first start over an empty folder: a made-up business to look around in first.
    QLabel *labDemo = nullptr;
    fraDemo = taskFrame(QStringLiteral("fraDemo"), tr("Demo Business"), cmdOpenDemo, QStringLiteral("cmdOpenDemo"),
                        tr("Open Demo B&usiness"), labDemo, QStringLiteral("labDemo"));
    labDemo->setText(tr("Explore Shiftgrid with a made-up business first. It opens in a folder of its own; "
                        "your data folder stays as it is until you set up your business."));
    laterTasks->addWidget(fraDemo);
    connect(cmdOpenDemo, &QPushButton::clicked, this, [this] { m_main.openDemoBusiness(); });
    const clsEmployeeInfo *info = &m_main.GetEmployeeCLASS();
    for (auto changed : {&clsEmployeeInfo::departmentsChanged, &clsEmployeeInfo::positionsChanged,
                         &clsEmployeeInfo::employeesChanged})
        connect(info, changed, this, &frmInitialSetup::updateDemoOffer);
    updateDemoOffer();
    laterTasks->addStretch(1);

    auto *layout = new QHBoxLayout(this);
    layout->addWidget(fraSetup, 1);
    layout->addLayout(laterTasks, 1);

    setLabelTexts();

    // Each button asks the main window, so that every list window stays a single instance.
    connect(cmdSetupDepartment, &QPushButton::clicked, this, [this] { m_main.ToolClick(QStringLiteral("toolDepartments")); });
    connect(cmdSetupPosition, &QPushButton::clicked, this, [this] { m_main.ToolClick(QStringLiteral("toolPositions")); });
    connect(cmdWorkShifts, &QPushButton::clicked, this, [this] { m_main.ToolClick(QStringLiteral("toolWorkShifts")); });
    connect(cmdSetupEmloyees, &QPushButton::clicked, this, [this] { m_main.ToolClick(QStringLiteral("toolEmployees")); });
    connect(Command1, &QPushButton::clicked, this, [this] { m_main.ToolClick(QStringLiteral("toolTimeOffSchedules")); });

    connect(cmdScheduleEmployees, &QPushButton::clicked, this, [this] { m_main.ToolClick(QStringLiteral("toolScheduleWork")); });

    connect(cmdOpenReports, &QPushButton::clicked, this, [this] { m_main.ToolClick(QStringLiteral("toolWorkSchedules")); });

    setTabOrder(cmdSetupDepartment, cmdSetupPosition);
    setTabOrder(cmdSetupPosition, cmdWorkShifts);
    setTabOrder(cmdWorkShifts, cmdSetupEmloyees);
    setTabOrder(cmdSetupEmloyees, cmdScheduleEmployees);
    setTabOrder(cmdScheduleEmployees, Command1);
    setTabOrder(Command1, cmdOpenReports);
    DescribeForAccessibility(this);
}

QWidget *frmInitialSetup::taskFrame(const QString &frameName, const QString &caption, QPushButton *&button,
                                    const QString &buttonName, const QString &buttonCaption, QLabel *&label,
                                    const QString &labelName)
{
    auto *frame = new QGroupBox(caption);
    frame->setObjectName(frameName);
    button = new QPushButton(buttonCaption, frame);
    button->setObjectName(buttonName);
    // The buttons line up at 140 pixels, but never cut a caption that a language makes longer.
    button->setMinimumWidth(qMax(140, button->sizeHint().width()));
    button->setAutoDefault(false);
    label = new QLabel(frame);
    label->setObjectName(labelName);
    label->setWordWrap(true);
    label->setMinimumWidth(200);
    label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    auto *layout = new QHBoxLayout(frame);
    layout->addWidget(button, 0, Qt::AlignVCenter);
    layout->addWidget(label, 1);
    return frame;
}

void frmInitialSetup::updateDemoOffer()
{
    fraDemo->setVisible(m_main.offersDemoBusiness());
}

void frmInitialSetup::setLabelTexts()
{
    labSetupDepartment->setText(
        tr("Start by setting up each department.  Each individual department will be scheduled separately."));
    labSetupPosiition->setText(tr("Assign employee positions. Employees may be assigned to multiple positions."));
    labWorkShifts->setText(tr("Setup your default work shifts for each department."));
    labEmployees->setText(tr("Setup Employee names, contact, and availability information"));
    labScheduleWork->setText(tr("Setup your employee work schedules."));
    labSetupAval->setText(tr("Schedule employee days off."));
    labReportBox->setText(tr("Configure and print various reports."));
}

void frmInitialSetup::closeEvent(QCloseEvent *event)
{
    m_closing = true;
    // Closed by the user: the wizard stays off, also at the next start. Closed by the shutdown:
    // the setting is left alone, so the wizard greets the user again next time.
    if (!m_main.AppClosing()) {
        m_main.setHelpWizardShown(false);
        m_main.setuphelpwizard();
        m_main.HelpWizardSettingSet(false);
    }
    event->accept();
}
