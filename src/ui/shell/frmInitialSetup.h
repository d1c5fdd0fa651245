#pragma once

#include <QWidget>

class QLabel;
class QPushButton;
class mdiSchedule;

// The "Help Wizard": a guide panel behind the other child windows with one button per setup
// task, in the order a new user needs them.
class frmInitialSetup : public QWidget
{
    Q_OBJECT

public:
    explicit frmInitialSetup(mdiSchedule &main, QWidget *parent = nullptr);

    // Shows the demo business offer while the main window offers one (an empty folder).
    void updateDemoOffer();

    // True from the moment the window starts to close.
    bool isClosing() const { return m_closing; }

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    QWidget *taskFrame(const QString &frameName, const QString &caption, QPushButton *&button,
                       const QString &buttonName, const QString &buttonCaption, QLabel *&label,
                       const QString &labelName);
    void setLabelTexts();

    mdiSchedule &m_main;
    bool m_closing = false;

    QPushButton *cmdSetupDepartment = nullptr;
    QPushButton *cmdSetupPosition = nullptr;
    QPushButton *cmdWorkShifts = nullptr;
    QPushButton *cmdSetupEmloyees = nullptr;
    QPushButton *cmdScheduleEmployees = nullptr;
    QPushButton *Command1 = nullptr;
    QPushButton *cmdOpenReports = nullptr;
    QPushButton *cmdOpenDemo = nullptr;
    QWidget *fraDemo = nullptr;
    QLabel *labSetupDepartment = nullptr;
    QLabel *labSetupPosiition = nullptr;
    QLabel *labWorkShifts = nullptr;
    QLabel *labEmployees = nullptr;
    QLabel *labScheduleWork = nullptr;
    QLabel *labSetupAval = nullptr;
    QLabel *labReportBox = nullptr;
};
