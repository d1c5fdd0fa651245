#include "ShiftDialog.h"

#include "data/OleDate.h"
#include "ui/widgets/TimeBox.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <cmath>

namespace {

QTime clock(double t)
{
    const int minutes = int(std::lround(OleDate::timeOfDay(t) * OleDate::kMinutesPerDay)) % (24 * 60);
    return QTime(minutes / 60, minutes % 60);
}

double dayFraction(QTime t)
{
    return (t.hour() * 60 + t.minute()) / OleDate::kMinutesPerDay;
}

} // namespace

ShiftDialog::ShiftDialog(const QString &who, double begin, double end, const QString &position,
                         const QStringList &positions, QWidget *parent)
    : QDialog(parent), m_day(OleDate::wholeDay(begin))
{
    setObjectName(QStringLiteral("ShiftDialog"));
    setWindowTitle(tr("Shift"));
    auto *heading = new QLabel(who, this);
    heading->setObjectName(QStringLiteral("labWho"));
    heading->setWordWrap(true);
    m_begin = new TimeBox(QStringLiteral("txtBegin"), this);
    m_end = new TimeBox(QStringLiteral("txtEnd"), this);
    m_begin->setTime(clock(begin));
    m_end->setTime(clock(end));
    m_position = new QComboBox(this);
    m_position->setObjectName(QStringLiteral("comPosition"));
    m_position->addItems(positions);
    const int index = int(positions.indexOf(position.trimmed().toUpper()));
    if (index >= 0) {
        m_position->setCurrentIndex(index);
    } else if (!position.trimmed().isEmpty()) {
        m_position->insertItem(0, position.trimmed());
        m_position->setCurrentIndex(0);
    }
    m_length = new QLabel(this);
    m_length->setObjectName(QStringLiteral("labLength"));

    auto *form = new QFormLayout;
    form->addRow(tr("&Begins:"), m_begin);
    form->addRow(tr("&Ends:"), m_end);
    form->addRow(QString(), m_length);
    form->addRow(tr("&Position:"), m_position);
    if (positions.isEmpty()) {
        form->setRowVisible(m_position, false);
    }

    m_buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    m_buttons->button(QDialogButtonBox::Ok)->setText(tr("&Change Shift"));
    connect(m_buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(m_buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(m_begin, &TimeBox::timeChanged, this, &ShiftDialog::updateLength);
    connect(m_end, &TimeBox::timeChanged, this, &ShiftDialog::updateLength);
    // A text that means no time disables the button at once.
    connect(m_begin->lineEdit(), &QLineEdit::textEdited, this, &ShiftDialog::updateLength);
    connect(m_end->lineEdit(), &QLineEdit::textEdited, this, &ShiftDialog::updateLength);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(heading);
    layout->addLayout(form);
    layout->addWidget(m_buttons);
    updateLength();
    m_begin->setFocus();
}

double ShiftDialog::begin() const
{
    return OleDate::roundToMinute(m_day + dayFraction(m_begin->time()));
}

double ShiftDialog::end() const
{
    double e = m_day + dayFraction(m_end->time());
    if (e <= begin() + 1e-9)
        e += 1;   // past midnight
    return OleDate::roundToMinute(e);
}

QString ShiftDialog::position() const
{
    return m_position->currentText();
}

void ShiftDialog::updateLength()
{
    const double hours = (end() - begin()) * 24;
    m_length->setText(end() - OleDate::wholeDay(begin()) > 1 ? tr("%1 hours, ending the next day").arg(hours, 0, 'f', 2)
                                                             : tr("%1 hours").arg(hours, 0, 'f', 2));
    m_buttons->button(QDialogButtonBox::Ok)->setEnabled(m_begin->hasAcceptableInput() && m_end->hasAcceptableInput());
}
