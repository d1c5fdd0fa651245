#include "EmployeeListLayout.h"

#include "ReportStyle.h"
#include "data/OleDate.h"

EmployeeListLayout::EmployeeListLayout(const clsEmployeeInfo &info, const QString &title) : m_info(info)
{
    const ReportStyle::PageHeader header = ReportStyle::addPageHeader(pageHeader(), QStringLiteral("labReportName"));
    pageHeader().set(header.title, title);
    m_pageOf = header.pageOf;
}

void EmployeeListLayout::formatPageHeader(ReportSection &section, int page)
{
    section.set(m_pageOf, ReportStyle::pageOf(page));
}

ReportSection::Control EmployeeListLayout::addColumn(const QString &field, qreal x, qreal width, const QString &caption)
{
    ReportStyle::addCaption(pageHeader(), QStringLiteral("lab") + field.mid(3), QRectF(x, 30, width, ReportStyle::kLine), caption);
    pageHeader().setHeight(48);
    detail().setHeight(ReportStyle::kLine);
    return detail().setColumn(ReportStyle::addLineField(detail(), field, x, width), caption);
}

QString EmployeeListLayout::dateText(qint32 day)
{
    return day == 0 ? QString() : OleDate::format(day, QStringLiteral("mm/dd/yyyy"));
}
