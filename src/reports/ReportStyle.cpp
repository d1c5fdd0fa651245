#include "ReportStyle.h"

#include "reports/engine/ReportSection.h"

namespace ReportStyle {

PageHeader addPageHeader(ReportSection &header, const QString &titleName, bool blankAfterOf)
{
    PageHeader controls;
    controls.title = header.addLabel(titleName, QRectF(0, 0, 380, 20), QString());
    header[controls.title].pointSize = 14;
    header[controls.title].bold = true;
    controls.pageOf = header.addLabel(QStringLiteral("labPageof"), QRectF(384, 4, blankAfterOf ? 104 : 101, 14), QString());
    header[controls.pageOf].alignment = Qt::AlignRight | Qt::AlignVCenter;
    header.addPageCount(QStringLiteral("txtpagecount"), QRectF(488, 4, 35, 14));
    header.addLine(QRectF(0, 24, kWidth, 0));
    header.setHeight(32);
    return controls;
}

QString pageOf(int page, bool trailingBlank)
{
    return QStringLiteral("Page %1 of").arg(page) + (trailingBlank ? QStringLiteral(" ") : QString());
}

ReportSection::Control addCaption(ReportSection &section, const QString &name, const QRectF &rect, const QString &text,
                                  Qt::Alignment alignment)
{
    const ReportSection::Control caption = section.addLabel(name, rect, text);
    section[caption].bold = true;
    section[caption].alignment = alignment;
    return caption;
}

ReportSection::Control addHeading(ReportSection &section, ReportSection::Control control)
{
    section[control].pointSize = 11;
    section[control].bold = true;
    return control;
}

ReportSection::Control addTotal(ReportSection &section, ReportSection::Control field)
{
    section[field].alignment = Qt::AlignRight | Qt::AlignVCenter;
    section[field].bold = true;
    return field;
}

ReportSection::Control addLineField(ReportSection &section, const QString &name, qreal x, qreal width,
                                    Qt::Alignment alignment)
{
    const ReportSection::Control field = section.addField(name, QRectF(x, 0, width, kLine));
    section[field].alignment = alignment;
    return field;
}

} // namespace ReportStyle
