#include "ReportSection.h"

#include <algorithm>

ReportSection::ReportSection(const QString &name, qreal height) : m_name(name), m_height(height) {}

ReportControl &ReportSection::add(ReportControl::Kind kind, const QString &name, const QRectF &rect,
                                  const QString &text)
{
    ReportControl control;
    control.kind = kind;
    control.name = name;
    control.rect = rect;
    control.text = text;
    if (!name.isEmpty())
        m_index.insert(name, int(m_controls.size()));
    m_controls.append(control);
    return m_controls.last();
}

ReportControl &ReportSection::addLabel(const QString &name, const QRectF &rect, const QString &caption)
{
    return add(ReportControl::Kind::Label, name, rect, caption);
}

ReportControl &ReportSection::addField(const QString &name, const QRectF &rect)
{
    return add(ReportControl::Kind::Field, name, rect, QString());
}

ReportControl &ReportSection::addPageCount(const QString &name, const QRectF &rect)
{
    return add(ReportControl::Kind::PageCount, name, rect, QString());
}

void ReportSection::addLine(const QRectF &rect)
{
    add(ReportControl::Kind::Line, QString(), QRectF(rect.x(), rect.y(), rect.width(), 0), QString());
}

int ReportSection::indexOf(const QString &name) const
{
    // Format callbacks name their controls with literals, called once per printed line: the
    // text's address finds the control again without hashing it. A different text at a reused
    // address fails the name check and takes the slow path.
    const auto known = m_byAddress.constFind(name.constData());
    if (known != m_byAddress.cend() && m_controls.at(*known).name == name)
        return *known;
    const int i = m_index.value(name, -1);
    Q_ASSERT_X(i >= 0, "ReportSection", qPrintable(m_name + ": no control " + name));
    if (i >= 0)
        m_byAddress.insert(name.constData(), i);
    return i;
}

void ReportSection::setText(const QString &name, const QString &text)
{
    m_controls[indexOf(name)].text = text;
}

QString ReportSection::text(const QString &name) const
{
    return m_controls.at(indexOf(name)).text;
}

void ReportSection::setControlVisible(const QString &name, bool visible)
{
    m_controls[indexOf(name)].visible = visible;
}

bool ReportSection::isControlVisible(const QString &name) const
{
    return m_controls.at(indexOf(name)).visible;
}

bool ReportSection::hasMovingControls() const
{
    return std::any_of(m_controls.cbegin(), m_controls.cend(),
                       [](const ReportControl &c) { return c.followsPrevious || c.collapsesWhenEmpty; });
}
