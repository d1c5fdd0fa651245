#pragma once

#include <QRectF>
#include <QString>

class ReportSection;

// What the report layouts share: the width they are drawn for (A4 and Letter with half-inch
// margins both hold it), the page header with title and page count, and caption labels.
namespace ReportStyle {

constexpr qreal kWidth = 523;
constexpr qreal kLine = 13;   // height of one detail line

// Title label `titleName`, then "Page N of " (`labPageof`) and the page count (`txtpagecount`)
// at the right, and a line under them. Sets the section's height. Without `blankAfterOf` the
// page count keeps a small gap of its own after "of".
void addPageHeader(ReportSection &header, const QString &titleName, bool blankAfterOf = true);
// "Page N of " (with a trailing blank unless `trailingBlank` is false).
QString pageOf(int page, bool trailingBlank = true);
// A bold column caption.
void addCaption(ReportSection &section, const QString &name, const QRectF &rect, const QString &text,
                Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter);
// A field of one detail line.
void addLineField(ReportSection &section, const QString &name, qreal x, qreal width,
                  Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter);

} // namespace ReportStyle
