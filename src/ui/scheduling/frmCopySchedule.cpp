#include "frmCopySchedule.h"

#include "data/OleDate.h"
#include "ui/common/DialogRunner.h"
#include "ui/common/WindowHelpers.h"

#include <QCalendarWidget>
#include <QHBoxLayout>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QVBoxLayout>

frmCopySchedule::frmCopySchedule(DialogRunner &dialogs, QWidget *parent)
    : QDialog(parent), m_dialogs(dialogs)
{
    setObjectName(QStringLiteral("frmCopySchedule"));
    setWindowTitle(tr("Copy Schedule"));
    labCopyInfor = new QLabel(this);
    labCopyInfor->setObjectName(QStringLiteral("labCopyInfor"));
    QFont bold = labCopyInfor->font();
    bold.setBold(true);
    labCopyInfor->setFont(bold);
    Label1 = new QLabel(this);
    Label1->setObjectName(QStringLiteral("Label1"));
    MonthView1 = new QCalendarWidget(this);
    MonthView1->setObjectName(QStringLiteral("MonthView1"));
    MonthView1->setLocale(QLocale(QLocale::English, QLocale::UnitedStates));
    MonthView1->setGridVisible(true);
    cmdCancel = NamedButton(tr("Cancel"), QStringLiteral("cmdCancel"), this);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdCancel);
    auto *main = new QVBoxLayout(this);
    main->addWidget(labCopyInfor);
    main->addWidget(Label1);
    main->addWidget(MonthView1);
    main->addLayout(buttons);

    auto choose = [this](QDate date) {
        m_chosen = OleDate::fromDate(date);
        accept();
    };
    connect(MonthView1, &QCalendarWidget::clicked, this, choose);
    connect(MonthView1, &QCalendarWidget::activated, this, choose);
    connect(cmdCancel, &QPushButton::clicked, this, &QDialog::reject);
}

double frmCopySchedule::Ask(const QString &caption, const QString &prompt, double preset)
{
    labCopyInfor->setText(caption);
    Label1->setText(prompt);
    MonthView1->setSelectedDate(OleDate::toDate(preset));
    adjustSize();
    PlaceFormInMainWindow(this);
    m_chosen = 0;
    if (m_dialogs.exec(*this) != QDialog::Accepted)
        m_chosen = 0;
    return m_chosen;
}
