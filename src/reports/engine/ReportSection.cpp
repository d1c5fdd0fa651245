#include "ReportSection.h"

#include <QtGlobal>
#include <algorithm>

ReportSection::ReportSection(const QString &name, qreal height) : m_name(name), m_height(height) {}

ReportSection::Control ReportSection::add(ReportControl::Kind kind, const QString &name, const QRectF &rect,
                                          const QString &text)
{
    ReportControl control;
    control.kind = kind;
    control.name = name;
    control.rect = rect;
    control.text = text;
    m_controls.append(control);
    return Control(this, int(m_controls.size() - 1));
}

ReportSection::Control ReportSection::addLabel(const QString &name, const QRectF &rect, const QString &caption)
{
    return add(ReportControl::Kind::Label, name, rect, caption);
}

ReportSection::Control ReportSection::addField(const QString &name, const QRectF &rect)
{
    return add(ReportControl::Kind::Field, name, rect, QString());
}

ReportSection::Control ReportSection::addPageCount(const QString &name, const QRectF &rect)
{
    return add(ReportControl::Kind::PageCount, name, rect, QString());
}

void ReportSection::addLine(const QRectF &rect)
{
    add(ReportControl::Kind::Line, QString(), QRectF(rect.x(), rect.y(), rect.width(), 0), QString());
}

void ReportSection::wrongControl() const
{
    qFatal("ReportSection %s: a control of another section, or none", qPrintable(m_name));
}

bool ReportSection::hasMovingControls() const
{
    return std::any_of(m_controls.cbegin(), m_controls.cend(),
                       [](const ReportControl &c) { return c.followsPrevious || c.collapsesWhenEmpty; });
}

bool ReportSection::hasWholeControls() const
{
    return std::any_of(m_controls.cbegin(), m_controls.cend(), [](const ReportControl &c) { return c.printsWhole; });
}
