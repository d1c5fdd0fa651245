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
constexpr qreal kColumn = 174, kCaption = 74, kField = 96, kTop = 6;
} // namespace

rtpEmployeeMasterReport::rtpEmployeeMasterReport(const clsEmployeeInfo &info)
    : EmployeeListLayout(info, ReportCatalog::title(ReportId::MasterList))
{
    static_assert(std::size(kCells) == kCellCount);
    ReportSection &block = detail();
    for (size_t i = 0; i < kCellCount; ++i) {
        const Cell &c = kCells[i];
        const qreal x = c.column * kColumn;
        const qreal y = kTop + c.line * 14;
        const QString field = QString::fromLatin1(c.field);
        if (*c.caption)
            block[addCaption(block, QStringLiteral("lab") + field.mid(3), QRectF(x, y, kCaption, kLine), QString::fromLatin1(c.caption))]
                .printsWhole = true;
        m_fields[i] = block.addField(field, QRectF(x + kCaption + 2, y, kField + (c.span - 1) * kColumn, kLine));
        block[m_fields[i]].printsWhole = true;
        block.setColumn(m_fields[i], *c.caption ? QString::fromLatin1(c.caption) : QStringLiteral("Address 2"));
    }
    block.addLine(QRectF(0, kTop + 7 * 14 + 2, kWidth, 0));
    block.setHeight(kTop + 7 * 14 + 6);
}

void rtpEmployeeMasterReport::formatDetail(ReportSection &section, int row)
{
    const EmployeeFields &e = record(row);
    // In the order of the cells.
    const QString texts[] = {
        e.firstName, e.middleName, e.lastName,
        dateText(e.dob), dateText(e.hireDate), idText(e.ssNumber, fullIds()),
        e.scheduleName, e.descCode, e.male ? QStringLiteral("Male") : QStringLiteral("Female"),
        e.address1, e.city,
        e.address2, e.state,
        e.spouse, e.emergencyContact, e.postalCode,
        // The records hold no manager; the caption keeps its place on the form.
        QString(), ScheduleHelper::FormatPhone(e.emergencyPhone),
    };
    static_assert(std::size(texts) == kCellCount);
    for (size_t i = 0; i < kCellCount; ++i)
        section.set(m_fields[i], texts[i]);
}
