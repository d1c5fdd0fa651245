#include "frmAddTimeOFf.h"

#include "data/CodePage.h"
#include "data/OleDate.h"
#include "data/Prompt.h"
#include "ui/common/DialogRunner.h"
#include "ui/common/WindowHelpers.h"
#include "ui/widgets/DateBox.h"
#include "ui/widgets/TimeBox.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

QGroupBox *Frame(const QString &name, const QString &caption, DateBox *date, TimeBox *time, QWidget *parent)
{
    auto *frame = new QGroupBox(caption, parent);
    frame->setObjectName(name);
    auto *layout = new QHBoxLayout(frame);
    layout->addWidget(date, 1);
    layout->addWidget(time);
    return frame;
}

} // namespace

frmAddTimeOFf::frmAddTimeOFf(Prompt &prompt, DialogRunner &dialogs, QWidget *parent)
    : QDialog(parent), m_prompt(prompt), m_dialogs(dialogs)
{
    setObjectName(QStringLiteral("frmAddTimeOFf"));

    // The same date and time boxes as the other windows: typed whole, Tab goes to the next box.
    dtpFirstDate = new DateBox(QStringLiteral("dtpFirstDate"), this);
    dtpFirstTime = new TimeBox(QStringLiteral("dtpFirstTime"), this);
    dtpLastDate = new DateBox(QStringLiteral("dtpLastDate"), this);
    dtpLastTime = new TimeBox(QStringLiteral("dtpLastTime"), this);
    txtReason = new QLineEdit(this);
    txtReason->setObjectName(QStringLiteral("txtReason"));
    // Says so when the reason is full, or a character cannot be stored.
    LimitToField(txtReason, kReasonWidth);
    SelectAllOnFocus(txtReason);

    cmdAdd = NamedButton(tr("&Add"), QStringLiteral("cmdAdd"), this);
    cmdAdd->setDefault(true);
    cmdDelete = NamedButton(tr("&Delete"), QStringLiteral("cmdDelete"), this);
    cmdDelete->setAutoDefault(false);
    cmdCancel = NamedButton(tr("Cancel"), QStringLiteral("cmdCancel"), this);
    cmdCancel->setAutoDefault(false);

    auto *reason = new QFormLayout;
    reason->addRow(BuddyLabel(tr("&Reason"), txtReason, this), txtReason);
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(cmdDelete);
    buttons->addStretch();
    buttons->addWidget(cmdAdd);
    buttons->addWidget(cmdCancel);
    auto *main = new QVBoxLayout(this);
    main->addWidget(Frame(QStringLiteral("Frame1"), tr("&From"), dtpFirstDate, dtpFirstTime, this));
    main->addWidget(Frame(QStringLiteral("Frame2"), tr("&To"), dtpLastDate, dtpLastTime, this));
    main->addLayout(reason);
    main->addLayout(buttons);
    TabOrder({dtpFirstDate, dtpFirstTime, dtpLastDate, dtpLastTime, txtReason, cmdAdd, cmdDelete, cmdCancel});

    for (DateBox *date : {dtpFirstDate, dtpLastDate})
        connect(date, &DateBox::dateChanged, this, &frmAddTimeOFf::recompute);
    for (TimeBox *time : {dtpFirstTime, dtpLastTime})
        connect(time, &TimeBox::timeChanged, this, &frmAddTimeOFf::recompute);
    connect(cmdAdd, &QPushButton::clicked, this, &frmAddTimeOFf::cmdAdd_Click);
    connect(cmdDelete, &QPushButton::clicked, this, [this] {
        m_deleted = true;
        accept();
    });
    connect(cmdCancel, &QPushButton::clicked, this, &QDialog::reject);
    setMinimumWidth(340);
    HideDelete(true);
}

void frmAddTimeOFf::HideDelete(bool hide)
{
    cmdDelete->setVisible(!hide);
    cmdAdd->setText(hide ? tr("&Add") : tr("&Save"));
    setWindowTitle(hide ? tr("Add Time Off") : tr("Edit Time Off"));
}

void frmAddTimeOFf::recompute()
{
    m_first = OleDate::fromDateAndTime(dtpFirstDate->date(), dtpFirstTime->time());
    m_last = OleDate::fromDateAndTime(dtpLastDate->date(), dtpLastTime->time());
}

void frmAddTimeOFf::cmdAdd_Click()
{
    for (DateBox *date : {dtpFirstDate, dtpLastDate})
        if (!date->hasAcceptableInput()) {
            m_prompt.message(tr("\"%1\" is not a date. Please type it as %2.")
                                 .arg(date->lineEdit()->text(), date->Text(QDate(2026, 3, 15))),
                             windowTitle(), Prompt::Icon::Warning);
            date->setFocus();
            return;
        }
    for (TimeBox *time : {dtpFirstTime, dtpLastTime})
        if (!time->hasAcceptableInput()) {
            m_prompt.message(tr("\"%1\" is not a time of day.").arg(time->lineEdit()->text()), windowTitle(),
                             Prompt::Icon::Warning);
            time->setFocus();
            return;
        }
    recompute();
    if (!(m_first < m_last)) {
        m_prompt.message(tr("The time off must end after it begins."), windowTitle(), Prompt::Icon::Warning);
        dtpLastDate->setFocus();
        return;
    }
    // The file holds the reason in the Windows-1252 code page; nothing may turn into '?'.
    const QString reason = txtReason->text();
    QString refused;
    for (const QChar c : reason)
        if (CodePage::decode(CodePage::encode(QString(c))) != QString(c) && !refused.contains(c))
            refused += c;
    if (!refused.isEmpty()) {
        m_prompt.message(tr("The reason cannot hold these characters: %1").arg(refused), windowTitle(),
                         Prompt::Icon::Warning);
        txtReason->setFocus();
        return;
    }
    m_saved = true;
    accept();
}

void frmAddTimeOFf::DisplayWindow(double &first, double &last, QString &reason, bool &saved, bool &deleted,
                                  bool &cancelled)
{
    m_saved = m_deleted = false;
    dtpFirstDate->setDate(OleDate::toDate(first));
    dtpFirstTime->setTime(OleDate::toTime(first));
    dtpLastDate->setDate(OleDate::toDate(last));
    dtpLastTime->setTime(OleDate::toTime(last));
    txtReason->setText(reason);
    recompute();
    adjustSize();
    PlaceFormInMainWindow(this);
    txtReason->setFocus();

    m_dialogs.exec(*this);

    saved = m_saved;
    deleted = m_deleted;
    cancelled = !m_saved && !m_deleted;   // Cancel, Escape and the window frame
    if (m_saved) {
        first = m_first;
        last = m_last;
        reason = txtReason->text();
    }
}
