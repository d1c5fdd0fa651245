#pragma once

#include <QDialog>
#include <QStringList>

class QComboBox;
class QDialogButtonBox;
class QLabel;
class TimeBox;

// One shift's begin, end and position, changed in a dialog. It only asks: the caller applies the
// answer with the same checks as a drag. An end at or before the begin is on the next day.
class ShiftDialog : public QDialog
{
    Q_OBJECT

public:
    // `who` names the employee and day in the heading; `positions` are those the employee holds
    // (the list is hidden without any).
    ShiftDialog(const QString &who, double begin, double end, const QString &position, const QStringList &positions,
                QWidget *parent = nullptr);

    // The answer, on the day the shift begins.
    double begin() const;
    double end() const;
    QString position() const;

    TimeBox *beginBox() const { return m_begin; }
    TimeBox *endBox() const { return m_end; }
    QComboBox *positionBox() const { return m_position; }
    QDialogButtonBox *buttons() const { return m_buttons; }

private:
    void updateLength();

    double m_day;
    TimeBox *m_begin;
    TimeBox *m_end;
    QComboBox *m_position;
    QLabel *m_length;
    QDialogButtonBox *m_buttons;
};
