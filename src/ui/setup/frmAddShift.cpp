#include "frmAddShift.h"

#include "ui/common/DialogRunner.h"
#include "ui/widgets/TimeBox.h"
#include "ui/common/WindowHelpers.h"
#include "data/OleDate.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

frmAddShift::frmAddShift(DialogRunner &dialogs, QWidget *parent)
    : QDialog(parent), m_dialogs(dialogs)
{
    setObjectName(QStringLiteral("frmAddShift"));
    setWindowTitle(tr("Add Shift"));

    dtpStart = new TimeBox(QStringLiteral("dtpStart"), this);
    dtpEnd = new TimeBox(QStringLiteral("dtpEnd"), this);

    cmdSave = NamedButton(tr("&Save"), QStringLiteral("cmdSave"), this);
    cmdSave->setDefault(true);
    cmdClose = NamedButton(tr("&Close"), QStringLiteral("cmdClose"), this);
    cmdClose->setAutoDefault(false);

    auto *form = new QFormLayout;
    form->addRow(BuddyLabel(tr("S&tart"), dtpStart, this), dtpStart);
    form->addRow(BuddyLabel(tr("&End"), dtpEnd, this), dtpEnd);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdSave);
    buttons->addWidget(cmdClose);

    auto *main = new QVBoxLayout(this);
    main->addLayout(form);
    main->addLayout(buttons);

    TabOrder({dtpStart, dtpEnd, cmdSave, cmdClose});

    connect(cmdSave, &QPushButton::clicked, this, &frmAddShift::cmdSave_Click);
    connect(cmdClose, &QPushButton::clicked, this, &QDialog::reject);
    setMinimumWidth(300);
    DescribeForAccessibility(this);
}

int frmAddShift::TimesSetAndDisplay(double start, double end)
{
    m_start = OleDate::timeOfDay(start);
    m_end = OleDate::timeOfDay(end);
    dtpStart->setTime(OleDate::toTime(m_start));
    dtpEnd->setTime(OleDate::toTime(m_end));
    adjustSize();
    PlaceFormInMainWindow(this);
    return m_dialogs.exec(*this);
}

void frmAddShift::TimesGet(double &start, double &end) const
{
    start = m_start;
    end = m_end;
}

void frmAddShift::cmdSave_Click()
{
    // A box whose text means no time says so beside it; Save waits until it is put right.
    for (TimeBox *box : {dtpStart, dtpEnd}) {
        if (!box->hasAcceptableInput()) {
            box->setFocus();
            return;
        }
    }
    const QTime start = dtpStart->time();
    const QTime end = dtpEnd->time();
    m_start = OleDate::timeValue(start.hour(), start.minute());
    m_end = OleDate::timeValue(end.hour(), end.minute());
    accept();
}

void frmAddShift::done(int result)
{
    // However the dialog is left without Save, nothing is chosen.
    if (result != QDialog::Accepted) {
        m_start = 0;
        m_end = 0;
    }
    QDialog::done(result);
}
