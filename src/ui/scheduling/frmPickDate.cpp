#include "frmPickDate.h"

#include "data/OleDate.h"
#include "ui/common/DialogRunner.h"
#include "ui/common/WindowHelpers.h"

#include <QCalendarWidget>
#include <QHBoxLayout>
#include <QLocale>
#include <QPushButton>
#include <QVBoxLayout>

frmPickDate::frmPickDate(DialogRunner &dialogs, QWidget *parent)
    : QDialog(parent), m_dialogs(dialogs)
{
    setObjectName(QStringLiteral("frmPickDate"));
    setWindowTitle(tr("Pick Date"));
    dtpFirstDate = new QCalendarWidget(this);
    dtpFirstDate->setObjectName(QStringLiteral("dtpFirstDate"));
    dtpFirstDate->setLocale(QLocale(QLocale::English, QLocale::UnitedStates));
    dtpFirstDate->setGridVisible(true);
    cmdOk = NamedButton(tr("Ok"), QStringLiteral("cmdOk"), this);
    cmdOk->setDefault(true);
    cmdCancel = NamedButton(tr("Cancel"), QStringLiteral("cmdCancel"), this);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdOk);
    buttons->addWidget(cmdCancel);
    auto *main = new QVBoxLayout(this);
    main->addWidget(dtpFirstDate);
    main->addLayout(buttons);

    // The buttons act as soon as they are pressed; a clicked date is taken at once.
    connect(cmdOk, &QPushButton::pressed, this, &frmPickDate::choose);
    connect(cmdCancel, &QPushButton::pressed, this, &QDialog::reject);
    connect(dtpFirstDate, &QCalendarWidget::clicked, this, &frmPickDate::choose);
    connect(dtpFirstDate, &QCalendarWidget::activated, this, &frmPickDate::choose);
}

void frmPickDate::SetDates(double first, double)
{
    dtpFirstDate->setSelectedDate(OleDate::toDate(first));
    adjustSize();
    PlaceFormInMainWindow(this);
    m_first = m_last = 0;
    m_dialogs.exec(*this);
}

void frmPickDate::GetSettings(double &first, double &last) const
{
    first = m_first;
    last = m_last;
}

void frmPickDate::choose()
{
    m_first = OleDate::fromDate(dtpFirstDate->selectedDate());
    m_last = m_first + 6;
    accept();
}
