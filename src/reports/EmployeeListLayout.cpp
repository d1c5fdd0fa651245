#include "EmployeeListLayout.h"

#include "ReportStyle.h"
#include "data/OleDate.h"

EmployeeListLayout::EmployeeListLayout(const clsEmployeeInfo &info, const QString &title) : m_info(info)
{
    ReportStyle::addPageHeader(pageHeader(), QStringLiteral("labReportName"));
    pageHeader().setText(QStringLiteral("labReportName"), title);
}

void EmployeeListLayout::formatPageHeader(ReportSection &section, int page)
{
    section.setText(QStringLiteral("labPageof"), ReportStyle::pageOf(page));
}

void EmployeeListLayout::addColumnCaption(const QString &name, qreal x, qreal width, const QString &text)
{
    ReportStyle::addCaption(pageHeader(), name, QRectF(x, 30, width, ReportStyle::kLine), text);
    pageHeader().setHeight(48);
}

QString EmployeeListLayout::dateText(qint32 day)
{
    return day == 0 ? QString() : OleDate::format(day, QStringLiteral("mm/dd/yyyy"));
}
