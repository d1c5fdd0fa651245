#include "CoverageStripPainter.h"

#include "TimeGridMapper.h"

#include <QFontMetrics>
#include <QPainter>
#include <cmath>

int CoverageStripPainter::lineHeight() const
{
    return QFontMetrics(m_font).height() + 6;
}

void CoverageStripPainter::paint(QPainter &p, const TimeGridMapper &m, const QRect &area, const QList<CoverageStripRow> &rows) const
{
    p.save();
    p.setFont(m_font);
    const QFontMetrics metrics(m_font);
    const int h = lineHeight();
    const int timeLeft = area.left() + m.timeLeft();
    const int timeRight = area.left() + m.width;
    for (int r = 0; r < rows.size(); ++r) {
        const QRect line(area.left(), area.top() + r * h, area.width(), h);
        if (line.top() > area.bottom())
            break;
        p.fillRect(line, Qt::white);
        p.setPen(QColor(0x30, 0x30, 0x30));
        p.drawText(QRect(line.left() + 4, line.top(), m.timeLeft() - 8, h), Qt::AlignVCenter | Qt::AlignLeft,
                   metrics.elidedText(rows[r].position, Qt::ElideRight, m.timeLeft() - 8));
        p.setClipRect(QRect(timeLeft, line.top(), std::max(0, timeRight - timeLeft), h));
        for (const CoverageCell &cell : rows[r].cells) {
            const int x0 = area.left() + int(std::lround(m.xForTime(cell.begin)));
            const int x1 = area.left() + int(std::lround(m.xForTime(cell.end)));
            if (x1 <= timeLeft || x0 >= timeRight || x1 <= x0)
                continue;
            const QRect box(x0, line.top() + 1, x1 - x0, h - 2);
            const QColor fill = cell.isShort() ? shortColor() : cell.isAbove() ? aboveColor() : metColor();
            if (cell.isShort() || cell.isAbove() || cell.scheduled > 0 || cell.needed > 0)
                p.fillRect(box, fill);
            const QString text = cell.needed > 0 ? QStringLiteral("%1/%2").arg(cell.scheduled).arg(cell.needed)
                                                 : (cell.scheduled > 0 ? QString::number(cell.scheduled) : QString());
            if (!text.isEmpty() && metrics.horizontalAdvance(text) + 2 <= box.width()) {
                p.setPen(cell.isShort() || cell.isAbove() ? Qt::white : QColor(0x30, 0x30, 0x30));
                p.drawText(box, Qt::AlignCenter, text);
            }
        }
        p.setClipping(false);
        p.setPen(QColor(0xC8, 0xC8, 0xC8));
        p.drawLine(line.left(), line.bottom(), line.right(), line.bottom());
        p.drawLine(timeLeft - 1, line.top(), timeLeft - 1, line.bottom());
    }
    p.restore();
}
