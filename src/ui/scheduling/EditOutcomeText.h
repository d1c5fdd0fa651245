#pragma once

#include "schedule/ScheduleEditor.h"
#include "schedule/clsScheduleData.h"

#include <QList>
#include <QString>
#include <functional>

// The words of every outcome the schedule engine returns to the scheduling windows: why an edit
// was refused, the stored blocks a reload left out, the shifts of another department. The engine
// names reasons and facts; this is the one place that turns them into sentences.
namespace EditOutcomeText {

// Why an edit was refused, as one sentence. `employee` names the employee of the edited row, for
// the reasons that name them. Empty for an applied edit.
QString refusal(const EditOutcome &outcome, const QString &employee);

// A shift by its times: "6a-2p", or "6a-2p for Rosa Haddad" with an employee.
QString shift(double begin, double end, const QString &employee = {});

// One shift in another department: "KITCHEN Mon 11:00a-7:00p".
QString otherDepartmentShift(const OtherDepartmentShift &shift);
// The marks on shifts that overlap another department's: a block's warning and the hours
// column's tip, for clsScheduleData::setOtherDepartmentWording.
OtherDepartmentWording otherDepartmentWording();
// Whether a shift of `employee` may go where they already work in other departments.
QString otherDepartmentsQuestion(const QString &employee, const QList<OtherDepartmentShift> &overlaps);

// The stored shifts a reload left out as collisions, one line each; `nameOf` names an employee
// by number.
QString storedConflicts(const QList<RefusedShift> &refused, const std::function<QString(qint32)> &nameOf);

} // namespace EditOutcomeText
