#include "ReportPageView.h"

#include "reports/engine/BandedReport.h"

#include <QPaintEvent>
#include <QPainter>

ReportPageView::ReportPageView(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("pageView"));
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::StrongFocus);
}

void ReportPageView::setReport(const BandedReport *report)
{
    m_report = report;
    m_page = 1;
    resize(sizeHint());
    update();
}

void ReportPageView::setPage(int page)
{
    if (page == m_page)
        return;
    m_page = page;
    update();
}

void ReportPageView::setZoom(double zoom)
{
    m_zoom = zoom;
    resize(sizeHint());
    update();
}

QSizeF ReportPageView::pageSizeAtFullSize() const
{
    if (!m_report)
        return {};
    const QSizeF points = m_report->pageLayout().fullRect(QPageLayout::Point).size();
    return points * (logicalDpiX() / 72.0);
}

QSize ReportPageView::sizeHint() const
{
    return (pageSizeAtFullSize() * m_zoom).toSize().expandedTo(QSize(1, 1));
}

void ReportPageView::paintEvent(QPaintEvent *event)
{
    QPainter painter(this);
    painter.fillRect(event->rect(), Qt::white);
    if (!m_report || m_page < 1 || m_page > m_report->pageCount())
        return;
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.scale(m_zoom, m_zoom);
    painter.translate(m_report->pageLayout().paintRectPixels(logicalDpiX()).topLeft());
    m_report->paintPage(m_page, painter);
}
