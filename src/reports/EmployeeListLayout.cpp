#include "EmployeeListLayout.h"

#include "ReportStyle.h"
#include "data/OleDate.h"

#include <algorithm>
#include <numeric>

namespace {
constexpr qreal kGap = 4;       // between two columns
constexpr qreal kPadding = 3;   // kept free at a column's right
// The size of the lists' texts, and the smallest they shrink to before they wrap (with some
// room for rounding).
constexpr qreal kSize = 9;
constexpr qreal kSmallest = 7.5;
} // namespace

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
    const ReportSection::Control label =
        ReportStyle::addCaption(pageHeader(), QStringLiteral("lab") + field.mid(3), QRectF(x, 30, width, ReportStyle::kLine), caption);
    pageHeader()[label].printsWhole = true;
    pageHeader().setHeight(48);
    detail().setHeight(ReportStyle::kLine);
    const ReportSection::Control control = ReportStyle::addLineField(detail(), field, x, width);
    detail()[control].printsWhole = true;
    detail().setColumn(control, caption);
    m_columns.append({label, control, width});
    return control;
}

void EmployeeListLayout::reportStart()
{
    if (!m_columns.isEmpty())
        fitColumns();
}

void EmployeeListLayout::fitColumns()
{
    const qsizetype n = m_columns.size();
    QList<qreal> need(n);
    for (qsizetype i = 0; i < n; ++i) {
        const ReportControl &c = pageHeader()[m_columns.at(i).caption];
        need[i] = textWidth(c.text, c.pointSize, c.bold);
    }
    for (int row = 0; row < rowCount(); ++row) {
        formatDetail(detail(), row);
        for (qsizetype i = 0; i < n; ++i) {
            const ReportControl &c = detail()[m_columns.at(i).field];
            need[i] = std::max(need[i], textWidth(c.text, c.pointSize, c.bold));
        }
    }
    for (qreal &w : need)
        w += kPadding;
    const qreal room = ReportStyle::kWidth - kGap * qreal(n - 1);
    QList<qreal> widths(n);
    const qreal needed = std::accumulate(need.cbegin(), need.cend(), qreal(0));
    qreal planned = 0;
    for (qsizetype i = 0; i < n; ++i)
        planned += std::max(need.at(i), m_columns.at(i).width);
    if (planned <= room) {
        for (qsizetype i = 0; i < n; ++i)
            widths[i] = std::max(need.at(i), m_columns.at(i).width);
        widths[n - 1] += room - planned;
    } else if (needed <= room) {
        for (qsizetype i = 0; i < n; ++i)
            widths[i] = need.at(i) + (room - needed) / qreal(n);
    } else if (needed * kSmallest / kSize <= room) {
        // Every column shrinks alike, and no text needs to wrap.
        for (qsizetype i = 0; i < n; ++i)
            widths[i] = need.at(i) * room / needed;
    } else {
        // Narrow columns get what they need; the wide ones share the rest equally and shrink
        // or wrap their texts in it.
        QList<qsizetype> order(n);
        std::iota(order.begin(), order.end(), 0);
        std::stable_sort(order.begin(), order.end(), [&](qsizetype a, qsizetype b) { return need.at(a) < need.at(b); });
        qreal left = room;
        for (qsizetype k = 0; k < n; ++k) {
            const qsizetype i = order.at(k);
            widths[i] = std::min(need.at(i), left / qreal(n - k));
            left -= widths.at(i);
        }
    }
    qreal x = 0;
    for (qsizetype i = 0; i < n; ++i) {
        QRectF &caption = pageHeader()[m_columns.at(i).caption].rect;
        QRectF &field = detail()[m_columns.at(i).field].rect;
        caption = QRectF(x, caption.top(), widths.at(i), caption.height());
        field = QRectF(x, field.top(), widths.at(i), field.height());
        x += widths.at(i) + kGap;
    }
}

QString EmployeeListLayout::idText(qint32 number, bool full)
{
    if (number == 0)
        return {};
    const QString digits = QString::number(qAbs(qint64(number)));
    if (full)
        return digits;
    return QStringLiteral("***-**-") + digits.right(4).rightJustified(4, u'0');
}

QString EmployeeListLayout::dateText(qint32 day)
{
    return day == 0 ? QString() : OleDate::format(day, QStringLiteral("mm/dd/yyyy"));
}
