#include "rtpEmployeeMasterReport.h"

#include "ReportCatalog.h"
#include "ReportStyle.h"
#include "data/ScheduleHelper.h"

using namespace ReportStyle;

namespace {
// Three columns of a caption and its field; the address lines span the first two.
struct Cell { const char *caption, *field; int column, line; int span = 1; };
const Cell kCells[] = {
    {"First", "fldFirst", 0, 0}, {"Middle", "fldMiddle", 1, 0}, {"Last", "fldLast", 2, 0},
    {"DOB", "fldDOB", 0, 1}, {"Hire Date", "fldHireDate", 1, 1}, {"SS Number", "fldSSNumber", 2, 1},
    {"Schedule Name", "fldScheduleName", 0, 2}, {"EmployeeID", "fldEmployeeID", 1, 2}, {"Gender", "fldGender", 2, 2},
    {"Address", "fldAddress1", 0, 3, 2}, {"City", "fldCity", 2, 3},
    {"", "fldAddress2", 0, 4, 2}, {"State", "fldState", 2, 4},
    {"Spouse", "fldSpouse", 0, 5}, {"Emergency", "fldEmergency", 1, 5}, {"Postal", "fldPostal", 2, 5},
    {"Manager", "fldManager", 0, 6}, {"Emer. Phone", "fldEmerPhone", 1, 6},
};
constexpr qreal kColumn = 174, kCaption = 80, kField = 92, kTop = 6;
} // namespace

rtpEmployeeMasterReport::rtpEmployeeMasterReport(const clsEmployeeInfo &info)
    : EmployeeListLayout(info, ReportCatalog::title(ReportId::MasterList))
{
    ReportSection &block = detail();
    for (const Cell &c : kCells) {
        const qreal x = c.column * kColumn;
        const qreal y = kTop + c.line * 14;
        const QString field = QString::fromLatin1(c.field);
        if (*c.caption)
            addCaption(block, QStringLiteral("lab") + field.mid(3), QRectF(x, y, kCaption, kLine), QString::fromLatin1(c.caption));
        block.addField(field, QRectF(x + kCaption + 2, y, kField + (c.span - 1) * kColumn, kLine));
    }
    block.addLine(QRectF(0, kTop + 7 * 14 + 2, kWidth, 0));
    block.setHeight(kTop + 7 * 14 + 6);
}

void rtpEmployeeMasterReport::formatDetail(ReportSection &section, int row)
{
    const EmployeeFields &e = record(row);
    const QString texts[][2] = {
        {"fldFirst", e.firstName}, {"fldMiddle", e.middleName}, {"fldLast", e.lastName},
        {"fldDOB", dateText(e.dob)}, {"fldHireDate", dateText(e.hireDate)},
        {"fldSSNumber", e.ssNumber == 0 ? QString() : QString::number(e.ssNumber)},
        {"fldScheduleName", e.scheduleName}, {"fldEmployeeID", e.descCode},
        {"fldGender", e.male ? QStringLiteral("Male") : QStringLiteral("Female")},
        {"fldAddress1", e.address1}, {"fldAddress2", e.address2}, {"fldCity", e.city}, {"fldState", e.state},
        {"fldPostal", e.postalCode}, {"fldSpouse", e.spouse}, {"fldEmergency", e.emergencyContact},
        {"fldEmerPhone", ScheduleHelper::FormatPhone(e.emergencyPhone)},
        // The records hold no manager; the caption keeps its place on the form.
        {"fldManager", QString()},
    };
    for (const auto &t : texts)
        section.setText(t[0], t[1]);
}
