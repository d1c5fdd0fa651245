#pragma once

#include "reports/engine/ReportSection.h"

class ReportTexts;
struct ReportShiftRow;

// The shift line that the individual and the weekly schedules share: date, weekday, from, to,
// a name (the department or the employee), the position and the hours, under captions of the
// same columns.
struct ShiftLine {
    ReportSection::Control date, weekday, from, to, name, position, hours;

    // The captions at `top` of `section`; returns the position's caption, hidden with the
    // position column.
    static ReportSection::Control addCaptions(ReportSection &section, qreal top, const QString &nameControl,
                                              const QString &nameCaption);
    // The fields of the detail line, the name column named `nameControl`.
    static ShiftLine add(ReportSection &detail, const QString &nameControl, const QString &hoursControl);

    // Fills the line for a row; the date and weekday show only when `showDate`.
    void set(ReportSection &section, ReportTexts &texts, const ReportShiftRow &row, const QString &name,
             bool showDate) const;
};
