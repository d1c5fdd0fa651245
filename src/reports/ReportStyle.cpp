#include "ReportStyle.h"

#include "reports/engine/ReportSection.h"

namespace ReportStyle {

void addPageHeader(ReportSection &header, const QString &titleName, bool blankAfterOf)
{
    ReportControl &title = header.addLabel(titleName, QRectF(0, 0, 380, 20), QString());
    title.pointSize = 14;
    title.bold = true;
    header.addLabel(QStringLiteral("labPageof"), QRectF(384, 4, blankAfterOf ? 104 : 101, 14), QString()).alignment =
        Qt::AlignRight | Qt::AlignVCenter;
    header.addPageCount(QStringLiteral("txtpagecount"), QRectF(488, 4, 35, 14));
    header.addLine(QRectF(0, 24, kWidth, 0));
    header.setHeight(32);
}

QString pageOf(int page, bool trailingBlank)
{
    return QStringLiteral("Page %1 of").arg(page) + (trailingBlank ? QStringLiteral(" ") : QString());
}

void addCaption(ReportSection &section, const QString &name, const QRectF &rect, const QString &text,
                Qt::Alignment alignment)
{
    ReportControl &c = section.addLabel(name, rect, text);
    c.bold = true;
    c.alignment = alignment;
}

void addLineField(ReportSection &section, const QString &name, qreal x, qreal width, Qt::Alignment alignment)
{
    section.addField(name, QRectF(x, 0, width, kLine)).alignment = alignment;
}

} // namespace ReportStyle
