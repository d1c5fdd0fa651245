#pragma once

#include "reports/engine/ReportSection.h"

#include <QRectF>
#include <QString>

// What the report layouts share: the width they are drawn for (A4 and Letter with half-inch
// margins both hold it), the page header with title and page count, and caption labels.
namespace ReportStyle {

constexpr qreal kWidth = 523;
constexpr qreal kLine = 13;   // height of one detail line

// The controls of a page header that change: the title and "Page N of ".
struct PageHeader {
    ReportSection::Control title;
    ReportSection::Control pageOf;
};
// Title label `titleName`, then "Page N of " (`labPageof`) and the page count (`txtpagecount`)
// at the right, and a line under them. Sets the section's height. Without `blankAfterOf` the
// page count keeps a small gap of its own after "of".
PageHeader addPageHeader(ReportSection &header, const QString &titleName, bool blankAfterOf = true);
// "Page N of " (with a trailing blank unless `trailingBlank` is false).
QString pageOf(int page, bool trailingBlank = true);
// A bold column caption.
ReportSection::Control addCaption(ReportSection &section, const QString &name, const QRectF &rect, const QString &text,
                Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter);
// Makes the control a group's heading (11 points, bold) and returns it.
ReportSection::Control addHeading(ReportSection &section, ReportSection::Control control);
// Makes the field a right-aligned bold total and returns it.
ReportSection::Control addTotal(ReportSection &section, ReportSection::Control field);
// A field of one detail line.
ReportSection::Control addLineField(ReportSection &section, const QString &name, qreal x, qreal width,
                  Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter);

} // namespace ReportStyle
